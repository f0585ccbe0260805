// The manager's work without its window: package format, export of single files and
// packages, import with the format upgrade, refused names, clashes and broken input.
#include "managerfixture.h"

#include "codec.h"
#include "formatupgrade.h"
#include "projectexchange.h"
#include "projectpackage.h"
#include "suiteerror.h"
#include "textfile.h"

#include <QStringDecoder>
#include <QTextStream>

namespace {
const QString kCrLf = QStringLiteral("\r\n");

ClashResolver always(ClashChoice choice)
{
    return [choice](const QString &, const QString &) { return choice; };
}

ClashResolver never()
{
    return [](const QString &taken, const QString &) -> ClashChoice {
        qFatal("unexpected clash with %s", qPrintable(taken));
    };
}

QString Title(const QString &path)
{
    return ReadProjectTitle(LoadEncodedDocument(path));
}

void WritePackage(const QString &path, const QString &text)
{
    WriteBytes(path, EncodeUtf16LeWithBom({text}));
}

// A plain document of an older installation.
QDomDocument OldDocument(int pmode, const QString &version)
{
    QDomDocument document = MakeProjectDocument(pmode, QStringLiteral("旧工程"));
    QDomElement versionElement = document.documentElement().firstChildElement(QStringLiteral("Version"));
    if (version.isEmpty())
        versionElement.removeAttribute(QStringLiteral("Value"));
    else
        versionElement.setAttribute(QStringLiteral("Value"), version);
    versionElement.setAttribute(QStringLiteral("Author"), QStringLiteral("张老师"));
    versionElement.setAttribute(QStringLiteral("AccessByPwd"), QStringLiteral("是"));
    versionElement.setAttribute(QStringLiteral("AccessPwd"), QStringLiteral("123"));
    return document;
}

QDomElement Path(const QDomDocument &document, const QStringList &names)
{
    QDomElement element = document.documentElement();
    for (const QString &name : names)
        element = element.firstChildElement(name);
    return element;
}
QString Xml(const QDomNode &node)
{
    QString text;
    QTextStream stream(&text);
    node.save(stream, -1);
    return text;
}
} // namespace

