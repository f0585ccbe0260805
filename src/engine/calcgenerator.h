#pragma once

#include "generator.h"
#include "numberrange.h"

#include <chrono>
#include <vector>

// How long the calculation generator keeps drawing for one result whose combinations
// keep failing the conditions or repeating earlier results, before it gives up.
struct CalcAttemptLimits
{
    qint64 attempts = 1'000'000;
    std::chrono::milliseconds duration{2000};
};

// Arithmetic exercises, quadratic equations and custom calculations (types 11, 13, 14):
// draws the random variables, computes the dependent ones through the expression
// library, keeps the combinations the conditions allow and fills the template. The
// results of one batch are always distinct.
class CalcGenerator : public Generator
{
public:
    // Parses the query and checks every expression once; throws SuiteError naming what
    // to change. The expression library must be bound (BindCalcLibrary).
    CalcGenerator(int pmode, const QueryParams &params, CalcAttemptLimits limits = {});

    int RanCount() const override { return m_ranCount; }
    QStringList Extra() const override { return m_extra; }
    Batch Generate(const GenerationContext &context) override;

    enum class Relation { Equal, NotEqual, Greater, Less, GreaterOrEqual, LessOrEqual,
                          OpenBetween, ClosedBetween, OpenOutside, ClosedOutside };

private:
    struct RandomVariable
    {
        int slot; // index in m_varNames, -1 for a name that is not a variable
        NumberRange range;
    };
    struct ComputedVariable
    {
        int slot;
        QString name;
        QString expression;
    };
    struct Condition
    {
        QString tested;
        Relation relation;
        QString bound;      // the only or the lower bound
        QString upperBound; // for the two interval relations
    };

    void ParseRandomVariables(const QString &text);
    void ParseComputedVariables(const QString &text);
    void ParseConditions(const QString &text);
    void CheckExpressions() const;
    void CheckComputedValuesFinite();
    // Draws one combination into m_varValues; false when it is not accepted.
    bool DrawCombination(RandomSource &random);
    bool ConditionsAccept();
    QString FillTemplate() const;

    int m_pmode;
    int m_ranCount = 0;
    CalcAttemptLimits m_limits;
    QStringList m_extra;
    QStringList m_varNames;
    QStringList m_varValues; // the decimal texts the expressions and the template see
    QString m_template;
    std::vector<RandomVariable> m_randomVariables;
    std::vector<ComputedVariable> m_computedVariables;
    std::vector<Condition> m_conditions;
    bool m_allConditions = true; // "且"; otherwise any condition
    bool m_keepWhenMet = false;  // "取当前值"; otherwise draw again when met
};
