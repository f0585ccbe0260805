#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>
#include <optional>

// What the project manager does with files and the catalogue, for its window and its
// command line alike: export single files and packages, read chosen files for import
// (packages are extracted to TempDir()), import with the format upgrade.

enum class ExchangeFailure {
    None,
    Unreadable,  // a file missing, unreadable or not a sound project
    RefusedName, // a name that cannot become a file name of ours
    WriteFailed, // a target that could not be written
    Protected,   // a project with an edit password that was not given
};

// What happens when a project's target is taken (a catalogue name on import, an
// existing file on export).
enum class ClashChoice { Replace, Rename, Skip };
// Arguments: the name (or file) that is taken and the free name Rename would use.
using ClashResolver = std::function<ClashChoice(const QString &taken, const QString &freeName)>;

enum class ExchangeOutcome { Done, Replaced, Renamed, Skipped, Failed };

struct ProjectResult
{
    QString source;  // project name (export), list label (import)
    QString target;  // file written (export), name imported as (import)
    ExchangeOutcome outcome = ExchangeOutcome::Done;
    ExchangeFailure failure = ExchangeFailure::None;
    QString problem;       // for Failed and Skipped, in words
    QString upgradedFrom;  // import of a plain document: its format version before ("" = older than 2.3)
    bool upgraded = false;

    bool Arrived() const
    {
        return outcome == ExchangeOutcome::Done || outcome == ExchangeOutcome::Replaced
            || outcome == ExchangeOutcome::Renamed;
    }
};

// "名称 (2)", "名称 (3)", … : the first for which `taken` is false.
QString FreeName(const QString &name, const std::function<bool(const QString &)> &taken);

// Copies Data/Projects/<name>.rpj byte for byte to <folder>/<name>.rproj for each name.
// An existing target is never overwritten unless `onExisting` says Replace.
QVector<ProjectResult> ExportSingleFiles(const QStringList &names, const QString &folder,
                                         const ClashResolver &onExisting);

// Packs the named projects into PackageFileName(chosenFile), or into
// <folder>/<first project>.rprojs when `chosenFile` names a folder. Projects that cannot be
// read are reported and left out; nothing is written when none can be read, or when
// the file exists and `onExisting` says Skip (Rename picks "<stem> (2).rprojs").
struct PackResult
{
    QString file; // the file written, or empty
    QVector<ProjectResult> projects;
};
PackResult ExportPackage(const QStringList &names, const QString &chosenFile, const ClashResolver &onExisting);

// One project waiting to be imported: a line of the import list.
struct ImportCandidate
{
    QString label;          // file name, or the packed name
    QString path;           // the file to import
    bool extracted = false; // a file this program wrote into TempDir(), removed after import

    QString LineText() const; // "label | path"
    QString ProjectName() const; // the label up to its first "."
};

struct ImportFileProblem
{
    QString subject; // the file (and record) concerned
    QString text;
    ExchangeFailure failure = ExchangeFailure::Unreadable;
};

struct LoadedImportFiles
{
    QVector<ImportCandidate> candidates;
    QVector<ImportFileProblem> problems;
};

// Reads the chosen files in order: a .rproj file is one candidate; a .rprojs package is
// split and each sound record written to TempDir() as a candidate. Broken records, names
// that cannot be file names and files of other kinds are reported, the rest still load.
LoadedImportFiles LoadImportFiles(const QStringList &paths);

// Removes the extracted files of these candidates (the others belong to the user).
void RemoveExtractedFiles(const QVector<ImportCandidate> &candidates);

// Whether a project protected by an edit password may be replaced: asks for (or checks)
// the password. Arguments: the project's name and its edit password.
using ProtectedReplaceCheck = std::function<bool(const QString &name, const QString &editPassword)>;

// Called after each candidate with the number done and the total; returning false stops
// the import there (what was imported so far is kept and listed).
using ImportProgress = std::function<bool(qsizetype done, qsizetype total)>;

// Imports the candidates in order. A plain document is brought up to the current format
// and stored encoded; an encoded one is checked to decode and copied byte for byte.
// A name already in the catalogue (or whose project file exists) goes to `onClash`; a
// project with an edit password is replaced only when `mayReplaceProtected` agrees (none:
// never), else the candidate fails as Protected. The new entries (Remark empty, Pic 1, not
// read-only) reach the catalogue through one load-change-save at the end. Project files
// this import creates are listed in a journal in TempDir() until the catalogue lists them,
// so an import cut short (a crash, a kill) is rolled back by RecoverInterruptedImport.
// Every extracted file is removed, whatever happens. Throws SuiteError, having written
// nothing, when the catalogue cannot be read.
QVector<ProjectResult> ImportProjects(const QVector<ImportCandidate> &candidates, const ClashResolver &onClash,
                                      const ProtectedReplaceCheck &mayReplaceProtected = {},
                                      const ImportProgress &progress = {});

// Removes the project files an interrupted import created and the catalogue does not list,
// then its journal. Does nothing while another import is running. Called at the manager's
// start and before every import.
void RecoverInterruptedImport();

// The edit password of an existing project that is protected by one; nothing when it is
// not protected or cannot be read (a damaged project may be replaced).
std::optional<QString> EditPasswordOfProject(const QString &name);
