#include "commandline.h"

#include "apppaths.h"
#include "certificatecheck.h"
#include "codec.h"
#include "drawmemory.h"
#include "drawproject.h"
#include "encodedxml.h"
#include "fairnessreport.h"
#include "fairsettings.h"
#include "historycommand.h"
#include "historyreport.h"
#include "historystore.h"
#include "inifile.h"
#include "interfacelanguage.h"
#include "projectheader.h"
#include "querysection.h"
#include "sessionfairness.h"
#include "sessionhistory.h"
#include "softsettings.h"
#include "suiteerror.h"
#include "textfile.h"
#include "verifiabledraw.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
#include <new>
#include <optional>

namespace {

constexpr int kMaxBatches = 1'000'000;
constexpr int kMaxSimulatedDraws = 1'000'000;
// JSON is written once every batch is drawn, so all results are held at once.
constexpr qint64 kMaxJsonResults = 10'000'000;

void Write(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

QString RequireValue(const QStringList &arguments, qsizetype &i)
{
    const QString option = arguments.at(i);
    if (i + 1 >= arguments.size())
        throw SuiteError(QCoreApplication::translate("Dellamy", "选项 %1 缺少取值。").arg(option));
    return arguments.at(++i);
}

// Project names become file names: nothing that could lead out of the project folder.
void CheckProjectName(const QString &name)
{
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    const bool bad = name.trimmed().isEmpty() || name.contains(QStringLiteral(".."))
        || std::any_of(name.cbegin(), name.cend(), [](QChar c) { return forbidden.contains(c) || c.unicode() < 32; });
    if (bad)
        throw SuiteError(QCoreApplication::translate("Dellamy", "工程名称“%1”无效：不能为空，也不能含有路径分隔符、“..”或文件名不允许的字符。").arg(name));
}

// Results as UTF-8 text, gathered into blocks of about 64 KB so a million results cost
// some hundred writes.
class ResultWriter
{
public:
    explicit ResultWriter(std::FILE *stream) : m_stream(stream) { m_block.reserve(2 * kBlockSize); }
    ~ResultWriter() { Flush(); }
    ResultWriter(const ResultWriter &) = delete;
    ResultWriter &operator=(const ResultWriter &) = delete;

    void AppendResult(QStringView result)
    {
        AppendUtf8(result, m_block);
        AppendLineBreak();
    }
    // A batch kept compactly, written a slice of results at a time.
    void AppendResults(const CompactResults &results)
    {
        constexpr qsizetype kSlice = 1024;
        for (qsizetype from = 0; from < results.Size(); from += kSlice) {
            results.AppendUtf8Lines(from, std::min(kSlice, results.Size() - from), m_block);
            FlushWhenFull();
        }
    }
    void AppendLineBreak()
    {
        m_block.append('\n');
        FlushWhenFull();
    }
    void Flush()
    {
        if (!m_block.isEmpty())
            std::fwrite(m_block.constData(), 1, size_t(m_block.size()), m_stream);
        m_block.truncate(0); // keeps the capacity
    }

private:
    static constexpr qsizetype kBlockSize = 1 << 16;

    void FlushWhenFull()
    {
        if (m_block.size() >= kBlockSize)
            Flush();
    }

    std::FILE *m_stream;
    QByteArray m_block;
};

struct LoadedProject
{
    QString label;
    int pmode = 0;
    QueryParams query;
    QByteArray listUtf8; // QuerySection::listUtf8
    std::shared_ptr<const WholeFileBytes> listFile; // holds listUtf8's bytes when the file was mapped
    FairSettings fair;
    ItemFairSettings itemFair; // a custom project's list items
};

// Reads the header and the query of the project named by `projectName` (under the data
// folder) or `filePath`. `keepListUtf8`: a list read from a plain file may stay UTF-8
// (LoadedProject::listUtf8). On failure the reason goes to `err` and the exit status is
// returned.
int LoadProject(const QString &projectName, const QString &filePath, const std::optional<QString> &password,
                bool keepListUtf8, LoadedProject &project, std::FILE *err)
{
    try {
        KeptAttributeBytes keptQueryValues;
        // Project files are encoded; a file given by path may be plain XML, which needs
        // no codec (LoadProjectDocumentAnyForm binds it when it meets encoded text).
        QDomDocument document;
        if (!projectName.isEmpty()) {
            BindCodec();
            document = LoadNamedProjectDocument(projectName);
            project.label = projectName;
        } else {
            if (!QFileInfo::exists(filePath) && !QFileInfo(filePath).isSymLink())
                throw SuiteError(QCoreApplication::translate("Dellamy", "工程文件“%1”不存在。").arg(filePath));
            document = keepListUtf8 ? LoadProjectDocumentKeepingBytes(filePath, QueryElementPath(), &keptQueryValues)
                                    : LoadProjectDocumentAnyForm(filePath);
            project.label = QFileInfo(filePath).completeBaseName();
        }
        const ProjectHeader header = ReadProjectHeader(document);
        if (header.accessByPwd && password != header.accessPwd) {
            Write(err, password ? QCoreApplication::translate("Dellamy", "访问密码错误，工程“%1”未打开。\n").arg(project.label)
                                : QCoreApplication::translate("Dellamy", "工程“%1”已加密，请用 --password 给出访问密码。\n").arg(project.label));
            return kStatusPasswordRefused;
        }
        QuerySection section = ReadQuerySection(document, keptQueryValues);
        project.pmode = section.pmode;
        project.query = std::move(section.params);
        project.listUtf8 = std::move(section.listUtf8);
        project.listFile = keptQueryValues.file;
        project.fair = ReadFairSettings(document);
        project.itemFair = ReadItemFairSettings(document);
    } catch (const SuiteError &error) {
        Write(err, error.message() + QLatin1Char('\n'));
        return kStatusProjectUnreadable;
    } catch (const std::bad_alloc &) {
        Write(err, QCoreApplication::translate("Dellamy", "内存不足，无法读取工程文件。\n"));
        return kStatusProjectUnreadable;
    }
    return kStatusOk;
}

// A query this long holds a list that fills megabytes once split and drawn.
constexpr qsizetype kLargeQueryBytes = 256 << 10;

qsizetype QueryTextBytes(const LoadedProject &project)
{
    qsizetype bytes = project.listUtf8.size();
    for (const QString &value : project.query)
        bytes += value.size() * qsizetype(sizeof(QChar));
    return bytes;
}

// `extra`: further members (a verifiable draw's commitment and certificate), appended in
// alphabetical order.
void WriteJson(const QString &projectLabel, int pmode, const QList<QStringList> &drawnBatches, std::FILE *out,
               const QJsonObject &extra = {})
{
    QJsonArray batches;
    for (const QStringList &batch : drawnBatches)
        batches.append(QJsonArray::fromStringList(batch));
    // Written by hand so the keys keep the documented order.
    QByteArray name = QJsonDocument(QJsonArray{projectLabel}).toJson(QJsonDocument::Compact);
    name = name.mid(1, name.size() - 2);
    QByteArray more = QJsonDocument(extra).toJson(QJsonDocument::Compact);
    more = extra.isEmpty() ? QByteArray() : ", " + more.mid(1, more.size() - 2);
    const QByteArray text = "{\"project\": " + name + ", \"type\": " + QByteArray::number(pmode)
        + ", \"batches\": " + QJsonDocument(batches).toJson(QJsonDocument::Compact) + more + "}\n";
    std::fwrite(text.constData(), 1, size_t(text.size()), out);
}

// --verify and --reveal: the verdict on a certificate, in words or as JSON.
int PrintCertificateCheck(const CertificateCheck &check, bool json, std::FILE *out)
{
    Write(out, json ? QString::fromUtf8(QJsonDocument(check.ToJson()).toJson(QJsonDocument::Compact))
                    : check.Summary() + QLatin1Char('\n'));
    if (json)
        Write(out, QStringLiteral("\n"));
    return check.consistent ? kStatusOk : kStatusCertificateInconsistent;
}

// `--simulate NAME --draws N`: the fairness check of the project, nothing written.
int SimulateDraws(const CommandLineOptions &options, std::FILE *out, std::FILE *err)
{
    LoadedProject project;
    // The check reads the list from the query's text.
    if (const int status = LoadProject(options.simulateProject, QString(), options.password, false, project, err);
        status != kStatusOk)
        return status;
    FairnessSubject subject{project.label, project.pmode, project.query, project.fair, options.simulateItem};
    QString refusal;
    if (TypeHasFairItems(project.pmode)) {
        // A custom project's list items keep their turns apart: one of them is checked.
        const QStringList items = project.itemFair.keys();
        if (items.isEmpty())
            refusal = QCoreApplication::translate("Dellamy", "工程“%1”没有设置公平抽取的名单项目，无法做公平性检验。").arg(project.label);
        else if (subject.item.isEmpty() && items.size() > 1)
            refusal = QCoreApplication::translate("Dellamy", "工程“%1”有多个公平抽取的名单项目（%2），请用 --item 指定其中一个。")
                          .arg(project.label, items.join(QCoreApplication::translate("Dellamy", "、", "between item names")));
        else if (subject.item.isEmpty())
            subject.item = items.first();
        else if (!items.contains(subject.item))
            refusal = QCoreApplication::translate("Dellamy", "工程“%1”中没有设置公平抽取的名单项目“%2”。").arg(project.label, subject.item);
        subject.settings = project.itemFair.value(subject.item);
    } else if (!subject.item.isEmpty()) {
        refusal = QCoreApplication::translate("Dellamy", "--item 只用于自定义工程的名单项目，工程“%1”不是自定义工程。").arg(project.label);
    } else if (!TypeDrawsFairly(project.pmode)) {
        refusal = QCoreApplication::translate("Dellamy", "工程“%1”不是从名单中抽取（点名、排序、单词、单奖项抽奖），无法做公平性检验。").arg(project.label);
    }
    if (!refusal.isEmpty()) {
        Write(err, refusal + QLatin1Char('\n'));
        return kStatusEngineRefused;
    }
    try {
        RandomSources sources = options.seed ? RandomSources::Seeded(*options.seed) : RandomSources::FromSystem();
        const FairnessCheck check = CheckFairness(HistoryDatabasePath(), subject, options.simulateDraws, *sources.draws);
        if (!check.notice.isEmpty())
            Write(err, check.notice + QLatin1Char('\n'));
        if (options.json) {
            const QByteArray json = FairnessCheckJson(check);
            std::fwrite(json.constData(), 1, size_t(json.size()), out);
        } else {
            Write(out, FairnessCheckText(check));
        }
    } catch (const SuiteError &error) {
        Write(err, error.message() + QLatin1Char('\n'));
        return kStatusEngineRefused;
    }
    return kStatusOk;
}

} // namespace

QString CommandLineUsage(const QString &program)
{
    return QCoreApplication::translate("Dellamy",
        "用法：%1 (--project 工程名 | --file 路径) [--batches N] [--seed S] [--json]\n"
        "      %2 [--password 密码] [--appdir 目录] [--no-history]\n"
        "      %1 --history 工程名 [--since 日期] [--json] [--appdir 目录]\n"
        "      %1 --simulate 工程名 [--item 名单项目] --draws N [--seed S] [--json] [--appdir 目录]\n"
        "      %1 (--project 工程名 | --file 路径) --verifiable [--public 文字] [--cert 文件] …\n"
        "      %1 --verify 证书.zcert [--json]\n"
        "      %1 --reveal 证书.zcert [--json]\n"
        "      %1 --float [--project 工程名] [--appdir 目录]\n"
        "不带参数启动时打开抽取窗口；带参数时不显示窗口，直接抽取并输出结果。\n"
        "  --project 工程名  抽取数据文件夹中的 Data/Projects/工程名.rpj\n"
        "  --file 路径       抽取指定的工程文件（.rpj、.rproj 或 XML 工程文档）\n"
        "  --batches N       连续抽取 N 次（默认 1），已抽走的名单项不会再次抽到\n"
        "  --seed S          用种子 S（非负整数）抽取，相同种子得到相同结果\n"
        "  --json            以 JSON 输出：{\"project\": …, \"type\": 类型号, \"batches\": [[…], …]}\n"
        "  --password 密码   受密码保护的工程的访问密码\n"
        "  --appdir 目录     以该目录作为数据文件夹（工程、Soft.ini）\n"
        "  --no-history      本次抽取不记入抽取历史（Data/history.db）\n"
        "  --simulate 工程名 公平性检验：按工程的公平抽取设置从今天的历史出发模拟抽取，\n"
        "                    列出每项的期望与模拟次数、最长间隔、χ² 与 p 值（不写入任何记录）\n"
        "  --item 名单项目   自定义工程中要检验的名单项目（只有一个名单项目公平抽取时可省略）\n"
        "  --draws N         模拟的抽取次数\n"
        "  --history 工程名  按时间顺序列出该工程的抽取历史，每次抽取一行\n"
        "  --since 日期      只列出该日（如 2026/12/7）及以后的抽取\n"
        "  --verifiable      可验证抽取：先输出承诺和指纹，抽取后写出公开种子的证书并输出其路径\n"
        "  --public 文字     可验证抽取时加入的公开随机数（如当天公布的彩票号码）\n"
        "  --cert 文件       证书写到该文件（默认写到数据文件夹的 Certificates/ 下）\n"
        "  --verify 证书     重算证书中的承诺和每一次抽取，输出“一致”或“不一致”及第一处差异\n"
        "  --reveal 证书     公开未结束的证书所留下的种子（在主持抽取的电脑上），然后验证\n"
        "  --float           显示悬浮抽取按钮（默认工程为抽取窗口的默认工程）\n"
        "  --help            显示本说明\n"
        "每行输出一个结果，两次抽取之间空一行。\n"
        "退出码：0 成功，2 参数有误，3 工程不存在或无法读取，4 工程参数无法抽取，\n"
        "        5 名单已抽完且未设置自动重置名单，6 访问密码错误，7 数据文件夹无法创建或写入；\n"
        "        --verify 和 --reveal：0 一致，1 不一致。\n"
        "数据文件夹：%3\n")
        .arg(program, QString(program.size(), QLatin1Char(' ')), QDir::toNativeSeparators(DataDirInUse()));
}

CommandLineOptions ParseCommandLine(const QStringList &arguments)
{
    CommandLineOptions options;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QStringLiteral("--help") || argument == QStringLiteral("-h")) {
            options.help = true;
        } else if (argument == QStringLiteral("--project")) {
            options.projectName = RequireValue(arguments, i);
            CheckProjectName(options.projectName);
        } else if (argument == QStringLiteral("--file")) {
            options.filePath = RequireValue(arguments, i);
            if (options.filePath.isEmpty())
                throw SuiteError(QCoreApplication::translate("Dellamy", "--file 的路径不能为空。"));
        } else if (argument == QStringLiteral("--batches")) {
            bool ok = false;
            const QString text = RequireValue(arguments, i);
            options.batches = text.toInt(&ok);
            if (!ok || options.batches < 1 || options.batches > kMaxBatches)
                throw SuiteError(QCoreApplication::translate("Dellamy", "--batches 应为 1 到 %1 之间的整数，现在是“%2”。").arg(kMaxBatches).arg(text));
        } else if (argument == QStringLiteral("--seed")) {
            bool ok = false;
            const QString text = RequireValue(arguments, i);
            options.seed = text.toULongLong(&ok);
            if (!ok)
                throw SuiteError(QCoreApplication::translate("Dellamy", "--seed 应为非负整数，现在是“%1”。").arg(text));
        } else if (argument == QStringLiteral("--json")) {
            options.json = true;
        } else if (argument == QStringLiteral("--password")) {
            options.password = RequireValue(arguments, i);
        } else if (argument == QStringLiteral("--appdir")) {
            options.appDir = RequireValue(arguments, i);
            if (!QFileInfo(options.appDir).isDir())
                throw SuiteError(QCoreApplication::translate("Dellamy", "应用目录“%1”不存在。").arg(options.appDir));
        } else if (argument == QStringLiteral("--history")) {
            options.historyProject = RequireValue(arguments, i);
            CheckProjectName(options.historyProject);
        } else if (argument == QStringLiteral("--since")) {
            const QString text = RequireValue(arguments, i);
            options.since = ParseHistoryDate(text);
            if (!options.since)
                throw SuiteError(QCoreApplication::translate("Dellamy", "--since 应为日期，如 2026/12/7，现在是“%1”。").arg(text));
        } else if (argument == QStringLiteral("--simulate")) {
            options.simulateProject = RequireValue(arguments, i);
            CheckProjectName(options.simulateProject);
        } else if (argument == QStringLiteral("--item")) {
            options.simulateItem = RequireValue(arguments, i);
        } else if (argument == QStringLiteral("--draws")) {
            bool ok = false;
            const QString text = RequireValue(arguments, i);
            options.simulateDraws = text.toInt(&ok);
            if (!ok || options.simulateDraws < 1 || options.simulateDraws > kMaxSimulatedDraws)
                throw SuiteError(QCoreApplication::translate("Dellamy", "--draws 应为 1 到 %1 之间的整数，现在是“%2”。").arg(kMaxSimulatedDraws).arg(text));
        } else if (argument == QStringLiteral("--no-history")) {
            options.noHistory = true;
        } else if (argument == QStringLiteral("--verifiable")) {
            options.verifiable = true;
        } else if (argument == QStringLiteral("--public")) {
            options.publicNumbers = RequireValue(arguments, i);
        } else if (argument == QStringLiteral("--cert")) {
            options.certificateFile = RequireValue(arguments, i);
            if (options.certificateFile.isEmpty())
                throw SuiteError(QCoreApplication::translate("Dellamy", "--cert 的路径不能为空。"));
        } else if (argument == QStringLiteral("--verify") || argument == QStringLiteral("--reveal")) {
            (argument == QStringLiteral("--verify") ? options.verifyFile : options.revealFile) = RequireValue(arguments, i);
        } else {
            throw SuiteError(QCoreApplication::translate("Dellamy", "无法识别的参数“%1”。").arg(argument));
        }
    }
    if (options.help)
        return options;
    if (!options.verifyFile.isEmpty() || !options.revealFile.isEmpty()) {
        if (!options.verifyFile.isEmpty() && !options.revealFile.isEmpty())
            throw SuiteError(QCoreApplication::translate("Dellamy", "--verify 和 --reveal 只能用其中一个。"));
        if (!options.projectName.isEmpty() || !options.filePath.isEmpty() || !options.historyProject.isEmpty()
            || options.verifiable)
            throw SuiteError(QCoreApplication::translate("Dellamy", "--verify 和 --reveal 只能与 --json 一起使用。"));
        return options;
    }
    if ((options.publicNumbers || !options.certificateFile.isEmpty()) && !options.verifiable)
        throw SuiteError(QCoreApplication::translate("Dellamy", "--public 和 --cert 只能与 --verifiable 一起使用。"));
    if (options.verifiable && options.seed)
        throw SuiteError(QCoreApplication::translate("Dellamy", "--verifiable 不能与 --seed 同时使用：可验证抽取的种子由系统生成，抽取后才公开。"));
    if (!options.historyProject.isEmpty()) {
        if (!options.projectName.isEmpty() || !options.filePath.isEmpty())
            throw SuiteError(QCoreApplication::translate("Dellamy", "--history 不能与 --project 或 --file 同时使用。"));
        return options;
    }
    if (!options.simulateProject.isEmpty()) {
        if (!options.projectName.isEmpty() || !options.filePath.isEmpty() || options.verifiable)
            throw SuiteError(QCoreApplication::translate("Dellamy", "--simulate 不能与 --project、--file 或 --verifiable 同时使用。"));
        if (options.simulateDraws == 0)
            throw SuiteError(QCoreApplication::translate("Dellamy", "--simulate 需要用 --draws N 给出模拟的抽取次数。"));
        return options;
    }
    if (options.simulateDraws != 0)
        throw SuiteError(QCoreApplication::translate("Dellamy", "--draws 只能与 --simulate 一起使用。"));
    if (!options.simulateItem.isEmpty())
        throw SuiteError(QCoreApplication::translate("Dellamy", "--item 只能与 --simulate 一起使用。"));
    if (options.since)
        throw SuiteError(QCoreApplication::translate("Dellamy", "--since 只能与 --history 一起使用。"));
    if (options.projectName.isEmpty() == options.filePath.isEmpty())
        throw SuiteError(QCoreApplication::translate("Dellamy", "请用 --project 或 --file 指定一个工程（只能指定其中一个）。"));
    return options;
}

