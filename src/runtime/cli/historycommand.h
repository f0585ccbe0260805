#pragma once

#include "historystore.h"

#include <QString>
#include <QStringList>

#include <cstdio>
#include <memory>

class HistoryRecorder;
struct CommandLineOptions;

// `Dellamy --history NAME [--since DATE] [--json]`: prints the project's draws,
// oldest first. Returns the exit status.
int PrintHistory(const CommandLineOptions &options, std::FILE *out, std::FILE *err);

// Keeps the batches of one command-line run in the history. The writer starts with the
// first batch kept, so a run that keeps nothing never touches the database.
class CommandLineHistory
{
public:
    CommandLineHistory(bool enabled, QString project);
    ~CommandLineHistory();

    // Whether a batch of that many results is kept (ask before preparing it for Add).
    bool Keeps(qsizetype resultCount) const { return enabled && resultCount <= kMaxHistoryResults; }
    void Add(int batchNumber, const QStringList &results);
    // Waits for the writes; returns a message for the user when some were refused.
    QString Finish();

private:
    bool enabled;
    QString project;
    std::unique_ptr<HistoryRecorder> recorder;
};
