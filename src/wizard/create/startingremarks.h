#pragma once

#include <QDomDocument>

#include "querysection.h"

// The starting documents carry remarks that speak of choices made in the wizard: the
// draw key ("按 F2 也可以开始"), the prizes of a several-prize draw ("依次抽出…") and
// whether winners stay out of later draws ("抽中的人员不再参加后面的抽奖"). Rewrites each
// such remark of the new project's document to say what its Form and query now hold, and
// removes it when there is nothing true left to say (no draw key, no prizes, winners
// drawn again). Call after the wizard's choices are written into Form.
void FitChoiceRemarks(QDomDocument &document, int pmode, const QueryParams &params);
