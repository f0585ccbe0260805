#pragma once

#include <QString>
#include <QStringList>

// Binding of the expression library Mirzonel, loaded at run time from the program's
// directory, only by projects that calculate. One binding per process, never released;
// binding is thread-safe (the start-up preparation may run on a worker thread).

// Loads the library from `libraryDir` (default: the program's directory). Throws
// SuiteError, in words for the user, when the library or one of its exports is missing.
void BindCalcLibrary(const QString &libraryDir = QString());
bool IsCalcLibraryBound();

// The value of `expression` over the variables `names` with the decimal texts `values`
// (same order; the names are cut to the number of values). A value that is not finite
// (a division by zero, the root of a negative number) is returned as it is. Throws
// SuiteError naming the expression when the library is not bound or rejects the
// expression, a variable or a value.
double EvaluateExpression(const QString &expression, const QStringList &names, const QStringList &values);
