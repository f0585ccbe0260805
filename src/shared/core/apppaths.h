#pragma once

#include <QString>

// Two folders matter to every program:
// - the installation folder holds the programs, the libraries and the data installed with
//   them (Icons/, Img/, Data/Demo/, the help file); the programs only read it;
// - the application directory, AppDir(), is the data folder: everything the programs write
//   (projects, catalogue, Soft.ini, hand-off files, Temp/, history) lives there.
// In a writable program folder (the assembled build, a copy on a USB stick) both are the
// program folder, exactly as before. In an installed package the data folder is the user's
// own, seeded on first start; PrepareDataDir() decides this once at each program's start.

// The data folder. Always ends with "/".
QString AppDir();

// Makes another directory the data folder (the command line's --appdir, tests). The
// libraries still load from ProgramDir(); installation data falls back to InstallDir().
void SetAppDir(const QString &dir);

// The directory of the running program, with a trailing "/": where the sibling programs and
// the run-time libraries are. Needs no application object where the system names the
// running program (Linux).
QString ProgramDir();

// The same before any application object exists (Dellamy picks its command line or its
// window library first). `argv0` is the program's first argument, used where the
// system cannot name the running program itself.
QString ProgramDirBeforeStart(const char *argv0);

// The installation folder, with a trailing "/": ProgramDir() unless a test chose another.
QString InstallDir();
void SetInstallDir(const QString &dir);

// A file or folder of the installation data, `relative` to the installation folder (e.g.
// "Img/示例图片1.jpg"): the data folder's copy when it has one, so a portable folder or an
// --appdir folder keeps its own, otherwise the installation folder's.
QString InstalledDataPath(const QString &relative);

// Replaces every `marker` in `stored` (e.g. "[Application]", "Application:") by the folder
// that holds what follows it: InstalledDataPath() of the path running up to the next "|".
// A path that exists in neither folder names the data folder.
QString ExpandAppMarker(const QString &stored, const QString &marker);

// The reverse: the data folder, and the installation folder where it differs, become `marker`.
QString CollapseAppMarker(const QString &path, const QString &marker);

// The installation marks itself read-only for data with this file: a package installs it,
// so even a user who may write the program folder (root) gets a data folder of their own.
inline constexpr char kPerUserDataMarker[] = ".per-user-data";

// The data folder for `installDir`: the installation folder itself when it takes data
// (writable and unmarked), otherwise `userDataDir`.
QString ChooseDataDir(const QString &installDir, const QString &userDataDir);

// The user's data folder in an installed suite: $XDG_DATA_HOME/zelmora/ (by default
// ~/.local/share/zelmora/), the same for every program of the suite.
QString UserDataDir();

// Creates `dataDir` from the installation's seed (sample projects, catalogue, default
// project, Soft.ini if installed) unless it exists. The seed is copied into a temporary
// folder beside it and renamed into place, so the data folder is either absent or
// complete; a concurrent start that finishes first wins and its folder is used. An existing
// data folder is never touched (an upgrade keeps the user's projects and catalogue).
// False with `failure` set when the folder cannot be created or written.
bool SeedDataDir(const QString &installDir, const QString &dataDir, QString *failure);

// At a program's start, after the application object exists: unless --appdir or a test
// chose a data folder, chooses it and seeds it. False with `failure` set (in Chinese) when
// the data folder cannot be created or written; the caller shows the rights message and ends.
bool PrepareDataDir(QString *failure);

// The data folder a program uses or will use, without creating it: for help texts.
QString DataDirInUse();

// The name the program was started by ("zelmora-draw" through the installed launcher,
// "Dellamy" in the build): help texts name what the user typed. `firstArgument`: the
// program's first argument (argv[0]).
QString InvokedProgramName(const QString &firstArgument);

// The catalogue, the project folder and a project's file under the data folder.
QString ProjectsDir();
QString ProjectFilePath(const QString &projectName);
QString CatalogueFilePath();

// The folder for temporary files of every program (projects extracted from a package
// while they wait to be imported), with a trailing "/". Created on demand by callers.
QString TempDir();

// The draw history database, Data/history.db.
QString HistoryDatabasePath();

// Where the certificates of verifiable draws are kept, with a trailing "/".
QString CertificatesDir();
