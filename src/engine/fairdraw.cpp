#include "fairdraw.h"

#include "storedvaluetext.h"
#include "suiteerror.h"

#include <algorithm>
#include <optional>
#include <bit>
#include <cmath>
#include <vector>
#include <QCoreApplication>

QList<WeightedEntry> DistinctEntries(const QStringList &entries)
{
    QList<WeightedEntry> distinct;
    QHash<QString, qsizetype> positionOf;
    positionOf.reserve(entries.size());
    for (const QString &text : entries) {
        if (text.isEmpty())
            continue;
        const auto found = positionOf.constFind(text);
        if (found != positionOf.cend()) {
            distinct[*found].weight += 1;
        } else {
            positionOf.insert(text, distinct.size());
            distinct.append({text, 1});
        }
    }
    return distinct;
}

double UniformBelow(double total, RandomSource &random)
{
    return double(random.Next64() >> 11) * 0x1.0p-53 * total;
}

WeightTree::WeightTree(std::size_t size) : m_leaves(std::bit_ceil(std::max<std::size_t>(size, 1))), m_sums(2 * m_leaves, 0)
{
}

void WeightTree::Set(std::size_t index, double weight)
{
    std::size_t node = m_leaves + index;
    m_sums[node] = weight;
    for (node /= 2; node >= 1; node /= 2)
        m_sums[node] = m_sums[2 * node] + m_sums[2 * node + 1];
}

std::size_t WeightTree::Find(double point) const
{
    std::size_t node = 1;
    while (node < m_leaves) {
        const double left = m_sums[2 * node];
        // Rounding can leave the point past a side's sum: never step into a side of weight 0.
        if (left > 0 && (point < left || m_sums[2 * node + 1] <= 0)) {
            node = 2 * node;
        } else {
            point -= left;
            node = 2 * node + 1;
        }
    }
    return node - m_leaves;
}

namespace {

// Attempts at a pick by the running sums before a pass over the whole list.
constexpr int kQuickAttempts = 32;

// Up to `count` different positions, each with a chance proportional to its weight
// (0: never); fewer when fewer have weight.
std::vector<qsizetype> PickPositions(std::vector<double> weights, int count, RandomSource &random)
{
    double total = 0;
    int eligible = 0;
    for (double &weight : weights) {
        weight = std::max(0.0, weight);
        total += weight;
        eligible += weight > 0;
    }
    std::vector<qsizetype> picked;
    const int wanted = std::min(count, eligible);
    picked.reserve(wanted);
    for (int i = 0; i < wanted; ++i) {
        double point = UniformBelow(total, random);
        qsizetype chosen = -1;
        for (qsizetype k = 0; k < qsizetype(weights.size()); ++k) {
            if (weights[k] <= 0)
                continue;
            chosen = k; // rounding can leave the point past the last weight: take that one
            if (point < weights[k])
                break;
            point -= weights[k];
        }
        picked.push_back(chosen);
        total -= weights[chosen];
        weights[chosen] = 0;
    }
    return picked;
}

QStringList TextsAt(const QList<WeightedEntry> &entries, const std::vector<qsizetype> &positions)
{
    QStringList texts;
    texts.reserve(qsizetype(positions.size()));
    for (const qsizetype position : positions)
        texts.append(entries.at(position).text);
    return texts;
}

QStringList PickWhere(const QList<WeightedEntry> &entries, int count, RandomSource &random,
                      const std::function<bool(const QString &)> &allowed)
{
    std::vector<double> weights;
    weights.reserve(entries.size());
    for (const WeightedEntry &entry : entries)
        weights.push_back(entry.weight > 0 && allowed(entry.text) ? entry.weight : 0);
    return TextsAt(entries, PickPositions(std::move(weights), count, random));
}

} // namespace

QStringList PickWeighted(const QList<WeightedEntry> &entries, int count, RandomSource &random,
                         const QSet<QString> &excluded)
{
    return PickWhere(entries, count, random, [&](const QString &text) { return !excluded.contains(text); });
}

WeightedPicker::WeightedPicker(QList<WeightedEntry> entries) : m_entries(std::move(entries))
{
    m_cumulative.reserve(m_entries.size());
    double sum = 0;
    for (const WeightedEntry &entry : m_entries)
        m_cumulative.push_back(sum += std::max(0.0, entry.weight));
}

QStringList WeightedPicker::Pick(int count, RandomSource &random, const std::function<bool(const QString &)> &allowed) const
{
    QStringList picked;
    auto open = [&](const QString &text) { return allowed(text) && !picked.contains(text); };
    const double total = m_cumulative.empty() ? 0 : m_cumulative.back();
    while (picked.size() < count && total > 0) {
        // A draw from the whole list that lands on an entry that may be picked is a draw
        // among those entries by weight; when few may, one pass decides.
        bool found = false;
        for (int attempt = 0; attempt < kQuickAttempts && !found; ++attempt) {
            const double point = UniformBelow(total, random);
            const auto at = std::upper_bound(m_cumulative.cbegin(), m_cumulative.cend(), point);
            const WeightedEntry &entry = m_entries.at(std::min<qsizetype>(at - m_cumulative.cbegin(), m_entries.size() - 1));
            if (entry.weight > 0 && open(entry.text)) {
                picked.append(entry.text);
                found = true;
            }
        }
        if (found)
            continue;
        const QStringList rest = PickWhere(m_entries, count - int(picked.size()), random, open);
        picked += rest;
        break;
    }
    return picked;
}

