#pragma once

#include <QString>
#include <QStringList>

// The expression library's exports. GoCalc evaluates `expression` over the variables
// `names` (cut to the length of `values`) whose values are decimal texts with "." as
// the decimal point. Nothing is ever thrown across this boundary: when the expression
// is rejected, a name is unknown or invalid, or a value is not a number, GoCalc
// returns NaN and GoCalcLastError gives the reason in words for the user. After a
// successful call GoCalcLastError gives an empty text. Both are per thread.
extern "C" {
Q_DECL_EXPORT long double GoCalc(const QString *expression, const QStringList *names, const QStringList *values);
Q_DECL_EXPORT void GoCalcLastError(QString *message);
}
