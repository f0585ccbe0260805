#include "calcgenerator.h"

#include "calclibrary.h"
#include "queryvalues.h"
#include "suiteerror.h"

#include <QElapsedTimer>
#include <QSet>

#include <algorithm>

#include <cmath>
#include <limits>
#include <QCoreApplication>

namespace {

struct RelationName
{
    const char16_t *text;
    CalcGenerator::Relation relation;
};

constexpr RelationName kRelations[] = {
    {u"等于", CalcGenerator::Relation::Equal},
    {u"不等于", CalcGenerator::Relation::NotEqual},
    {u"大于", CalcGenerator::Relation::Greater},
    {u"小于", CalcGenerator::Relation::Less},
    {u"大于或等于", CalcGenerator::Relation::GreaterOrEqual},
    {u"小于或等于", CalcGenerator::Relation::LessOrEqual},
    {u"介于(开区间)", CalcGenerator::Relation::OpenBetween},
    {u"介于(闭区间)", CalcGenerator::Relation::ClosedBetween},
    {u"未介于(开区间)", CalcGenerator::Relation::OpenOutside},
    {u"未介于(闭区间)", CalcGenerator::Relation::ClosedOutside},
};

bool IsInterval(CalcGenerator::Relation relation)
{
    using R = CalcGenerator::Relation;
    return relation == R::OpenBetween || relation == R::ClosedBetween || relation == R::OpenOutside
        || relation == R::ClosedOutside;
}

// Splits at every separator that is not inside parentheses, so an expression such as
// "max(a,b)" stays whole inside a comma-separated row.
QStringList SplitOutsideParentheses(const QString &text, QChar separator)
{
    QStringList parts;
    QString current;
    int depth = 0;
    for (const QChar c : text) {
        if (c == QLatin1Char('('))
            ++depth;
        else if (c == QLatin1Char(')') && depth > 0)
            --depth;
        if (c == separator && depth == 0) {
            parts << current;
            current.clear();
        } else {
            current += c;
        }
    }
    parts << current;
    return parts;
}

// Values are held in double precision but compared and written as they are shown: to
// 15 significant digits, so 0.1+0.2 is 0.3 and a computed 3 equals the bound 3.
double ShownValue(double value)
{
    if (!std::isfinite(value))
        return value;
    const double shown = QString::number(value, 'g', 15).toDouble();
    return shown == 0 ? 0.0 : shown; // no "-0"
}

} // namespace

CalcGenerator::CalcGenerator(int pmode, const QueryParams &params, CalcAttemptLimits limits)
    : m_pmode(pmode), m_limits(limits)
{
    const bool withConditions = pmode != 13;
    const int expectedSize = withConditions ? 10 : 7;
    if (params.size() < expectedSize)
        throw SuiteError(
            QCoreApplication::translate("Engine", "计算模式的参数不完整，请在参数设置中重新保存本工程的参数。"));

    m_varNames = params.at(1).split(QLatin1Char(','));
    m_varValues = QStringList(m_varNames.size(), QStringLiteral("0"));
    m_template = params.at(2);
    // An empty question template would draw empty results that look like a fault.
    if (m_template.trimmed().isEmpty())
        throw SuiteError(
            QCoreApplication::translate("Engine", "题目格式为空，无法生成题目。请在参数设置中填写变量和题目格式。"));
    ParseRandomVariables(params.at(3));
    ParseComputedVariables(params.at(4));
    if (withConditions) {
        ParseConditions(params.at(5));
        m_allConditions = params.at(6) == QStringLiteral("且");
        m_keepWhenMet = params.at(7) == QStringLiteral("取当前值");
        m_extra = {params.at(6), params.at(7)};
        m_ranCount = ParseCount(params.at(8), QCoreApplication::translate("Engine", "生成数量"), 1, kMaxRanCount);
    } else {
        m_ranCount = ParseCount(params.at(5), QCoreApplication::translate("Engine", "生成数量"), 1, kMaxRanCount);
    }

    qint64 combinations = 1;
    for (const RandomVariable &variable : m_randomVariables)
        combinations = SaturatingProduct(combinations, variable.range.Count());
    if (combinations < m_ranCount)
        throw SuiteError(QCoreApplication::translate("Engine",
                                                     "随机变量的取值最多只有 %1 种组合，无法生成 %2 个互不相同的结果。"
                                                     "请扩大随机变量的取值范围或减少生成数量。")
                             .arg(combinations)
                             .arg(m_ranCount));
    CheckExpressions();
    CheckComputedValuesFinite();
}

