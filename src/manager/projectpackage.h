#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// The project package (.rprojs): one text of records, one per project, stored as UTF-16
// LE with a byte-order mark. A record is the project name, the marker "]]]]]][[[[[[" and
// the lines of the stored project file joined with CR LF; records are separated by
// "<<<<<<<<<<>>>>>>>>>>" and a CR LF, with no separator after the last.

inline const QString kPackageSeparator = QStringLiteral("<<<<<<<<<<>>>>>>>>>>");
inline const QString kPackageRecordMarker = QStringLiteral("]]]]]][[[[[[");
inline const QString kPackageSuffix = QStringLiteral(".rprojs");
inline const QString kProjectFileSuffix = QStringLiteral(".rproj");

struct PackageRecord
{
    QString name;
    QStringList lines; // the stored project file, line by line
};

QString ComposePackage(const QVector<PackageRecord> &records);

// One record read back. A record the package does not hold soundly (empty, without the
// marker, without a name or content) carries a problem instead of its parts.
struct PackedProject
{
    int number = 0; // 1-based place in the package, for messages
    QString name;
    QString content; // the stored file's text, its line breaks kept
    QString problem;
};

QVector<PackedProject> SplitPackage(const QString &text);

// The name a chosen package file gets: ".rprojs" is appended unless it ends with it.
QString PackageFileName(const QString &chosen);
