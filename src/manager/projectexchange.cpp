#include "projectexchange.h"

#include "apppaths.h"
#include "encodedxml.h"
#include "fileerror.h"
#include "formatupgrade.h"
#include "projectcatalogue.h"
#include "projectheader.h"
#include "projectname.h"
#include "projectpackage.h"
#include "querysection.h"
#include "suiteerror.h"
#include "textfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSet>

namespace {

const QString kLineSeparator = QStringLiteral(" | ");

// Why a name cannot be used for a project file, or empty text.
QString nameProblem(const QString &name)
{
    if (name.isEmpty())
        return QCoreApplication::translate("ProjectExchange", "工程名称为空。");
    return ProjectNameFileProblem(name);
}

ProjectResult failed(ProjectResult result, ExchangeFailure failure, const QString &problem)
{
    result.outcome = ExchangeOutcome::Failed;
    result.failure = failure;
    result.problem = problem;
    return result;
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        throw SuiteError(QCoreApplication::translate("ProjectExchange", "无法读取文件“%1”。").arg(QFileInfo(path).fileName()));
    return file.readAll();
}

// The project file of a name, or a SuiteError saying it is not there.
QString existingProjectFile(const QString &name)
{
    const QString source = ProjectFilePath(name);
    if (!QFileInfo(source).isFile())
        throw SuiteError(QCoreApplication::translate("ProjectExchange", "工程“%1”的文件 %2.rpj 不存在。").arg(name, name));
    return source;
}

// A file in `folder` named <stem><suffix>, or "<stem> (k)<suffix>" when that exists.
QString freeFilePath(const QString &folder, const QString &stem, const QString &suffix)
{
    const QDir dir(folder);
    const auto taken = [&](const QString &n) { return dir.exists(n + suffix); };
    return dir.filePath((taken(stem) ? FreeName(stem, taken) : stem) + suffix);
}

// Writes a file of TempDir() that lives only until the import ends: no need to wait for
// the disk as a saved file does (that wait was most of the time of a large import).
void writeScratchFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly) || file.write(bytes) != bytes.size()) {
        const QString reason = FileErrorText(file);
        file.remove();
        throw SuiteError(QCoreApplication::translate("ProjectExchange", "无法写入临时文件“%1”：%2").arg(QDir::toNativeSeparators(path), reason));
    }
}

// A document ready to be stored under Data/Projects.
struct PreparedProject
{
    bool plain = false;
    QDomDocument document; // plain documents, upgraded
    QByteArray storedBytes; // encoded documents, copied as they are
    QString upgradedFrom;
    bool upgraded = false;
};

// Plain XML (older installations) is upgraded and will be encoded; the stored form must
// decode to a project before it is copied, so a damaged file never reaches the menu.
PreparedProject prepareProject(const QString &path)
{
    const QString label = QFileInfo(path).fileName();
    PreparedProject project;
    try {
        const QString text = ReadWholeText(path);
        project.plain = text.trimmed().startsWith(QLatin1Char('<'));
        if (project.plain) {
            project.document = ParseXmlText(text, label);
            project.upgradedFrom = UpgradeProjectFormat(project.document);
            project.upgraded = project.upgradedFrom != kCurrentFormatVersion;
        } else {
            ReadQuerySection(LoadEncodedDocument(path));
            project.storedBytes = readBytes(path);
        }
    } catch (const SuiteError &error) {
        throw SuiteError(QCoreApplication::translate("ProjectExchange", "“%1”不是可以导入的工程文件：%2").arg(label, error.message()));
    }
    return project;
}

void storeProject(const PreparedProject &project, const QString &target)
{
    if (project.plain)
        SaveEncodedDocument(project.document, target);
    else
        WriteFileAtomically(target, project.storedBytes);
}

// Removes the extracted files when an import ends, however it ends.
class ExtractedFilesCleanup
{
public:
    explicit ExtractedFilesCleanup(const QVector<ImportCandidate> &candidates) : m_candidates(candidates) {}
    ~ExtractedFilesCleanup() { RemoveExtractedFiles(m_candidates); }
    ExtractedFilesCleanup(const ExtractedFilesCleanup &) = delete;
    ExtractedFilesCleanup &operator=(const ExtractedFilesCleanup &) = delete;

private:
    const QVector<ImportCandidate> &m_candidates;
};

