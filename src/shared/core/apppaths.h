#pragma once

#include <QString>

// The application directory: where the programs, the two libraries and every data
// file live. Always ends with "/".
QString AppDir();

// Makes another directory the application directory for data (the command line's
// --appdir, tests). The libraries still load from ProgramDir().
void SetAppDir(const QString &dir);

// The directory of the running program, with a trailing "/".
QString ProgramDir();

// The same before any application object exists (Dellamy picks its command line or its
// window library first). `argv0` is the program's first argument, used where the
// system cannot name the running program itself.
QString ProgramDirBeforeStart(const char *argv0);

// The catalogue, the project folder and a project's file under the application directory.
QString ProjectsDir();
QString ProjectFilePath(const QString &projectName);
QString CatalogueFilePath();

// The folder for temporary files of every program (projects extracted from a package
// while they wait to be imported), with a trailing "/". Created on demand by callers.
QString TempDir();

// The draw history database, Data/history.db.
QString HistoryDatabasePath();
