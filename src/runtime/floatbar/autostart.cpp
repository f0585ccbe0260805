#include "autostart.h"

#include "suiteerror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

// An Exec argument in double quotes, with the characters the desktop entry format
// escapes inside them.
QString QuotedExecArgument(const QString &argument)
{
    QString quoted;
    for (const QChar c : argument) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    // Inside the file a backslash is itself escaped, and "%" is a field code.
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    quoted.replace(QLatin1Char('%'), QStringLiteral("%%"));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

QString AutostartEntryPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/autostart/org.zelmora.QuickDraw.desktop");
}

bool AutostartEntryExists()
{
    return QFileInfo::exists(AutostartEntryPath());
}

void WriteAutostartEntry(const QString &program, const QStringList &arguments)
{
    QStringList exec{QuotedExecArgument(program)};
    for (const QString &argument : arguments)
        exec << QuotedExecArgument(argument);
    const QString text = QStringLiteral("[Desktop Entry]\n"
                                        "Type=Application\n"
                                        "Name=Zelmora Quick Draw\n"
                                        "Name[zh_CN]=Zelmora 悬浮抽取\n"
                                        "Comment=Floating draw button\n"
                                        "Comment[zh_CN]=开机后显示悬浮抽取按钮\n"
                                        "Exec=%1\n"
                                        "Terminal=false\n"
                                        "X-GNOME-Autostart-enabled=true\n")
                             .arg(exec.join(QLatin1Char(' ')));
    const QString path = AutostartEntryPath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit())
        throw SuiteError(QCoreApplication::translate("QuickDrawBar", "无法写入开机启动项 %1：%2").arg(QDir::toNativeSeparators(path), file.errorString()));
}

void RemoveAutostartEntry()
{
    QFile file(AutostartEntryPath());
    if (file.exists() && !file.remove())
        throw SuiteError(QCoreApplication::translate("QuickDrawBar", "无法删除开机启动项 %1：%2").arg(QDir::toNativeSeparators(file.fileName()), file.errorString()));
}
