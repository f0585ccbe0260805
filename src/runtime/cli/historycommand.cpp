#include "historycommand.h"

#include "apppaths.h"
#include "commandline.h"
#include "historyreport.h"
#include "pendingdraws.h"

#include <QCoreApplication>
#include <QFileInfo>

int PrintHistory(const CommandLineOptions &options, std::FILE *out, std::FILE *err)
{
    auto write = [](std::FILE *stream, const QByteArray &bytes) {
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    };
    HistoryFilter filter;
    filter.project = options.historyProject;
    if (options.since)
        filter.from = *options.since;
    QList<HistoryEntry> entries;
    QList<DrawMark> marks;
    QString damageNotice;
    bool projectKnown = false;
    // No file yet is an empty history, not an error: nothing is created for asking.
    // Draws still pending beside it are taken in by the open.
    const QString path = HistoryDatabasePath();
    if (QFileInfo::exists(path) || QFileInfo::exists(PendingDrawsFolder(path))) {
        HistoryStore store;
        if (!store.Open(path)) {
            write(err, (store.Notice() + QLatin1Char('\n')).toUtf8());
            return kStatusProjectUnreadable;
        }
        // The report claims to be the whole history: every page is looked at first.
        store.CheckIntegrity();
        entries = store.DrawsOldestFirst(filter);
        marks = FairnessStore(path, options.historyProject).Marks(filter);
        projectKnown = !entries.isEmpty() || store.Projects().contains(filter.project);
        // What a damaged file still held is printed, but not passed off as the whole history.
        if (!store.DamagedCopy().isEmpty())
            damageNotice = store.Notice();
        else if (!store.Notice().isEmpty()) {
            write(err, (store.Notice() + QLatin1Char('\n')).toUtf8());
            return kStatusProjectUnreadable;
        }
    }
    if (!projectKnown && damageNotice.isEmpty()) {
        write(err, QCoreApplication::translate("Dellamy", "没有工程“%1”的抽取历史（工程名不对，或它还没有抽取过）。\n")
                       .arg(options.historyProject)
                       .toUtf8());
        return kStatusBadArguments;
    }
    if (options.json)
        write(out, HistoryJson(options.historyProject, entries, marks));
    else
        write(out, HistoryLinesText(entries).toUtf8());
    if (!damageNotice.isEmpty()) {
        write(err, (damageNotice + QCoreApplication::translate("Dellamy", "。以上不是完整的历史。\n")).toUtf8());
        return kStatusProjectUnreadable;
    }
    return kStatusOk;
}
