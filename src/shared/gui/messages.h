#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

class QWidget;

// The suite's one message helper. Every box a window shows goes through here, with
// the caption, icon and buttons the window asks for.

void ShowError(QWidget *parent, const QString &caption, const QString &text);
void ShowInformation(QWidget *parent, const QString &caption, const QString &text);
void ShowWarning(QWidget *parent, const QString &caption, const QString &text);

// Questions: return the button pressed.
QMessageBox::StandardButton AskYesNo(QWidget *parent, const QString &caption, const QString &text);
QMessageBox::StandardButton AskYesNoCancel(QWidget *parent, const QString &caption, const QString &text);

// The one message shown when the data folder or a file in it cannot be read or written.
// `problem` names what failed (in Chinese); without it the message names the data folder.
QString RightsMessageText(const QString &problem = QString());
void ShowRightsMessage(QWidget *parent, const QString &problem = QString());

// Tests replace the boxes: the handler gets the icon, caption and text and returns the
// button "pressed". Pass an empty function to restore the real boxes.
struct ShownMessage
{
    QMessageBox::Icon icon;
    QString caption;
    QString text;
    QMessageBox::StandardButtons buttons;
};
using MessageHandler = std::function<QMessageBox::StandardButton(const ShownMessage &)>;
void SetMessageHandler(MessageHandler handler);
