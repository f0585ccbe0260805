#include "equationgenerator.h"

#include "queryvalues.h"
#include "suiteerror.h"

#include <QElapsedTimer>
#include <QSet>

#include <cmath>
#include <QCoreApplication>

namespace {

constexpr qint64 kMaxAttempts = 1'000'000;
constexpr qint64 kMaxMilliseconds = 2000;

int DecimalsOfRange(const NumberRange &range)
{
    int decimals = 0;
    for (double v : {range.Min(), range.Pred()}) {
        const QString text = ShortestNumberText(v);
        const qsizetype point = text.indexOf(QLatin1Char('.'));
        if (point >= 0)
            decimals = std::max(decimals, int(text.size() - point - 1));
    }
    return decimals;
}

QString Term(double coefficient, const QString &name, bool first)
{
    QString text;
    if (coefficient > 0 && !first)
        text += QLatin1Char('+');
    if (coefficient == 1)
        return text + name;
    if (coefficient == -1)
        return text + QLatin1Char('-') + name;
    return text + ShortestNumberText(coefficient) + name;
}

} // namespace

bool IsRegular(std::vector<std::vector<double>> m)
{
    const size_t n = m.size();
    double largest = 0;
    for (const auto &row : m)
        for (double v : row)
            largest = std::max(largest, std::fabs(v));
    if (largest == 0)
        return false;
    const double tolerance = largest * 1e-9;
    for (size_t col = 0; col < n; ++col) {
        size_t pivot = col;
        for (size_t r = col + 1; r < n; ++r)
            if (std::fabs(m[r][col]) > std::fabs(m[pivot][col]))
                pivot = r;
        if (std::fabs(m[pivot][col]) <= tolerance)
            return false;
        std::swap(m[pivot], m[col]);
        for (size_t r = col + 1; r < n; ++r) {
            const double factor = m[r][col] / m[col][col];
            for (size_t c = col; c < n; ++c)
                m[r][c] -= factor * m[col][c];
        }
    }
    return true;
}

EquationGenerator::EquationGenerator(const QueryParams &params)
{
    RequireQuerySize(params, 6);
    const int n = ParseCount(params.at(1), QCoreApplication::translate("Engine", "未知量个数"), 1, 26);
    const QStringList unknownRows = params.at(2).split(QLatin1Char('|'));
    const QStringList factorRows = params.at(3).split(QLatin1Char('|'));
    if (unknownRows.size() != n || factorRows.size() != n)
        throw SuiteError(
            QCoreApplication::translate(
                "Engine", "未知量个数为 %1，但未知量列表有 %2 行、系数列表有 %3 行，请在参数编辑器中重新设置方程。")
                .arg(n)
                .arg(unknownRows.size())
                .arg(factorRows.size()));
    int unknownDecimals = 0;
    int factorDecimals = 0;
    QSet<QString> names;
    for (int i = 0; i < n; ++i) {
        const QStringList u = unknownRows.at(i).split(QLatin1Char(','));
        const QString what = QCoreApplication::translate("Engine", "第 %1 个未知量").arg(i + 1);
        if (u.size() < 5 || u.at(1).isEmpty())
            throw SuiteError(QCoreApplication::translate("Engine", "%1的设置“%2”不完整，请重新设置方程。")
                                 .arg(what, unknownRows.at(i)));
        if (names.contains(u.at(1)))
            throw SuiteError(
                QCoreApplication::translate("Engine", "未知量“%1”重复，请为每个未知量取不同的名字。").arg(u.at(1)));
        names.insert(u.at(1));
        m_unknowns.push_back({u.at(1), NumberRange::Parse(u.at(2), u.at(3), u.at(4), what)});
        unknownDecimals = std::max(unknownDecimals, DecimalsOfRange(m_unknowns.back().range));

        const QStringList f = factorRows.at(i).split(QLatin1Char(','));
        const QString factorWhat = QCoreApplication::translate("Engine", "第 %1 个方程的系数").arg(i + 1);
        if (f.size() < 4)
            throw SuiteError(QCoreApplication::translate("Engine", "%1设置“%2”不完整，请重新设置方程。")
                                 .arg(factorWhat, factorRows.at(i)));
        m_factors.push_back(NumberRange::Parse(f.at(1), f.at(2), f.at(3), factorWhat));
        factorDecimals = std::max(factorDecimals, DecimalsOfRange(m_factors.back()));
    }
    m_ranCount = ParseCount(params.at(5), QCoreApplication::translate("Engine", "生成数量"), 1, kMaxRanCount);
    // The largest right side any draw can give must be a number, or results read "=inf".
    double largestUnknownSum = 0;
    for (const Unknown &unknown : m_unknowns)
        largestUnknownSum += std::max(std::fabs(unknown.range.Min()), std::fabs(unknown.range.Max()));
    for (int i = 0; i < n; ++i) {
        const double largestFactor = std::max(std::fabs(m_factors[i].Min()), std::fabs(m_factors[i].Max()));
        if (!std::isfinite(largestFactor * largestUnknownSum))
            throw SuiteError(
                QCoreApplication::translate(
                    "Engine", "第 %1 个方程的系数与未知量的取值太大，方程右边会超出数值范围，请缩小取值范围。")
                    .arg(i + 1));
    }
    if (unknownDecimals + factorDecimals <= 15)
        m_rightSideScale = std::pow(10.0, unknownDecimals + factorDecimals);
}

