#pragma once

#include "fairdraw.h"
#include "generator.h"
#include "listdraw.h"

#include <optional>

// The entries of a list type's query (weights expanded, escapes undone) and its batch
// size; `listUtf8`, when not null, is the list in place of its empty place in `params`.
// Throws SuiteError as the preparation does.
struct ListContents
{
    ListEntries entries;
    int ranCount = 0;
};
ListContents ReadListContents(int pmode, const QueryParams &params, const QByteArray &listUtf8 = {});

// Types 2 (roll-call), 3 (shuffle), 5 (pictures), 7 (words) and 9 (one-prize lottery):
// entries drawn from one list. With removal (AutoDel) a drawn entry stays out of later
// batches once the batch that ends a draw commits it; intermediate animation frames
// always draw from the list as it was before the draw. With fair turns the final batch is
// chosen by the rotation or the balance instead (removal then has no part in it).
class ListGenerator : public Generator
{
public:
    ListGenerator(int pmode, const QueryParams &params, const QByteArray &listUtf8 = {});
    int RanCount() const override { return m_ranCount; }
    Batch Generate(const GenerationContext &context) override;
    void UseFairness(const FairSettings &settings) override;
    QString ReplaceAbsent(const GenerationContext &context, const QString &absent, const QSet<QString> &keep,
                          QString *notice) override;

private:
    int m_pmode;
    int m_ranCount = 0;
    bool m_allowRepeat = false;
    bool m_autoDel = false;
    DrawList m_workList;
    DrawList m_savedList;
    ListEntries m_entries;
    // Set when the project shares out turns fairly; its final batches come from here.
    std::optional<FairChooser> m_fair;
};
