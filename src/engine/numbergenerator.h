#pragma once

#include "generator.h"
#include "numberpicture.h"
#include "numberrange.h"

// Type 1: numbers on a grid, formatted with a number picture.
class NumberGenerator : public Generator
{
public:
    explicit NumberGenerator(const QueryParams &params);
    int RanCount() const override { return m_ranCount; }
    QStringList Extra() const override { return {m_format}; }
    Batch Generate(const GenerationContext &context) override;

private:
    NumberRange m_range;
    QString m_format;
    NumberPicture m_picture;
    int m_ranCount;
    bool m_allowRepeat;
};