// The project files an import creates, one name a line in a journal in TempDir(), written
// before each file so that an import cut short can be rolled back. The lock keeps a second
// manager from rolling back an import that is still running; a lock left by a process
// that died is taken over.
class ImportJournal
{
public:
    ImportJournal() : m_lock(TempDir() + QStringLiteral("import.lock")), m_journal(TempDir() + QStringLiteral("import-journal.txt"))
    {
        m_lock.setStaleLockTime(0); // only a dead owner makes the lock stale, however long an import runs
    }

    bool Lock()
    {
        QDir().mkpath(TempDir());
        return m_lock.tryLock(0) || m_lock.error() == QLockFile::PermissionError;
    }

    // Removes the files a previous import listed that the catalogue does not list; the
    // journal stays when the catalogue cannot be read, so nothing listed is lost.
    void RollBack()
    {
        if (!m_journal.exists())
            return;
        QSet<QString> listed;
        try {
            for (const CatalogueEntry &entry : ProjectCatalogue::LoadCatalogue(CatalogueFilePath()).ReadEntries())
                listed.insert(entry.name);
        } catch (const SuiteError &) {
            return;
        }
        if (!m_journal.open(QIODevice::ReadOnly))
            return;
        const QStringList names = QString::fromUtf8(m_journal.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        m_journal.close();
        for (const QString &name : names)
            if (!listed.contains(name) && nameProblem(name).isEmpty())
                QFile::remove(ProjectFilePath(name));
        m_journal.remove();
    }

    // Lists a file before it is written. Throws SuiteError when the journal cannot be written.
    void Note(const QString &name)
    {
        if (!m_journal.isOpen() && !m_journal.open(QIODevice::WriteOnly | QIODevice::Truncate))
            throw SuiteError(QCoreApplication::translate("ProjectExchange", "无法写入导入记录“%1”：%2")
                                 .arg(QDir::toNativeSeparators(m_journal.fileName()), FileErrorText(m_journal)));
        if (m_journal.write((name + QLatin1Char('\n')).toUtf8()) < 0 || !m_journal.flush())
            throw SuiteError(QCoreApplication::translate("ProjectExchange", "无法写入导入记录“%1”：%2")
                                 .arg(QDir::toNativeSeparators(m_journal.fileName()), FileErrorText(m_journal)));
    }

    // The catalogue lists what stays: the journal goes.
    void Close()
    {
        m_journal.close();
        m_journal.remove();
    }

private:
    QLockFile m_lock;
    QFile m_journal;
};

} // namespace

QString FreeName(const QString &name, const std::function<bool(const QString &)> &taken)
{
    // Finitely many names are taken, so this ends.
    for (int k = 2;; ++k) {
        const QString candidate = QStringLiteral("%1 (%2)").arg(name).arg(k);
        if (!taken(candidate))
            return candidate;
    }
}

QVector<ProjectResult> ExportSingleFiles(const QStringList &names, const QString &folder,
                                         const ClashResolver &onExisting)
{
    QVector<ProjectResult> results;
    for (const QString &name : names) {
        ProjectResult result;
        result.source = name;
        if (const QString problem = nameProblem(name); !problem.isEmpty()) {
            results << failed(result, ExchangeFailure::RefusedName, problem);
            continue;
        }
        QString source;
        try {
            source = existingProjectFile(name);
        } catch (const SuiteError &error) {
            results << failed(result, ExchangeFailure::Unreadable, error.message());
            continue;
        }
        if (!QFileInfo(folder).isDir()) {
            results << failed(result, ExchangeFailure::WriteFailed,
                              QCoreApplication::translate("ProjectExchange", "文件夹“%1”不存在。").arg(QDir::toNativeSeparators(folder)));
            continue;
        }
        result.target = QDir(folder).filePath(name + kProjectFileSuffix);
        if (QFileInfo::exists(result.target)) {
            const QString free = freeFilePath(folder, name, kProjectFileSuffix);
            switch (onExisting(QFileInfo(result.target).fileName(), QFileInfo(free).fileName())) {
            case ClashChoice::Skip:
                result.outcome = ExchangeOutcome::Skipped;
                result.problem = QCoreApplication::translate("ProjectExchange", "文件 %1 已经存在").arg(QFileInfo(result.target).fileName());
                results << result;
                continue;
            case ClashChoice::Rename:
                result.outcome = ExchangeOutcome::Renamed;
                result.target = free;
                break;
            case ClashChoice::Replace:
                result.outcome = ExchangeOutcome::Replaced;
                break;
            }
        }
        try {
            if (result.outcome == ExchangeOutcome::Replaced) {
                WriteFileAtomically(result.target, readBytes(source));
            } else {
                QFile file(source);
                if (!file.copy(result.target))
                    throw SuiteError(QCoreApplication::translate("ProjectExchange", "无法写入文件“%1”：%2")
                                         .arg(QDir::toNativeSeparators(result.target), FileErrorText(file)));
            }
        } catch (const SuiteError &error) {
            results << failed(result, ExchangeFailure::WriteFailed, error.message());
            continue;
        }
        results << result;
    }
    return results;
}

