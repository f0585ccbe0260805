#pragma once

class QCoreApplication;
class TRandForm;

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
