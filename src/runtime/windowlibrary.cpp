#include "runwindow.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT int DellamyRunWindow(int argc, char **argv)
{
    return RunDrawingWindow(argc, argv);
}
