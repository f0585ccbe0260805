#pragma once

#include <QHostAddress>
#include <QString>
#include <QStringList>

#include <optional>

class QCoreApplication;
class TRandForm;

// The drawing window's own arguments: Dellamy [--project NAME] --remote [ADDRESS]
// [--appdir DIR]. Without --project the window opens EditProject.ini's project; without
// an address the remote listens on the local network's address.
struct WindowArguments
{
    QString projectName;
    bool remote = false;
    std::optional<QHostAddress> remoteAddress;
    QString appDir;
};
// Null with `failure` set (in Chinese) for an unknown option, a missing value or an
// address that is not one.
std::optional<WindowArguments> ParseWindowArguments(const QStringList &arguments, QString *failure);

// Dellamy without command-line arguments: creates the application, binds the codec,
// opens the project named in EditProject.ini in TRandForm and runs the event loop.
// Returns the program's exit code (0 also when the start-up ended the program on
// purpose, e.g. a missing project or a cancelled password).
int RunDrawingWindow(int argc, char **argv);

// Ends the event loop when the start-up gives up or the window has closed. The end
// waits for everything the close does (the write-back of the record settings and the
// error box it may show), so no message is cut short.
void EndProgramWithWindow(TRandForm &form, QCoreApplication &application);

// Large bold text (results shown big to a room) stays bold in a face without a bold
// style of its own, such as the stand-in for a missing Chinese face: the platform's
// font engine otherwise draws it regular from 64 pixels up. Takes effect for fonts
// prepared after the call; RunDrawingWindow calls it before anything is drawn.
void AllowLargeSyntheticBold();
