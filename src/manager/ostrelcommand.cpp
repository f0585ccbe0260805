#include "ostrelcommand.h"

#include "apppaths.h"
#include "suiteerror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

// Imports of at least this many projects report their progress.
constexpr qsizetype kProgressFrom = 200;

void Write(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

QString RequireValue(const QStringList &arguments, qsizetype &i)
{
    const QString option = arguments.at(i);
    if (i + 1 >= arguments.size() || arguments.at(i + 1).startsWith(QStringLiteral("--")))
        throw SuiteError(QCoreApplication::translate("Ostrel", "选项 %1 缺少取值。").arg(option));
    return arguments.at(++i);
}

int StatusOf(ExchangeFailure failure)
{
    switch (failure) {
    case ExchangeFailure::None:
        return kOstrelOk;
    case ExchangeFailure::Unreadable:
        return kOstrelUnreadable;
    case ExchangeFailure::RefusedName:
    case ExchangeFailure::Protected:
        return kOstrelRefusedName;
    case ExchangeFailure::WriteFailed:
        return kOstrelWriteFailed;
    }
    return kOstrelUnreadable;
}

QString Native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// The exit status is that of the first problem met; later projects are still done.
class StatusKeeper
{
public:
    void Note(ExchangeFailure failure)
    {
        if (m_status == kOstrelOk)
            m_status = StatusOf(failure);
    }
    int Status() const { return m_status; }

private:
    int m_status = kOstrelOk;
};

int RunExport(const OstrelOptions &options, std::FILE *out, std::FILE *err)
{
    StatusKeeper status;
    const auto policy = [&](const QString &, const QString &) { return options.onClash; };
    for (const ProjectResult &result : ExportSingleFiles(options.items, options.to, policy)) {
        switch (result.outcome) {
        case ExchangeOutcome::Done:
            Write(out, QCoreApplication::translate("Ostrel", "已导出：%1 → %2\n").arg(result.source, Native(result.target)));
            break;
        case ExchangeOutcome::Replaced:
            Write(out, QCoreApplication::translate("Ostrel", "已导出并替换：%1 → %2\n").arg(result.source, Native(result.target)));
            break;
        case ExchangeOutcome::Renamed:
            Write(out, QCoreApplication::translate("Ostrel", "已改名导出：%1 → %2\n").arg(result.source, Native(result.target)));
            break;
        case ExchangeOutcome::Skipped:
            Write(out, QCoreApplication::translate("Ostrel", "已跳过：%1（%2）\n").arg(result.source, result.problem));
            break;
        case ExchangeOutcome::Failed:
            Write(err, QCoreApplication::translate("Ostrel", "未导出：%1：%2\n").arg(result.source, result.problem));
            status.Note(result.failure);
            break;
        }
    }
    return status.Status();
}

int RunPack(const OstrelOptions &options, std::FILE *out, std::FILE *err)
{
    StatusKeeper status;
    const auto policy = [&](const QString &, const QString &) { return options.onClash; };
    const PackResult pack = ExportPackage(options.items, options.to, policy);
    for (const ProjectResult &result : pack.projects) {
        if (result.outcome == ExchangeOutcome::Failed) {
            Write(err, QCoreApplication::translate("Ostrel", "未打包：%1：%2\n").arg(result.source, result.problem));
            status.Note(result.failure);
        } else if (result.outcome == ExchangeOutcome::Skipped) {
            Write(out, QCoreApplication::translate("Ostrel", "已跳过：%1（%2）\n").arg(result.source, result.problem));
        } else {
            Write(out, QCoreApplication::translate("Ostrel", "已打包：%1 → %2\n").arg(result.source, Native(result.target)));
        }
    }
    return status.Status();
}

QString ImportedLine(const ProjectResult &result)
{
    QString line;
    switch (result.outcome) {
    case ExchangeOutcome::Done:
        line = QCoreApplication::translate("Ostrel", "已导入：%1").arg(result.target);
        break;
    case ExchangeOutcome::Replaced:
        line = QCoreApplication::translate("Ostrel", "已导入并替换：%1").arg(result.target);
        break;
    case ExchangeOutcome::Renamed:
        line = QCoreApplication::translate("Ostrel", "已改名导入：%1 → %2").arg(result.source, result.target);
        break;
    default:
        break;
    }
    if (result.upgraded)
        line += result.upgradedFrom.isEmpty() ? QCoreApplication::translate("Ostrel", "（格式由 2.3 以前的版本升级为 2.4）")
                                              : QCoreApplication::translate("Ostrel", "（格式由 %1 升级为 2.4）").arg(result.upgradedFrom);
    return line + QLatin1Char('\n');
}

int RunImport(const OstrelOptions &options, std::FILE *out, std::FILE *err)
{
    StatusKeeper status;
    const LoadedImportFiles loaded = LoadImportFiles(options.items);
    for (const ImportFileProblem &problem : loaded.problems) {
        Write(err, QCoreApplication::translate("Ostrel", "未导入：%1：%2\n").arg(problem.subject, problem.text));
        status.Note(problem.failure);
    }
    if (loaded.candidates.isEmpty())
        return status.Status();
    const auto policy = [&](const QString &, const QString &) { return options.onClash; };
    // Large imports say how far they are, about every tenth of the way.
    const qsizetype step = qMax(qsizetype(100), loaded.candidates.size() / 10);
    const auto progress = [&](qsizetype done, qsizetype total) {
        if (total >= kProgressFrom && (done % step == 0 || done == total))
            Write(err, QCoreApplication::translate("Ostrel", "导入进度：%1/%2\n").arg(done).arg(total));
        return true;
    };
    QVector<ProjectResult> results;
    try {
        // A project with an edit password is never replaced from here: no password is asked.
        results = ImportProjects(loaded.candidates, policy, {}, progress);
    } catch (const SuiteError &error) {
        Write(err, QStringLiteral("%1\n").arg(error.message()));
        return kOstrelUnreadable;
    }
    for (const ProjectResult &result : results) {
        if (result.outcome == ExchangeOutcome::Failed) {
            Write(err, QCoreApplication::translate("Ostrel", "未导入：%1：%2%3\n")
                           .arg(result.source, result.problem,
                                result.failure == ExchangeFailure::Protected
                                    ? QCoreApplication::translate("Ostrel", "（命令行不能替换设有编辑密码的工程，请改用 --on-clash rename 或 skip，"
                                                                                         "或在工程管理窗口中输入编辑密码后替换）")
                                    : QString()));
            status.Note(result.failure);
        } else if (result.outcome == ExchangeOutcome::Skipped) {
            Write(out, QCoreApplication::translate("Ostrel", "已跳过：%1（%2）\n").arg(result.source, result.problem));
        } else {
            Write(out, ImportedLine(result));
        }
    }
    return status.Status();
}

} // namespace

