#pragma once

#include "historystore.h"

#include <QFile>
#include <QRandomGenerator>

#include <algorithm>

// Fills a history file with 800 roll-call draws of "一班" (batches 1 to 800, 100 a day
// from 2026/12/1), then overwrites `pageCount` of its 4 KiB pages with junk, from the
// page at `where` (0 = start, 1 = end) of the file on. Returns false when that failed.
inline bool WriteDamagedHistory(const QString &path, double where, int pageCount)
{
    {
        HistoryStore store;
        QList<HistoryEntry> entries;
        for (int i = 0; i < 800; ++i) {
            entries.append({0, QDateTime(QDate(2026, 12, 1 + i / 100), QTime(8, 0)).addSecs(i), QStringLiteral("一班"),
                            i + 1, kSourceWindow, {QStringLiteral("学生%1").arg(i % 40)}});
        }
        if (!store.Open(path) || !store.Append(entries))
            return false;
    } // closing the last connection moves the journal into the file
    QFile file(path);
    if (QFile::exists(path + QStringLiteral("-wal")) || !file.open(QIODevice::ReadWrite))
        return false;
    constexpr qint64 kPage = 4096;
    const qint64 pages = file.size() / kPage;
    // Page 1 holds the schema: damage there is found on opening already.
    const qint64 first = std::clamp<qint64>(qint64(where * double(pages)), 1, pages - pageCount);
    QByteArray junk(pageCount * kPage, '\0');
    QRandomGenerator random(21);
    for (char &byte : junk)
        byte = char(random.bounded(256));
    return first >= 1 && file.seek(first * kPage) && file.write(junk) == junk.size();
}
