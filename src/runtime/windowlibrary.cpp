#include "runquickdraw.h"
#include "runwindow.h"
#include "windowentry.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT int DellamyRunWindow(int argc, char **argv)
{
    return AsksForQuickDrawBar(argc, argv) ? RunQuickDrawBar(argc, argv) : RunDrawingWindow(argc, argv);
}