class TestManagerExchange : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(BindCodec(QStringLiteral(SUITE_APP_DIR))); }

    void packageHasTheRecordFormatAndItsExtensionOnce()
    {
        QCOMPARE(ComposePackage({{QStringLiteral("甲"), {"l1", "l2"}}, {QStringLiteral("乙"), {"x"}}}),
                 QStringLiteral("甲]]]]]][[[[[[l1\r\nl2<<<<<<<<<<>>>>>>>>>>\r\n乙]]]]]][[[[[[x"));

        AppDirFixture app;
        app.AddProject(QStringLiteral("甲"));
        const PackResult pack = ExportPackage({QStringLiteral("甲")}, app.Path("out.rprojs"), never());
        QCOMPARE(pack.file, app.Path("out.rprojs"));
        QVERIFY(!QFile::exists(app.Path("out.rprojs.rprojs")));
        QCOMPARE(ExportPackage({QStringLiteral("甲")}, app.Path("plain"), never()).file, app.Path("plain.rprojs"));

        const QByteArray bytes = ReadBytes(pack.file);
        QVERIFY(bytes.startsWith("\xFF\xFE"));
        const QString text = QStringDecoder(QStringDecoder::Utf16LE)(bytes.sliced(2));
        const QStringList stored = ReadTextLines(ProjectFilePath(QStringLiteral("甲")));
        QCOMPARE(text, QStringLiteral("甲]]]]]][[[[[[") + stored.join(kCrLf) + kCrLf);
    }

    void twoPackedProjectsImportAsTwoEntriesAndLeaveNoTemporaryFiles()
    {
        QString package;
        {
            AppDirFixture source;
            source.AddProject(QStringLiteral("甲"), 2);
            source.AddProject(QStringLiteral("乙"), 9);
            package = QDir::temp().filePath(QStringLiteral("ostrel-test-two.rprojs"));
            QFile::remove(package);
            QVERIFY(!ExportPackage({QStringLiteral("甲"), QStringLiteral("乙")}, package, never()).file.isEmpty());
        }
        AppDirFixture target;
        target.AddProject(QStringLiteral("原有"));
        const LoadedImportFiles loaded = LoadImportFiles({package});
        QVERIFY(loaded.problems.isEmpty());
        QCOMPARE(loaded.candidates.size(), 2);
        QCOMPARE(loaded.candidates.at(0).LineText(), QStringLiteral("甲 | ") + TempDir() + QStringLiteral("甲.rproj"));
        QCOMPARE(target.TempFiles().size(), 2);

        const QVector<ProjectResult> results = ImportProjects(loaded.candidates, never());
        QFile::remove(package);
        QCOMPARE(results.size(), 2);
        QVERIFY(results.at(0).Arrived() && results.at(1).Arrived());
        const QVector<CatalogueEntry> entries = target.Entries();
        QCOMPARE(entries.size(), 3);
        for (const CatalogueEntry &entry : entries.mid(1)) {
            QCOMPARE(entry.pic, 1);
            QVERIFY(entry.remark.isEmpty());
            QVERIFY(!entry.readOnly);
        }
        QCOMPARE(entries.at(1).name, QStringLiteral("甲"));
        QCOMPARE(entries.at(2).name, QStringLiteral("乙"));
        QCOMPARE(Title(ProjectFilePath(QStringLiteral("乙"))), QStringLiteral("乙"));
        QCOMPARE(ReadQuerySection(LoadEncodedDocument(ProjectFilePath(QStringLiteral("乙")))).pmode, 9);
        QVERIFY(target.TempFiles().isEmpty());
    }

    void singleFileImportsUnderTheNameBeforeItsFirstDot()
    {
        AppDirFixture app;
        app.AddProject(QStringLiteral("原名"));
        const QString file = app.Path("abc.def.rproj");
        QVERIFY(QFile::copy(ProjectFilePath(QStringLiteral("原名")), file));
        const LoadedImportFiles loaded = LoadImportFiles({file});
        QCOMPARE(loaded.candidates.size(), 1);
        QCOMPARE(loaded.candidates.at(0).LineText(), QStringLiteral("abc.def.rproj | ") + file);
        const QVector<ProjectResult> results = ImportProjects(loaded.candidates, never());
        QCOMPARE(results.at(0).target, QStringLiteral("abc"));
        QCOMPARE(app.Names(), QStringList({QStringLiteral("原名"), QStringLiteral("abc")}));
        // An encoded file is copied as it is; the user's own file stays.
        QCOMPARE(ReadBytes(ProjectFilePath(QStringLiteral("abc"))), ReadBytes(file));
        QVERIFY(QFile::exists(file));
    }

    void pictureProjectOlderThan23IsUpgradedOnImport()
    {
        AppDirFixture app;
        QDomDocument old = OldDocument(5, QString());
        QDomElement query = Path(old, {"RandQuery", "Rand", "Query"});
        query.setAttribute(QStringLiteral("AllowStretch"), QStringLiteral("是"));
        query.setAttribute(QStringLiteral("ShowPicName"), QStringLiteral("否"));
        query.setAttribute(QStringLiteral("RanCount"), QStringLiteral("4"));
        const QString file = app.Path("图片.rproj");
        WriteBytes(file, old.toByteArray());

        const QVector<ProjectResult> results = ImportProjects(LoadImportFiles({file}).candidates, never());
        QVERIFY(results.at(0).upgraded);
        QVERIFY(results.at(0).upgradedFrom.isEmpty());
        const QString stored = ProjectFilePath(QStringLiteral("图片"));
        QVERIFY(!ReadWholeText(stored).trimmed().startsWith(QLatin1Char('<'))); // stored encoded
        const QDomDocument document = LoadEncodedDocument(stored);
        const ProjectHeader header = ReadProjectHeader(document);
        QCOMPARE(header.value, QStringLiteral("2.4"));
        QVERIFY(header.author.isEmpty() && header.accessPwd.isEmpty() && header.createTime.isEmpty());
        QVERIFY(!header.accessByPwd && !header.editWithPwd);
        const QDomElement newQuery = Path(document, {"RandQuery", "Rand", "Query"});
        QCOMPARE(newQuery.attribute("RanCount"), QStringLiteral("1"));
        QCOMPARE(newQuery.attribute("AutoDel"), QStringLiteral("否"));
        QCOMPARE(newQuery.attribute("AllowStretch"), QString());
        QCOMPARE(newQuery.attribute("ShowPicName"), QString());
        QCOMPARE(Path(document, {"Form", "Pic"}).attribute("AllowStretch"), QStringLiteral("是"));
        QCOMPARE(Path(document, {"Form", "Pic"}).attribute("Interval"), QStringLiteral("2000"));
        QCOMPARE(Path(document, {"Form", "PicName"}).attribute("Visible"), QStringLiteral("否"));
        QVERIFY(Path(document, {"Form", "RandRecord"}).isNull());
        QVERIFY(!Path(document, {"Animate"}).hasAttribute("BoxRecord"));
    }

    void otherTypesOlderThan23GetRecordSettingsAndColourCycle()
    {
        QDomDocument numbers = OldDocument(1, QString());
        QCOMPARE(UpgradeProjectFormat(numbers), QString());
        const QDomElement record = Path(numbers, {"Form", "RandRecord"});
        QCOMPARE(record.attribute("AutoNewLine"), QStringLiteral("否"));
        QCOMPARE(record.attribute("NewLineRCount"), QStringLiteral("0"));
        QCOMPARE(record.attribute("SortVariety"), QStringLiteral("Num"));
        QCOMPARE(record.attribute("SortDir"), QStringLiteral("Upper"));
        QVERIFY(Path(numbers, {"Form", "Pic"}).isNull());
        const QDomElement animate = Path(numbers, {"Animate"});
        QCOMPARE(animate.attribute("BoxRecord"), QStringLiteral("是"));
        const QDomElement boxRecord = animate.firstChildElement("BoxRecord");
        QCOMPARE(boxRecord.attribute("IntervalValue"), QStringLiteral("2"));
        QCOMPARE(boxRecord.attribute("IntervalUnit"), QStringLiteral("秒"));
        for (const char *box : {"UseRandBox", "UseRandRecord"}) {
            const QDomElement use = boxRecord.firstChildElement(box);
            QCOMPARE(use.attribute("UseFontColor"), QStringLiteral("否"));
            QCOMPARE(use.firstChildElement("FontColorList").attribute("Color"),
                     QStringLiteral("0,128,64|0,0,128|187,0,0|128,0,255|236,77,0"));
            QCOMPARE(use.firstChildElement("BgColorList").attribute("Color"),
                     QStringLiteral("128,255,255|255,128,255|255,255,0|0,255,64"));
        }
        QCOMPARE(ReadProjectHeader(numbers).value, QStringLiteral("2.4"));

        QDomDocument custom = OldDocument(0, QString());
        UpgradeProjectFormat(custom);
        QCOMPARE(Path(custom, {"Form", "RandRecord"}).attribute("SortVariety"), QStringLiteral("Str"));
        const QDomElement pic = Path(custom, {"Form", "Pic"});
        QCOMPARE(pic.attribute("Center"), QStringLiteral("是"));
        QCOMPARE(pic.attribute("Width"), QStringLiteral("808"));
        QCOMPARE(pic.attribute("Type"), QStringLiteral("仅图片名称"));
    }

    void version23GetsOnlyTheNewHeaderAndCurrentDocumentsStayAsTheyAre()
    {
        QDomDocument v23 = OldDocument(3, QStringLiteral("2.3"));
        const QString formBefore = Xml(Path(v23, {"Form"}));
        QCOMPARE(UpgradeProjectFormat(v23), QStringLiteral("2.3"));
        const ProjectHeader header = ReadProjectHeader(v23);
        QCOMPARE(header.value, QStringLiteral("2.4"));
        QVERIFY(header.author.isEmpty() && !header.accessByPwd);
        QVERIFY(Path(v23, {"Form", "RandRecord"}).isNull());
        QVERIFY(!Path(v23, {"Animate"}).hasAttribute("BoxRecord"));
        QCOMPARE(Xml(Path(v23, {"Form"})), formBefore);

        QDomDocument current = OldDocument(3, QStringLiteral("2.4"));
        const QString before = current.toString();
        QCOMPARE(UpgradeProjectFormat(current), QStringLiteral("2.4"));
        QCOMPARE(current.toString(), before);

        QDomDocument notAProject = ParseXmlText(QStringLiteral("<x><Version/></x>"), QStringLiteral("x"));
        QVERIFY_THROWS_EXCEPTION(SuiteError, UpgradeProjectFormat(notAProject));
        QCOMPARE(notAProject.toString(-1), QStringLiteral("<x><Version/></x>"));
    }

    void brokenRecordsAreReportedOneByOneAndTheGoodOnesImport()
    {
        AppDirFixture app;
        app.AddProject(QStringLiteral("好"));
        const QStringList stored = ReadTextLines(ProjectFilePath(QStringLiteral("好")));
        QVERIFY(QFile::remove(ProjectFilePath(QStringLiteral("好"))));
        const QString sep = kPackageSeparator + kCrLf;
        const QString package = app.Path("混合.rprojs");
        WritePackage(package, QStringLiteral("好]]]]]][[[[[[") + stored.join(kCrLf) + sep + QStringLiteral("没有标记")
                                  + sep + sep + QStringLiteral("空]]]]]][[[[[[") + kCrLf);
        const LoadedImportFiles loaded = LoadImportFiles({package});
        QCOMPARE(loaded.candidates.size(), 1);
        QCOMPARE(loaded.problems.size(), 3);
        QVERIFY(loaded.problems.at(0).text.contains(QStringLiteral("第 2 个记录缺少工程名称标记")));
        QVERIFY(loaded.problems.at(1).text.contains(QStringLiteral("第 3 个记录是空的")));
        QVERIFY(loaded.problems.at(2).text.contains(QStringLiteral("第 4 个记录（“空”）没有工程内容")));
        QVERIFY(ImportProjects(loaded.candidates, always(ClashChoice::Rename)).at(0).Arrived());
        QCOMPARE(app.Names(), QStringList({QStringLiteral("好"), QStringLiteral("好 (2)")}));
        QVERIFY(app.TempFiles().isEmpty());
    }

    void truncatedPackageImportsWhatIsWholeAndNothingElse()
    {
        AppDirFixture app;
        app.AddProject(QStringLiteral("甲"));
        app.AddProject(QStringLiteral("乙"));
        const QString package = app.Path("包.rprojs");
        ExportPackage({QStringLiteral("甲"), QStringLiteral("乙")}, package, never());
        AppDirFixture target;
        const QByteArray bytes = ReadBytes(package);
        WriteBytes(package, bytes.left(bytes.size() * 3 / 4 / 2 * 2));
        const LoadedImportFiles loaded = LoadImportFiles({package});
        QCOMPARE(loaded.candidates.size(), 2);
        const QVector<ProjectResult> results = ImportProjects(loaded.candidates, never());
        QVERIFY(results.at(0).Arrived());
        QCOMPARE(results.at(1).outcome, ExchangeOutcome::Failed);
        QCOMPARE(results.at(1).failure, ExchangeFailure::Unreadable);
        QVERIFY2(results.at(1).problem.contains(QStringLiteral("乙.rproj")), qPrintable(results.at(1).problem));
        QCOMPARE(target.Names(), QStringList{QStringLiteral("甲")});
        QVERIFY(!QFile::exists(ProjectFilePath(QStringLiteral("乙"))));
        QVERIFY(target.TempFiles().isEmpty());
    }

    void namesThatLeadOutOfTheirFolderAreRefused()
    {
        AppDirFixture app;
        app.AddProject(QStringLiteral("好"));
        const QStringList stored = ReadTextLines(ProjectFilePath(QStringLiteral("好")));
        const QStringList badNames{"../逃出", "a/b", "/tmp/绝对", "..\\反斜杠", "C:盘符", ".隐藏", "..", "a\tb"};
        QVector<PackageRecord> records;
        for (const QString &name : badNames)
            records << PackageRecord{name, stored};
        records << PackageRecord{QStringLiteral("新的"), stored};
        const QString package = app.Path("坏名称.rprojs");
        WritePackage(package, ComposePackage(records));
        WriteBytes(app.Path(".rproj"), "a file whose project name would be empty");
        const QStringList outsideBefore = QDir(app.Path()).entryList(QDir::Files);

        const LoadedImportFiles loaded = LoadImportFiles({package, app.Path(".rproj")});
        QCOMPARE(loaded.candidates.size(), 1);
        QCOMPARE(loaded.candidates.at(0).label, QStringLiteral("新的"));
        QCOMPARE(loaded.problems.size(), badNames.size() + 1);
        for (const ImportFileProblem &problem : loaded.problems)
            QCOMPARE(problem.failure, ExchangeFailure::RefusedName);
        QCOMPARE(app.TempFiles().size(), 1);
        QCOMPARE(QDir(app.Path()).entryList(QDir::Files), outsideBefore);
        QVERIFY(!QFile::exists(QStringLiteral("/tmp/绝对.rproj")));

        // Candidates made elsewhere are checked again on import.
        const QVector<ProjectResult> results =
            ImportProjects({ImportCandidate{QStringLiteral("a/../../x.rproj"), package, false}}, never());
        QCOMPARE(results.at(0).failure, ExchangeFailure::RefusedName);
        const QVector<ProjectResult> exported = ExportSingleFiles({QStringLiteral("../好")}, app.Path(), never());
        QCOMPARE(exported.at(0).failure, ExchangeFailure::RefusedName);
        RemoveExtractedFiles(loaded.candidates);
    }

    void nameClashesReplaceRenameOrSkipWithoutDoubleEntries()
    {
        AppDirFixture app;
        app.AddProject(QStringLiteral("甲"));
        const QString file = app.Path("甲.rproj");
        WriteBytes(file, MakeProjectDocument(2, QStringLiteral("新版")).toByteArray());
        const QVector<ImportCandidate> candidates = LoadImportFiles({file}).candidates;
        const QByteArray original = ReadBytes(ProjectFilePath(QStringLiteral("甲")));

        QStringList asked;
        const auto skip = [&](const QString &taken, const QString &freeName) {
            asked << taken << freeName;
            return ClashChoice::Skip;
        };
        QCOMPARE(ImportProjects(candidates, skip).at(0).outcome, ExchangeOutcome::Skipped);
        QCOMPARE(asked, QStringList({QStringLiteral("甲"), QStringLiteral("甲 (2)")}));
        QCOMPARE(ReadBytes(ProjectFilePath(QStringLiteral("甲"))), original);

        const QVector<ProjectResult> renamed = ImportProjects(candidates + candidates, always(ClashChoice::Rename));
        QCOMPARE(renamed.at(0).target, QStringLiteral("甲 (2)"));
        QCOMPARE(renamed.at(1).target, QStringLiteral("甲 (3)"));
        QCOMPARE(Title(ProjectFilePath(QStringLiteral("甲 (3)"))), QStringLiteral("新版"));

        QCOMPARE(ImportProjects(candidates, always(ClashChoice::Replace)).at(0).outcome, ExchangeOutcome::Replaced);
        QCOMPARE(Title(ProjectFilePath(QStringLiteral("甲"))), QStringLiteral("新版"));
        QCOMPARE(app.Names(), QStringList({QStringLiteral("甲"), QStringLiteral("甲 (2)"), QStringLiteral("甲 (3)")}));

        // A project file the catalogue does not list is not overwritten unasked either.
        SaveEncodedDocument(MakeProjectDocument(1, QStringLiteral("孤立")), ProjectFilePath(QStringLiteral("丙")));
        const QString third = app.Path("丙.rproj");
        QVERIFY(QFile::copy(file, third));
        QCOMPARE(ImportProjects(LoadImportFiles({third}).candidates, always(ClashChoice::Rename)).at(0).target,
                 QStringLiteral("丙 (2)"));
        QCOMPARE(Title(ProjectFilePath(QStringLiteral("丙"))), QStringLiteral("孤立"));
    }

    void singleFileExportNeverCountsARefusedCopy()
    {
        AppDirFixture app;
        app.AddProject(QStringLiteral("甲"));
        app.AddProject(QStringLiteral("乙"));
        const QString folder = app.Path("导出");
        QVERIFY(QDir().mkpath(folder));
        WriteBytes(folder + QStringLiteral("/甲.rproj"), "old");
        const QByteArray stored = ReadBytes(ProjectFilePath(QStringLiteral("甲")));

        QVector<ProjectResult> results =
            ExportSingleFiles({QStringLiteral("甲"), QStringLiteral("乙"), QStringLiteral("缺失")}, folder,
                              always(ClashChoice::Skip));
        QCOMPARE(results.at(0).outcome, ExchangeOutcome::Skipped);
        QVERIFY(!results.at(0).Arrived());
        QCOMPARE(ReadBytes(folder + QStringLiteral("/甲.rproj")), QByteArray("old"));
        QCOMPARE(results.at(1).outcome, ExchangeOutcome::Done);
        QCOMPARE(ReadBytes(folder + QStringLiteral("/乙.rproj")), ReadBytes(ProjectFilePath(QStringLiteral("乙"))));
        QCOMPARE(results.at(2).failure, ExchangeFailure::Unreadable);

        results = ExportSingleFiles({QStringLiteral("甲")}, folder, always(ClashChoice::Rename));
        QCOMPARE(results.at(0).target, folder + QStringLiteral("/甲 (2).rproj"));
        QCOMPARE(ReadBytes(results.at(0).target), stored);
        results = ExportSingleFiles({QStringLiteral("甲")}, folder, always(ClashChoice::Replace));
        QCOMPARE(results.at(0).outcome, ExchangeOutcome::Replaced);
        QCOMPARE(ReadBytes(folder + QStringLiteral("/甲.rproj")), stored);

        QCOMPARE(ExportSingleFiles({QStringLiteral("甲")}, app.Path("没有"), never()).at(0).failure,
                 ExchangeFailure::WriteFailed);
    }

    void unreadableCatalogueWritesNothingAndRemovesTemporaryFiles()
    {
        AppDirFixture app;
        app.AddProject(QStringLiteral("甲"));
        const QString package = app.Path("包.rprojs");
        ExportPackage({QStringLiteral("甲")}, package, never());
        QVERIFY(QFile::remove(ProjectFilePath(QStringLiteral("甲"))));
        WriteBytes(CatalogueFilePath(), "not xml <");
        const LoadedImportFiles loaded = LoadImportFiles({package});
        QCOMPARE(app.TempFiles().size(), 1);
        QVERIFY_THROWS_EXCEPTION(SuiteError, ImportProjects(loaded.candidates, never()));
        QVERIFY(app.TempFiles().isEmpty());
        QVERIFY(QDir(ProjectsDir()).isEmpty());
    }

    void protectedProjectIsReplacedOnlyWithItsEditPassword()
    {
        AppDirFixture app;
        app.AddProject(QStringLiteral("甲"));
        app.ProtectProject(QStringLiteral("甲"), QStringLiteral("口令"));
        const QString file = app.Path("甲.rproj");
        WriteBytes(file, MakeProjectDocument(2, QStringLiteral("新版")).toByteArray());
        const QVector<ImportCandidate> candidates = LoadImportFiles({file}).candidates;
        const QByteArray original = ReadBytes(ProjectFilePath(QStringLiteral("甲")));

        // Without anyone to ask (the command line) or with a refusal, nothing is replaced.
        const ProjectResult unasked = ImportProjects(candidates, always(ClashChoice::Replace)).at(0);
        QCOMPARE(unasked.failure, ExchangeFailure::Protected);
        QVERIFY(unasked.problem.contains(QStringLiteral("甲")));
        QStringList asked;
        const auto refuse = [&](const QString &name, const QString &password) {
            asked << name << password;
            return false;
        };
        QCOMPARE(ImportProjects(candidates, always(ClashChoice::Replace), refuse).at(0).outcome, ExchangeOutcome::Failed);
        QCOMPARE(asked, QStringList({QStringLiteral("甲"), QStringLiteral("口令")}));
        QCOMPARE(ReadBytes(ProjectFilePath(QStringLiteral("甲"))), original);
        // Renaming needs no password; the right password replaces.
        QCOMPARE(ImportProjects(candidates, always(ClashChoice::Rename)).at(0).target, QStringLiteral("甲 (2)"));
        const auto agree = [](const QString &, const QString &) { return true; };
        QCOMPARE(ImportProjects(candidates, always(ClashChoice::Replace), agree).at(0).outcome, ExchangeOutcome::Replaced);
        QCOMPARE(Title(ProjectFilePath(QStringLiteral("甲"))), QStringLiteral("新版"));
    }

    void importCutShortIsRolledBackAndCancelKeepsWhatCameIn()
    {
        AppDirFixture app;
        for (const QString &name : {QStringLiteral("甲"), QStringLiteral("乙"), QStringLiteral("丙")})
            app.AddProject(name);
        const QString package = app.Path("包.rprojs");
        ExportPackage({QStringLiteral("甲"), QStringLiteral("乙"), QStringLiteral("丙")}, package, never());
        AppDirFixture target;

        // Killed after two projects: their files stand, the catalogue never heard of them.
        struct Killed {};
        const auto dies = [](qsizetype done, qsizetype) {
            if (done == 2)
                throw Killed{};
            return true;
        };
        QVERIFY_THROWS_EXCEPTION(Killed, ImportProjects(LoadImportFiles({package}).candidates, never(), {}, dies));
        QCOMPARE(QDir(ProjectsDir()).entryList(QDir::Files).size(), 2);
        QVERIFY(target.Names().isEmpty());
        // The next start takes them back, so the same import finds its names free.
        RecoverInterruptedImport();
        QVERIFY(QDir(ProjectsDir()).isEmpty());
        QVERIFY(target.TempFiles().isEmpty());

        // 取消 after one: that one is imported and listed, nothing else is written.
        const auto cancel = [](qsizetype done, qsizetype) { return done < 1; };
        const QVector<ProjectResult> results = ImportProjects(LoadImportFiles({package}).candidates, never(), {}, cancel);
        QCOMPARE(results.size(), 1);
        QCOMPARE(target.Names(), QStringList{QStringLiteral("甲")});
        QCOMPARE(QDir(ProjectsDir()).entryList(QDir::Files), QStringList{QStringLiteral("甲.rpj")});
        QVERIFY(target.TempFiles().isEmpty());
        RecoverInterruptedImport(); // a finished import leaves nothing to take back
        QCOMPARE(QDir(ProjectsDir()).entryList(QDir::Files), QStringList{QStringLiteral("甲.rpj")});
    }
};

QTEST_GUILESS_MAIN(TestManagerExchange)
#include "test_manager_exchange.moc"