void CalcGenerator::ParseRandomVariables(const QString &text)
{
    if (text.isEmpty())
        return;
    for (const QString &row : text.split(QLatin1Char('|'))) {
        const QStringList fields = row.split(QLatin1Char(','));
        if (fields.size() < 4)
            throw SuiteError(QCoreApplication::translate(
                                 "Engine", "随机变量“%1”应写成“变量名,最小值,最大值,精确度”，请在参数设置中改正。")
                                 .arg(row));
        const QString what = QCoreApplication::translate("Engine", "随机变量“%1”").arg(fields.at(0));
        try {
            m_randomVariables.push_back({int(m_varNames.indexOf(fields.at(0))),
                                         NumberRange::Parse(fields.at(1), fields.at(2), fields.at(3), what)});
        } catch (const SuiteError &error) {
            // The user must learn which row to change.
            if (error.message().contains(what))
                throw;
            throw SuiteError(QCoreApplication::translate("Engine", "%1：%2").arg(what, error.message()));
        }
    }
}

void CalcGenerator::ParseComputedVariables(const QString &text)
{
    if (text.isEmpty())
        return;
    for (const QString &row : text.split(QLatin1Char('|'))) {
        const qsizetype comma = row.indexOf(QLatin1Char(','));
        if (comma < 0 || row.mid(comma + 1).trimmed().isEmpty())
            throw SuiteError(
                QCoreApplication::translate("Engine", "关系变量“%1”应写成“变量名,关系表达式”，请在参数设置中改正。")
                    .arg(row));
        m_computedVariables.push_back({int(m_varNames.indexOf(row.left(comma))), row.left(comma), row.mid(comma + 1)});
    }
}

void CalcGenerator::ParseConditions(const QString &text)
{
    if (text.isEmpty())
        return;
    for (const QString &row : text.split(QLatin1Char('|'))) {
        const QStringList parts = SplitOutsideParentheses(row, QLatin1Char(','));
        if (parts.size() < 3 || parts.at(0).trimmed().isEmpty())
            throw SuiteError(
                QCoreApplication::translate("Engine", "取值条件“%1”应写成“表达式1,关系,表达式2”，请在参数设置中改正。")
                    .arg(row));
        const QString relationText = parts.at(1).trimmed();
        const RelationName *found = nullptr;
        for (const RelationName &name : kRelations)
            if (relationText == QString::fromUtf16(name.text))
                found = &name;
        if (!found)
            throw SuiteError(
                QCoreApplication::translate("Engine", "取值条件“%1”中的关系“%2”无法识别，请在参数设置中重新选择关系。")
                    .arg(row, relationText));

        // Everything after the relation is the second expression; an interval holds its
        // two bounds there, separated by a comma (a full-width one is accepted too).
        const QString rest = QStringList(parts.mid(2)).join(QLatin1Char(','));
        Condition condition{parts.at(0), found->relation, rest, QString()};
        if (IsInterval(found->relation)) {
            QStringList bounds = parts.mid(2);
            if (bounds.size() == 1)
                bounds = SplitOutsideParentheses(rest, QChar(0xFF0C));
            if (bounds.size() != 2 || bounds.at(0).trimmed().isEmpty() || bounds.at(1).trimmed().isEmpty())
                throw SuiteError(QCoreApplication::translate(
                                     "Engine", "取值条件“%1”的区间应写成“下限,上限”两个表达式，请在参数设置中改正。")
                                     .arg(row));
            condition.bound = bounds.at(0);
            condition.upperBound = bounds.at(1);
        } else if (rest.trimmed().isEmpty()) {
            throw SuiteError(
                QCoreApplication::translate("Engine", "取值条件“%1”缺少表达式2，请在参数设置中改正。").arg(row));
        }
        m_conditions.push_back(condition);
    }
}