PackResult ExportPackage(const QStringList &names, const QString &chosenFile, const ClashResolver &onExisting)
{
    PackResult pack;
    QVector<PackageRecord> records;
    for (const QString &name : names) {
        ProjectResult result;
        result.source = name;
        if (const QString problem = nameProblem(name); !problem.isEmpty()) {
            pack.projects << failed(result, ExchangeFailure::RefusedName, problem);
            continue;
        }
        try {
            records << PackageRecord{name, ReadTextLines(existingProjectFile(name))};
        } catch (const SuiteError &error) {
            pack.projects << failed(result, ExchangeFailure::Unreadable, error.message());
            continue;
        }
        pack.projects << result;
    }
    if (records.isEmpty())
        return pack;

    // A folder (or a path ending in a separator) gets a package named after its first project.
    const bool folder = chosenFile.endsWith(QLatin1Char('/')) || chosenFile.endsWith(QDir::separator())
                     || QFileInfo(chosenFile).isDir();
    QString file = folder ? QDir(chosenFile).filePath(records.first().name + kPackageSuffix) : PackageFileName(chosenFile);
    auto markPacked = [&](ExchangeOutcome outcome, const QString &problem, ExchangeFailure failure) {
        for (ProjectResult &result : pack.projects) {
            if (result.outcome == ExchangeOutcome::Failed)
                continue;
            result.outcome = outcome;
            result.problem = problem;
            result.failure = failure;
            result.target = file;
        }
    };
    ExchangeOutcome outcome = ExchangeOutcome::Done;
    if (QFileInfo::exists(file)) {
        const QFileInfo info(file);
        const QString stem = info.fileName().chopped(kPackageSuffix.size());
        const QString free = freeFilePath(info.absolutePath(), stem, kPackageSuffix);
        switch (onExisting(info.fileName(), QFileInfo(free).fileName())) {
        case ClashChoice::Skip:
            markPacked(ExchangeOutcome::Skipped, QCoreApplication::translate("ProjectExchange", "文件 %1 已经存在").arg(info.fileName()),
                       ExchangeFailure::None);
            return pack;
        case ClashChoice::Rename:
            file = free;
            outcome = ExchangeOutcome::Renamed;
            break;
        case ClashChoice::Replace:
            outcome = ExchangeOutcome::Replaced;
            break;
        }
    }
    try {
        WriteFileAtomically(file, EncodeUtf16LeWithBom({ComposePackage(records)}));
    } catch (const SuiteError &error) {
        markPacked(ExchangeOutcome::Failed, error.message(), ExchangeFailure::WriteFailed);
        return pack;
    }
    markPacked(outcome, QString(), ExchangeFailure::None);
    pack.file = file;
    return pack;
}

QString ImportCandidate::LineText() const
{
    return label + kLineSeparator + path;
}

QString ImportCandidate::ProjectName() const
{
    return label.section(QLatin1Char('.'), 0, 0);
}

