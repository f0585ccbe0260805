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

// The catalogue, the project folder and a project's file under the application directory.
QString ProjectsDir();
QString ProjectFilePath(const QString &projectName);
QString CatalogueFilePath();

// The draw history database, Data/history.db.
QString HistoryDatabasePath();
