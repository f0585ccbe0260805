#pragma once

#include <QString>

#include "querysection.h"

// Why the drawing program would refuse to draw from these parameters (its own message),
// or an empty text when it can draw. The dialogs check what the user typed; this also
// catches what only the generator knows (an expression it cannot evaluate, a count it
// does not accept, fewer distinct entries than a draw needs), so that the wizard never
// saves a project that then cannot draw.
QString DrawRefusal(int pmode, const QueryParams &params);
