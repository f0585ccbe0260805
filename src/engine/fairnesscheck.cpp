#include "fairnesscheck.h"

#include <cmath>
#include <deque>
#include <vector>

double ChiSquarePValue(double chiSquare, int freedom)
{
    if (freedom <= 0 || chiSquare <= 0)
        return 1;
    // The regularised upper incomplete gamma function Q(k/2, χ²/2): its series below
    // a + 1, its continued fraction (Lentz) above.
    const double a = freedom / 2.0;
    const double x = chiSquare / 2.0;
    const double front = std::exp(-x + a * std::log(x) - std::lgamma(a));
    constexpr double kTiny = 1e-300;
    constexpr double kPrecision = 1e-15;
    if (x < a + 1) {
        double term = 1 / a;
        double sum = term;
        for (int n = 1; n < 1000; ++n) {
            term *= x / (a + n);
            sum += term;
            if (std::abs(term) < std::abs(sum) * kPrecision)
                break;
        }
        return std::max(0.0, 1 - sum * front);
    }
    double b = x + 1 - a;
    double c = 1 / kTiny;
    double d = 1 / b;
    double h = d;
    for (int i = 1; i < 1000; ++i) {
        const double an = -i * (i - a);
        b += 2;
        d = an * d + b;
        if (std::abs(d) < kTiny)
            d = kTiny;
        c = b + an / c;
        if (std::abs(c) < kTiny)
            c = kTiny;
        d = 1 / d;
        const double step = d * c;
        h *= step;
        if (std::abs(step - 1) < kPrecision)
            break;
    }
    return std::min(1.0, front * h);
}

FairnessTable MeasureFairness(const QList<WeightedEntry> &entries, const QList<QStringList> &batches)
{
    FairnessTable table;
    table.draws = batches.size();
    const QHash<QString, qsizetype> indexOf = PositionsOf(entries);
    double totalWeight = 0;
    for (const WeightedEntry &entry : entries)
        totalWeight += entry.weight;
    std::vector<qint64> counts(entries.size(), 0);
    std::vector<qint64> lastTurn(entries.size(), -1); // the draw of the last turn
    std::vector<qint64> longest(entries.size(), 0);
    qint64 results = 0;
    for (qint64 draw = 0; draw < qint64(batches.size()); ++draw) {
        results += batches.at(draw).size();
        for (const QString &result : batches.at(draw)) {
            const auto found = indexOf.constFind(result);
            if (found == indexOf.cend())
                continue;
            const qsizetype i = *found;
            ++counts[i];
            longest[i] = std::max(longest[i], draw - lastTurn[i] - 1);
            lastTurn[i] = draw;
        }
    }
    double squares = 0;
    qint64 unseenSince = table.draws; // the latest "last turn" among all is beaten by any older
    for (qsizetype i = 0; i < entries.size(); ++i) {
        FairnessRow row;
        row.entry = entries.at(i).text;
        row.count = counts[i];
        row.expected = totalWeight > 0 ? double(results) * entries.at(i).weight / totalWeight : 0;
        row.longestWait = std::max(longest[i], table.draws - lastTurn[i] - 1);
        const double deviation = double(row.count) - row.expected;
        squares += deviation * deviation;
        if (row.expected > 0)
            table.chiSquare += deviation * deviation / row.expected;
        if (table.longestUnseen.isEmpty() || lastTurn[i] < unseenSince) {
            unseenSince = lastTurn[i];
            table.longestUnseen = row.entry;
            table.unseenFor = table.draws - lastTurn[i] - 1;
        }
        table.rows.append(row);
    }
    table.freedom = int(entries.size()) - 1;
    table.pValue = ChiSquarePValue(table.chiSquare, table.freedom);
    table.spread = entries.isEmpty() ? 0 : std::sqrt(squares / double(entries.size()));
    return table;
}

namespace {

// The rotation in memory (plain and rotation draws read nothing else of the history).
class SimulatedLedger : public FairnessLedger
{
public:
    explicit SimulatedLedger(const RotationState &rotation) : rotation(rotation) {}

