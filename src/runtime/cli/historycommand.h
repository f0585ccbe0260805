#pragma once

#include "historystore.h"

#include <QString>
#include <QStringList>

#include <cstdio>

struct CommandLineOptions;

// `Dellamy --history NAME [--since DATE] [--json]`: prints the project's draws,
// oldest first. Returns the exit status.
int PrintHistory(const CommandLineOptions &options, std::FILE *out, std::FILE *err);
