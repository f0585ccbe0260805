#pragma once

#include "fairdraw.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// How evenly a list's turns were shared out over a run of draws.
struct FairnessRow
{
    QString entry;
    double expected = 0; // the entry's share of all results by its own weight
    qint64 count = 0;
    // The most draws in a row without this entry, from the first draw to the last.
    qint64 longestWait = 0;
};

struct FairnessTable
{
    QList<FairnessRow> rows;
    qint64 draws = 0;
    double chiSquare = 0;
    int freedom = 0;
    double pValue = 1;
    // Root mean square of count − expected: how far the turns stray from even.
    double spread = 0;
    // The entry whose last turn lies furthest back (never drawn comes first), and how
    // many draws ago that turn was.
    QString longestUnseen;
    qint64 unseenFor = 0;
};

// The table of draws that were made (batches oldest first). Results that are not on the
// list are left out.
FairnessTable MeasureFairness(const QList<WeightedEntry> &entries, const QList<QStringList> &batches);

// `draws` draws with these settings, starting from the history and rotation given,
// without writing anything.
FairnessTable SimulateFairness(const FairSettings &settings, const QList<WeightedEntry> &entries, int ranCount,
                               int draws, const BalanceHistory &history, const RotationState &rotation,
                               RandomSource &random);

// The probability that a χ² figure of `freedom` degrees of freedom is at least this large.
double ChiSquarePValue(double chiSquare, int freedom);
