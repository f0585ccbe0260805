#pragma once

#include <QString>
#include <QStringList>

#include <limits>

// Reading numeric query values. Every refusal names the field, so the user knows what
// to change; decimal text uses "." whatever the locale.

// A whole number in [minimum, maximum]; `field` is the user's name of the value
// (for example "生成数量").
int ParseCount(const QString &text, const QString &field, int minimum, int maximum);

// A finite decimal number.
double ParseNumber(const QString &text, const QString &field);

// Largest batch the engine draws.
constexpr int kMaxRanCount = 10'000'000;

// Throws SuiteError unless the query holds the mode name and `attributeCount` values.
void RequireQuerySize(const QStringList &params, int attributeCount);

// "是" is yes; every other text is no.
inline bool IsYes(const QString &text)
{
    return text == QStringLiteral("是");
}

// Counts of possible values multiply past any range: they stop at the largest qint64.
inline qint64 SaturatingProduct(qint64 a, qint64 b)
{
    if (a != 0 && b > std::numeric_limits<qint64>::max() / a)
        return std::numeric_limits<qint64>::max();
    return a * b;
}
