#pragma once
// A large draw history for the benchmarks that read one: `draws` draws spread evenly over
// the last `days` days, the i-th made by `entryOf(i, time)`, appended in chunks.
#include "historystore.h"

#include <QElapsedTimer>

#include <cstdio>
#include <functional>

inline void FillHistory(const QString &file, int draws, int days,
                        const std::function<HistoryEntry(int i, const QDateTime &time)> &entryOf)
{
    QElapsedTimer timer;
    timer.start();
    HistoryStore store;
    store.Open(file);
    const QDateTime first = QDateTime::currentDateTime().addDays(-days);
    QList<HistoryEntry> chunk;
    for (int i = 0; i < draws; ++i) {
        chunk.append(entryOf(i, first.addSecs(qint64(i) * days * 86400 / draws)));
        if (chunk.size() == 50'000) {
            store.Append(chunk);
            chunk.clear();
        }
    }
    store.Append(chunk);
    std::fprintf(stderr, "built a history of %d draws in %.1f s\n", draws, timer.elapsed() / 1000.0);
}
