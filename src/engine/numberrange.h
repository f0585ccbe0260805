#pragma once

#include "randomsource.h"

#include <QString>
#include <QtGlobal>

#include <memory>
#include <vector>

// A value grid Min, Min+Pred, ..., up to Max. Values are computed in double precision
// and rounded to the decimals of Min and Pred, so every value lies on the grid and in
// [Min, Max], and an integer range of a hundred million values reaches every integer.
class NumberRange
{
public:
    // Throws SuiteError when Pred is 0 or below, Max is below Min, or a value is not finite.
    NumberRange(double min, double max, double pred);
    // Parses the three texts; `what` names the owner in messages (for example "第1维").
    static NumberRange Parse(const QString &min, const QString &max, const QString &pred,
                             const QString &what);

    double Min() const { return m_min; }
    double Max() const { return m_max; }
    double Pred() const { return m_pred; }
    // Number of grid points (at least 1).
    qint64 Count() const { return m_count; }
    // Grid point k, 0 <= k < Count().
    double ValueAt(qint64 k) const;

private:
    double m_min;
    double m_max;
    double m_pred;
    qint64 m_count;
    double m_scale; // 10^decimals, 0 when the values are not snapped
};

// Draws grid indices without replacement from [0, n): each call gives an index not given
// before, uniformly among those left, in constant expected time. While fewer than half
// are taken it draws and rejects taken ones (a hashed set, at most two tries on average);
// then it shuffles the rest, so a batch close to the grid size costs no more per value
// than a small one.
class UniqueIndexSampler
{
public:
    explicit UniqueIndexSampler(qint64 n);
    qint64 Remaining() const { return m_n - m_drawn; }
    // Precondition: Remaining() > 0.
    qint64 Next(RandomSource &random);

private:
    bool Take(qint64 index); // false when already taken
    void StartShuffling();

    struct FreeBits
    {
        void operator()(quint64 *bits) const;
    };

    qint64 m_n;
    qint64 m_drawn = 0;
    // Taken indices: an open-addressing table (-1 marks a free slot) while it is smaller
    // than a bitmap of the grid, then the bitmap (grids up to 2^30 points).
    std::unique_ptr<quint64[], FreeBits> m_bits;
    std::vector<qint64> m_taken;
    std::vector<qint64> m_rest;  // the indices left, once shuffling
    bool m_shuffling = false;
};

// Draws `count` values of the grid. Without repeats the values differ from each other and
// from every value drawn earlier through the same sampler (pass one sampler for the whole
// batch to keep an item's values distinct across passes). Throws SuiteError when the grid
// has fewer values left than asked for; `what` names the owner in that message.
std::vector<double> RangeDraw(const NumberRange &range, RandomSource &random, bool allowRepeat,
                              int count, UniqueIndexSampler *sampler, const QString &what);

// Shortest decimal text of a value ("3", "2.5", "-0.1").
QString ShortestNumberText(double value);