namespace {

// The run of RunCommandLine; `arguments` with the program's name first.
int RunCommand(const QStringList &arguments, std::FILE *out, std::FILE *err)
{
    const QString program = InvokedProgramName(arguments.value(0));
    CommandLineOptions options;
    try {
        options = ParseCommandLine(arguments.mid(1));
    } catch (const SuiteError &error) {
        Write(err, error.message() + QLatin1Char('\n') + CommandLineUsage(program));
        return kStatusBadArguments;
    }
    if (!options.appDir.isEmpty())
        SetAppDir(options.appDir);
    if (options.help) {
        Write(out, CommandLineUsage(program)); // names the data folder chosen
        return kStatusOk;
    }
    // A certificate is checked on any computer: no data folder is needed for it.
    if (!options.verifyFile.isEmpty())
        return PrintCertificateCheck(CheckCertificateFile(options.verifyFile), options.json, out);
    if (!options.revealFile.isEmpty()) {
        try {
            RevealKeptSeed(options.revealFile);
        } catch (const SuiteError &error) {
            Write(err, error.message() + QLatin1Char('\n'));
            return kStatusCertificateInconsistent;
        }
        return PrintCertificateCheck(CheckCertificateFile(options.revealFile), options.json, out);
    }
    QString dataDirFailure;
    if (!PrepareDataDir(&dataDirFailure)) {
        Write(err, QCoreApplication::translate("Dellamy", "软件权限不足：%1\n").arg(dataDirFailure));
        return kStatusDataDirUnusable;
    }
    if (!options.historyProject.isEmpty())
        return PrintHistory(options, out, err);
    if (!options.simulateProject.isEmpty())
        return SimulateDraws(options, out, err);

    LoadedProject loaded;
    // A verifiable draw's certificate holds the list as text.
    if (const int status = LoadProject(options.projectName, options.filePath, options.password, !options.verifiable,
                                       loaded, err);
        status != kStatusOk)
        return status;
    const QString projectLabel = loaded.label;
    if (QueryTextBytes(loaded) >= kLargeQueryBytes)
        ExpectLargeDraw();

    SoftSettings soft;
    try {
        soft = ReadSoftSettings(SoftIniPath());
    } catch (const IniAccessError &error) {
        // As in the window: the defaults stay in force.
        Write(err, QCoreApplication::translate("Dellamy", "无法读取 Soft.ini，按默认设置抽取：%1\n").arg(error.message()));
    }
    const int pmode = loaded.pmode;
    // An exhausted list is never reset without ListAutoRestore: the session has no question.
    const DrawProject project = UnanimatedDrawProject(projectLabel, QuerySection{loaded.pmode, loaded.query, loaded.listUtf8}, soft);

    DrawSession session(options.seed ? RandomSources::Seeded(*options.seed) : RandomSources::FromSystem());
    std::optional<SessionHistory> history;
    if (soft.keepHistory && !options.noHistory)
        history.emplace(session, kSourceCommandLine, SessionHistory::Opening::Pending);
    std::optional<VerifiableDraw> verifiable;
    if (options.verifiable) {
        DrawSettings settings;
        settings.pictureNameSetting = project.pictureNameSetting;
        settings.resultSeparator = project.resultSeparator;
        try {
            verifiable.emplace(projectLabel, pmode, project.query, settings);
            verifiable->SetPublicNumbers(options.publicNumbers.value_or(QString()));
        } catch (const SuiteError &error) {
            Write(err, error.message() + QLatin1Char('\n'));
            return kStatusEngineRefused;
        }
        verifiable->Attach(session.Engine());
        if (!options.json)
            Write(out, QCoreApplication::translate("Dellamy", "承诺：%1\n指纹：%2（请在抽取前公布此指纹）\n\n")
                           .arg(verifiable->CommitmentHex(), verifiable->FingerprintText()));
    }
    // Plain output is written batch by batch; JSON needs every batch before it starts.
    std::optional<ResultWriter> plain;
    if (!options.json)
        plain.emplace(out);
    // Only the plain output reads the results then: they need no QString each.
    session.SetCompactResults(plain && !history && !verifiable);
    QList<QStringList> jsonBatches;
    int drawnBatches = 0;
    int status = kStatusOk;
    std::optional<QString> refusal;
    auto refuse = [&status, &refusal](const QString &message) {
        refusal = message;
        status = kStatusEngineRefused;
    };
    const QString outOfMemory = QCoreApplication::translate("Dellamy", "内存不足，无法完成抽取。请减少生成数量或抽取次数。");
    QObject::connect(&session, &DrawSession::BatchFinal, [&](const Batch &batch, int drawNumber) {
        drawnBatches = drawNumber;
        try {
            if (plain) {
                if (drawNumber > 1)
                    plain->AppendLineBreak();
                if (batch.compact)
                    plain->AppendResults(*batch.compact);
                for (const QString &result : batch.results)
                    plain->AppendResult(result);
            } else if (drawNumber == 1 && qint64(batch.results.size()) * options.batches > kMaxJsonResults) {
                refuse(QCoreApplication::translate("Dellamy", "--json 输出最多容纳 %1 个结果，%2 次抽取每次 %3 个超出了上限。"
                                                                  "请减少 --batches，或不用 --json（逐批输出）。")
                           .arg(kMaxJsonResults)
                           .arg(options.batches)
                           .arg(batch.results.size()));
            } else {
                jsonBatches << batch.results;
            }
        } catch (const std::bad_alloc &) {
            refuse(outOfMemory);
        }
    });
    QObject::connect(&session, &DrawSession::Refused, refuse);
    QObject::connect(&session, &DrawSession::ListExhausted, [&status] { status = kStatusListExhausted; });
    try {
        try {
            session.Open(project, DrawSession::Preparation::Now);
        } catch (const SuiteError &error) {
            refuse(error.message());
            // A certificate records the refused draw: the first draw asks again and is refused.
            if (verifiable)
                session.Start();
        }
        // Fair turns live in the history: without it the draws are plain, and the user is
        // told. A verifiable draw must be recomputable from its certificate alone.
        std::optional<SessionFairness> fairness;
        const FairMode asked = TypeDrawsFairly(pmode) ? loaded.fair.mode
                               : TypeHasFairItems(pmode) && !loaded.itemFair.isEmpty() ? loaded.itemFair.first().mode
                                                                                       : FairMode::Plain;
        if (verifiable && asked != FairMode::Plain)
            Write(err, QCoreApplication::translate("Dellamy", "可验证抽取的结果只能取决于证书，“%1”抽取按“普通”方式进行。\n").arg(FairModeText(asked)));
        else
            fairness.emplace(session, history ? &*history : nullptr, loaded.fair, loaded.itemFair);
        if (fairness) {
            if (const QString fallback = fairness->FallbackNotice(); !fallback.isEmpty())
                Write(err, fallback + QLatin1Char('\n'));
            QObject::connect(&*fairness, &SessionFairness::Notice, [err](const QString &text) { Write(err, text + QLatin1Char('\n')); });
            QObject::connect(&*fairness, &SessionFairness::RoundCompleted, [err](int drawNumber) {
                Write(err, QCoreApplication::translate("Dellamy", "第 %1 次抽取后本轮结束，新一轮开始\n").arg(drawNumber));
            });
        }
        for (int b = 0; b < options.batches && status == kStatusOk; ++b)
            session.Start();
    } catch (const SuiteError &error) {
        refuse(error.message());
    } catch (const std::bad_alloc &) {
        refuse(outOfMemory);
    }
    // The history is on disk before the last results are shown: a run stopped once it
    // has printed has lost nothing.
    if (history) {
        if (const QString historyNotice = history->Finish(); !historyNotice.isEmpty())
            Write(err, historyNotice + QLatin1Char('\n'));
    }
    QJsonObject certificateMembers;
    if (verifiable) {
        const QString path = options.certificateFile.isEmpty() ? NewCertificatePath(CertificatesDir(), projectLabel)
                                                                 : options.certificateFile;
        verifiable->Reveal();
        try {
            QDir().mkpath(QFileInfo(path).absolutePath());
            WriteFileAtomically(path, verifiable->CertificateText());
            certificateMembers = {{QStringLiteral("certificate"), QDir::toNativeSeparators(path)},
                                  {QStringLiteral("commitment"), verifiable->CommitmentHex()},
                                  {QStringLiteral("fingerprint"), verifiable->FingerprintText()}};
        } catch (const SuiteError &error) {
            Write(err, error.message() + QLatin1Char('\n'));
            if (status == kStatusOk)
                status = kStatusDataDirUnusable;
        }
    }
    if (plain) {
        if (certificateMembers.contains(QStringLiteral("certificate")))
            plain->AppendResult(QCoreApplication::translate("Dellamy", "\n证书：%1").arg(certificateMembers.value(QStringLiteral("certificate")).toString()));
        plain.reset(); // writes what is left
    } else {
        WriteJson(projectLabel, pmode, jsonBatches, out, certificateMembers);
    }
    if (refusal)
        Write(err, *refusal + QLatin1Char('\n'));
    else if (status == kStatusListExhausted)
        Write(err, QCoreApplication::translate("Dellamy", "已抽取 %1 次后名单剩余数量不足，且 Soft.ini 未设置自动重置名单（[Rand] ListAutoRestore），抽取停止。\n")
                       .arg(drawnBatches));
    return status;
}

} // namespace

int RunCommandLine(int &argc, char **argv, std::FILE *out, std::FILE *err)
{
    // Qt's application object costs a start about 0.15 ms (the C library's locale files,
    // an event dispatcher) and the command line needs nothing of it (no event loop; Qt
    // finds its SQL drivers without it) but for the English translation, which is
    // installed on it.
    std::optional<QCoreApplication> application;
    QStringList arguments; // as QCoreApplication::arguments() decodes them
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (ConsoleSpeaksEnglish(arguments)) {
        application.emplace(argc, argv);
        InstallEnglishTranslation();
    }
    return RunCommand(arguments, out, err);
}
