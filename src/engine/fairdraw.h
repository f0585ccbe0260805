#pragma once

#include "fairsettings.h"
#include "randomsource.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QSet>
#include <QStringList>

#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

// A list entry as fair draws see it: its text (entries are matched by text) and its own
// weight, the number of its copies in the expanded list ("加权"/"百分比").
struct WeightedEntry
{
    QString text;
    double weight = 1;
};

// The distinct non-empty entries of an expanded list, in first-seen order, each weighted
// by its number of copies.
QList<WeightedEntry> DistinctEntries(const QStringList &entries);

// Why a fair draw of `turns` entries at a time, all different, from a list of
// `distinct` different entries cannot be made with `settings`; empty when it can.
QString FairDrawProblem(const FairSettings &settings, qsizetype distinct, qint64 turns);

// A uniform point in [0, total) from 53 random bits.
double UniformBelow(double total, RandomSource &random);

// Weights kept in a binary tree of sums: changing one weight and finding the entry at a
// point of the running total both cost log n. Every inner sum is recomputed from its two
// children, so many small changes never pile up rounding.
class WeightTree
{
public:
    explicit WeightTree(std::size_t size);
    void Set(std::size_t index, double weight);
    double Total() const { return m_sums[1]; }
    // The entry of positive weight whose share of the total holds `point` (0 ≤ point <
    // Total(), which must be positive).
    std::size_t Find(double point) const;

private:
    std::size_t m_leaves;
    std::vector<double> m_sums; // m_sums[1] is the root; leaves start at m_leaves
};

// Picks up to `count` different entries, each with a chance proportional to its weight;
// entries of weight 0 and the `excluded` texts are never picked. Fewer when fewer qualify.
QStringList PickWeighted(const QList<WeightedEntry> &entries, int count, RandomSource &random,
                         const QSet<QString> &excluded = {});

// The same choice on a list whose weights stay put over many draws (a rotation): a pick
// costs a few lookups while most entries may be picked, and a pass over the list only
// when few can.
class WeightedPicker
{
public:
    explicit WeightedPicker(QList<WeightedEntry> entries);
    const QList<WeightedEntry> &Entries() const { return m_entries; }
    // Up to `count` different entries for which `allowed` holds.
    QStringList Pick(int count, RandomSource &random, const std::function<bool(const QString &)> &allowed) const;

private:
    QList<WeightedEntry> m_entries;
    std::vector<double> m_cumulative; // running sums of the weights
};

// Who has had a turn in the current round of a rotation, and the round's number. Keeps
// what changed since the last MarkStored so a store writes only that.
class RotationState
{
public:
    void Load(qint64 round, QSet<QString> taken);
    qint64 Round() const { return m_round; }
    const QSet<QString> &Taken() const { return m_taken; }

    void Take(const QString &text);
    // An absent entry gets its turn back.
    void Release(const QString &text);
    void StartRound();

    bool Restarted() const { return m_restarted; }
    const QSet<QString> &Added() const { return m_added; }
    const QSet<QString> &Released() const { return m_released; }
    void MarkStored();

private:
    qint64 m_round = 1;
    QSet<QString> m_taken;
    bool m_restarted = false;
    QSet<QString> m_added;
    QSet<QString> m_released;
};

struct RotationTurn
{
    QStringList results;
    bool newRound = false; // a round was completed by (or during) this turn
};

// The next `count` entries of a rotation: drawn by weight among those still due (not
// `excluded`). When the due ones run out a new round starts and the rest of the turn
// comes from it; a round whose every entry has had its turn is closed at once, so the
// next turn opens the new one. Entries added to the list are due; removed ones are
// ignored.
RotationTurn TakeRotationTurn(RotationState &state, const WeightedPicker &picker, int count, RandomSource &random,
                              const QSet<QString> &excluded = {});

// What balanced draws read from the history before a final batch.
struct BalanceHistory
{
    QHash<QString, qint64> counts; // times drawn in the period, absent slots not counted
    QStringList recent;            // the latest results, newest first
};

