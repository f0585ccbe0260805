#include "apppaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
QString &appDirOverride()
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
} // namespace

QString ProgramDir()
{
    return withTrailingSlash(QCoreApplication::applicationDirPath());
}

QString ProgramDirBeforeStart(const char *argv0)
{
#ifdef Q_OS_LINUX
    // What QCoreApplication::applicationDirPath reads too.
    const QFileInfo self(QStringLiteral("/proc/self/exe"));
    if (self.exists())
        return withTrailingSlash(QFileInfo(self.canonicalFilePath()).absolutePath());
#endif
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
    appDirOverride() = dir.isEmpty() ? QString() : withTrailingSlash(QDir::fromNativeSeparators(QDir(dir).absolutePath()));
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
