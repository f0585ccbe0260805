#include "runwindow.h"

#include "apppaths.h"
#include "chineseui.h"
#include "fairnesscontroller.h"
#include "historycontroller.h"
#include "messages.h"
#include "programstart.h"
#include "projectname.h"
#include "randform.h"
#include "recordcontroller.h"
#include "recordintegration.h"
#include "remotecontrol.h"
#include "remotesafety.h"
#include "verifiablecontroller.h"

#include <QApplication>
#include <QFileInfo>

#include <cstdio>

void AllowLargeSyntheticBold()
{
    if (!qEnvironmentVariableIsSet("QT_NO_SYNTHESIZED_BOLD_LIMIT"))
        qputenv("QT_NO_SYNTHESIZED_BOLD_LIMIT", "1");
}

void EndProgramWithWindow(TRandForm &form, QCoreApplication &application)
{
    QObject::connect(&form, &TRandForm::EndApplication, &application, &QCoreApplication::quit, Qt::QueuedConnection);
    QObject::connect(&form, &TRandForm::Closed, &application, &QCoreApplication::quit, Qt::QueuedConnection);
}

std::optional<WindowArguments> ParseWindowArguments(const QStringList &arguments, QString *failure)
{
    WindowArguments parsed;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &option = arguments.at(i);
        const bool hasValue = i + 1 < arguments.size() && !arguments.at(i + 1).startsWith(QLatin1String("--"));
        if (option == QLatin1String("--remote")) {
            parsed.remote = true;
            if (hasValue) {
                parsed.remoteAddress = QHostAddress(arguments.at(++i));
                if (parsed.remoteAddress->isNull()) {
                    *failure = QCoreApplication::translate("Dellamy", "“%1”不是一个 IP 地址。").arg(arguments.at(i));
                    return std::nullopt;
                }
            }
        } else if (option == QLatin1String("--project") || option == QLatin1String("--appdir")) {
            if (!hasValue) {
                *failure = QCoreApplication::translate("Dellamy", "选项 %1 缺少取值。").arg(option);
                return std::nullopt;
            }
            (option == QLatin1String("--project") ? parsed.projectName : parsed.appDir) = arguments.at(++i);
        } else {
            *failure = QCoreApplication::translate("Dellamy", "抽取窗口不认识选项“%1”。").arg(option);
            return std::nullopt;
        }
    }
    return parsed;
}

namespace {

void WriteLine(std::FILE *stream, const QString &text)
{
    const QByteArray line = (text + QLatin1Char('\n')).toUtf8();
    std::fwrite(line.constData(), 1, size_t(line.size()), stream);
    std::fflush(stream);
}

// --remote: the remote listens before the event loop runs; the page's address is the
// one line a script reads.
bool StartRemoteFromCommandLine(RemoteControl &remote, const std::optional<QHostAddress> &requested)
{
    const std::optional<QHostAddress> address = requested ? requested : LocalNetworkAddress();
    QString failure;
    if (!address)
        failure = QCoreApplication::translate("Dellamy", "本机没有局域网地址，无法开启手机遥控；可用 --remote 地址 指定一个。");
    else if (remote.Enable(*address, &failure)) {
        WriteLine(stdout, remote.Server().PageUrl().toString());
        return true;
    }
    WriteLine(stderr, failure);
    return false;
}

} // namespace

int RunDrawingWindow(int argc, char **argv)
{
    AllowLargeSyntheticBold();
    UseInterfaceLanguage();
    QApplication application(argc, argv);
    IdentifyProgram(QStringLiteral("Dellamy"), QStringLiteral("org.zelmora.Zelmora.Draw"));
    SubstituteMissingChineseFaces();
    QString failure;
    const std::optional<WindowArguments> arguments = ParseWindowArguments(application.arguments().mid(1), &failure);
    if (!arguments) {
        WriteLine(stderr, failure + QLatin1Char('\n') + QCoreApplication::translate("Dellamy", "用法：Dellamy [--project 工程名] --remote [地址] [--appdir 目录]"));
        return 2;
    }
    if (!arguments->appDir.isEmpty())
        SetAppDir(arguments->appDir);
    if (!PrepareDataDir(&failure)) {
        ShowRightsMessage(nullptr, failure);
        return 1;
    }
    // A script names its project: one that is not there is said on the terminal, where
    // the script reads, not in a box nobody may see.
    if (const QString &name = arguments->projectName; !name.isEmpty()) {
        if (const QString problem = ProjectNameFileProblem(name); !problem.isEmpty()) {
            WriteLine(stderr, problem);
            return 2;
        }
        if (!QFileInfo(ProjectFilePath(name)).isFile()) {
            WriteLine(stderr, QCoreApplication::translate("Dellamy", "工程“%1”不存在。").arg(name));
            return 3;
        }
    }
    // The tray can hide the window; the program ends when the window closes.
    QApplication::setQuitOnLastWindowClosed(false);

    TRandForm form;
    EndProgramWithWindow(form, application);
    if (form.FormShow(arguments->projectName) == TRandForm::StartupOutcome::Ended)
        return 0;
    RecordController *record = AttachRecordTools(form);
    FairnessController *fairness =
        AttachFairnessTools(form, record ? record->RandMenu() : nullptr, AttachHistoryTools(form, record));
    AttachVerifiableDraw(form, record);
    RemoteControl *remote = AttachRemoteControl(form, fairness);
    if (arguments->remote && !StartRemoteFromCommandLine(*remote, arguments->remoteAddress))
        return 1;
    return application.exec();
}