void CalcGenerator::CheckExpressions() const
{
    // Whether an expression is accepted does not depend on the values, so one
    // evaluation over zeros finds every rejected expression before anything is drawn.
    const QStringList zeros(m_varNames.size(), QStringLiteral("0"));
    for (const ComputedVariable &variable : m_computedVariables)
        EvaluateExpression(variable.expression, m_varNames, zeros);
    for (const Condition &condition : m_conditions) {
        EvaluateExpression(condition.tested, m_varNames, zeros);
        EvaluateExpression(condition.bound, m_varNames, zeros);
        if (!condition.upperBound.isEmpty())
            EvaluateExpression(condition.upperBound, m_varNames, zeros);
    }
}

// A computed variable that gives no number for any value of the random variables (a
// division by zero, the root of a negative number) would have every combination drawn
// again until the attempts run out. Tried before drawing: over every combination when
// there are few, else over the ranges' ends and a fixed sample (the same verdict on every
// run).
void CalcGenerator::CheckComputedValuesFinite()
{
    if (m_computedVariables.empty())
        return;
    constexpr qint64 kTrials = 512;
    qint64 combinations = 1;
    for (const RandomVariable &variable : m_randomVariables)
        combinations = SaturatingProduct(combinations, variable.range.Count());
    const bool everyCombination = combinations <= kTrials;
    GeneratorSource sample(20140916);
    std::vector<bool> gaveNumber(m_computedVariables.size(), false);
    for (qint64 trial = 0; trial < (everyCombination ? combinations : kTrials); ++trial) {
        m_varValues.fill(QStringLiteral("0"));
        qint64 rest = trial; // the combination's digits, one per random variable
        for (const RandomVariable &variable : m_randomVariables) {
            const qint64 count = variable.range.Count();
            const qint64 k = everyCombination ? rest % count
                           : trial < 2        ? (trial == 0 ? 0 : count - 1)
                                              : qint64(sample.Below(quint64(count)));
            rest /= count;
            if (variable.slot >= 0)
                m_varValues[variable.slot] = ShortestNumberText(variable.range.ValueAt(k));
        }
        size_t computed = 0;
        for (; computed < m_computedVariables.size(); ++computed) {
            const ComputedVariable &variable = m_computedVariables[computed];
            const double value = ShownValue(EvaluateExpression(variable.expression, m_varNames, m_varValues));
            if (!std::isfinite(value))
                break;
            gaveNumber[computed] = true;
            if (variable.slot >= 0)
                m_varValues[variable.slot] = ShortestNumberText(value);
        }
        if (computed == m_computedVariables.size())
            return;
    }
    // Some variable never gave a number: the last one to pass did so in a full pass.
    const auto never = std::find(gaveNumber.begin(), gaveNumber.end(), false);
    const ComputedVariable &variable = m_computedVariables[size_t(never - gaveNumber.begin())];
    throw SuiteError(
        QCoreApplication::translate("Engine", "关系变量“%1”的表达式“%2”%3都得不到有效的数值（例如除以 0、负数开平方），"
                                              "请修改该表达式或随机变量的取值范围。")
            .arg(variable.name, variable.expression,
                 everyCombination
                     ? QCoreApplication::translate("Engine", "在随机变量的任何取值下")
                     : QCoreApplication::translate("Engine", "在随机变量取值范围内试算 %1 次").arg(kTrials)));
}