QString OstrelUsage()
{
    return QCoreApplication::translate("Ostrel",
        "用法：%1 --export 工程名… --to 文件夹  [--on-clash replace|rename|skip] [--appdir 目录]\n"
        "      %1 --pack 工程名… --to 文件     [--on-clash …] [--appdir 目录]\n"
        "      %1 --import 文件…                [--on-clash …] [--appdir 目录]\n"
        "      %1 [--appdir 目录] [文件…]\n"
        "不带命令时打开工程管理窗口，给出的 .rproj / .rprojs 文件列在“导入工程”页上。\n"
        "  --export 工程名…  把每个工程导出为单个文件 <文件夹>/<工程名>.rproj\n"
        "  --pack 工程名…    把这些工程打包导出到一个文件（缺少扩展名 .rprojs 时自动加上）\n"
        "  --import 文件…    导入工程文件（.rproj）和工程包（.rprojs），旧版本格式自动升级\n"
        "  --to              导出的目标文件夹（--export）或工程包文件（--pack；给出文件夹时\n"
        "                    写入 <文件夹>/<第一个工程名>.rprojs）\n"
        "  --on-clash        目标已存在时：replace 替换，rename 改名为“名称 (2)”（默认），skip 跳过\n"
        "  --appdir 目录     以该目录作为数据文件夹（Data/menu.xml、Data/Projects）\n"
        "  --help            显示本说明\n"
        "每个工程输出一行结果；出错的工程写到标准错误，其余工程照常处理。\n"
        "退出码：0 成功，2 参数有误，3 文件或工程不存在、无法读取或已损坏，\n"
        "        4 工程名称无效（含路径分隔符、“..”等）或要替换的工程设有编辑密码，5 无法写入目标。\n"
        "        多个问题时取第一个。导入 %2 个以上的工程时，在标准错误上报告进度。\n"
        "数据文件夹：%3\n")
        .arg(InvokedProgramName(QCoreApplication::arguments().value(0)), QString::number(kProgressFrom), QDir::toNativeSeparators(DataDirInUse()));
}

