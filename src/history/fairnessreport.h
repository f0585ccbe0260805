#pragma once

#include "fairnesscheck.h"

#include <QByteArray>
#include <QString>

#include <optional>

// "公平性检验": the project's settings simulated from today's history, beside plain
// random draws and the real history.
struct FairnessCheck
{
    QString project;
    FairSettings settings;
    int ranCount = 1;
    FairnessTable simulated;
    FairnessTable plain;
    std::optional<FairnessTable> history; // none without a history file
    QString notice;
};

// Reads the history at `databasePath` (when there is one; nothing is written) and
// simulates `draws` draws of the list. Throws SuiteError for settings the list cannot
// be drawn with.
FairnessCheck CheckFairness(const QString &databasePath, const QString &project, const FairSettings &settings,
                            const QList<WeightedEntry> &entries, int ranCount, int draws, RandomSource &random);

// The command line's table, and its JSON:
// {"project": …, "mode": …, "draws": N, "simulated": {…}, "plainSpread": …, "history": {…} | null}
// where a table is {"rows": [{"entry", "expected", "count", "longestWait"}, …], "chiSquare",
// "freedom", "pValue", "spread"} and the history's also "longestUnseen", "unseenFor".
QString FairnessCheckText(const FairnessCheck &check);
QByteArray FairnessCheckJson(const FairnessCheck &check);
