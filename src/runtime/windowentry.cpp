#include "runwindow.h"

#include <QtGlobal>

// The drawing window's entry, exported from the library DellamyWindow that Dellamy loads
// when it starts without arguments.
extern "C" Q_DECL_EXPORT int DellamyRunWindow(int argc, char **argv)
{
    return RunDrawingWindow(argc, argv);
}
