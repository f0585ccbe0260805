#include "apppaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <climits>
#include <unistd.h>

namespace {
QString &appDirOverride()
{
    static QString dir;
    return dir;
}

QString &installDirOverride()
{
    static QString dir;
    return dir;
}

QString withTrailingSlash(QString dir)
{
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}

QString absoluteFolder(const QString &dir)
{
    return dir.isEmpty() ? QString() : withTrailingSlash(QDir::fromNativeSeparators(QDir(dir).absolutePath()));
}

// Whether a file can be created in `dir`. The kernel's own check: it weighs read-only
// mounts and access lists as well as the rights bits, and unlike a trial file (a fifth of
// a millisecond on ext4, paid by every start) it writes nothing.
bool canWriteIn(const QString &dir)
{
    return ::access(QFile::encodeName(dir).constData(), W_OK | X_OK) == 0;
}

// What a new data folder starts with, relative to the installation folder.
const QStringList &seedEntries()
{
    static const QStringList entries{QStringLiteral("Data/menu.xml"), QStringLiteral("Data/Projects"),
                                     QStringLiteral("EditProject.ini"), QStringLiteral("Soft.ini")};
    return entries;
}

bool copyFile(const QString &from, const QString &to)
{
    QFile::remove(to);
    if (!QFile::copy(from, to))
        return false;
    // The installed copy is read-only; the user's copy is theirs to change.
    return QFile::setPermissions(to, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
}

bool copyEntry(const QString &from, const QString &to)
{
    const QFileInfo source(from);
    if (!source.isDir())
        return QDir().mkpath(QFileInfo(to).absolutePath()) && copyFile(from, to);
    if (!QDir().mkpath(to))
        return false;
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString target = to + path.mid(from.size());
        const QFileInfo entry = it.fileInfo();
        if (entry.isDir() && !entry.isSymLink() ? !QDir().mkpath(target) : !copyFile(path, target))
            return false;
    }
    return true;
}
} // namespace

namespace {
// Where the system names the running program (what QCoreApplication::applicationDirPath
// reads too), read once; empty where it does not. Needs no application object: a
// command-line draw makes none. The kernel names it with every link already followed:
// one call, where resolving the name again looked at each folder on the way (eight).
const QString &RunningProgramDir()
{
    static const QString dir = [] {
#ifdef Q_OS_LINUX
        char path[PATH_MAX];
        const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path);
        if (length > 0 && size_t(length) < sizeof path)
            return withTrailingSlash(QFileInfo(QFile::decodeName(QByteArray(path, length))).absolutePath());
#endif
        return QString();
    }();
    return dir;
}
} // namespace

QString ProgramDir()
{
    const QString &running = RunningProgramDir();
    return running.isEmpty() ? withTrailingSlash(QCoreApplication::applicationDirPath()) : running;
}

QString ProgramDirBeforeStart(const char *argv0)
{
    if (const QString &running = RunningProgramDir(); !running.isEmpty())
        return running;
    QString program = QDir::fromNativeSeparators(QString::fromLocal8Bit(argv0));
    if (!program.contains(QLatin1Char('/')))
        program = QStandardPaths::findExecutable(program);
    return withTrailingSlash(QFileInfo(program).absolutePath());
}

QString AppDir()
{
    const QString &override = appDirOverride();
    return override.isEmpty() ? ProgramDir() : override;
}

void SetAppDir(const QString &dir)
{
    appDirOverride() = absoluteFolder(dir);
}

QString InstallDir()
{
    const QString &override = installDirOverride();
    return override.isEmpty() ? ProgramDir() : override;
}

void SetInstallDir(const QString &dir)
{
    installDirOverride() = absoluteFolder(dir);
}

QString InstalledDataPath(const QString &relative)
{
    const QString inData = AppDir() + relative;
    if (QFileInfo::exists(inData))
        return inData;
    const QString installed = InstallDir() + relative;
    return QFileInfo::exists(installed) ? installed : inData;
}

QString ExpandAppMarker(const QString &stored, const QString &marker)
{
    const QStringList parts = stored.split(marker);
    QString expanded = parts.first();
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const QString &part = parts.at(i);
        const qsizetype bar = part.indexOf(QLatin1Char('|'));
        const qsizetype end = bar < 0 ? part.size() : bar;
        expanded += InstalledDataPath(part.left(end)) + part.mid(end);
    }
    return expanded;
}

