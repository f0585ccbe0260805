#include "numberrange.h"

#include "queryvalues.h"
#include "suiteerror.h"

#include <QLocale>

#include <QSet>

#include <cmath>
#include <cstdlib>
#include <optional>
#include <QCoreApplication>

namespace {

// Digits after the point of the shortest text of a value (0 for integers).
int DecimalsOf(double value)
{
    const QString text = QString::number(value, 'e', QLocale::FloatingPointShortest);
    const qsizetype ePos = text.indexOf(QLatin1Char('e'));
    const int exponent = text.mid(ePos + 1).toInt();
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    const int mantissaDecimals = point < 0 || point > ePos ? 0 : int(ePos - point - 1);
    return std::max(0, mantissaDecimals - exponent);
}

// Grid points further than this fraction of a step beyond Max are not on the grid; the
// margin absorbs the rounding of (Max - Min) / Pred for steps like 0.1.
constexpr double kStepTolerance = 1e-9;
constexpr qint64 kMaxGridCount = qint64(1) << 52;

} // namespace

NumberRange::NumberRange(double min, double max, double pred)
    : m_min(min), m_max(max), m_pred(pred), m_count(1), m_scale(0)
{
    if (!std::isfinite(min) || !std::isfinite(max) || !std::isfinite(pred))
        throw SuiteError(QCoreApplication::translate("Engine", "最小值、最大值和精度必须是有限的数字。"));
    if (pred <= 0)
        throw SuiteError(
            QCoreApplication::translate("Engine", "精度必须大于 0（例如 1、0.1、0.01），现在是 %1，请修改精度。")
                .arg(ShortestNumberText(pred)));
    if (max < min)
        throw SuiteError(QCoreApplication::translate("Engine", "最大值 %1 小于最小值 %2，请修改数值范围。")
                             .arg(ShortestNumberText(max), ShortestNumberText(min)));
    const double steps = std::floor((max - min) / pred + kStepTolerance);
    if (!(steps < double(kMaxGridCount)))
        throw SuiteError(
            QCoreApplication::translate("Engine", "数值范围 %1 到 %2 按精度 %3 取值的个数太多，请增大精度或缩小范围。")
                .arg(ShortestNumberText(min), ShortestNumberText(max), ShortestNumberText(pred)));
    m_count = qint64(steps) + 1;
    const int decimals = std::max(DecimalsOf(min), DecimalsOf(pred));
    if (decimals <= 15)
        m_scale = std::pow(10.0, decimals);
}

NumberRange NumberRange::Parse(const QString &min, const QString &max, const QString &pred,
                               const QString &what)
{
    auto field = [&what](const char *plain, const char *ofWhat) {
        return what.isEmpty() ? QCoreApplication::translate("Engine", plain)
                              : QCoreApplication::translate("Engine", ofWhat).arg(what);
    };
    return NumberRange(
        ParseNumber(min, field(QT_TRANSLATE_NOOP("Engine", "最小值"), QT_TRANSLATE_NOOP("Engine", "%1的最小值"))),
        ParseNumber(max, field(QT_TRANSLATE_NOOP("Engine", "最大值"), QT_TRANSLATE_NOOP("Engine", "%1的最大值"))),
        ParseNumber(pred, field(QT_TRANSLATE_NOOP("Engine", "精度"), QT_TRANSLATE_NOOP("Engine", "%1的精度"))));
}

double NumberRange::ValueAt(qint64 k) const
{
    double value = m_min + double(k) * m_pred;
    if (m_scale != 0) {
        const double snapped = std::round(value * m_scale) / m_scale;
        if (std::isfinite(snapped))
            value = snapped;
    }
    return std::min(value, m_max);
}

namespace {

size_t SlotOf(qint64 key, size_t mask)
{
    return size_t((quint64(key) * 0x9E3779B97F4A7C15ull) >> 20) & mask;
}

} // namespace

constexpr qint64 kBitmapLimit = qint64(1) << 30;

void UniqueIndexSampler::FreeBits::operator()(quint64 *bits) const
{
    std::free(bits);
}

UniqueIndexSampler::UniqueIndexSampler(qint64 n) : m_n(n) {}

