#include "windowquestion.h"

#include "messages.h"

bool WindowRemainingQuestion::AskReset(const QString &caption, const QString &text)
{
    return AskYesNoCancel(m_parent, caption, text) == QMessageBox::Yes;
}
