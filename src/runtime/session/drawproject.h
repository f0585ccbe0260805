#pragma once

#include "drawsession.h"

#include <QDomDocument>

struct QuerySection;
struct SoftSettings;

// Views that draw without a window of their own design (the command line, the quick-draw
// bar) read a project the same way: the encoded file of a catalogued project, then its
// query and Soft.ini's draw settings, without animation.

// Loads Data/Projects/<name>.rpj. Throws SuiteError naming the file when it is missing or
// cannot be read. The codec must be bound.
QDomDocument LoadNamedProjectDocument(const QString &name);

// The project as the session draws it: every Start gives its final batch at once.
DrawProject UnanimatedDrawProject(const QString &name, QuerySection query, const SoftSettings &soft);
