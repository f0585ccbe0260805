#pragma once

#include "generator.h"
#include "numberrange.h"

#include <vector>

// Type 12: systems of linear equations. The solution is drawn first, then coefficients;
// the right-hand sides follow, so the drawn values always solve the system. Systems
// without a unique solution (proportional or dependent equations, an equation without
// terms) are drawn again, up to a bound.
class EquationGenerator : public Generator
{
public:
    explicit EquationGenerator(const QueryParams &params);
    int RanCount() const override { return m_ranCount; }
    Batch Generate(const GenerationContext &context) override;

private:
    struct Unknown
    {
        QString name;
        NumberRange range;
    };
    std::vector<Unknown> m_unknowns;
    std::vector<NumberRange> m_factors; // one range per equation
    int m_ranCount = 0;
    double m_rightSideScale = 0; // 10^decimals of a right-hand side, 0 when not rounded
};

// True when the square matrix (rows of equal length) has a unique solution for every
// right-hand side, judged with a tolerance relative to its entries.
bool IsRegular(std::vector<std::vector<double>> matrix);
