#pragma once

#include <QString>

// The three hand-off files in the application directory through which one program of
// the suite leaves work for another it starts. A missing file reads as no hand-off.
// Every function throws IniAccessError when the file cannot be read or written; the
// window side runs them in a guarded block (guarded.h).

// DesignSender.ini [Sender]: the wizard asks the project menu to open a new project
// in the design window.
QString DesignSenderPath();
void WriteDesignSender(const QString &projectName);  // FromCreatePage=1, ProjName
void ResetDesignSender();                             // FromCreatePage=0, ProjName empty
// The project to open: ProjName when FromCreatePage is set, else empty.
QString ReadDesignSender();

// RandEditSender.ini [Sender]: the design window asks the wizard to edit a project's
// generation parameters.
QString RandEditSenderPath();
void WriteRandEditSender(const QString &projectName);  // Designer=1, ProjName
void ResetRandEditSender();                             // Designer=0, ProjName empty
// The project whose parameters to edit: ProjName when Designer is set, else empty.
QString ReadRandEditSender();

// EditProject.ini [Project]: the runtime's default project, written by the menu's
// open command and never reset.
QString EditProjectPath();
struct EditProjectHandOff
{
    int id = 0;    // 0-based position in the menu
    QString name;  // the project's name (empty when none was ever opened)
};
void WriteEditProject(int id, const QString &projectName);
EditProjectHandOff ReadEditProject();
