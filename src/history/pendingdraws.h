#pragma once

#include "historystore.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Draws of a short-lived process (the command line) that the history database has not
// taken in yet. Each process writes its draws as files of their own into a folder beside
// the database, so a draw never opens the database or waits for its lock; the next
// program that opens the history folds them in (HistoryStore::Open).
//
// A file is written under a temporary name, synced to disk and renamed into place, so a
// reader sees it whole or not at all; names are unique, so writers never meet.

// The folder beside `databasePath` ("history.db.pending").
QString PendingDrawsFolder(const QString &databasePath);

// Writes the entries as one new file in the folder. Returns "" when they are on disk,
// otherwise a message saying why not.
QString WritePendingDraws(const QString &databasePath, const QList<HistoryEntry> &entries);

struct PendingDrawsFile
{
    QString name; // file name in the folder, unique for ever; names sort oldest first
};

// The complete files in the folder, oldest first. Temporary files a writer left when
// it was killed before finishing are removed once they are a day old; files set aside
// as unreadable stay.
QList<PendingDrawsFile> ListPendingDraws(const QString &folder);

// The entries of one file; nothing when it cannot be read or is not such a file.
std::optional<QList<HistoryEntry>> ReadPendingDraws(const QString &path);

// Renames a file that cannot be read to "<name>.unreadable": kept for a person to look
// at, out of the way of the next reader.
void SetPendingDrawsAside(const QString &folder, const QString &name);
