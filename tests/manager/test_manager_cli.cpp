// Ostrel's command line as a script runs it: without a display, one line per project,
// the exit statuses, and an export → import round trip that Dellamy then draws from.
#include "managerfixture.h"

#include "codec.h"
#include "projectpackage.h"
#include "textfile.h"

#include <QProcess>
#include <QProcessEnvironment>

namespace {
struct Run
{
    int status = -1;
    QStringList out; // lines
    QString err;
};

// `locale`, when given, is the one the user asks messages in.
Run RunProgram(const QString &program, const QStringList &arguments, const QString &locale = {})
{
    QProcess process;
    // No display of any kind: the commands must not need one.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    if (!locale.isEmpty()) {
        environment.insert(QStringLiteral("LC_ALL"), locale);
        environment.insert(QStringLiteral("LANG"), locale);
    }
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(SUITE_APP_DIR "/") + program, arguments);
    if (!process.waitForFinished(60'000))
        qFatal("%s did not finish", qPrintable(program));
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts),
            QString::fromUtf8(process.readAllStandardError())};
}

Run Ostrel(const QString &appDir, const QStringList &arguments, const QString &locale = {})
{
    return RunProgram(QStringLiteral("Ostrel"), QStringList{"--appdir", appDir} + arguments, locale);
}
} // namespace

