#include "apppaths.h"

#include <QCoreApplication>
#include <QDir>

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

QString HistoryDatabasePath()
{
    return AppDir() + QStringLiteral("Data/history.db");
}
