#pragma once

#include "listentries.h"
#include "randomsource.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

// The entries of an escaped list text, as the user typed them: split at the separator,
// escapes undone, weights expanded. `weighted`: the
// text is "加权" or "百分比" followed by "&"-separated rows "items:weight"; an entry of
// weight w appears w times ("百分比" weights are divided by their largest common divisor
// up to 100 first, so 50, 30, 20 give 5, 3 and 2 copies). Throws SuiteError for a
// malformed row, a weight that is not a whole number, a zero or negative percentage, a
// negative weight, or an expansion too large to draw from.
ListEntries ExpandWeights(const QString &listText, bool weighted, const QString &separator);

// The separator character of a separator name. Throws SuiteError for a missing, empty or
// unknown name.
QString RequireSpliter(const QString &spliterName);

// A list being drawn from. A drawn entry is removed together with every entry of the same
// text (a weighted name leaves at its first draw); empty entries are never drawn. A draw
// picks uniformly among the entries still there, so an entry of weight 3 is three times
// as likely as one of weight 1. Drawing costs constant time, whatever the list's size.
class DrawList
{
public:
    DrawList() = default;
    explicit DrawList(const ListEntries &entries);

    // Distinct texts that can still be drawn.
    int DistinctRemaining() const { return m_distinctRemaining; }
    // Entries (not distinct) that can still be drawn.
    int Remaining() const { return int(m_alive.size()); }

    // The list's entries, by position.
    const ListEntries &Entries() const { return m_shape->entries; }
    // Draws `count` entries, one after the other, each removed (with its copies) when
    // `remove`, and gives their positions. Precondition: enough remain (ListDraw checks).
    std::vector<int> DrawPositions(RandomSource &random, bool remove, int count);

private:
    // The position of one entry drawn. Precondition: Remaining() > 0.
    int DrawPosition(RandomSource &random, bool remove);

    // What never changes is shared between a list and its saved copies.
    struct Shape
    {
        ListEntries entries;
        // Entry positions of the same text form a ring through nextSame; only kept when
        // some text occurs more than once.
        bool hasCopies = false;
        std::vector<int> nextSame;
    };
    std::shared_ptr<const Shape> m_shape;
    std::vector<int> m_alive;      // positions that can be drawn
    std::vector<int> m_aliveIndex; // position -> index in m_alive, or -1 (only with copies)
    int m_distinctRemaining = 0;
};

// Draws `count` entries. Without repeats the entries differ and are removed from `list`.
// Throws SuiteError (naming `what`) when fewer distinct entries remain than asked for.
QStringList ListDraw(DrawList &list, RandomSource &random, bool allowRepeat, int count,
                     const QString &what);
// The same draw, giving the positions of the entries in the list.
std::vector<int> ListDrawPositions(DrawList &list, RandomSource &random, bool allowRepeat, int count,
                                   const QString &what);