OstrelOptions ParseOstrelArguments(const QStringList &arguments)
{
    OstrelOptions options;
    bool toGiven = false;
    auto setMode = [&](OstrelMode mode) {
        if (options.mode != OstrelMode::Window)
            throw SuiteError(QCoreApplication::translate("Ostrel", "--export、--pack 和 --import 只能选用一个。"));
        options.mode = mode;
    };
    bool help = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QStringLiteral("--help") || argument == QStringLiteral("-h")) {
            help = true;
        } else if (argument == QStringLiteral("--export")) {
            setMode(OstrelMode::Export);
        } else if (argument == QStringLiteral("--pack")) {
            setMode(OstrelMode::Pack);
        } else if (argument == QStringLiteral("--import")) {
            setMode(OstrelMode::Import);
        } else if (argument == QStringLiteral("--to")) {
            options.to = RequireValue(arguments, i);
            toGiven = true;
        } else if (argument == QStringLiteral("--appdir")) {
            options.appDir = RequireValue(arguments, i);
            // A mistyped folder is refused, not made: the data would land somewhere unseen.
            if (!QFileInfo(options.appDir).isDir())
                throw SuiteError(QCoreApplication::translate("Ostrel", "应用目录“%1”不存在。").arg(options.appDir));
        } else if (argument == QStringLiteral("--on-clash")) {
            const QString value = RequireValue(arguments, i);
            if (value == QStringLiteral("replace"))
                options.onClash = ClashChoice::Replace;
            else if (value == QStringLiteral("rename"))
                options.onClash = ClashChoice::Rename;
            else if (value == QStringLiteral("skip"))
                options.onClash = ClashChoice::Skip;
            else
                throw SuiteError(QCoreApplication::translate("Ostrel", "--on-clash 的取值“%1”无效，应为 replace、rename 或 skip。").arg(value));
        } else if (argument.startsWith(QStringLiteral("--"))) {
            throw SuiteError(QCoreApplication::translate("Ostrel", "未知的选项 %1。").arg(argument));
        } else {
            options.items << argument;
        }
    }
    if (help) {
        options.mode = OstrelMode::Help;
        return options;
    }
    switch (options.mode) {
    case OstrelMode::Export:
    case OstrelMode::Pack:
        if (options.items.isEmpty())
            throw SuiteError(QCoreApplication::translate("Ostrel", "请给出要导出的工程名称。"));
        if (!toGiven || options.to.isEmpty())
            throw SuiteError(options.mode == OstrelMode::Export ? QCoreApplication::translate("Ostrel", "请用 --to 给出导出的文件夹。")
                                                                : QCoreApplication::translate("Ostrel", "请用 --to 给出工程包文件。"));
        break;
    case OstrelMode::Import:
        if (options.items.isEmpty())
            throw SuiteError(QCoreApplication::translate("Ostrel", "请给出要导入的文件。"));
        [[fallthrough]];
    case OstrelMode::Window:
        if (toGiven)
            throw SuiteError(QCoreApplication::translate("Ostrel", "--to 只用于 --export 和 --pack。"));
        break;
    case OstrelMode::Help:
        break;
    }
    return options;
}

int RunOstrelCommand(const OstrelOptions &options, std::FILE *out, std::FILE *err)
{
    switch (options.mode) {
    case OstrelMode::Export:
        return RunExport(options, out, err);
    case OstrelMode::Pack:
        return RunPack(options, out, err);
    case OstrelMode::Import:
        return RunImport(options, out, err);
    case OstrelMode::Help:
        Write(out, OstrelUsage());
        return kOstrelOk;
    case OstrelMode::Window:
        break;
    }
    return kOstrelBadArguments;
}