void RotationState::Load(qint64 round, QSet<QString> taken)
{
    m_round = round;
    m_taken = std::move(taken);
    MarkStored();
}

void RotationState::Take(const QString &text)
{
    if (m_taken.contains(text))
        return;
    m_taken.insert(text);
    if (!m_released.remove(text))
        m_added.insert(text);
}

void RotationState::Release(const QString &text)
{
    if (!m_taken.remove(text))
        return;
    if (!m_added.remove(text))
        m_released.insert(text);
}

void RotationState::StartRound()
{
    ++m_round;
    m_taken.clear();
    m_restarted = true;
    m_added.clear();
    m_released.clear();
}

void RotationState::MarkStored()
{
    m_restarted = false;
    m_added.clear();
    m_released.clear();
}

namespace {

bool AllTaken(const RotationState &state, const QList<WeightedEntry> &entries)
{
    // Fewer taken than listed: someone is due, without a pass over the list.
    if (state.Taken().size() < entries.size())
        return false;
    return std::all_of(entries.cbegin(), entries.cend(),
                       [&](const WeightedEntry &entry) { return state.Taken().contains(entry.text); });
}

} // namespace

RotationTurn TakeRotationTurn(RotationState &state, const WeightedPicker &picker, int count, RandomSource &random,
                              const QSet<QString> &excluded)
{
    RotationTurn turn;
    turn.results = picker.Pick(count, random, [&](const QString &text) {
        return !state.Taken().contains(text) && !excluded.contains(text);
    });
    for (const QString &text : std::as_const(turn.results))
        state.Take(text);
    if (turn.results.size() < count) {
        // The round ran out within this turn: the rest comes from a new round, never
        // repeating an entry of the same batch.
        state.StartRound();
        turn.newRound = true;
        const QStringList inBatch = turn.results;
        const QStringList rest = picker.Pick(count - int(turn.results.size()), random, [&](const QString &text) {
            return !inBatch.contains(text) && !excluded.contains(text);
        });
        for (const QString &text : rest)
            state.Take(text);
        turn.results += rest;
    }
    if (!picker.Entries().isEmpty() && AllTaken(state, picker.Entries())) {
        state.StartRound();
        turn.newRound = true;
    }
    return turn;
}

double BalancedWeight(double ownWeight, qint64 count, int strength)
{
    if (ownWeight <= 0)
        return 0;
    const double base = 1.0 + double(std::max<qint64>(0, count));
    double damping = base;
    for (int i = 1; i < strength; ++i) // strengths are small whole powers
        damping *= base;
    return ownWeight / damping;
}

EntryPositions PositionsOf(const QList<WeightedEntry> &entries)
{
    EntryPositions positions;
    positions.reserve(entries.size());
    for (qsizetype i = 0; i < entries.size(); ++i)
        positions.insert(entries.at(i).text, i);
    return positions;
}

ListBalance PlaceBalance(BalanceHistory history, const EntryPositions &positions)
{
    ListBalance placed;
    placed.counts.assign(size_t(positions.size()), 0);
    for (auto count = history.counts.cbegin(); count != history.counts.cend(); ++count) {
        if (const auto at = positions.constFind(count.key()); at != positions.cend())
            placed.counts[size_t(*at)] = count.value();
    }
    placed.recent = std::move(history.recent);
    return placed;
}

qint64 FewestCount(const QList<WeightedEntry> &entries, const std::vector<qint64> &counts)
{
    std::optional<qint64> fewest;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (entries.at(i).weight > 0 && (!fewest || counts[size_t(i)] < *fewest))
            fewest = counts[size_t(i)];
    }
    return fewest.value_or(0);
}

std::vector<double> BalancedWeights(const QList<WeightedEntry> &entries, const EntryPositions &positions,
                                    const ListBalance &history, int strength, int skip)
{
    const qint64 fewest = FewestCount(entries, history.counts);
    std::vector<double> weights(entries.size());
    for (qsizetype i = 0; i < entries.size(); ++i)
        weights[i] = BalancedWeight(entries.at(i).weight, history.counts.at(size_t(i)) - fewest, strength);
    for (qsizetype i = 0; i < std::min<qsizetype>(skip, history.recent.size()); ++i) {
        if (const auto at = positions.constFind(history.recent.at(i)); at != positions.cend())
            weights[*at] = 0;
    }
    return weights;
}

QDate FairPeriodStart(FairPeriod period, const QDate &today)
{
    const int days = FairPeriodDays(period);
    return days > 0 ? today.addDays(1 - days) : QDate();
}

