#pragma once

#include "fairsettings.h"

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QStringList>

#include <memory>
#include <optional>

class DrawSession;
class FairnessStore;
class SessionHistory;
struct Batch;

// A listener of the draw session for fair turns and marks: gives the session's engine the
// project's rotation or balance, kept in the history beside the draws (with no history
// the draws are plain and FallbackNotice says so), reports completed rounds and trouble
// with the history, and keeps the teacher's marks on the results of the last draw. An
// absent result is drawn again in its slot alone, from who remains; the absent entry is
// not counted as drawn and keeps its turn in a rotation.
class SessionFairness : public QObject
{
    Q_OBJECT
public:
    // `history`: the session's history, null when it is off. `items`: the settings of a
    // custom project's list items. Call once the session has its project.
    SessionFairness(DrawSession &session, SessionHistory *history, const FairSettings &settings,
                    const ItemFairSettings &items = {});
    ~SessionFairness() override;

    const FairSettings &Settings() const { return settings; }
    // A custom project's list items drawn fairly, with their settings.
    const ItemFairSettings &FairItems() const { return fairItems; }
    // The fair mode the draws really use.
    FairMode InUse() const;
    // Set when the project asks for fair turns the missing history cannot keep.
    QString FallbackNotice() const;
    // Whether marks can be given and kept (a list project with the history on).
    bool KeepsMarks() const { return store != nullptr; }

    // The results of the last draw as they stand now (absent ones replaced) and their marks.
    const QStringList &Results() const { return results; }
    QString MarkOf(int slot) const { return marked.value(slot).mark; }
    // Marks slot `slot` of the last draw; "缺席" draws the slot again. False with
    // `message` saying why when the mark could not be kept or nobody is left.
    bool Mark(int slot, const QString &mark, QString *message);

    // Whether a rotation is in use: the project's, or one of a custom project's list items.
    bool CanRestartRound() const;
    // Starts a new round of every rotation in use. False with `message` saying why.
    bool RestartRound(QString *message);

signals:
    // The draw `drawNumber` gave everyone their turn: the next one opens a new round.
    void RoundCompleted(int drawNumber);
    // Something about the history the user should read (a plain fallback, a damaged file).
    void Notice(const QString &text);
    // An absent result was replaced in its slot.
    void SlotReplaced(int slot, const QString &absent, const QString &replacement);

private:
    void AfterDraw(const Batch &batch, int drawNumber);

    DrawSession &session;
    SessionHistory *history;
    FairSettings settings;
    std::unique_ptr<FairnessStore> store;
    // The custom project's list items drawn fairly, each with its own store.
    class ItemStores;
    std::unique_ptr<ItemStores> itemStores;
    ItemFairSettings fairItems;
    QStringList rotatingItems; // the items drawn in rotation, when their turns are kept
    std::optional<FairMode> itemFallback; // items ask for fair turns the missing history cannot keep
    QString lastNotice;

    struct Slot
    {
        QDateTime drawTime; // the draw in the history this result belongs to
        int slotInDraw = 0;
        QString mark;
    };
    Slot SlotOf(int slot) const { return marked.value(slot, Slot{drawTime, slot, QString()}); }
    QStringList results;
    // Of the last draw in the history; each slot's until it is replaced.
    QDateTime drawTime;
    // The slots marked or replaced since the last draw (a draw may hold 100,000 results).
    QHash<int, Slot> marked;
    QSet<QString> absentees;
};
