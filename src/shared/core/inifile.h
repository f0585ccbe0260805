#pragma once

#include "suiteerror.h"

#include <QString>

#include <memory>

// Raised when an INI file of the application directory cannot be read or written.
// Windows catch it in a guarded block (guarded.h) and show the rights message.
class IniAccessError : public SuiteError
{
public:
    using SuiteError::SuiteError;
};

// One INI file (Soft.ini and the hand-off files). UTF-8 text; section and key names
// compare without regard to case. A missing file reads as empty, so every read gives
// its default. Every write loads the file as it is on disk now, sets that one key and
// replaces the file atomically, so keys written by others and comments are kept.
// Booleans are written "1"/"0" and read true for any nonzero integer; a value such as
// `0,0,0` is read as the text it is. Throws IniAccessError when the file cannot be
// read (it is a directory, unreadable) or written (its folder is missing or a file).
class IniFile
{
public:
    explicit IniFile(QString path);
    ~IniFile();
    IniFile(const IniFile &) = delete;
    IniFile &operator=(const IniFile &) = delete;

    const QString &Path() const { return m_path; }

    bool HasKey(const QString &section, const QString &key) const;
    QString ReadString(const QString &section, const QString &key, const QString &defaultValue = QString()) const;
    // Decimal integer; missing, empty or non-numeric text gives the default.
    int ReadInteger(const QString &section, const QString &key, int defaultValue) const;
    bool ReadBool(const QString &section, const QString &key, bool defaultValue) const;

    void WriteString(const QString &section, const QString &key, const QString &value);
    void WriteInteger(const QString &section, const QString &key, int value);
    void WriteBool(const QString &section, const QString &key, bool value);

private:
    struct Content;
    // The file as it is on disk now; a missing file is an empty one.
    static std::unique_ptr<Content> LoadContent(const QString &path);
    void Load() const;

    QString m_path;
    mutable std::unique_ptr<Content> m_content;
};