QString FairDrawProblem(const FairSettings &settings, qsizetype distinct, qint64 turns)
{
    // A fair batch never names anyone twice: it needs as many different entries.
    if (turns > distinct)
        return QCoreApplication::translate("Engine",
                                           "“%1”抽取每次抽出的人互不相同，但名单只有 %2 个不同的条目，少于每次抽取的 %3 个。"
                                           "请增加条目或减少抽取数量。")
            .arg(StoredValueText(FairModeText(settings.mode)))
            .arg(distinct)
            .arg(turns);
    const int allowed = MaxFairSkip(int(distinct), int(turns));
    if (settings.mode == FairMode::Balanced && settings.skip > allowed)
        return QCoreApplication::translate("Engine",
                                           "“均衡”抽取要跳过最近抽中的 %1 人，但名单只有 %2 个不同的条目、每次抽取 %3 个，"
                                           "最多只能跳过 %4 人。请在项目参数中减小跳过人数。")
            .arg(settings.skip)
            .arg(distinct)
            .arg(turns)
            .arg(allowed);
    return {};
}

FairChooser::FairChooser(const FairSettings &settings, QList<WeightedEntry> entries, int ranCount)
    : m_settings(settings), m_picker(std::move(entries)), m_ranCount(ranCount),
      m_positions(settings.mode == FairMode::Balanced
                      ? std::make_shared<const EntryPositions>(PositionsOf(m_picker.Entries()))
                      : nullptr)
{
    const QList<WeightedEntry> &list = m_picker.Entries();
    if (list.isEmpty())
        throw SuiteError(QCoreApplication::translate("Engine", "名单是空的，无法公平抽取，请至少填写一项。"));
    if (const QString problem = FairDrawProblem(settings, list.size(), ranCount); !problem.isEmpty())
        throw SuiteError(problem);
}

std::vector<double> FairChooser::WeightsNow(FairnessLedger &ledger, const QDate &today) const
{
    const ListBalance history =
        ledger.ReadListBalance(FairPeriodStart(m_settings.period, today), m_settings.skip, m_positions);
    return BalancedWeights(Entries(), *m_positions, history, m_settings.strength, m_settings.skip);
}

FairChooser::Choice FairChooser::Choose(FairnessLedger &ledger, RandomSource &random, const QDate &today) const
{
    Choice choice;
    if (m_settings.mode == FairMode::Rotation) {
        RotationTurn turn;
        if (ledger.UpdateRotation([&](RotationState &state) { turn = TakeRotationTurn(state, m_picker, m_ranCount, random); })) {
            ledger.KeepTurn(turn.results);
            choice.results = turn.results;
            choice.newRound = turn.newRound;
            choice.notice = ledger.Notice();
            return choice;
        }
        choice.notice =
            QCoreApplication::translate("Engine", "%1 本次按普通方式抽取，轮换未记录。").arg(ledger.Notice());
        choice.results = m_picker.Pick(m_ranCount, random, [](const QString &) { return true; });
        return choice;
    }
    if (m_settings.mode == FairMode::Balanced) {
        choice.results = TextsAt(Entries(), PickPositions(WeightsNow(ledger, today), m_ranCount, random));
        ledger.KeepTurn(choice.results);
    } else {
        choice.results = PickWeighted(Entries(), m_ranCount, random);
    }
    choice.notice = ledger.Notice();
    return choice;
}

FairChooser::Choice FairChooser::Replace(FairnessLedger *ledger, RandomSource &random, const QDate &today,
                                         const QString &absent, const QSet<QString> &keep) const
{
    Choice choice;
    QSet<QString> excluded = keep;
    excluded.insert(absent);
    bool chosen = false;
    if (ledger && m_settings.mode == FairMode::Rotation) {
        chosen = ledger->UpdateRotation([&](RotationState &state) {
            state.Release(absent);
            const RotationTurn turn = TakeRotationTurn(state, m_picker, 1, random, excluded);
            choice.results = turn.results;
            choice.newRound = turn.newRound;
        });
        choice.notice = ledger->Notice();
    } else if (ledger && m_settings.mode == FairMode::Balanced) {
        std::vector<double> weights = WeightsNow(*ledger, today);
        for (const QString &text : std::as_const(excluded)) {
            if (const auto at = m_positions->constFind(text); at != m_positions->cend())
                weights[*at] = 0;
        }
        choice.results = TextsAt(Entries(), PickPositions(std::move(weights), 1, random));
        chosen = !choice.results.isEmpty();
        choice.notice = ledger->Notice();
    }
    // Everyone left was skipped (or the history failed): anyone not in the batch will do.
    if (!chosen || choice.results.isEmpty())
        choice.results = PickWeighted(Entries(), 1, random, excluded);
    if (choice.results.isEmpty())
        throw SuiteError(
            QCoreApplication::translate("Engine", "名单中除本次已抽中和缺席的人以外已没有其他人，无法为“%1”重新抽取。")
                .arg(absent));
    return choice;
}
