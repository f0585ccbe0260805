#pragma once

class QString;
class QWidget;

// What the menu, the wizard and the manager do once their QApplication exists: an
// installed CJK face stands in for "微软雅黑", for which their windows are laid out; the
// data folder is chosen (and seeded on a first start); the codec is bound. False, after a
// message box has told the user why, when the program cannot go on.
bool PrepareWindowProgram();

// Names the program to the desktop, so its windows belong to its menu entry
// (`desktopFileName` without ".desktop"; the window class is `program`, the desktop
// file's StartupWMClass), and gives its windows the suite's icon. Call once the
// QApplication exists.
void IdentifyProgram(const QString &program, const QString &desktopFileName);

// Places a program's main window in the middle of the primary screen's free area.
void CentreMainWindow(QWidget *window);
