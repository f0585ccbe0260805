#include "commandline.h"
#include "runwindow.h"

#include <QCoreApplication>

#include <cstdio>

// With arguments Dellamy draws on the command line, without any window and without a
// display connection; without arguments it is the drawing window.
int main(int argc, char **argv)
{
    if (argc > 1) {
        QCoreApplication application(argc, argv);
        return RunCommandLine(application.arguments().mid(1), stdout, stderr);
    }
    return RunDrawingWindow(argc, argv);
}
