#pragma once

#include "historystore.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <optional>

// A date as users type it: "2026/12/7" or "2026-12-07". Nothing for any other text or
// a day that does not exist.
std::optional<QDate> ParseHistoryDate(const QString &text);

// How the history shows a draw's time: local "yyyy/M/d H:mm:ss".
QString HistoryTimeText(const QDateTime &time);

// A draw's results on one line, two spaces apart.
QString HistoryResultsText(const QStringList &results);

// The command line's report: one line per draw, oldest first: time, the draw's number
// in its run, then the results.
QString HistoryLinesText(const QList<HistoryEntry> &entries);
// {"project": …, "draws": [{"time": "2026-12-07T09:05:12", "batch": 1, "source": …,
//  "results": […]}, …]} with one line per draw.
QByteArray HistoryJson(const QString &project, const QList<HistoryEntry> &entries);

// CSV exports of the history window's two tabs (UTF-8 with BOM). Results are written as
// drawn; other formula-like cells are guarded as in the record's CSV.
QByteArray HistoryDrawsCsv(const QList<HistoryEntry> &entries);
QByteArray HistoryCountsCsv(const QList<ResultCount> &counts);