bool CalcGenerator::DrawCombination(RandomSource &random)
{
    m_varValues.fill(QStringLiteral("0"));
    for (const RandomVariable &variable : m_randomVariables) {
        const double value = variable.range.ValueAt(qint64(random.Below(quint64(variable.range.Count()))));
        if (variable.slot >= 0)
            m_varValues[variable.slot] = ShortestNumberText(value);
    }
    for (const ComputedVariable &variable : m_computedVariables) {
        const double value = ShownValue(EvaluateExpression(variable.expression, m_varNames, m_varValues));
        // A division by zero or the like makes no exercise: draw again.
        if (!std::isfinite(value))
            return false;
        if (variable.slot >= 0)
            m_varValues[variable.slot] = ShortestNumberText(value);
    }
    return m_conditions.empty() || ConditionsAccept();
}

bool CalcGenerator::ConditionsAccept()
{
    bool verdict = m_allConditions;
    for (const Condition &condition : m_conditions) {
        const double x = ShownValue(EvaluateExpression(condition.tested, m_varNames, m_varValues));
        const double a = ShownValue(EvaluateExpression(condition.bound, m_varNames, m_varValues));
        const double b = condition.upperBound.isEmpty()
            ? 0.0
            : ShownValue(EvaluateExpression(condition.upperBound, m_varNames, m_varValues));
        bool met = false;
        switch (condition.relation) {
        case Relation::Equal: met = x == a; break;
        case Relation::NotEqual: met = x != a; break;
        case Relation::Greater: met = x > a; break;
        case Relation::Less: met = x < a; break;
        case Relation::GreaterOrEqual: met = x >= a; break;
        case Relation::LessOrEqual: met = x <= a; break;
        case Relation::OpenBetween: met = a < x && x < b; break;
        case Relation::ClosedBetween: met = a <= x && x <= b; break;
        case Relation::OpenOutside: met = x < a || x > b; break;
        case Relation::ClosedOutside: met = x <= a || x >= b; break;
        }
        verdict = m_allConditions ? (verdict && met) : (verdict || met);
    }
    return m_keepWhenMet ? verdict : !verdict;
}

QString CalcGenerator::FillTemplate() const
{
    QString text = m_template;
    for (qsizetype i = 0; i < m_varNames.size(); ++i) {
        const QString &value = m_varValues.at(i);
        text.replace(QLatin1Char('[') + m_varNames.at(i) + QLatin1Char(']'),
                     value.contains(QLatin1Char('-')) ? QLatin1Char('(') + value + QLatin1Char(')') : value);
    }
    return text;
}

Batch CalcGenerator::Generate(const GenerationContext &context)
{
    Batch batch;
    batch.results.reserve(m_ranCount);
    QSet<QString> made;
    made.reserve(m_ranCount);
    QElapsedTimer sinceLastResult;
    for (int v = 0; v < m_ranCount; ++v) {
        sinceLastResult.start();
        for (qint64 attempt = 1;; ++attempt) {
            if (DrawCombination(context.draws)) {
                QString text = FillTemplate();
                if (!made.contains(text)) {
                    made.insert(text);
                    batch.results << text;
                    break;
                }
            }
            // The clock is read every attempt: with thousands of variables one attempt
            // takes milliseconds.
            if (attempt >= m_limits.attempts || sinceLastResult.elapsed() >= m_limits.duration.count())
                throw SuiteError(QCoreApplication::translate("Engine",
                                                             "已尝试 %1 次仍未得到第 %2 个符合取值条件且不重复的结果。"
                                                             "请放宽取值条件、扩大随机变量的取值范围或减少生成数量。")
                                     .arg(attempt)
                                     .arg(v + 1));
        }
    }
    return batch;
}

std::unique_ptr<Generator> CreateCalcGenerator(int pmode, const QueryParams &params)
{
    BindCalcLibrary();
    return std::make_unique<CalcGenerator>(pmode, params);
}
