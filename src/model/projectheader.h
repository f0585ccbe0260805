#pragma once

#include <QDateTime>
#include <QDomDocument>
#include <QString>

// The header of a project document: Version (format version, authorship, time stamps,
// the two password locks) and the title Form/Title/@Caption.

inline const QString kCurrentFormatVersion = QStringLiteral("2.4");

struct ProjectHeader
{
    QString value;      // "2.4", "2.3", or empty for a document older than 2.3
    QString createTime;
    QString editTime;
    QString author;
    QString range;      // application area
    bool accessByPwd = false;
    bool editWithPwd = false;
    QString accessPwd;
    QString editPwd;
    friend bool operator==(const ProjectHeader &, const ProjectHeader &) = default;
};

// Missing attributes (an older document) read as empty text, i.e. both locks off.
ProjectHeader ReadProjectHeader(const QDomDocument &document);

// What the properties dialog owns: Author, Range, the locks and their passwords.
// Refuses (SuiteError) a lock that is on with an empty password.
void WriteProjectProperties(QDomDocument &document, const ProjectHeader &header);

// The wizard's stamp at creation: CreateTime and EditTime.
void StampCreation(QDomDocument &document, const QString &timeText);
void StampEditTime(QDomDocument &document, const QString &timeText);
// Format version written by the import upgrade.
void SetFormatVersion(QDomDocument &document, const QString &value);

QString ReadProjectTitle(const QDomDocument &document);
// Refuses (SuiteError) an empty title.
void WriteProjectTitle(QDomDocument &document, const QString &caption);

// Time stamps: "yyyy/M/d H:mm:ss" of local time.
QString DateTimeText(const QDateTime &time);
QString CurrentDateTimeText();

// The document element, created (as "Project") in an empty document.
QDomElement ProjectRootElement(QDomDocument &document);
