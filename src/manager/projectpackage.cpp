#include "projectpackage.h"

#include <QCoreApplication>

namespace {
const QString kLineBreak = QStringLiteral("\r\n");

// Line breaks around a record belong to the separators, not to the project.
QString withoutOuterLineBreaks(const QString &piece)
{
    qsizetype begin = 0;
    qsizetype end = piece.size();
    auto isBreak = [&](qsizetype i) { return piece.at(i) == QLatin1Char('\r') || piece.at(i) == QLatin1Char('\n'); };
    while (begin < end && isBreak(begin))
        ++begin;
    while (end > begin && isBreak(end - 1))
        --end;
    return piece.sliced(begin, end - begin);
}
} // namespace

QString ComposePackage(const QVector<PackageRecord> &records)
{
    QStringList texts;
    texts.reserve(records.size());
    for (const PackageRecord &record : records)
        texts << record.name + kPackageRecordMarker + record.lines.join(kLineBreak);
    return texts.join(kPackageSeparator + kLineBreak);
}

QVector<PackedProject> SplitPackage(const QString &text)
{
    QVector<PackedProject> projects;
    const QStringList pieces = text.split(kPackageSeparator);
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        PackedProject project;
        project.number = int(i + 1);
        const QString record = withoutOuterLineBreaks(pieces.at(i));
        const qsizetype marker = record.indexOf(kPackageRecordMarker);
        if (record.trimmed().isEmpty()) {
            project.problem = QCoreApplication::translate("ProjectPackage", "第 %1 个记录是空的。").arg(project.number);
        } else if (marker < 0) {
            project.problem = QCoreApplication::translate("ProjectPackage", "第 %1 个记录缺少工程名称标记，工程包可能已损坏或不完整。").arg(project.number);
        } else {
            project.name = record.left(marker);
            project.content = withoutOuterLineBreaks(record.sliced(marker + kPackageRecordMarker.size()));
            if (project.name.isEmpty())
                project.problem = QCoreApplication::translate("ProjectPackage", "第 %1 个记录没有工程名称。").arg(project.number);
            else if (project.content.trimmed().isEmpty())
                project.problem = QCoreApplication::translate("ProjectPackage", "第 %1 个记录（“%2”）没有工程内容，工程包可能不完整。")
                                      .arg(project.number)
                                      .arg(project.name);
        }
        if (!project.problem.isEmpty())
            project.content.clear();
        projects << project;
    }
    return projects;
}

QString PackageFileName(const QString &chosen)
{
    return chosen.endsWith(kPackageSuffix, Qt::CaseInsensitive) ? chosen : chosen + kPackageSuffix;
}