QString CollapseAppMarker(const QString &path, const QString &marker)
{
    QString stored = path;
    stored.replace(AppDir(), marker, Qt::CaseSensitive);
    if (InstallDir() != AppDir())
        stored.replace(InstallDir(), marker, Qt::CaseSensitive);
    return stored;
}

QString ChooseDataDir(const QString &installDir, const QString &userDataDir)
{
    const QString install = withTrailingSlash(installDir);
    const bool takesData = !QFileInfo::exists(install + QLatin1String(kPerUserDataMarker)) && canWriteIn(install);
    return takesData ? install : withTrailingSlash(userDataDir);
}

QString UserDataDir()
{
    return withTrailingSlash(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
         + QStringLiteral("zelmora/");
}

bool SeedDataDir(const QString &installDir, const QString &dataDir, QString *failure)
{
    const QString target = QDir::cleanPath(dataDir);
    const auto fail = [&](const QString &why) {
        *failure = why;
        return false;
    };
    if (QFileInfo(target).isDir())
        return canWriteIn(target)
               || fail(QCoreApplication::translate("Files", "数据文件夹“%1”不可写入。")
                           .arg(QDir::toNativeSeparators(target)));

    const QString parent = QFileInfo(target).absolutePath();
    if (!QDir().mkpath(parent) || !canWriteIn(parent))
        return fail(
            QCoreApplication::translate("Files", "无法创建数据文件夹“%1”。").arg(QDir::toNativeSeparators(target)));
    QTemporaryDir seed(parent + QLatin1Char('/') + QFileInfo(target).fileName() + QStringLiteral(".seed-XXXXXX"));
    if (!seed.isValid())
        return fail(
            QCoreApplication::translate("Files", "无法创建数据文件夹“%1”。").arg(QDir::toNativeSeparators(target)));

    const QString install = withTrailingSlash(installDir);
    for (const QString &entry : seedEntries()) {
        const QString from = install + entry;
        if (QFileInfo::exists(from) && !copyEntry(from, seed.path() + QLatin1Char('/') + entry))
            return fail(QCoreApplication::translate("Files", "无法把“%1”复制到新的数据文件夹。")
                            .arg(QDir::toNativeSeparators(from)));
    }
    if (!QDir().mkpath(seed.path() + QStringLiteral("/Data/Projects")))
        return fail(
            QCoreApplication::translate("Files", "无法创建数据文件夹“%1”。").arg(QDir::toNativeSeparators(target)));
    // QTemporaryDir is private to its creator; the data folder is an ordinary user folder.
    QFile::setPermissions(seed.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                           | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    if (QDir().rename(seed.path(), target)) {
        seed.setAutoRemove(false);
        return true;
    }
    // Another start seeded the folder meanwhile: use its complete copy, drop ours.
    if (QFileInfo(target).isDir())
        return true;
    return fail(QCoreApplication::translate("Files", "无法创建数据文件夹“%1”。").arg(QDir::toNativeSeparators(target)));
}

bool PrepareDataDir(QString *failure)
{
    if (!appDirOverride().isEmpty())
        return true;
    const QString dataDir = ChooseDataDir(InstallDir(), UserDataDir());
    if (dataDir != InstallDir() && !SeedDataDir(InstallDir(), dataDir, failure))
        return false;
    SetAppDir(dataDir);
    return true;
}

QString DataDirInUse()
{
    return appDirOverride().isEmpty() ? ChooseDataDir(InstallDir(), UserDataDir()) : AppDir();
}

QString InvokedProgramName(const QString &firstArgument)
{
    const QString name = QFileInfo(firstArgument).completeBaseName();
    return name.isEmpty() ? QCoreApplication::applicationName() : name;
}

QString ProjectsDir()
{
    return AppDir() + QStringLiteral("Data/Projects/");
}

QString ProjectFilePath(const QString &projectName)
{
    return ProjectsDir() + projectName + QStringLiteral(".rpj");
}

QString CatalogueFilePath()
{
    return AppDir() + QStringLiteral("Data/menu.xml");
}

QString TempDir()
{
    return AppDir() + QStringLiteral("Temp/");
}

QString HistoryDatabasePath()
{
    return AppDir() + QStringLiteral("Data/history.db");
}

QString CertificatesDir()
{
    return AppDir() + QStringLiteral("Certificates/");
}
