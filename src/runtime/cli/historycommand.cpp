#include "historycommand.h"

#include "apppaths.h"
#include "commandline.h"
#include "historyreport.h"

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
    // No file yet is an empty history, not an error: nothing is created for asking.
    if (QFileInfo::exists(HistoryDatabasePath())) {
        HistoryStore store;
        if (!store.Open(HistoryDatabasePath())) {
            write(err, (store.Notice() + QLatin1Char('\n')).toUtf8());
            return kStatusProjectUnreadable;
        }
        if (!store.Notice().isEmpty())
            write(err, (store.Notice() + QLatin1Char('\n')).toUtf8());
        entries = store.DrawsOldestFirst(filter);
    }
    if (options.json)
        write(out, HistoryJson(options.historyProject, entries));
    else
        write(out, HistoryLinesText(entries).toUtf8());
    return kStatusOk;
}