    BalanceHistory ReadBalance(const QDate &, int) override { return {}; }
    bool UpdateRotation(const std::function<void(RotationState &)> &step) override
    {
        step(rotation);
        rotation.MarkStored();
        return true;
    }
    bool RestartRotation() override
    {
        rotation.StartRound();
        return true;
    }
    QString Notice() const override { return QString(); }

private:
    RotationState rotation;
};

// Balanced draws with the weights kept up to date draw by draw: a result changes its own
// weight and those entering or leaving the latest `skip` results, so a draw costs log n
// per result instead of a pass over the list and the history. Only when the last of the
// least drawn has its turn do all weights change (counts are taken above the fewest).
QList<QStringList> SimulateBalanced(const FairSettings &settings, const QList<WeightedEntry> &entries, int ranCount,
                                    int draws, const BalanceHistory &history, RandomSource &random)
{
    constexpr qsizetype kNotListed = -1;
    const QHash<QString, qsizetype> indexOf = PositionsOf(entries);
    std::vector<qint64> counts(entries.size(), 0);
    for (qsizetype i = 0; i < entries.size(); ++i)
        counts[i] = history.counts.value(entries.at(i).text);
    // The latest `skip` results, newest first, and how often each entry is among them.
    std::deque<qsizetype> latest;
    std::vector<int> skipped(entries.size(), 0);
    for (const QString &result : history.recent.mid(0, settings.skip)) {
        const qsizetype i = indexOf.value(result, kNotListed);
        latest.push_back(i);
        if (i != kNotListed)
            ++skipped[i];
    }
    qint64 fewest = 0;
    qsizetype atFewest = 0; // drawable entries drawn `fewest` times
    auto findFewest = [&] {
        fewest = FewestCount(entries, counts);
        atFewest = 0;
        for (qsizetype i = 0; i < entries.size(); ++i)
            atFewest += entries.at(i).weight > 0 && counts[i] == fewest;
    };
    WeightTree tree(entries.size());
    auto refresh = [&](qsizetype i) {
        if (i != kNotListed)
            tree.Set(i, skipped[i] > 0 ? 0 : BalancedWeight(entries.at(i).weight, counts[i] - fewest, settings.strength));
    };
    auto refreshAll = [&] {
        for (qsizetype i = 0; i < entries.size(); ++i)
            refresh(i);
    };
    findFewest();
    refreshAll();

    QList<QStringList> batches;
    batches.reserve(draws);
    std::vector<qsizetype> picked;
    for (int draw = 0; draw < draws; ++draw) {
        picked.clear();
        // One by one without repeats, as PickWeighted does.
        while (int(picked.size()) < ranCount && tree.Total() > 0) {
            const std::size_t i = tree.Find(UniformBelow(tree.Total(), random));
            picked.push_back(qsizetype(i));
            tree.Set(i, 0);
        }
        QStringList results;
        results.reserve(qsizetype(picked.size()));
        for (const qsizetype i : picked) {
            results.append(entries.at(i).text);
            if (counts[i] == fewest)
                --atFewest;
            ++counts[i];
            latest.push_front(i);
            ++skipped[i];
            if (qsizetype(latest.size()) > settings.skip) {
                const qsizetype leaving = latest.back();
                latest.pop_back();
                if (leaving != kNotListed) {
                    --skipped[leaving];
                    refresh(leaving);
                }
            }
        }
        if (atFewest == 0) {
            findFewest();
            refreshAll();
        } else {
            for (const qsizetype i : picked)
                refresh(i);
        }
        batches.append(std::move(results));
    }
    return batches;
}

} // namespace

FairnessTable SimulateFairness(const FairSettings &settings, const QList<WeightedEntry> &entries, int ranCount,
                               int draws, const BalanceHistory &history, const RotationState &rotation,
                               RandomSource &random)
{
    const FairChooser chooser(settings, entries, ranCount);
    if (settings.mode == FairMode::Balanced)
        return MeasureFairness(entries, SimulateBalanced(settings, entries, ranCount, draws, history, random));
    SimulatedLedger ledger(rotation);
    QList<QStringList> batches;
    batches.reserve(draws);
    const QDate today = QDate::currentDate();
    for (int draw = 0; draw < draws; ++draw)
        batches.append(chooser.Choose(ledger, random, today).results);
    return MeasureFairness(entries, batches);
}
