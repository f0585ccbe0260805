#include "inifile.h"

#include "textfile.h"

#include <QFile>
#include <QFileInfo>

// Text stays UTF-8 bytes throughout, so none of SimpleIni's converters is needed.
#define SI_NO_CONVERSION
// Debian's header keeps the template bodies behind this switch; this file is the one user.
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include <string>
#include <QCoreApplication>

struct IniFile::Content
{
    CSimpleIniA ini;

    Content()
    {
        ini.SetUnicode(true);
        ini.SetSpaces(false);   // key=value, as Windows writes it
        ini.SetQuotes(true);    // a value written "…" in quotes reads without them
        ini.SetMultiKey(false);
    }
};

namespace {
std::string Utf8(const QString &text)
{
    return text.toUtf8().toStdString();
}

QString ReadFailure(const QString &path)
{
    return QCoreApplication::translate("Files", "无法读取配置文件“%1”。").arg(path);
}
} // namespace

IniFile::IniFile(QString path) : m_path(std::move(path)) {}

IniFile::~IniFile() = default;

std::unique_ptr<IniFile::Content> IniFile::LoadContent(const QString &path)
{
    auto content = std::make_unique<IniFile::Content>();
    const QFileInfo info(path);
    if (!info.exists())
        return content;
    QFile file(path);
    // Only a regular file is opened: a pipe or a device would block or never end.
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        throw IniAccessError(ReadFailure(path));
    // Hand-edited files may carry a byte-order mark or be UTF-16; the parser gets UTF-8.
    const QByteArray utf8 = DecodeText(file.readAll()).toUtf8();
    if (file.error() != QFileDevice::NoError)
        throw IniAccessError(ReadFailure(path));
    if (content->ini.LoadData(utf8.constData(), size_t(utf8.size())) < 0)
        throw IniAccessError(ReadFailure(path));
    return content;
}

void IniFile::Load() const
{
    if (!m_content)
        m_content = LoadContent(m_path);
}

bool IniFile::HasKey(const QString &section, const QString &key) const
{
    Load();
    return m_content->ini.GetValue(Utf8(section).c_str(), Utf8(key).c_str()) != nullptr;
}

QString IniFile::ReadString(const QString &section, const QString &key, const QString &defaultValue) const
{
    Load();
    const char *value = m_content->ini.GetValue(Utf8(section).c_str(), Utf8(key).c_str());
    return value ? QString::fromUtf8(value) : defaultValue;
}

int IniFile::ReadInteger(const QString &section, const QString &key, int defaultValue) const
{
    bool ok = false;
    const int value = ReadString(section, key).trimmed().toInt(&ok);
    return ok ? value : defaultValue;
}

bool IniFile::ReadBool(const QString &section, const QString &key, bool defaultValue) const
{
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void IniFile::WriteString(const QString &section, const QString &key, const QString &value)
{
    // Always start from the file on disk, so keys another program wrote meanwhile stay.
    std::unique_ptr<Content> fresh = LoadContent(m_path);
    if (fresh->ini.SetValue(Utf8(section).c_str(), Utf8(key).c_str(), Utf8(value).c_str()) < 0)
        throw IniAccessError(QCoreApplication::translate("Files", "无法写入配置文件“%1”。").arg(m_path));
    std::string bytes;
    if (fresh->ini.Save(bytes, false) < 0)
        throw IniAccessError(QCoreApplication::translate("Files", "无法写入配置文件“%1”。").arg(m_path));
    try {
        WriteFileAtomically(m_path, QByteArray::fromStdString(bytes));
    } catch (const SuiteError &error) {
        // The rights message must say where: the saver's text names the file alone.
        throw IniAccessError(
            QCoreApplication::translate("Files", "无法写入配置文件“%1”。%2").arg(m_path, error.message()));
    }
    m_content = std::move(fresh);
}

void IniFile::WriteInteger(const QString &section, const QString &key, int value)
{
    WriteString(section, key, QString::number(value));
}

void IniFile::WriteBool(const QString &section, const QString &key, bool value)
{
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}