bool UniqueIndexSampler::Take(qint64 index)
{
    if (m_bits) {
        quint64 &word = m_bits[size_t(index >> 6)];
        const quint64 bit = quint64(1) << (index & 63);
        if (word & bit)
            return false;
        word |= bit;
        return true;
    }
    if (size_t(m_drawn + 1) * 2 > m_taken.size()) { // keep the table at most half full
        // Once the table would outgrow a bitmap of the grid, the bitmap takes over.
        const size_t bitmapWords = size_t(m_n / 64 + 1);
        if (m_n <= kBitmapLimit && m_taken.size() * 2 > bitmapWords) {
            m_bits.reset(static_cast<quint64 *>(std::calloc(bitmapWords, sizeof(quint64))));
            if (m_bits) {
                for (qint64 key : m_taken)
                    if (key != -1)
                        m_bits[size_t(key >> 6)] |= quint64(1) << (key & 63);
                m_taken = {};
                return Take(index);
            }
        }
        std::vector<qint64> grown(std::max<size_t>(64, m_taken.size() * 2), -1);
        const size_t mask = grown.size() - 1;
        for (qint64 key : m_taken) {
            if (key == -1)
                continue;
            size_t slot = SlotOf(key, mask);
            while (grown[slot] != -1)
                slot = (slot + 1) & mask;
            grown[slot] = key;
        }
        m_taken = std::move(grown);
    }
    const size_t mask = m_taken.size() - 1;
    size_t slot = SlotOf(index, mask);
    while (m_taken[slot] != -1) {
        if (m_taken[slot] == index)
            return false;
        slot = (slot + 1) & mask;
    }
    m_taken[slot] = index;
    return true;
}

void UniqueIndexSampler::StartShuffling()
{
    // m_n is at most twice the values drawn here, so a pass over the grid is linear in them.
    QSet<qint64> takenInTable;
    for (qint64 key : m_taken)
        if (key != -1)
            takenInTable.insert(key);
    m_rest.reserve(size_t(m_n - m_drawn));
    for (qint64 index = 0; index < m_n; ++index) {
        const bool taken = m_bits ? (m_bits[size_t(index >> 6)] >> (index & 63)) & 1 : takenInTable.contains(index);
        if (!taken)
            m_rest.push_back(index);
    }
    m_taken = {};
    m_bits.reset();
    m_shuffling = true;
}

qint64 UniqueIndexSampler::Next(RandomSource &random)
{
    if (!m_shuffling && (m_drawn + 1) * 2 > m_n)
        StartShuffling();
    ++m_drawn;
    if (m_shuffling) {
        const size_t pick = size_t(random.Below(m_rest.size()));
        const qint64 index = m_rest[pick];
        m_rest[pick] = m_rest.back();
        m_rest.pop_back();
        return index;
    }
    for (;;) { // fewer than half are taken: each try succeeds with chance above 1/2
        const qint64 index = qint64(random.Below(quint64(m_n)));
        if (Take(index))
            return index;
    }
}

std::vector<double> RangeDraw(const NumberRange &range, RandomSource &random, bool allowRepeat,
                              int count, UniqueIndexSampler *sampler, const QString &what)
{
    std::vector<double> values;
    values.reserve(std::max(0, count));
    if (allowRepeat) {
        for (int i = 0; i < count; ++i)
            values.push_back(range.ValueAt(qint64(random.Below(quint64(range.Count())))));
        return values;
    }
    std::optional<UniqueIndexSampler> local;
    if (!sampler)
        local.emplace(range.Count());
    UniqueIndexSampler &unique = sampler ? *sampler : *local;
    if (unique.Remaining() < count)
        throw SuiteError(
            QCoreApplication::translate("Engine", "%1不允许重复，但数值范围 %2 到 %3（精度 %4）只有 %5 个不同的值，"
                                                  "本次还需要 %6 个。请扩大范围、减小精度、减少生成数量或允许重复。")
                .arg(what.isEmpty() ? QCoreApplication::translate("Engine", "数值") : what,
                     ShortestNumberText(range.Min()), ShortestNumberText(range.Max()), ShortestNumberText(range.Pred()))
                .arg(unique.Remaining())
                .arg(count));
    for (int i = 0; i < count; ++i)
        values.push_back(range.ValueAt(unique.Next(random)));
    return values;
}

QString ShortestNumberText(double value)
{
    if (value == 0)
        return QStringLiteral("0"); // never "-0"
    return QString::number(value, 'f', QLocale::FloatingPointShortest);
}
