#include "apppaths.h"
#include "codec.h"
#include "domutil.h"
#include "encodedxml.h"
#include "projectheader.h"
#include "querysection.h"
#include "textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run
{
    int status = -1;
    QString out;
    QString err;
    // The batches of plain output: results one a line, a blank line between batches.
    QList<QStringList> Batches() const
    {
        QList<QStringList> batches;
        for (const QString &block : out.split(QStringLiteral("\n\n")))
            batches << block.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        return batches;
    }
};

// The messages follow the locale unless Soft.ini names a language: the runs here are
// Chinese unless `locale` says otherwise.
Run RunDellamy(const QStringList &arguments, const QString &program = QStringLiteral(SUITE_APP_DIR "/Dellamy"),
               const QString &locale = QStringLiteral("C.UTF-8"))
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("LC_ALL"));
    environment.remove(QStringLiteral("LC_MESSAGES"));
    environment.insert(QStringLiteral("LANG"), locale);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(60'000))
        qFatal("Dellamy did not finish");
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

QDomDocument ProjectDocument(int pmode, const QueryParams &query, const QString &accessPwd = QString())
{
    QDomDocument document = NewXmlDocument();
    ProjectRootElement(document);
    ProjectHeader header;
    header.accessByPwd = !accessPwd.isEmpty();
    header.accessPwd = accessPwd;
    WriteProjectProperties(document, header);
    WriteQuerySection(document, query, pmode);
    return document;
}

QueryParams WithValue(int pmode, const QString &attribute, const QString &value, QueryParams query = {})
{
    if (query.isEmpty())
        query = DefaultQueryParams(pmode);
    query[QueryParamIndex(pmode, attribute)] = value;
    return query;
}

} // namespace

class CommandLineTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_appDir;
    // The application directory the build assembled: no run here may write in it.
    QString m_builtHistory = QStringLiteral(SUITE_APP_DIR "/Data/history.db");
    QDateTime m_builtHistoryChanged;

    void SaveProject(const QString &name, const QDomDocument &document)
    {
        SaveEncodedDocument(document, m_appDir.filePath(QStringLiteral("Data/Projects/%1.rpj").arg(name)));
    }
    void WriteSoftIni(bool listAutoRestore)
    {
        QFile ini(m_appDir.filePath(QStringLiteral("Soft.ini")));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write(listAutoRestore ? "[Rand]\nListAutoRestore=1\n" : "[Rand]\nListAutoRestore=0\n");
    }
    Run Draw(const QString &project, QStringList more = {})
    {
        return RunDellamy(QStringList{"--appdir", m_appDir.path(), "--project", project} + more);
    }