Batch EquationGenerator::Generate(const GenerationContext &context)
{
    const QString separator =
        context.settings.resultSeparator == QStringLiteral("，") ? QStringLiteral("　") : QStringLiteral("，");
    const size_t n = m_unknowns.size();
    Batch batch;
    QSet<QString> made;
    QElapsedTimer clock;
    clock.start();
    qint64 attempts = 0;
    std::vector<double> solution(n);
    std::vector<std::vector<double>> coefficients(n, std::vector<double>(n));
    while (batch.results.size() < m_ranCount) {
        if (++attempts > kMaxAttempts || (attempts % 1024 == 0 && clock.elapsed() > kMaxMilliseconds))
            throw SuiteError(QCoreApplication::translate("Engine",
                                                         "尝试 %1 次后仍无法生成 %2 组有唯一解且互不相同的方程组，"
                                                         "请扩大系数或未知量的取值范围，或减少生成数量。")
                                 .arg(attempts - 1)
                                 .arg(m_ranCount));
        for (size_t j = 0; j < n; ++j)
            solution[j] = m_unknowns[j].range.ValueAt(qint64(context.draws.Below(quint64(m_unknowns[j].range.Count()))));
        for (size_t i = 0; i < n; ++i)
            for (size_t j = 0; j < n; ++j)
                coefficients[i][j] = m_factors[i].ValueAt(qint64(context.draws.Below(quint64(m_factors[i].Count()))));
        if (!IsRegular(coefficients))
            continue;

        QString text = QStringLiteral("【");
        for (size_t i = 0; i < n; ++i) {
            double rightSide = 0;
            bool first = true;
            for (size_t j = 0; j < n; ++j) {
                const double c = coefficients[i][j];
                rightSide += c * solution[j];
                if (c == 0)
                    continue;
                text += Term(c, m_unknowns[j].name, first);
                first = false;
            }
            if (m_rightSideScale != 0) { // never where the scaling itself overflows
                const double rounded = std::round(rightSide * m_rightSideScale) / m_rightSideScale;
                if (std::isfinite(rounded))
                    rightSide = rounded;
            }
            text += QLatin1Char('=') + ShortestNumberText(rightSide);
            if (i + 1 < n)
                text += separator;
        }
        text += QStringLiteral("】");
        if (made.contains(text))
            continue;
        made.insert(text);
        batch.results.append(text);
    }
    return batch;
}
