#pragma once

#include "listentries.h"
#include "randomsource.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

// The entries of an escaped list text, as the user typed them: split at the separator,
// escapes undone, weights expanded. `weighted`: the
// text is "加权" or "百分比" followed by "&"-separated rows "items:weight"; an entry of
// weight w appears w times ("百分比" weights are divided by their largest common divisor
// up to 100 first, so 50, 30, 20 give 5, 3 and 2 copies). Throws SuiteError for a
// malformed row, a weight that is not a whole number, a zero or negative percentage, a
// negative weight, or an expansion too large to draw from.
ListEntries ExpandWeights(const QString &listText, bool weighted, const QString &separator);
// The same for a list as UTF-8 read from a file: a list without weights and escapes
// keeps the bytes it is given.
ListEntries ExpandWeights(const QByteArray &listUtf8, bool weighted, const QString &separator);

// The separator character of a separator name. Throws SuiteError for a missing, empty or
// unknown name.
QString RequireSpliter(const QString &spliterName);

// A list being drawn from. A drawn entry is removed together with every entry of the same
// text (a weighted name leaves at its first draw); empty entries are never drawn. A draw
// picks uniformly among the entries still there, so an entry of weight 3 is three times
// as likely as one of weight 1. Drawing costs constant time, whatever the list's size.
// What only some draws need is made at their first need: the table of repeated texts
// when distinct texts are counted or a removal takes effect, the table of entries still
// there at the first removal. A removal takes effect at the next question or draw, so a
// list that is put back after its batch never pays for its last one.
class DrawList
{
public:
    DrawList() = default;
    explicit DrawList(const ListEntries &entries);

    // Distinct texts that can still be drawn.
    int DistinctRemaining() const;
    // Entries (not distinct) that can still be drawn.
    int Remaining() const;
    // Whether `count` distinct texts can still be drawn (without counting them for one).
    bool HasDistinct(int count) const { return count <= 1 ? Remaining() >= count : DistinctRemaining() >= count; }

    // The list's entries, by position.
    const ListEntries &Entries() const { return m_shape->entries; }
    // Draws `count` entries, one after the other, each removed (with its copies) when
    // `remove`, and gives their positions. Precondition: enough remain (ListDraw checks).
    std::vector<int> DrawPositions(RandomSource &random, bool remove, int count);

private:
    // Entry positions of the same text form a ring through nextSame; only kept when some
    // text occurs more than once.
    struct Copies
    {
        int distinct = 0;
        bool hasCopies = false;
        std::vector<int> nextSame;
    };
    // What never changes is shared between a list and its saved copies.
    struct Shape
    {
        ListEntries entries;
        std::optional<Copies> copies; // counted at the first need
    };

    const Copies &KnownCopies() const;
    // Applies the removal of the last entry drawn.
    void Settle() const;
    // Makes the table of entries still there (while every entry is, it is not kept).
    void ListAliveEntries() const;
    // Takes the entry at `index` of that table out, when it has no copies.
    void RemoveAlive(size_t index) const;

    std::shared_ptr<Shape> m_shape;
    int m_entryCount = 0;
    // Positions that can be drawn. Unmade while every entry can (no empty entries, nothing
    // removed yet).
    mutable bool m_everyEntryAlive = false;
    mutable std::vector<int> m_alive;
    mutable std::vector<int> m_aliveIndex;    // position -> index in m_alive, or -1 (only with copies)
    mutable int m_distinctRemaining = -1;     // -1 until a removal: the whole list's count
    mutable int m_pendingRemoval = -1;        // index in the alive table of an entry drawn
};

// Draws `count` entries. Without repeats the entries differ and are removed from `list`.
// Throws SuiteError (naming `what`) when fewer distinct entries remain than asked for.
QStringList ListDraw(DrawList &list, RandomSource &random, bool allowRepeat, int count,
                     const QString &what);
// The same draw, giving the positions of the entries in the list.
std::vector<int> ListDrawPositions(DrawList &list, RandomSource &random, bool allowRepeat, int count,
                                   const QString &what);