private slots:
    void initTestCase()
    {
        m_builtHistoryChanged = QFileInfo(m_builtHistory).lastModified();
        QVERIFY(BindCodec(QStringLiteral(SUITE_APP_DIR)));
        QVERIFY(m_appDir.isValid());
        QVERIFY(QDir(m_appDir.path()).mkpath(QStringLiteral("Data/Projects")));
        SetAppDir(m_appDir.path());
        SaveProject("四则运算", ProjectDocument(11, DefaultQueryParams(11)));
        SaveProject("抽奖", ProjectDocument(9, WithValue(9, "RanCount", "2", WithValue(9, "Lists", "A B C D E"))));
        SaveProject("排序", ProjectDocument(3, WithValue(3, "RanCount", "2", WithValue(3, "Lists", "张三/colon/1 李/comma/四"))));
        SaveProject("加密", ProjectDocument(3, DefaultQueryParams(3), "芝麻开门"));
        SaveProject("数字", ProjectDocument(1, WithValue(1, "Max", "3000", WithValue(1, "Min", "-3000", WithValue(1, "Format", "0000;(0)",
                                                        WithValue(1, "RanCount", "5000", WithValue(1, "Pred", "1")))))));
        SaveProject("坏表达式", ProjectDocument(11, WithValue(11, "EqualVars", "c,a+*b")));
        SaveProject("分工", ProjectDocument(4, WithValue(4, "MemberList", "甲 乙 丙",
                                                      WithValue(4, "TaskCountForEachMember", "1",
                                                                WithValue(4, "TaskList", "扫地 擦窗 倒垃圾 浇花")))));
        WriteSoftIni(false);
    }

    void cleanupTestCase()
    {
        const QFileInfo built(m_builtHistory);
        QVERIFY2(built.lastModified() == m_builtHistoryChanged,
                 "a draw without --appdir wrote its history into the built application directory");
    }

    void plainOutputHasOneResultALineAndBlankLinesBetweenBatches()
    {
        const Run run = Draw("四则运算", {"--batches", "3", "--seed", "42"});
        QCOMPARE(run.status, 0);
        const QList<QStringList> batches = run.Batches();
        QCOMPARE(batches.size(), 3);
        const QRegularExpression exercise(QStringLiteral("^(\\d)\\+(\\d)=\\(　\\)$"));
        for (const QStringList &batch : batches) {
            QCOMPARE(batch.size(), 5);
            for (const QString &line : batch) {
                const auto match = exercise.match(line);
                QVERIFY2(match.hasMatch(), qPrintable(line));
                QVERIFY(match.captured(1).toInt() + match.captured(2).toInt() <= 10);
            }
        }
        // The same seed draws the same again.
        QCOMPARE(Draw("四则运算", {"--batches", "3", "--seed", "42"}).out, run.out);
    }

    void jsonCarriesTheSameBatches()
    {
        const Run plain = Draw("四则运算", {"--batches", "2", "--seed", "5"});
        const Run json = Draw("四则运算", {"--batches", "2", "--seed", "5", "--json"});
        QCOMPARE(json.status, 0);
        QJsonParseError error;
        const QJsonObject object = QJsonDocument::fromJson(json.out.toUtf8(), &error).object();
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(object.value("project").toString(), QStringLiteral("四则运算"));
        QCOMPARE(object.value("type").toInt(), 11);
        QList<QStringList> batches;
        for (const QJsonValue &batch : object.value("batches").toArray()) {
            QStringList results;
            for (const QJsonValue &result : batch.toArray())
                results << result.toString();
            batches << results;
        }
        QCOMPARE(batches, plain.Batches());
    }

    void escapesAreRemoved()
    {
        const Run run = Draw("排序", {"--seed", "1"});
        QCOMPARE(run.status, 0);
        QStringList results = run.Batches().value(0);
        results.sort();
        QCOMPARE(results, (QStringList{"张三:1", "李,四"}));
    }

    void anExhaustedListStopsUnlessRestoredAutomatically()
    {
        // Five names, two a batch, drawn names removed: 5 -> 3 -> 1, then too few.
        Run run = Draw("抽奖", {"--batches", "4", "--seed", "3"});
        QCOMPARE(run.status, 5);
        QVERIFY(run.err.contains("ListAutoRestore"));
        const QList<QStringList> batches = run.Batches();
        QCOMPARE(batches.size(), 2);
        const QStringList drawn = batches.at(0) + batches.at(1);
        QCOMPARE(QSet<QString>(drawn.cbegin(), drawn.cend()).size(), 4);

        WriteSoftIni(true);
        run = Draw("抽奖", {"--batches", "4", "--seed", "3"});
        WriteSoftIni(false);
        QCOMPARE(run.status, 0);
        QCOMPARE(run.Batches().size(), 4);
    }

    void everyTaskAssignmentNamesTheWholeTeam()
    {
        // ListAutoRestore is off: the team must still be whole for each assignment.
        const Run run = Draw("分工", {"--batches", "3", "--seed", "8"});
        QCOMPARE(run.status, 0);
        QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
        const QList<QStringList> batches = run.Batches();
        QCOMPARE(batches.size(), 3);
        for (const QStringList &batch : batches) {
            QCOMPARE(batch.size(), 3);
            QSet<QString> members;
            for (const QString &line : batch)
                for (const QString &member : {QStringLiteral("甲"), QStringLiteral("乙"), QStringLiteral("丙")})
                    if (line.contains(member))
                        members.insert(member);
            QCOMPARE(members.size(), 3);
        }
    }

    void aLongListComesOutWholeAndIntact()
    {
        // Far more than one output block, read through the path for long lists.
        QStringList names;
        for (int i = 0; i < 120'000; ++i)
            names << QStringLiteral("名字%1").arg(i);
        names << QStringLiteral("😀") << QStringLiteral("a&b<c>\"d\"") << EscapeListText(QStringLiteral("x:y"));
        const QString path = m_appDir.filePath("long.xml");
        WriteFileAtomically(path, ProjectDocument(3, WithValue(3, "RanCount", QString::number(names.size()),
                                                               WithValue(3, "Lists", names.join(' '))))
                                      .toByteArray());
        const Run run = RunDellamy({"--appdir", m_appDir.path(), "--file", path, "--seed", "4"});
        QCOMPARE(run.status, 0);
        QStringList drawn = run.Batches().value(0);
        QCOMPARE(drawn.size(), names.size());
        QVERIFY(drawn != names); // shuffled
        names.last() = QStringLiteral("x:y");
        drawn.sort();
        names.sort();
        QCOMPARE(drawn, names);
    }

    void drawsWithoutHistoryPrintTheSame_data()
    {
        QTest::addColumn<QString>("project");
        QTest::addColumn<QStringList>("more");
        QTest::newRow("names removed until the list runs out") << "抽奖" << QStringList{"--batches", "4"};
        QTest::newRow("shuffle") << "排序" << QStringList{"--batches", "2"};
        QTest::newRow("numbers") << "数字" << QStringList{"--batches", "2"};
    }
    // Without the history the results are written from the engine's compact form: the
    // same seed prints the same bytes as with it.
    void drawsWithoutHistoryPrintTheSame()
    {
        QFETCH(QString, project);
        QFETCH(QStringList, more);
        more << "--seed" << "17";
        const Run withHistory = Draw(project, more);
        const Run without = Draw(project, more + QStringList{"--no-history"});
        QVERIFY(!without.out.isEmpty());
        QCOMPARE(without.out, withHistory.out);
        QCOMPARE(without.err, withHistory.err);
        QCOMPARE(without.status, withHistory.status);
    }

    // A plain file's long list reaches the draw as the file's bytes, an encoded file's as
    // text, a list holding a reference by the XML reader: the draws must not tell them
    // apart, repeated names and removal included.
    void plainAndEncodedListsDrawAlike()
    {
        QStringList names;
        for (int i = 0; i < 3000; ++i)
            names << QStringLiteral("学生%1").arg(i % 2000);
        for (const QString &list : {names.join(' '), names.join(' ') + QStringLiteral(" 甲&乙")}) {
            QueryParams query = WithValue(2, "PosSetAble", "否");
            query = WithValue(2, "Lists", list, query);
            query = WithValue(2, "RanCount", "3", query);
            query = WithValue(2, "AutoDel", "是", query);
            const QDomDocument document = ProjectDocument(2, query);
            WriteFileAtomically(m_appDir.filePath("plain.xml"), document.toByteArray());
            SaveEncodedDocument(document, m_appDir.filePath("encoded.rpj"));
            const QStringList arguments{"--appdir", m_appDir.path(), "--seed", "6", "--batches", "5", "--no-history", "--file"};
            const Run plain = RunDellamy(arguments + QStringList{m_appDir.filePath("plain.xml")});
            const Run encoded = RunDellamy(arguments + QStringList{m_appDir.filePath("encoded.rpj")});
            QCOMPARE(plain.status, 0);
            QCOMPARE(plain.out, encoded.out);
            QStringList drawn;
            for (const QStringList &batch : plain.Batches())
                drawn += batch;
            QCOMPARE(drawn.size(), 15);
            QCOMPARE(QSet<QString>(drawn.begin(), drawn.end()).size(), 15);
        }
    }

    void aProtectedProjectNeedsItsPassword()
    {
        QCOMPARE(Draw("加密").status, 6);
        QCOMPARE(Draw("加密", {"--password", "芝麻"}).status, 6);
        const Run run = Draw("加密", {"--password", "芝麻开门"});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.Batches().value(0).size(), 4);
    }

    void badArgumentsPrintTheUsage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("no project") << QStringList{"--json"};
        QTest::newRow("project and file") << QStringList{"--project", "a", "--file", "b.rpj"};
        QTest::newRow("zero batches") << QStringList{"--project", "a", "--batches", "0"};
        QTest::newRow("batches not a number") << QStringList{"--project", "a", "--batches", "五"};
        QTest::newRow("negative seed") << QStringList{"--project", "a", "--seed", "-1"};
        QTest::newRow("missing value") << QStringList{"--project"};
        QTest::newRow("unknown option") << QStringList{"--project", "a", "--fast"};
        QTest::newRow("name leaves the folder") << QStringList{"--project", "../Soft"};
        QTest::newRow("missing app dir") << QStringList{"--project", "a", "--appdir", "/nonexistent/dir"};
        QTest::newRow("verifiable with a seed") << QStringList{"--project", "a", "--verifiable", "--seed", "1"};
        QTest::newRow("public without verifiable") << QStringList{"--project", "a", "--public", "7"};
        QTest::newRow("verify with a project") << QStringList{"--verify", "a.zcert", "--project", "a"};
    }
    void badArgumentsPrintTheUsage()
    {
        QFETCH(QStringList, arguments);
        const Run run = RunDellamy(arguments);
        QCOMPARE(run.status, 2);
        QVERIFY(run.err.contains("--project"));
        QVERIFY(run.out.isEmpty());
    }

    void aVerifiableDrawIsCheckedAndEditsAreNamed()
    {
        const QString certificate = m_appDir.filePath(QStringLiteral("证书/抽奖.zcert"));
        const Run run = Draw("抽奖", {"--verifiable", "--batches", "2", "--public", "09 12", "--cert", certificate});
        QCOMPARE(run.status, 0);
        const QStringList lines = run.out.split(QLatin1Char('\n'));
        QVERIFY2(lines.at(0).startsWith(QStringLiteral("承诺：")) && lines.at(1).startsWith(QStringLiteral("指纹：")),
                 qPrintable(run.out));
        const QString fingerprint = lines.at(1).mid(3, 19);
        QVERIFY(run.out.contains(QStringLiteral("证书：") + certificate));

        const Run verified = RunDellamy({"--verify", certificate});
        QCOMPARE(verified.status, 0);
        QVERIFY2(verified.out.startsWith(QStringLiteral("一致")) && verified.out.contains(fingerprint), qPrintable(verified.out));

        // The first result of the first batch, renamed in the certificate.
        QFile file(certificate);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QByteArray text = file.readAll();
        file.close();
        const QByteArray results = "\"results\": [\n                \"";
        const qsizetype at = text.indexOf(results) + results.size();
        QVERIFY(at > results.size());
        text.insert(at, "X");
        const QString edited = m_appDir.filePath(QStringLiteral("证书/改过.zcert"));
        WriteFileAtomically(edited, text);
        const Run refused = RunDellamy({"--verify", edited, "--json"});
        QCOMPARE(refused.status, 1);
        const QJsonObject verdict = QJsonDocument::fromJson(refused.out.toUtf8()).object();
        QCOMPARE(verdict.value("result").toString(), QStringLiteral("不一致"));
        QVERIFY2(verdict.value("difference").toString().contains(QStringLiteral("第 1 次抽取第 1 个结果")),
                 qPrintable(refused.out));

        // Without --cert the certificate goes to Certificates/ in the data folder.
        const Run kept = Draw("抽奖", {"--verifiable", "--json"});
        QCOMPARE(kept.status, 0);
        const QString keptPath = QJsonDocument::fromJson(kept.out.toUtf8()).object().value("certificate").toString();
        QVERIFY2(keptPath.startsWith(QDir(m_appDir.filePath("Certificates")).path()), qPrintable(kept.out));
        QCOMPARE(RunDellamy({"--verify", keptPath}).status, 0);
    }

    void helpGoesToStandardOutput()
    {
        const Run run = RunDellamy({"--help", "--appdir", m_appDir.path()});
        QCOMPARE(run.status, 0);
        QVERIFY(run.out.contains("--batches"));
        QVERIFY2(run.out.contains("数据文件夹：" + QDir(m_appDir.path()).absolutePath() + "/"), qPrintable(run.out));
        // Started through the installed launcher, the text names the launcher.
        QTemporaryDir bin;
        QVERIFY(QFile::link(SUITE_APP_DIR "/Dellamy", bin.filePath("zelmora-draw")));
        const Run launched = RunDellamy({"--help"}, bin.filePath("zelmora-draw"));
        QVERIFY2(launched.out.startsWith("用法：zelmora-draw (--project"), qPrintable(launched.out));
    }

    // English changes what people read, never what scripts read.
    void englishMessagesLeaveTheOutputAlone()
    {
        QTemporaryDir english;
        QVERIFY(QDir(english.path()).mkpath(QStringLiteral("Data/Projects")));
        QVERIFY(QFile::copy(m_appDir.filePath(QStringLiteral("Data/Projects/抽奖.rpj")),
                            english.filePath(QStringLiteral("Data/Projects/抽奖.rpj"))));
        QFile ini(english.filePath(QStringLiteral("Soft.ini")));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[Interface]\nLanguage=English\n");
        ini.close();
        const QRegularExpression chinese(QStringLiteral("[\\x{4e00}-\\x{9fff}]"));

        const Run help = RunDellamy({"--help", "--appdir", english.path()});
        QVERIFY2(help.out.startsWith("Usage: Dellamy (--project NAME"), qPrintable(help.out));
        QVERIFY2(!help.out.contains(chinese), qPrintable(help.out));
        const Run bad = RunDellamy({"--appdir", english.path(), "--batches", "0", "--project", "抽奖"});
        QCOMPARE(bad.status, 2);
        QVERIFY2(bad.err.startsWith("--batches must be a whole number from 1 to"), qPrintable(bad.err));

        for (const QStringList &format : {QStringList{}, QStringList{"--json"}}) {
            const QStringList draw = QStringList{"--project", "抽奖", "--seed", "9", "--batches", "2", "--no-history"} + format;
            const Run inEnglish = RunDellamy(QStringList{"--appdir", english.path()} + draw);
            QCOMPARE(inEnglish.status, 0);
            QCOMPARE(inEnglish.out, RunDellamy(QStringList{"--appdir", m_appDir.path()} + draw).out);
        }
        // Without a setting the locale decides.
        const QStringList automatic = {"--help", "--appdir", m_appDir.path()};
        QVERIFY(RunDellamy(automatic, QStringLiteral(SUITE_APP_DIR "/Dellamy"), "en_GB.UTF-8").out.startsWith("Usage:"));
        QVERIFY(RunDellamy(automatic, QStringLiteral(SUITE_APP_DIR "/Dellamy"), "zh_CN.UTF-8").out.startsWith("用法："));
    }

    void missingOrUnreadableProjectsAreStatusThree()
    {
        QCOMPARE(Draw("没有这个工程").status, 3);
        const QString garbage = m_appDir.filePath("garbage.rpj");
        WriteFileAtomically(garbage, "not a project at all");
        const Run run = RunDellamy({"--appdir", m_appDir.path(), "--file", garbage});
        QCOMPARE(run.status, 3);
        QVERIFY(!run.err.isEmpty());
    }

    void onlyRegularFilesAreReadAsProjects_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reported");
        QTest::newRow("device") << "零" << "不是普通文件";
        QTest::newRow("pipe") << "管道" << "不是普通文件";
        QTest::newRow("folder") << "目录" << "是一个文件夹";
        QTest::newRow("link loop") << "环A" << "循环的符号链接";
    }
    void onlyRegularFilesAreReadAsProjects()
    {
        // A pipe or a device hung the draw or filled the memory; a folder or a link loop
        // was reported as missing. Each is refused at once for what it is.
        QFETCH(QString, name);
        QFETCH(QString, reported);
        const QString projects = m_appDir.filePath(QStringLiteral("Data/Projects/"));
        if (!QFileInfo(projects + QStringLiteral("零.rpj")).isSymLink()) {
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), projects + QStringLiteral("零.rpj")));
            QCOMPARE(QProcess::execute(QStringLiteral("mkfifo"), {projects + QStringLiteral("管道.rpj")}), 0);
            QVERIFY(QDir(projects).mkdir(QStringLiteral("目录.rpj")));
            QVERIFY(QFile::link(projects + QStringLiteral("环B.rpj"), projects + QStringLiteral("环A.rpj")));
            QVERIFY(QFile::link(projects + QStringLiteral("环A.rpj"), projects + QStringLiteral("环B.rpj")));
        }
        const Run run = Draw(name);
        QCOMPARE(run.status, 3);
        QVERIFY2(run.err.contains(reported), qPrintable(run.err));
    }

    void picturePathsComeOutAsStored()
    {
        // Folders named like list escapes ("or", "colon") are not escapes in a path.
        SaveProject("图片", ProjectDocument(5, WithValue(5, "ImgList", "/srv/pics/or/a.jpg|/srv/colon/sharp/b.jpg",
                                                          WithValue(5, "RanCount", "2"))));
        const Run run = Draw("图片", {"--seed", "3"});
        QCOMPARE(run.status, 0);
        QStringList drawn = run.Batches().value(0);
        drawn.sort();
        QCOMPARE(drawn, QStringList({"/srv/colon/sharp/b.jpg", "/srv/pics/or/a.jpg"}));
    }

    void aPlainDocumentWithOnlyHeaderAndQueryDraws()
    {
        const QString path = m_appDir.filePath("plain.xml");
        WriteFileAtomically(path, ProjectDocument(1, DefaultQueryParams(1)).toByteArray());
        const Run run = RunDellamy({"--appdir", m_appDir.path(), "--file", path, "--json"});
        QCOMPARE(run.status, 0);
        const QJsonObject object = QJsonDocument::fromJson(run.out.toUtf8()).object();
        QCOMPARE(object.value("project").toString(), QStringLiteral("plain"));
        QCOMPARE(object.value("type").toInt(), 1);
        QCOMPARE(object.value("batches").toArray().at(0).toArray().size(), 5);
    }

    void engineRefusalsAreStatusFourWithTheReason()
    {
        const Run run = Draw("坏表达式");
        QCOMPARE(run.status, 4);
        QVERIFY2(run.err.contains("a+*b"), qPrintable(run.err));
    }

    // Damaged or hand-edited project files: a reason in Chinese, nothing drawn, the file as it was.
    void malformedProjectFilesAreRefusedAndKept_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("reason");
        QTest::newRow("nested 100,000 deep")
            << "<RandProject>" + QByteArray("<a>").repeated(100000) + QByteArray("</a>").repeated(100000) + "</RandProject>"
            << 3 << "嵌套";
        QTest::newRow("task assignment without format")
            << ProjectDocument(4, WithValue(4, "Format", "")).toByteArray() << 4 << "结果格式";
        QTest::newRow("zero questions") << ProjectDocument(11, WithValue(11, "RanCount", "0")).toByteArray() << 4
                                        << "生成数量";
        QTest::newRow("passwords beyond memory")
            << ProjectDocument(6, WithValue(6, "PwLength", "4096", WithValue(6, "RanCount", "1000000"))).toByteArray()
            << 4 << "密码长度";
    }
    void malformedProjectFilesAreRefusedAndKept()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, status);
        QFETCH(QString, reason);
        const QString path = m_appDir.filePath("damaged.xml");
        WriteFileAtomically(path, content);
        const Run run = RunDellamy({"--appdir", m_appDir.path(), "--file", path, "--batches", "3"});
        QCOMPARE(run.status, status);
        QVERIFY2(run.err.contains(reason), qPrintable(run.err));
        QVERIFY2(run.out.trimmed().isEmpty(), qPrintable(run.out.left(200)));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), content);
    }

    void jsonThatWouldNotFitInMemoryIsRefused()
    {
        // JSON holds every batch until the end: ten million results at most.
        const QString path = m_appDir.filePath("million.xml");
        WriteFileAtomically(path, ProjectDocument(1, WithValue(1, "RanCount", "1000000",
                                                               WithValue(1, "AllowRepeat", "是"))).toByteArray());
        const Run run = RunDellamy({"--appdir", m_appDir.path(), "--file", path, "--json", "--batches", "11"});
        QCOMPARE(run.status, 4);
        QVERIFY2(run.err.contains("--batches"), qPrintable(run.err));
    }

    void aMissingExpressionLibraryRefusesCalculations()
    {
        // A program directory holding Dellamy and the codec but not Mirzonel.
        QTemporaryDir programDir;
        QVERIFY(QFile::copy(SUITE_APP_DIR "/Dellamy", programDir.filePath("Dellamy")));
        QVERIFY(QFile::copy(SUITE_APP_DIR "/Quillet.so", programDir.filePath("Quillet.so")));
        const Run run = RunDellamy({"--appdir", m_appDir.path(), "--project", "四则运算"}, programDir.filePath("Dellamy"));
        QCOMPARE(run.status, 4);
        QVERIFY2(run.err.contains("Mirzonel"), qPrintable(run.err));
        // Other types never need it.
        QCOMPARE(RunDellamy({"--appdir", m_appDir.path(), "--project", "排序"}, programDir.filePath("Dellamy")).status, 0);
    }

    // A command-line draw loads nothing of the window: the program itself needs QtCore
    // and QtXml only, and the window library is loaded when a window opens.
    void theProgramNeedsNoWindowLibraries()
    {
        const QString readelf = QStandardPaths::findExecutable(QStringLiteral("readelf"));
        if (readelf.isEmpty())
            QSKIP("readelf (binutils) is not installed");
        QProcess process;
        process.start(readelf, {"-d", SUITE_APP_DIR "/Dellamy"});
        QVERIFY(process.waitForFinished(30'000));
        const QString needed = QString::fromUtf8(process.readAllStandardOutput());
        QVERIFY2(needed.contains("libQt6Core") && needed.contains("libQt6Xml"), qPrintable(needed));
        for (const char *window : {"Qt6Gui", "Qt6Widgets", "Qt6Charts", "Qt6Multimedia", "Qt6OpenGL"})
            QVERIFY2(!needed.contains(window), window);
    }

    void aMissingWindowLibraryIsNamed()
    {
        QTemporaryDir programDir;
        QVERIFY(QFile::copy(SUITE_APP_DIR "/Dellamy", programDir.filePath("Dellamy")));
        const Run run = RunDellamy({}, programDir.filePath("Dellamy"));
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains("找不到窗口库 DellamyWindow"), qPrintable(run.err));
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "commandline_test.moc"
