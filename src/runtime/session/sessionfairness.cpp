#include "sessionfairness.h"

#include "apppaths.h"
#include "drawsession.h"
#include "fairnessstore.h"
#include "randengine.h"
#include "sessionhistory.h"

#include <QTimer>

#include <map>

class SessionFairness::ItemStores : public ItemFairnessLedgers
{
public:
    explicit ItemStores(QString project) : project(std::move(project)) {}
    FairnessLedger *ForItem(const QString &item) override
    {
        std::unique_ptr<FairnessStore> &store = stores[item];
        if (!store)
            store = std::make_unique<FairnessStore>(HistoryDatabasePath(), ItemFairnessKey(project, item),
                                                    FairnessStore::Counting::OwnTurns);
        return store.get();
    }

private:
    QString project;
    std::map<QString, std::unique_ptr<FairnessStore>> stores;
};

SessionFairness::SessionFairness(DrawSession &session, SessionHistory *history, const FairSettings &settings,
                                 const ItemFairSettings &items)
    : QObject(&session), session(session), history(history), settings(settings)
{
    if (history && TypeDrawsFairly(session.Project().pmode))
        store = std::make_unique<FairnessStore>(HistoryDatabasePath(), session.Project().name);
    session.Engine().SetFairness(settings, store.get());
    if (TypeHasFairItems(session.Project().pmode) && !items.isEmpty()) {
        for (auto item = items.cbegin(); item != items.cend(); ++item) {
            if (item.value().mode != FairMode::Plain)
                fairItems.insert(item.key(), item.value());
        }
        if (history) {
            itemStores = std::make_unique<ItemStores>(session.Project().name);
            for (auto item = fairItems.cbegin(); item != fairItems.cend(); ++item) {
                if (item.value().mode == FairMode::Rotation)
                    rotatingItems << item.key();
            }
        } else {
            itemFallback = items.first().mode;
        }
        session.Engine().SetItemFairness(items, itemStores.get());
    }
    if (store && settings.mode == FairMode::Balanced) {
        // The session's own draws count for the next balanced draw even before they are stored.
        connect(history, &SessionHistory::Kept, this, [this](const HistoryEntry &entry) { store->NoteDraw(entry); });
        // A long history takes a moment to count: better while the window opens than when
        // the first draw stops in front of the class.
        QTimer::singleShot(0, this, [this] {
            store->ReadCountsAhead(FairPeriodStart(this->settings.period, QDate::currentDate()));
        });
    }
    // After the history's own hook, which gives the draw its time.
    connect(&session, &DrawSession::BatchFinal, this, &SessionFairness::AfterDraw);
}

SessionFairness::~SessionFairness() = default;

FairMode SessionFairness::InUse() const
{
    return session.Engine().FairnessInUse();
}

QString SessionFairness::FallbackNotice() const
{
    if (itemFallback)
        return FairWithoutHistoryNotice(*itemFallback);
    if (settings.mode == FairMode::Plain || store || !TypeDrawsFairly(session.Project().pmode))
        return QString();
    return FairWithoutHistoryNotice(settings.mode);
}

void SessionFairness::AfterDraw(const Batch &batch, int drawNumber)
{
    results = batch.results;
    absentees.clear();
    marked.clear();
    drawTime = history ? history->LastDrawTime() : QDateTime();
    // Said once, not with every draw that meets the same trouble.
    if (!batch.fairNotice.isEmpty() && batch.fairNotice != lastNotice)
        emit Notice(batch.fairNotice);
    lastNotice = batch.fairNotice;
    if (batch.newRound)
        emit RoundCompleted(drawNumber);
}

bool SessionFairness::Mark(int slot, const QString &mark, QString *message)
{
    if (slot < 0 || slot >= results.size() || !MarkTexts().contains(mark) || session.InDraw())
        return false;
    const QString result = results.at(slot);
    Slot marking = SlotOf(slot);
    if (store && marking.drawTime.isValid()
        && !store->SetMark({session.Project().name, marking.drawTime, marking.slotInDraw, result, mark})) {
        *message = store->Notice();
        return false;
    }
    marking.mark = mark;
    marked[slot] = marking;
    if (mark != kMarkAbsent)
        return true;
    absentees.insert(result);
    QSet<QString> keep(absentees);
    for (int other = 0; other < results.size(); ++other) {
        if (other != slot)
            keep.insert(results.at(other));
    }
    QString notice;
    QString replacement;
    try {
        replacement = session.Engine().ReplaceAbsent(result, keep, &notice);
    } catch (const SuiteError &error) {
        *message = error.message();
        return false;
    }
    results[slot] = replacement;
    if (history) {
        history->KeepReplacement(replacement);
        marked[slot] = {history->LastDrawTime(), 0, QString()};
    } else {
        marked[slot] = {};
    }
    emit SlotReplaced(slot, result, replacement);
    if (!notice.isEmpty())
        emit Notice(notice);
    return true;
}

bool SessionFairness::CanRestartRound() const
{
    return (store && InUse() == FairMode::Rotation) || !rotatingItems.isEmpty();
}

bool SessionFairness::RestartRound(QString *message)
{
    if (!CanRestartRound())
        return false;
    QList<FairnessLedger *> ledgers;
    if (store && InUse() == FairMode::Rotation)
        ledgers << store.get();
    for (const QString &item : std::as_const(rotatingItems))
        ledgers << itemStores->ForItem(item);
    for (FairnessLedger *ledger : std::as_const(ledgers)) {
        if (!ledger->RestartRotation()) {
            *message = ledger->Notice();
            return false;
        }
    }
    return true;
}