LoadedImportFiles LoadImportFiles(const QStringList &paths)
{
    LoadedImportFiles loaded;
    auto problem = [&](const QString &subject, const QString &text, ExchangeFailure failure) {
        loaded.problems << ImportFileProblem{subject, text, failure};
    };
    for (const QString &path : paths) {
        const QFileInfo info(path);
        const QString fileName = info.fileName();
        const bool package = fileName.endsWith(kPackageSuffix, Qt::CaseInsensitive);
        if (!package && !fileName.endsWith(kProjectFileSuffix, Qt::CaseInsensitive)) {
            problem(fileName, QCoreApplication::translate("ProjectExchange", "不是工程文件（.rproj）或工程包（.rprojs）。"), ExchangeFailure::Unreadable);
            continue;
        }
        if (!info.isFile()) {
            problem(fileName, QCoreApplication::translate("ProjectExchange", "文件不存在或不是普通文件。"), ExchangeFailure::Unreadable);
            continue;
        }
        if (!package) {
            const ImportCandidate candidate{fileName, QDir::fromNativeSeparators(info.absoluteFilePath()), false};
            if (const QString bad = nameProblem(candidate.ProjectName()); !bad.isEmpty())
                problem(fileName, bad, ExchangeFailure::RefusedName);
            else
                loaded.candidates << candidate;
            continue;
        }
        QString text;
        try {
            text = ReadWholeText(path);
        } catch (const SuiteError &error) {
            problem(fileName, error.message(), ExchangeFailure::Unreadable);
            continue;
        }
        for (const PackedProject &packed : SplitPackage(text)) {
            const QString subject = QCoreApplication::translate("ProjectExchange", "%1 第 %2 个记录").arg(fileName).arg(packed.number);
            if (!packed.problem.isEmpty()) {
                problem(fileName, packed.problem, ExchangeFailure::Unreadable);
                continue;
            }
            // The packed name becomes the name of a file in Temp/ and of a project.
            QString bad = nameProblem(packed.name);
            if (bad.isEmpty())
                bad = nameProblem(ImportCandidate{packed.name, QString(), true}.ProjectName());
            if (!bad.isEmpty()) {
                problem(subject, QCoreApplication::translate("ProjectExchange", "工程名称“%1”无效：%2").arg(packed.name, bad), ExchangeFailure::RefusedName);
                continue;
            }
            try {
                if (!QDir().mkpath(TempDir()))
                    throw SuiteError(QCoreApplication::translate("ProjectExchange", "无法创建临时文件夹“%1”。").arg(QDir::toNativeSeparators(TempDir())));
                const QString extracted = freeFilePath(TempDir(), packed.name, kProjectFileSuffix);
                writeScratchFile(extracted, EncodeUtf16LeWithBom(SplitTextLines(packed.content)));
                loaded.candidates << ImportCandidate{packed.name, extracted, true};
            } catch (const SuiteError &error) {
                problem(subject, error.message(), ExchangeFailure::WriteFailed);
            }
        }
    }
    return loaded;
}

void RemoveExtractedFiles(const QVector<ImportCandidate> &candidates)
{
    for (const ImportCandidate &candidate : candidates) {
        if (candidate.extracted)
            QFile::remove(candidate.path);
    }
}

std::optional<QString> EditPasswordOfProject(const QString &name)
{
    try {
        const ProjectHeader header = ReadProjectHeader(LoadEncodedDocument(ProjectFilePath(name)));
        if (header.editWithPwd)
            return header.editPwd;
    } catch (const SuiteError &) {
        // Missing or damaged: nothing left to protect.
    }
    return std::nullopt;
}

void RecoverInterruptedImport()
{
    ImportJournal journal;
    if (journal.Lock())
        journal.RollBack();
}