class TestManagerCli : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(BindCodec(QStringLiteral(SUITE_APP_DIR))); }

    void badArgumentsAndHelp()
    {
        const Run help = RunProgram("Ostrel", {"--help"});
        QCOMPARE(help.status, 0);
        QVERIFY(help.out.first().startsWith(QStringLiteral("用法：Ostrel")));
        for (const QStringList &arguments : QList<QStringList>{{"--export", "甲"},
                                                               {"--pack", "--to", "x"},
                                                               {"--import"},
                                                               {"--export", "甲", "--import", "b", "--to", "x"},
                                                               {"--import", "a.rproj", "--on-clash", "merge"},
                                                               {"--import", "a.rproj", "--to", "x"},
                                                               {"--frobnicate"}}) {
            const Run run = RunProgram("Ostrel", arguments);
            QVERIFY2(run.status == 2, qPrintable(arguments.join(' ')));
            QVERIFY(run.err.contains(QStringLiteral("用法")));
        }
    }

    void exportImportRoundTripDrawsInDellamy()
    {
        AppDirFixture source;
        source.AddProject(QStringLiteral("幸运数字"), 1);
        source.AddProject(QStringLiteral("排序"), 3);
        const QString sourceDir = source.Path();
        QTemporaryDir out;
        const Run exported = Ostrel(sourceDir, {"--export", "幸运数字", "排序", "--to", out.path()});
        QCOMPARE(exported.status, 0);
        QCOMPARE(exported.out, QStringList({"已导出：幸运数字 → " + out.filePath("幸运数字.rproj"),
                                            "已导出：排序 → " + out.filePath("排序.rproj")}));
        const Run packed = Ostrel(sourceDir, {"--pack", "幸运数字", "排序", "--to", out.filePath("两个")});
        QCOMPARE(packed.status, 0);
        QCOMPARE(packed.out.size(), 2);
        QVERIFY(QFile::exists(out.filePath("两个.rprojs")));

        AppDirFixture target;
        const Run imported = Ostrel(target.Path(), {"--import", out.filePath("排序.rproj")});
        QCOMPARE(imported.status, 0);
        QCOMPARE(imported.out, QStringList{"已导入：排序"});
        const Run drawn = RunProgram("Dellamy", {"--appdir", target.Path(), "--project", "排序", "--seed", "3"});
        QCOMPARE(drawn.status, 0);
        QVERIFY(!drawn.out.isEmpty());

        // The package once more: the default gives the clashing one a new name.
        const Run again = Ostrel(target.Path(), {"--import", out.filePath("两个.rprojs")});
        QCOMPARE(again.status, 0);
        QCOMPARE(again.out, QStringList({"已导入：幸运数字", "已改名导入：排序 → 排序 (2)"}));
        QCOMPARE(target.Names(), QStringList({"排序", "幸运数字", "排序 (2)"}));
        QVERIFY(target.TempFiles().isEmpty());
        QCOMPARE(RunProgram("Dellamy", {"--appdir", target.Path(), "--project", "排序 (2)"}).status, 0);

        const Run skipped = Ostrel(target.Path(), {"--import", out.filePath("排序.rproj"), "--on-clash", "skip"});
        QCOMPARE(skipped.status, 0);
        QVERIFY(skipped.out.first().startsWith(QStringLiteral("已跳过：排序.rproj")));
        QCOMPARE(target.Names().size(), 3);
    }

    void exitStatusesSayWhatWentWrong()
    {
        AppDirFixture app;
        app.AddProject(QStringLiteral("甲"));
        const QString dir = app.Path();
        const Run missing = Ostrel(dir, {"--import", app.Path("没有.rproj"), app.Path("说明.txt")});
        QCOMPARE(missing.status, 3);
        QVERIFY(missing.err.contains(QStringLiteral("没有.rproj")));
        QCOMPARE(Ostrel(dir, {"--export", "不存在", "--to", dir}).status, 3);
        const Run traversal = Ostrel(dir, {"--export", "../甲", "甲", "--to", dir});
        QCOMPARE(traversal.status, 4);
        QCOMPARE(traversal.out, QStringList{"已导出：甲 → " + app.Path("甲.rproj")}); // the rest is still done
        QCOMPARE(Ostrel(dir, {"--export", "甲", "--to", app.Path("没有的文件夹")}).status, 5);

        // An existing target: renamed by default, replaced or skipped on request.
        QCOMPARE(Ostrel(dir, {"--export", "甲", "--to", dir}).out,
                 QStringList{"已改名导出：甲 → " + app.Path("甲 (2).rproj")});
        QVERIFY(Ostrel(dir, {"--export", "甲", "--to", dir, "--on-clash", "replace"}).out.first().startsWith("已导出并替换"));
        QCOMPARE(Ostrel(dir, {"--pack", "甲", "--to", app.Path("p.rprojs")}).status, 0);
        const Run packSkip = Ostrel(dir, {"--pack", "甲", "--to", app.Path("p"), "--on-clash", "skip"});
        QCOMPARE(packSkip.status, 0);
        QVERIFY(packSkip.out.first().startsWith(QStringLiteral("已跳过：甲")));
        QCOMPARE(QDir(dir).entryList({"*.rprojs*"}), QStringList{"p.rprojs"});
    }

    void anEnglishLocaleGetsEnglishLines()
    {
        AppDirFixture app;
        app.AddProject(QStringLiteral("甲"));
        const QString dir = app.Path();
        const QString english = QStringLiteral("en_US.UTF-8");
        const Run exported = Ostrel(dir, {"--export", "甲", "--to", dir}, english);
        QCOMPARE(exported.out, QStringList{"Exported: 甲 → " + app.Path("甲.rproj")});
        const Run renamed = Ostrel(dir, {"--import", app.Path("甲.rproj"), app.Path("没有.rproj")}, english);
        QCOMPARE(renamed.out, QStringList{QStringLiteral("Imported under a new name: 甲.rproj → 甲 (2)")});
        QCOMPARE(renamed.err, QStringLiteral("Not imported: 没有.rproj: The file does not exist or is not a regular file.\n"));
        const Run wrong = Ostrel(dir, {"--import"}, english);
        QCOMPARE(wrong.status, 2);
        QVERIFY2(wrong.err.startsWith(QStringLiteral("Please give the files to import.\n\nUsage: ")), qPrintable(wrong.err));
        // The same start without the English locale keeps the Chinese lines.
        QCOMPARE(Ostrel(dir, {"--import", app.Path("甲.rproj")}).out.first(),
                 QStringLiteral("已改名导入：甲.rproj → 甲 (3)"));
    }

    void protectedProjectsMissingFoldersAndLargeImports()
    {
        AppDirFixture app;
        app.AddProject(QStringLiteral("甲"));
        const QString dir = app.Path();
        QCOMPARE(Ostrel(dir, {"--export", "甲", "--to", dir}).status, 0);
        app.ProtectProject(QStringLiteral("甲"), QStringLiteral("口令"));
        const QByteArray original = ReadBytes(ProjectFilePath(QStringLiteral("甲")));
        const Run replace = Ostrel(dir, {"--import", app.Path("甲.rproj"), "--on-clash", "replace"});
        QCOMPARE(replace.status, 4);
        QVERIFY2(replace.err.contains(QStringLiteral("工程“甲”设有编辑密码")), qPrintable(replace.err));
        QCOMPARE(ReadBytes(ProjectFilePath(QStringLiteral("甲"))), original);
        QCOMPARE(Ostrel(dir, {"--import", app.Path("甲.rproj"), "--on-clash", "rename"}).out,
                 QStringList{QStringLiteral("已改名导入：甲.rproj → 甲 (2)")});

        // A document older than 2.3 says so in one phrase.
        QDomDocument old = MakeProjectDocument(1, QStringLiteral("旧"));
        old.documentElement().firstChildElement(QStringLiteral("Version")).removeAttribute(QStringLiteral("Value"));
        WriteBytes(app.Path("旧.rproj"), old.toByteArray());
        QCOMPARE(Ostrel(dir, {"--import", app.Path("旧.rproj")}).out,
                 QStringList{QStringLiteral("已导入：旧（格式由 2.3 以前的版本升级为 2.4）")});

        // A missing application folder is refused, not made.
        const QString missing = app.Path("没有这个目录");
        QCOMPARE(Ostrel(missing, {"--import", app.Path("甲.rproj")}).status, 2);
        QVERIFY(!QFileInfo::exists(missing));

        // A folder as the package target: the package is named after its first project.
        QVERIFY(QDir(dir).mkdir(QStringLiteral("包")));
        QCOMPARE(Ostrel(dir, {"--pack", "甲 (2)", "甲", "--to", app.Path("包") + "/"}).status, 0);
        QCOMPARE(QDir(app.Path("包")).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("甲 (2).rprojs")});

        // A large import says how far it is on the error stream; the results stay on stdout.
        QStringList names;
        for (int i = 0; i < 200; ++i)
            names << QStringLiteral("学生%1").arg(i);
        QVector<PackageRecord> records;
        const QStringList stored = ReadTextLines(ProjectFilePath(QStringLiteral("甲")));
        for (const QString &name : names)
            records << PackageRecord{name, stored};
        WriteBytes(app.Path("班级.rprojs"), EncodeUtf16LeWithBom({ComposePackage(records)}));
        const Run large = Ostrel(dir, {"--import", app.Path("班级.rprojs")});
        QCOMPARE(large.status, 0);
        QCOMPARE(large.out.size(), 200);
        QVERIFY2(large.err.contains(QStringLiteral("导入进度：100/200")) && large.err.contains(QStringLiteral("导入进度：200/200")),
                 qPrintable(large.err));
        QCOMPARE(app.Names().size(), 203);
    }
};

QTEST_GUILESS_MAIN(TestManagerCli)
#include "test_manager_cli.moc"
