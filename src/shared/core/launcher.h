#pragma once

#include <QString>
#include <QStringList>

// Names of the suite's programs, for StartSuiteProgram.
inline const QString ProgramDesigner = QStringLiteral("Varnel");
inline const QString ProgramWizard = QStringLiteral("Quorin");
inline const QString ProgramRuntime = QStringLiteral("Dellamy");
inline const QString ProgramManager = QStringLiteral("Ostrel");

// Starts another program of the suite by its name ("Dellamy", …; ".exe" is added on
// Windows) from `programDir` (the running program's directory by default), with
// `arguments` (none by default), and does not wait for it. Returns whether the start succeeded; the
// suite's callers do not report a failure.
bool StartSuiteProgram(const QString &programName, const QString &programDir = QString(),
                       const QStringList &arguments = {});
