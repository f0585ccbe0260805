#pragma once

#include <QString>
#include <QStringList>

#include <cstdio>

#include "projectexchange.h"

// Ostrel's command line:
//   Ostrel --export NAME… --to DIR   [--on-clash replace|rename|skip] [--appdir DIR]
//   Ostrel --pack NAME… --to FILE    [--on-clash …] [--appdir DIR]
//   Ostrel --import FILE…            [--on-clash …] [--appdir DIR]
//   Ostrel [--appdir DIR] [FILE…]    the window, with the files listed for import
// The three commands run without a window and without a display connection.

enum OstrelStatus : int {
    kOstrelOk = 0,
    kOstrelBadArguments = 2,
    kOstrelUnreadable = 3,
    kOstrelRefusedName = 4,
    kOstrelWriteFailed = 5,
};

enum class OstrelMode { Window, Export, Pack, Import, Help };

struct OstrelOptions
{
    OstrelMode mode = OstrelMode::Window;
    QStringList items; // project names (--export, --pack) or files (--import, the window)
    QString to;
    ClashChoice onClash = ClashChoice::Rename;
    QString appDir;
};

// Throws SuiteError with the reason when the arguments (without the program name) are
// not a valid command.
OstrelOptions ParseOstrelArguments(const QStringList &arguments);

QString OstrelUsage();

// Runs a command of the three (mode Export, Pack, Import or Help; the codec must be
// bound) and returns the exit status. One line per project on `out`, problems on `err`,
// both UTF-8.
int RunOstrelCommand(const OstrelOptions &options, std::FILE *out, std::FILE *err);
