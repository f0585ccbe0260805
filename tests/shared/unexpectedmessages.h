#pragma once

#include "messages.h"

#include <QtGlobal>

// For tests that expect no message box: any message is answered OK and logged, so a
// window that meets a problem shows it in the test's output instead of waiting for a
// click.
inline void LogUnexpectedMessages()
{
    SetMessageHandler([](const ShownMessage &message) {
        qWarning("unexpected message: %s", qPrintable(message.text));
        return QMessageBox::Ok;
    });
}
