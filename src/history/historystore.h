#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QSqlError;
class QSqlQuery;

// One draw as the history keeps it: when, which project, which results (without list
// escapes), the how-manieth draw of its run and where it was made.
struct HistoryEntry
{
    qint64 id = 0; // given by the store
    QDateTime time;
    QString project;
    int batch = 1;
    QString source; // kSourceWindow, kSourceCommandLine or kSourceQuickDraw
    QStringList results;
};

// Draws with more results than this are not kept: a draw of a million numbers is no
// roll-call anyone looks up, and counting it would cost seconds.
constexpr qsizetype kMaxHistoryResults = 10'000;

inline const QString kSourceWindow = QStringLiteral("窗口");
inline const QString kSourceCommandLine = QStringLiteral("命令行");
inline const QString kSourceQuickDraw = QStringLiteral("悬浮抽取");

// Which draws a view shows: one project (empty: all) and a range of local days (either
// end open).
struct HistoryFilter
{
    QString project;
    QDate from;
    QDate to;
};

struct ResultCount
{
    QString result;
    qint64 count = 0;
};

// Where a page of the draw list ends, so the next page starts after it.
struct HistoryCursor
{
    int day = 0;
    qint64 id = 0;
};

// The history database, one connection in the thread that opened it. SQLite in WAL
// mode with a busy timeout, so the drawing window and command-line draws write at once.
//
// Counts come from per-day totals kept with every insert, so a filtered count of a
// million draws reads a few hundred rows; the draw list is read newest first, a page at
// a time, along an index.
class HistoryStore
{
public:
    static constexpr int kSchemaVersion = 3;
    static constexpr int kBusyTimeoutMs = 5000;

    HistoryStore();
    ~HistoryStore();
    HistoryStore(const HistoryStore &) = delete;
    HistoryStore &operator=(const HistoryStore &) = delete;

    // Opens (and creates) the database and takes in the draws waiting beside it (see
    // pendingdraws.h). Returns false, with Notice() saying why, when
    // the file cannot be used at all (unreadable folder, newer schema, …).
    //
    // Damage found by any read or write, here or later, is handled alike: the file is
    // renamed aside ("history.db.damaged", with its journal files), a new one is created
    // holding every draw of the old one that still reads back without error, the
    // operation runs again on it, and Notice() says what happened.
    bool Open(const QString &path);
    bool IsOpen() const;
    // Reads every page of the file (SQLite's quick check) and rescues it as above when
    // any is damaged. Costs a read of the whole file: for when a window opens or a
    // writer ended without closing the file.
    void CheckIntegrity();
    // A message for the user about the last open, read or write; empty when all went well.
    QString Notice() const { return notice; }
    // Set once a damaged file was put aside (the name it was given).
    QString DamagedCopy() const { return damagedCopy; }

    // Writes the entries in one transaction. Returns false (nothing written, Notice()
    // says why) when the database is locked for longer than the timeout, read-only or
    // the disk is full.
    bool Append(const QList<HistoryEntry> &entries);

    QStringList Projects() const;
    qint64 CountDraws(const HistoryFilter &filter) const;
    // Newest first; the page after `after` when given.
    QList<HistoryEntry> Draws(const HistoryFilter &filter, int limit,
                              std::optional<HistoryCursor> after = std::nullopt) const;
    // Oldest first: the command line's report.
    QList<HistoryEntry> DrawsOldestFirst(const HistoryFilter &filter) const;
    // The draws of `project` stored after the draw `id` (any day), oldest first.
    QList<HistoryEntry> DrawsAfter(const QString &project, qint64 id) const;
    // The id of the latest draw stored (any project); 0 when there is none.
    qint64 LastDrawId() const;
    // How often each result was drawn, most often first, then by result.
    QList<ResultCount> Counts(const HistoryFilter &filter) const;
    // Removes every draw of the project. Returns false when the database refused.
    bool ClearProject(const QString &project);

    // The Qt SQL connection of this store, for the tables kept beside the draws.
    QString ConnectionName() const { return connectionName; }

    // Local day as stored: yyyymmdd.
    static int DayNumber(const QDate &date);

private:
    bool OpenAndPrepare(const QString &path);
    bool OpenConnection(const QString &path) const;
    void CloseConnection() const;
    bool PrepareSchema() const;
    bool PutDamagedFileAside() const;
    // Replaces the damaged file by one holding what could be read from it; false when
    // that failed too (Notice() says why; the store is then closed).
    bool RescueDamagedFile() const;
    // Whether SQLite's quick check of every page found nothing wrong; nothing when the
    // check could not run (Notice() says why).
    std::optional<bool> IsSound() const;
    QList<HistoryEntry> ReadableDraws(const QString &damagedPath) const;
    bool AppendOnce(const QList<HistoryEntry> &entries, QSqlError &failure) const;
    // Inside an open transaction; rolls it back when an insert fails.
    bool InsertEntries(const QList<HistoryEntry> &entries, QSqlError &failure) const;
    // Commits the transaction begun by `transaction`, or rolls it back.
    bool Commit(QSqlQuery &transaction, QSqlError &failure) const;
    // Takes in the draws other programs left in PendingDrawsFolder(databasePath), each
    // file exactly once, and removes the files; names those that cannot be read.
    bool FoldPendingDrawsOnce(QStringList &unreadable, QSqlError &failure) const;
    // Runs a read; when the file turns out damaged, rescues it and runs the read again.
    void Read(const std::function<void(QSqlQuery &)> &read) const;
    bool ClearProjectOnce(const QString &project, QSqlError &failure) const;
    // Runs a write; when the file turns out damaged, rescues it and runs the write again.
    bool Write(const std::function<bool(QSqlError &)> &write);

    QString connectionName;
    // Reads are const for the views that hold the store, yet a read that meets a damaged
    // file replaces it: the file's state below changes with it.
    mutable QString databasePath;
    mutable QString notice;
    mutable QString damagedCopy;
};

// The text shown when a damaged history file was put aside and `rescued` draws could
// be saved from it.
QString DamagedHistoryNotice(const QString &damagedFileName, qsizetype rescued = 0);
