#pragma once

#include <QString>

// Names of the suite's programs, for StartSuiteProgram.
inline const QString ProgramDesigner = QStringLiteral("Varnel");
inline const QString ProgramWizard = QStringLiteral("Quorin");
inline const QString ProgramRuntime = QStringLiteral("Dellamy");
inline const QString ProgramManager = QStringLiteral("Ostrel");

// Starts another program of the suite by its name ("Dellamy", …; ".exe" is added on
// Windows) from `programDir` (the running program's directory by default) and does not
// wait for it. When the application directory differs from the program directory, the
// started program is told it with "--appdir", so it reads the same hand-off files.
// Returns whether the start succeeded; the suite's callers do not report a failure.
bool StartSuiteProgram(const QString &programName, const QString &programDir = QString());
