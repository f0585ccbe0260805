#include "pendingdraws.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QUuid>

#include <algorithm>
#include <atomic>
#include <QCoreApplication>

namespace {

const QString kSuffix = QStringLiteral(".draws");
const QString kUnreadableSuffix = QStringLiteral(".unreadable");

} // namespace

QString PendingDrawsFolder(const QString &databasePath)
{
    return databasePath + QStringLiteral(".pending");
}

QString WritePendingDraws(const QString &databasePath, const QList<HistoryEntry> &entries)
{
    const QString folder = PendingDrawsFolder(databasePath);
    if (!QDir().mkpath(folder))
        return QCoreApplication::translate("History", "无法创建文件夹“%1”。").arg(QDir::toNativeSeparators(folder));
    QJsonArray array;
    for (const HistoryEntry &entry : entries) {
        array.append(QJsonObject{{QStringLiteral("time"), entry.time.toMSecsSinceEpoch()},
                                 {QStringLiteral("project"), entry.project},
                                 {QStringLiteral("batch"), entry.batch},
                                 {QStringLiteral("source"), entry.source},
                                 {QStringLiteral("results"), QJsonArray::fromStringList(entry.results)}});
    }
    // The name sorts in the order the draws were made: the time, then this program's own
    // count (two files within one millisecond), then a unique part for other programs.
    static std::atomic<quint32> filesWritten{0};
    const QString name = QStringLiteral("%1-%2-%3")
                             .arg(QDateTime::currentMSecsSinceEpoch(), 13, 10, QLatin1Char('0'))
                             .arg(filesWritten++, 8, 10, QLatin1Char('0'))
                             .arg(QUuid::createUuid().toString(QUuid::WithoutBraces));
    // QSaveFile writes beside the target, syncs the data to disk and renames it in.
    QSaveFile file(folder + QLatin1Char('/') + name + kSuffix);
    if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(array).toJson(QJsonDocument::Compact)) < 0
        || !file.commit())
        return QCoreApplication::translate("History", "无法写入“%1”：%2")
            .arg(QDir::toNativeSeparators(file.fileName()), file.errorString());
    return QString();
}

QList<PendingDrawsFile> ListPendingDraws(const QString &folder)
{
    QList<PendingDrawsFile> files;
    const QDateTime dayAgo = QDateTime::currentDateTimeUtc().addDays(-1);
    for (const QFileInfo &info : QDir(folder).entryInfoList(QDir::Files | QDir::Hidden)) {
        if (info.fileName().endsWith(kSuffix))
            files.append({info.fileName()});
        else if (!info.fileName().endsWith(kUnreadableSuffix) && info.lastModified() < dayAgo)
            QFile::remove(info.filePath());
    }
    // Draws go into the history in the order they were made, which the names keep
    // (modification times tie within a millisecond).
    std::sort(files.begin(), files.end(),
              [](const PendingDrawsFile &a, const PendingDrawsFile &b) { return a.name < b.name; });
    return files;
}

std::optional<QList<HistoryEntry>> ReadPendingDraws(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError || !document.isArray())
        return std::nullopt;
    QList<HistoryEntry> entries;
    for (const QJsonValue &value : document.array()) {
        const QJsonObject object = value.toObject();
        HistoryEntry entry;
        entry.time = QDateTime::fromMSecsSinceEpoch(object.value(QStringLiteral("time")).toInteger());
        entry.project = object.value(QStringLiteral("project")).toString();
        entry.batch = object.value(QStringLiteral("batch")).toInt();
        entry.source = object.value(QStringLiteral("source")).toString();
        for (const QJsonValue &result : object.value(QStringLiteral("results")).toArray())
            entry.results << result.toString();
        if (entry.project.isEmpty() || !entry.time.isValid())
            return std::nullopt;
        entries.append(std::move(entry));
    }
    return entries;
}

void SetPendingDrawsAside(const QString &folder, const QString &name)
{
    QFile::rename(folder + QLatin1Char('/') + name, folder + QLatin1Char('/') + name + kUnreadableSuffix);
}
