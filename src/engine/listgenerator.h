#pragma once

#include "generator.h"
#include "listdraw.h"

// Types 2 (roll-call), 3 (shuffle), 5 (pictures), 7 (words) and 9 (one-prize lottery):
// entries drawn from one list. With removal (AutoDel) a drawn entry stays out of later
// batches once the batch that ends a draw commits it; intermediate animation frames
// always draw from the list as it was before the draw.
class ListGenerator : public Generator
{
public:
    ListGenerator(int pmode, const QueryParams &params);
    int RanCount() const override { return m_ranCount; }
    Batch Generate(const GenerationContext &context) override;

private:
    int m_pmode;
    int m_ranCount = 0;
    bool m_allowRepeat = false;
    bool m_autoDel = false;
    DrawList m_workList;
    DrawList m_savedList;
};
