#pragma once

#include "fairdraw.h"
#include "historystore.h"

#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>

#include <deque>
#include <memory>
#include <optional>

// What a teacher noted about one shown result after a draw.
inline const QString kMarkAbsent = QStringLiteral("缺席");
inline const QString kMarkAnswered = QStringLiteral("已回答");
inline const QString kMarkNotAnswered = QStringLiteral("未回答");
inline const QString kMarkSkipped = QStringLiteral("跳过");
// In the order of the keys 1–4.
QStringList MarkTexts();

// A mark on one slot of a draw. The draw is known by its project and time (as the history
// keeps it); `slot` is the result's position in the batch.
struct DrawMark
{
    QString project;
    QDateTime drawTime;
    int slot = 0;
    QString result;
    QString mark;
};

// Marks per result: how often each mark was given.
using MarkCounts = QHash<QString, QHash<QString, qint64>>;
MarkCounts CountMarks(const QList<DrawMark> &marks);

// The tables the fair draws and the marks add to the history database (created by the
// history's schema step).
QStringList FairnessSchema();

// The key under which a list item of a custom project keeps its rotation and turns:
// project and item, joined by a character no name can hold.
QString ItemFairnessKey(const QString &project, const QString &item);

// The rotation, the balance and the marks of one project, kept in the history database.
// The database is opened on first use in the calling thread. A damaged file is put aside
// by the history store; the rotation then starts a new round and Notice() says so.
class FairnessStore : public FairnessLedger
{
public:
    // Where balanced draws find what was drawn: a project's draws in the history, or the
    // turns a list item of a custom project keeps itself (its values are not draws).
    enum class Counting { ProjectDraws, OwnTurns };
    FairnessStore(QString databasePath, QString project, Counting counting = Counting::ProjectDraws);
    ~FairnessStore() override;

    BalanceHistory ReadBalance(const QDate &firstDay, int recent) override;
    ListBalance ReadListBalance(const QDate &firstDay, int recent,
                                const std::shared_ptr<const EntryPositions> &positions) override;
    void KeepTurn(const QStringList &results) override;
    bool UpdateRotation(const std::function<void(RotationState &)> &step) override;
    bool RestartRotation() override;
    QString Notice() const override { return notice; }

    // The current round's number and who has had a turn in it, read without writing
    // (nothing when the history cannot be read).
    std::optional<RotationState> ReadRotation();
    // The project's draws, oldest first. A list item's turns are kept one by one, those
    // of a draw together: they are taken `turnsPerDraw` at a time.
    QList<QStringList> ReadBatches(int turnsPerDraw = 1);

    // Reads the counts since `firstDay` ahead of the first balanced draw, which then adds
    // only the draws made since. Says nothing: the draw still reports trouble.
    void ReadCountsAhead(const QDate &firstDay);

    // A draw of this program that the database may not hold yet (the window's writer is
    // behind, the command line stores its draws when it ends): balanced draws count it at
    // once, and once it is found in the database, from there.
    void NoteDraw(const HistoryEntry &entry);

    // Keeps (or replaces) the mark of a slot. False when the history refused.
    bool SetMark(const DrawMark &mark);
    // Marks of the project's draws in the filter's days.
    QList<DrawMark> Marks(const HistoryFilter &filter);

private:
    bool EnsureOpen();
    bool Fail(const QString &text);
    BalanceHistory ReadOwnTurns(const QDate &firstDay, int recent);
    // Opens the database and brings `kept` up to it for counts since `firstDay`; false
    // when the history cannot be read.
    bool UpdateBalance(const QDate &firstDay);
    void UpdateKeptCounts(const QDate &firstDay);
    // Adds one more turn of `result` to the kept counts (and the placed ones).
    void KeepCount(const QString &result);
    // Absent marks per result since `firstDay`: those slots were shown, not drawn.
    QHash<QString, qint64> AbsentCounts(const QDate &firstDay);
    // The latest `recent` results, this program's noted draws first.
    QStringList RecentResults(int recent);
    // Drops the noted draws the database now holds.
    void ForgetStoredDraws();

    QString databasePath;
    QString project;
    Counting counting;
    std::unique_ptr<HistoryStore> store;
    QString notice;
    QString openNotice; // said once, with the first answer after opening
    // The rotation as last stored by this program, with the stamp it had: read again only
    // when another program has changed it since.
    RotationState cached;
    std::optional<qint64> cachedStamp;

    // The project's counts since a first day as of the draw `lastId`, kept from one
    // balanced draw to the next: each reads only the draws stored since. `draws` tells
    // whether draws were removed meanwhile (then everything is read again).
    struct KeptCounts
    {
        bool valid = false;
        QDate firstDay;
        qint64 lastId = 0;
        qint64 draws = 0;
        QHash<QString, qint64> counts;
        qint64 build = 0; // which reading afresh these counts come from
    } kept;
    qint64 keptBuilds = 0;
    // `kept.counts` placed at the positions of one list, for balanced draws of a long
    // list: kept up to date with `kept`, placed afresh only when it is read afresh.
    struct PlacedCounts
    {
        std::shared_ptr<const EntryPositions> positions;
        qint64 build = -1;
        std::vector<qint64> counts;
    } placed;
    std::deque<HistoryEntry> noted; // oldest first
    QHash<QString, qint64> notedCounts;
};

// Said once when a project asks for fair turns but the history is off: the draws are plain.
QString FairWithoutHistoryNotice(FairMode mode);
