#pragma once

#include "messagelog.h"
#include "modedialog.h"

#include <QWidget>

// A dialog opened as the wizard opens it, handing back through the log's Commander.
template <typename Dialog>
Dialog *openFor(MessageLog &log)
{
    auto *dialog = new Dialog;
    dialog->SetRequirer(kRequirerCreatePage);
    dialog->SetCommander(&log.commander);
    return dialog;
}

// A control of the dialog by objectName; a missing one ends the test run.
template <typename T>
T *child(QWidget *dialog, const char *name)
{
    T *found = dialog->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("control %s missing", name);
    return found;
}
