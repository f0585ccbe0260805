#include "fairnesscheck.h"

#include <cmath>
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
    QHash<QString, qsizetype> indexOf;
    double totalWeight = 0;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        indexOf.insert(entries.at(i).text, i);
        totalWeight += entries.at(i).weight;
    }
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

// The history in memory: what the simulation draws is counted as if drawn today.
class SimulatedLedger : public FairnessLedger
{
public:
    SimulatedLedger(BalanceHistory start, const RotationState &rotation) : balance(std::move(start)), rotation(rotation) {}

    BalanceHistory ReadBalance(const QDate &, int recent) override
    {
        if (balance.recent.size() > recent)
            balance.recent.resize(recent);
        return balance;
    }
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

    void Record(const QStringList &results)
    {
        for (const QString &result : results) {
            ++balance.counts[result];
            balance.recent.prepend(result);
        }
    }

private:
    BalanceHistory balance;
    RotationState rotation;
};

} // namespace

FairnessTable SimulateFairness(const FairSettings &settings, const QList<WeightedEntry> &entries, int ranCount,
                               int draws, const BalanceHistory &history, const RotationState &rotation,
                               RandomSource &random)
{
    const FairChooser chooser(settings, entries, ranCount);
    SimulatedLedger ledger(history, rotation);
    QList<QStringList> batches;
    batches.reserve(draws);
    const QDate today = QDate::currentDate();
    for (int draw = 0; draw < draws; ++draw) {
        QStringList results = chooser.Choose(ledger, random, today).results;
        ledger.Record(results);
        batches.append(std::move(results));
    }
    return MeasureFairness(entries, batches);
}
