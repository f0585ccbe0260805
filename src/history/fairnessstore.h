#pragma once

#include "fairdraw.h"
#include "historystore.h"

#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>

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

// The rotation, the balance and the marks of one project, kept in the history database.
// The database is opened on first use in the calling thread. A damaged file is put aside
// by the history store; the rotation then starts a new round and Notice() says so.
class FairnessStore : public FairnessLedger
{
public:
    FairnessStore(QString databasePath, QString project);
    ~FairnessStore() override;

    BalanceHistory ReadBalance(const QDate &firstDay, int recent) override;
    bool UpdateRotation(const std::function<void(RotationState &)> &step) override;
    bool RestartRotation() override;
    QString Notice() const override { return notice; }

    // The current round's number and who has had a turn in it, read without writing
    // (nothing when the history cannot be read).
    std::optional<RotationState> ReadRotation();
    // The project's draws, oldest first.
    QList<QStringList> ReadBatches();

    // Keeps (or replaces) the mark of a slot. False when the history refused.
    bool SetMark(const DrawMark &mark);
    // Marks of the project's draws in the filter's days.
    QList<DrawMark> Marks(const HistoryFilter &filter);

private:
    bool EnsureOpen();
    bool Fail(const QString &text);

    QString databasePath;
    QString project;
    std::unique_ptr<HistoryStore> store;
    QString notice;
    QString openNotice; // said once, with the first answer after opening
    // The rotation as last stored by this program, with the stamp it had: read again only
    // when another program has changed it since.
    RotationState cached;
    std::optional<qint64> cachedStamp;
};

// Said once when a project asks for fair turns but the history is off: the draws are plain.
QString FairWithoutHistoryNotice(FairMode mode);