// Where each entry stands in the list, by its text.
using EntryPositions = QHash<QString, qsizetype>;
EntryPositions PositionsOf(const QList<WeightedEntry> &entries);

// The same history with its counts by list position (texts not on the list left out).
struct ListBalance
{
    std::vector<qint64> counts;
    QStringList recent;
};
ListBalance PlaceBalance(BalanceHistory history, const EntryPositions &positions);

// Own weight × 1/(1+c)^strength: the chance of an entry drawn c times more than the
// fewest.
double BalancedWeight(double ownWeight, qint64 countAboveFewest, int strength);

// The fewest times an entry that can be drawn (own weight above 0) was drawn; 0 for none.
// Balanced draws count from there: with plain counts the balance would fade as a period
// fills up (one turn behind at ten turns each is barely a better chance).
qint64 FewestCount(const QList<WeightedEntry> &entries, const std::vector<qint64> &counts);

// BalancedWeight for every entry (by position, `positions` from PositionsOf); entries
// among the latest `skip` results get weight 0.
std::vector<double> BalancedWeights(const QList<WeightedEntry> &entries, const EntryPositions &positions,
                                    const ListBalance &history, int strength, int skip);

// The history as fair draws need it; implemented over the history database (and in
// memory for the simulation).
class FairnessLedger
{
public:
    virtual ~FairnessLedger() = default;
    // Counts since `firstDay` (invalid: all of the history) and the latest `recent`
    // results.
    virtual BalanceHistory ReadBalance(const QDate &firstDay, int recent) = 0;
    // The same by position in a list. A ledger may keep the placed counts for the same
    // `positions` from one call to the next and add only what was drawn since: placing
    // the counts of a school's list costs more than the rest of a preparation.
    virtual ListBalance ReadListBalance(const QDate &firstDay, int recent,
                                        const std::shared_ptr<const EntryPositions> &positions)
    {
        return PlaceBalance(ReadBalance(firstDay, recent), *positions);
    }
    // Runs `step` on the project's rotation in one transaction and stores what it
    // changed, so two programs never hand out the same turn. False when the history
    // could not be used (Notice says why); nothing is stored then.
    virtual bool UpdateRotation(const std::function<void(RotationState &)> &step) = 0;
    // Starts a new round.
    virtual bool RestartRotation() = 0;
    // The entries a fair draw gave, for a ledger that counts its own turns (a list item of
    // a custom project); a project's draws are counted by its history instead.
    virtual void KeepTurn(const QStringList &) {}
    // A message for the user about the last call; empty when all went well.
    virtual QString Notice() const = 0;
};

// The first day a period counts from, for draws made on `today`; invalid for "全部".
QDate FairPeriodStart(FairPeriod period, const QDate &today);

// Chooses the final batch of a list by its fair settings.
class FairChooser
{
public:
    // Throws SuiteError when the settings cannot be drawn with this list and batch size
    // (a skip larger than the list allows).
    FairChooser(const FairSettings &settings, QList<WeightedEntry> entries, int ranCount);

    struct Choice
    {
        QStringList results;
        bool newRound = false;
        // Set when the history could not be used: the batch was drawn plainly.
        QString notice;
    };
    Choice Choose(FairnessLedger &ledger, RandomSource &random, const QDate &today) const;
    // One entry in place of an absent one: none of `keep` (the batch's other results and
    // those already marked absent). The absent entry keeps its turn in a rotation.
    // Throws SuiteError when nobody is left.
    Choice Replace(FairnessLedger *ledger, RandomSource &random, const QDate &today, const QString &absent,
                   const QSet<QString> &keep) const;

    const FairSettings &Settings() const { return m_settings; }
    const QList<WeightedEntry> &Entries() const { return m_picker.Entries(); }

private:
    std::vector<double> WeightsNow(FairnessLedger &ledger, const QDate &today) const;

    FairSettings m_settings;
    WeightedPicker m_picker;
    int m_ranCount;
    std::shared_ptr<const EntryPositions> m_positions; // balanced draws only
};
