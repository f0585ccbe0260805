#pragma once

#include "fairnesscheck.h"
#include "querysection.h"

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

// What a check looks at: the list of a list project, or one list item of a custom project
// (`item`, whose turns the history keeps apart from the project's draws).
struct FairnessSubject
{
    QString project;
    int pmode = 0;
    QueryParams query;
    FairSettings settings;
    QString item;
};

// Reads the history at `databasePath` (when there is one; nothing is written) and
// simulates `draws` draws of the subject's list. Throws SuiteError for a list that cannot
// be drawn, or drawn with these settings.
FairnessCheck CheckFairness(const QString &databasePath, const FairnessSubject &subject, int draws,
                            RandomSource &random);

// The command line's table, and its JSON:
// {"project": …, "mode": …, "draws": N, "simulated": {…}, "plainSpread": …, "history": {…} | null}
// where a table is {"rows": [{"entry", "expected", "count", "longestWait"}, …], "chiSquare",
// "freedom", "pValue", "spread"} and the history's also "longestUnseen", "unseenFor".
QString FairnessCheckText(const FairnessCheck &check);
QByteArray FairnessCheckJson(const FairnessCheck &check);