QVector<ProjectResult> ImportProjects(const QVector<ImportCandidate> &candidates, const ClashResolver &onClash,
                                      const ProtectedReplaceCheck &mayReplaceProtected, const ImportProgress &progress)
{
    const ExtractedFilesCleanup cleanup(candidates);
    ImportJournal journal;
    if (!journal.Lock())
        throw SuiteError(QCoreApplication::translate("ProjectExchange", "另一个工程管理程序正在导入工程，请等它完成后再导入。"));
    journal.RollBack();
    const QString cataloguePath = CatalogueFilePath();
    QSet<QString> catalogueNames;
    for (const CatalogueEntry &entry : ProjectCatalogue::LoadCatalogue(cataloguePath).ReadEntries())
        catalogueNames.insert(entry.name);
    QDir().mkpath(ProjectsDir());

    QSet<QString> taken = catalogueNames; // grows with the names imported here
    auto isTaken = [&](const QString &name) { return taken.contains(name) || QFileInfo::exists(ProjectFilePath(name)); };
    QVector<ProjectResult> results;
    QStringList newEntries;
    QSet<QString> newEntryNames;
    QStringList createdFiles;
    QVector<qsizetype> resultsNeedingEntries;
    for (qsizetype index = 0; index < candidates.size(); ++index) {
        if (progress && index > 0 && !progress(index, candidates.size()))
            break;
        const ImportCandidate &candidate = candidates.at(index);
        ProjectResult result;
        result.source = candidate.label;
        QString name = candidate.ProjectName();
        if (const QString problem = nameProblem(name); !problem.isEmpty()) {
            results << failed(result, ExchangeFailure::RefusedName, problem);
            continue;
        }
        PreparedProject project;
        try {
            project = prepareProject(candidate.path);
        } catch (const SuiteError &error) {
            results << failed(result, ExchangeFailure::Unreadable, error.message());
            continue;
        }
        result.upgradedFrom = project.upgradedFrom;
        result.upgraded = project.upgraded;
        if (isTaken(name)) {
            const QString free = FreeName(name, isTaken);
            switch (onClash(name, free)) {
            case ClashChoice::Skip:
                result.outcome = ExchangeOutcome::Skipped;
                result.target = name;
                result.problem = QCoreApplication::translate("ProjectExchange", "同名的工程“%1”已经存在").arg(name);
                results << result;
                continue;
            case ClashChoice::Rename:
                result.outcome = ExchangeOutcome::Renamed;
                name = free;
                break;
            case ClashChoice::Replace:
                if (const std::optional<QString> password = EditPasswordOfProject(name);
                    password && !(mayReplaceProtected && mayReplaceProtected(name, *password))) {
                    result.target = name;
                    results << failed(result, ExchangeFailure::Protected,
                                      QCoreApplication::translate("ProjectExchange", "工程“%1”设有编辑密码，没有输入它的编辑密码，不能替换").arg(name));
                    continue;
                }
                result.outcome = ExchangeOutcome::Replaced;
                break;
            }
        }
        result.target = name;
        const QString target = ProjectFilePath(name);
        const bool existed = QFileInfo::exists(target);
        try {
            if (!existed)
                journal.Note(name);
            storeProject(project, target);
        } catch (const SuiteError &error) {
            results << failed(result, ExchangeFailure::WriteFailed, error.message());
            continue;
        }
        if (!existed)
            createdFiles << target;
        taken.insert(name);
        if (!catalogueNames.contains(name) && !newEntryNames.contains(name)) {
            newEntries << name;
            newEntryNames.insert(name);
            resultsNeedingEntries << results.size();
        }
        results << result;
    }
    if (progress)
        progress(candidates.size(), candidates.size());

    if (newEntries.isEmpty()) {
        journal.Close();
        return results;
    }
    try {
        // Loaded afresh: entries another program added meanwhile stay.
        UpdateCatalogue(cataloguePath, [&](ProjectCatalogue &catalogue) {
            QSet<QString> present;
            for (const CatalogueEntry &entry : catalogue.ReadEntries())
                present.insert(entry.name);
            for (const QString &name : newEntries) {
                if (!present.contains(name))
                    catalogue.AppendEntry(name, 1);
            }
        });
    } catch (const SuiteError &error) {
        // Without entries the new files would be invisible: take them back.
        for (const QString &file : createdFiles)
            QFile::remove(file);
        for (qsizetype index : resultsNeedingEntries)
            results[index] = failed(results[index], ExchangeFailure::WriteFailed,
                                    QCoreApplication::translate("ProjectExchange", "无法写入项目目录：%1").arg(error.message()));
    }
    journal.Close();
    return results;
}
