#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

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
    static constexpr int kSchemaVersion = 1;
    static constexpr int kBusyTimeoutMs = 5000;

    HistoryStore();
    ~HistoryStore();
    HistoryStore(const HistoryStore &) = delete;
    HistoryStore &operator=(const HistoryStore &) = delete;

    // Opens (and creates) the database. A file that is not a database or is damaged is
    // renamed aside ("history.db.damaged", with its journal files) and a new one
    // created; Notice() then says so. Returns false, with Notice() saying why, when
    // the file cannot be used at all (unreadable folder, newer schema, …).
    bool Open(const QString &path);
    bool IsOpen() const;
    // A message for the user about the last open or write; empty when all went well.
    QString Notice() const { return notice; }
    // Set by Open when it put a damaged file aside (the name it was given).
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
    // How often each result was drawn, most often first, then by result.
    QList<ResultCount> Counts(const HistoryFilter &filter) const;
    // Removes every draw of the project. Returns false when the database refused.
    bool ClearProject(const QString &project);

    // Local day as stored: yyyymmdd.
    static int DayNumber(const QDate &date);

private:
    bool OpenAndPrepare(const QString &path);
    bool OpenConnection(const QString &path);
    void CloseConnection();
    bool PrepareSchema();
    bool PutDamagedFileAside(const QString &path);

    QString connectionName;
    QString notice;
    QString damagedCopy;
};

// The text shown when a damaged history file was put aside.
QString DamagedHistoryNotice(const QString &damagedFileName);
