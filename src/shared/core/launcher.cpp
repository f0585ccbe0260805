#include "launcher.h"

#include "apppaths.h"

#include <QDir>
#include <QProcess>

bool StartSuiteProgram(const QString &programName, const QString &programDir, const QStringList &arguments)
{
    QString dir = programDir.isEmpty() ? ProgramDir() : programDir;
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    QString program = dir + programName;
#ifdef Q_OS_WIN
    program += QStringLiteral(".exe");
#endif
    return QProcess::startDetached(QDir::toNativeSeparators(program), arguments, dir);
}
