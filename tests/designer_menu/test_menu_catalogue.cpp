#include "apppaths.h"
#include "menucatalogue.h"
#include "menufixture.h"
#include "menugeometry.h"
#include "menuinstance.h"
#include "suiteerror.h"

#include <QFile>
#include <QProcess>
#include <QtTest>

namespace {
const QStringList kNames{QStringLiteral("甲"), QStringLiteral("乙"), QStringLiteral("丙"), QStringLiteral("丁"),
                         QStringLiteral("戊")};

QStringList names(const QVector<CatalogueEntry> &entries)
{
    QStringList result;
    for (const CatalogueEntry &entry : entries)
        result << entry.name;
    return result;
}

// A catalogue that no longer parses: every later write of it must fail.
void breakCatalogue()
{
    QFile file(CatalogueFilePath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<Menu><Projects");
}
} // namespace

class TestMenuCatalogue : public QObject
{
    Q_OBJECT
private slots:
    void init() { fixture.Build(kNames); }

    void gridColumnsFollowTheWidth_data();
    void gridColumnsFollowTheWidth();
    void dropPositions_data();
    void dropPositions();
    void renameRefusesWhatTheWizardRefuses_data();
    void renameRefusesWhatTheWizardRefuses();
    void renameMovesFileAndCatalogueTogether();
    void aRefusedRenameIsExplainedInChinese();
    void renameThatCannotReachTheCatalogueKeepsTheOldFile();
    void deleteRemovesFileAndEntry();
    void deleteThatCannotReachTheCatalogueKeepsTheFile();
    void closingKeepsEntriesAddedBehindTheMenusBack();
    void closingNeverBringsBackWhatAnotherProgramRenamedOrDeleted();
    void secondMenuOnTheDataFolderHandsOverToTheFirst();
    void lockOfACrashedMenuIsTakenOver();
    void filterMatchesNameOrRemark();

private:
    MenuFixture fixture;
};

void TestMenuCatalogue::gridColumnsFollowTheWidth_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("columns");
    QTest::newRow("745") << 745 << 6;
    QTest::newRow("620") << 620 << 4;
    QTest::newRow("narrowest") << MenuGrid::MinClientWidth << 1;
    QTest::newRow("below the narrowest") << 20 << 1;
}

void TestMenuCatalogue::gridColumnsFollowTheWidth()
{
    QFETCH(int, width);
    QFETCH(int, columns);
    QCOMPARE(ColumnsForWidth(width), columns);
    const QPoint origin = MenuGrid::StartOrigin;
    QCOMPARE(CellPosition(columns, columns, origin), QPoint(36, 116 + 95));
    QCOMPARE(CellPosition(columns + 1, columns, origin), QPoint(columns > 1 ? 36 + 122 : 36, columns > 1 ? 211 : 306));
}

void TestMenuCatalogue::dropPositions_data()
{
    // Eight projects in rows of six starting at (36, 116).
    QTest::addColumn<QPoint>("iconPos");
    QTest::addColumn<int>("target");
    QTest::newRow("back on its own cell") << QPoint(36 + 3 * 122, 116) << 3;
    QTest::newRow("index 0 dropped on cell 3") << QPoint(36 + 3 * 122 + 20, 116 - 10) << 3;
    QTest::newRow("just short of half a cell") << QPoint(36 + 60, 116) << 0;
    QTest::newRow("half a cell") << QPoint(36 + 61, 116) << 1;
    QTest::newRow("left of the grid") << QPoint(-200, 116 + 95) << 6;
    QTest::newRow("right of the grid") << QPoint(2000, 116) << 5;
    QTest::newRow("above the grid") << QPoint(36 + 122, -300) << 1;
    QTest::newRow("past the last entry in the last row") << QPoint(36 + 5 * 122, 116 + 95) << 7;
    QTest::newRow("rows beyond the last") << QPoint(36 + 2 * 122, 116 + 5 * 95) << 7;
}

void TestMenuCatalogue::dropPositions()
{
    QFETCH(QPoint, iconPos);
    QFETCH(int, target);
    QCOMPARE(DropTarget(iconPos, MenuGrid::StartOrigin, 6, 8), target);
}

void TestMenuCatalogue::renameRefusesWhatTheWizardRefuses_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("problem");
    QTest::newRow("another project's name") << QStringLiteral("丙") << QStringLiteral("项目名称不能与现有的项目名称重复！");
    QTest::newRow("a file nobody lists") << QStringLiteral("孤儿") << QStringLiteral("项目名称不能与现有的项目名称重复！");
    QTest::newRow("empty") << QString() << QStringLiteral("项目名称不能为空！");
    QTest::newRow("up the tree") << QStringLiteral("../甲") << QStringLiteral("项目名称中不得出现小数点！");
    QTest::newRow("separator") << QStringLiteral("a/b")
                               << QStringLiteral("项目名称中不得出现 / \\ < > : \" | ? * 等不能用于文件名的字符！");
    QTest::newRow("blanks") << QStringLiteral("  ") << QStringLiteral("项目名称不能只由空格组成！");
    const QString edges = QStringLiteral("项目名称的开头和结尾不能是空格！");
    QTest::newRow("leading space") << QStringLiteral(" 甲二") << edges;
    QTest::newRow("trailing ideographic space") << QStringLiteral("甲二\u3000") << edges;
    const QString control = QStringLiteral("项目名称中不得出现换行符、制表符等控制字符！");
    QTest::newRow("line break") << QStringLiteral("甲\n二") << control;
    QTest::newRow("delete") << QStringLiteral("甲\u007f二") << control;
    QTest::newRow("C1 control") << QStringLiteral("甲\u0085二") << control;
    QTest::newRow("101 characters") << QString(101, QChar(0x957F)) << QStringLiteral("项目名称不能超过100个字符！");
}

void TestMenuCatalogue::renameRefusesWhatTheWizardRefuses()
{
    QFETCH(QString, name);
    QFETCH(QString, problem);
    QVERIFY(QFile::copy(ProjectFilePath(QStringLiteral("甲")), ProjectFilePath(QStringLiteral("孤儿"))));
    MenuCatalogue catalogue = MenuCatalogue::Load();
    const auto before = fixture.Snapshot();
    const QStringList problems = catalogue.Rename(0, name);
    QVERIFY2(problems.contains(problem), qPrintable(problems.join(QLatin1Char('|'))));
    QCOMPARE(catalogue.At(0).name, QStringLiteral("甲"));
    QCOMPARE(fixture.Snapshot(), before);
}

void TestMenuCatalogue::renameMovesFileAndCatalogueTogether()
{
    MenuCatalogue catalogue = MenuCatalogue::Load();
    catalogue.Move(0, 2);  // order changes reach the file only at close
    const QByteArray content = ReadBytes(ProjectFilePath(QStringLiteral("乙")));
    QCOMPARE(catalogue.Rename(0, QStringLiteral("新乙")), QStringList());
    QCOMPARE(catalogue.At(0).name, QStringLiteral("新乙"));
    QVERIFY(!QFile::exists(ProjectFilePath(QStringLiteral("乙"))));
    QCOMPARE(ReadBytes(ProjectFilePath(QStringLiteral("新乙"))), content);
    const QVector<CatalogueEntry> onDisk = fixture.EntriesOnDisk();
    QCOMPARE(names(onDisk), (QStringList{"甲", "新乙", "丙", "丁", "戊"}));
    QCOMPARE(onDisk.at(1).remark, QStringLiteral("备注1"));
    QCOMPARE(onDisk.at(1).pic, 11);
}

void TestMenuCatalogue::aRefusedRenameIsExplainedInChinese()
{
    // 90 Chinese characters pass the name rule, but their UTF-8 file name is too long here.
    MenuCatalogue catalogue = MenuCatalogue::Load();
    try {
        catalogue.Rename(0, QString(90, QChar(0x957F)));
        QFAIL("the rename went through");
    } catch (const SuiteError &error) {
        QVERIFY2(error.message().endsWith(QStringLiteral("文件名太长")), qPrintable(error.message()));
    }
    QCOMPARE(catalogue.At(0).name, QStringLiteral("甲"));
}

void TestMenuCatalogue::renameThatCannotReachTheCatalogueKeepsTheOldFile()
{
    MenuCatalogue catalogue = MenuCatalogue::Load();
    breakCatalogue();
    const auto before = fixture.Snapshot();
    QVERIFY_THROWS_EXCEPTION(SuiteError, catalogue.Rename(1, QStringLiteral("新乙")));
    QCOMPARE(fixture.Snapshot(), before);
    QCOMPARE(catalogue.At(1).name, QStringLiteral("乙"));
}

void TestMenuCatalogue::deleteRemovesFileAndEntry()
{
    MenuCatalogue catalogue = MenuCatalogue::Load();
    catalogue.Move(4, 0);  // the menu's order differs from the file's: delete goes by name
    QCOMPARE(catalogue.Delete(2), QString());  // "乙"
    QVERIFY(!QFile::exists(ProjectFilePath(QStringLiteral("乙"))));
    QCOMPARE(names(fixture.EntriesOnDisk()), (QStringList{"甲", "丙", "丁", "戊"}));
    QCOMPARE(fixture.CountOnDisk(), QStringLiteral("4"));
    QCOMPARE(names(catalogue.Entries()), (QStringList{"戊", "甲", "丙", "丁"}));

    while (catalogue.Count() > 0)
        catalogue.Delete(0);
    QCOMPARE(fixture.CountOnDisk(), QStringLiteral("0"));
    QVERIFY(fixture.EntriesOnDisk().isEmpty());
    QCOMPARE(QDir(ProjectsDir()).entryList(QDir::Files), QStringList());
}

void TestMenuCatalogue::deleteThatCannotReachTheCatalogueKeepsTheFile()
{
    MenuCatalogue catalogue = MenuCatalogue::Load();
    breakCatalogue();
    const auto before = fixture.Snapshot();
    try {
        catalogue.Delete(0);
        QFAIL("the delete went through");
    } catch (const SuiteError &error) {
        QVERIFY(error.message().endsWith(QStringLiteral("工程未被删除。")));
    }
    QCOMPARE(fixture.Snapshot(), before);
    QCOMPARE(catalogue.Count(), 5);
}

void TestMenuCatalogue::closingKeepsEntriesAddedBehindTheMenusBack()
{
    MenuCatalogue catalogue = MenuCatalogue::Load();
    catalogue.Move(0, 3);
    catalogue.SetIcon(1, 99);
    catalogue.SetRemarkAndReadOnly(2, QStringLiteral("新备注"), true);
    fixture.AppendBehindTheBack(QStringLiteral("导入一"));
    fixture.AppendBehindTheBack(QStringLiteral("导入二"));
    catalogue.SaveOnClose();

    const QVector<CatalogueEntry> onDisk = fixture.EntriesOnDisk();
    QCOMPARE(names(onDisk), (QStringList{"乙", "丙", "丁", "甲", "戊", "导入一", "导入二"}));
    QCOMPARE(fixture.CountOnDisk(), QStringLiteral("7"));
    QCOMPARE(onDisk.at(0), (CatalogueEntry{"乙", "备注1", false, 11}));
    QCOMPARE(onDisk.at(1), (CatalogueEntry{"丙", "备注2", false, 99}));
    QCOMPARE(onDisk.at(2), (CatalogueEntry{"丁", "新备注", true, 13}));
    QCOMPARE(onDisk.at(3), (CatalogueEntry{"甲", "备注0", false, 10}));
    QCOMPARE(onDisk.at(5), (CatalogueEntry{"导入一", QString(), false, 1}));
}

void TestMenuCatalogue::closingNeverBringsBackWhatAnotherProgramRenamedOrDeleted()
{
    MenuCatalogue first = MenuCatalogue::Load();
    MenuCatalogue second = MenuCatalogue::Load();
    QCOMPARE(first.Rename(0, QStringLiteral("新甲")), QStringList());
    QCOMPARE(first.Delete(1), QString());
    first.SaveOnClose();
    fixture.AppendBehindTheBack(QStringLiteral("导入"));
    second.Move(4, 0);
    second.SetIcon(0, 77);
    second.SaveOnClose();

    const QVector<CatalogueEntry> onDisk = fixture.EntriesOnDisk();
    QCOMPARE(names(onDisk), (QStringList{"戊", "丙", "丁", "新甲", "导入"}));
    QCOMPARE(fixture.CountOnDisk(), QStringLiteral("5"));
    QCOMPARE(onDisk.at(0).pic, 77);
    QCOMPARE(onDisk.at(3), (CatalogueEntry{"新甲", "备注0", false, 10}));
    for (const CatalogueEntry &entry : onDisk)
        QVERIFY2(QFile::exists(ProjectFilePath(entry.name)), qPrintable(entry.name));
}

namespace {
QString varnelPath()
{
    return QStringLiteral(SUITE_APP_DIR "/Varnel");
}

// The process id written in a lock file, 0 when there is none.
qint64 lockOwner()
{
    return ReadBytes(MenuInstance::LockPath()).split('\n').first().toLongLong();
}
} // namespace

void TestMenuCatalogue::secondMenuOnTheDataFolderHandsOverToTheFirst()
{
    MenuInstance running;
    QSignalSpy forward(&running, &MenuInstance::BringForwardRequested);
    QString failure;
    QCOMPARE(running.Claim(&failure), MenuInstance::Outcome::First);

    QProcess second;
    QSignalSpy finished(&second, &QProcess::finished);
    second.start(varnelPath(), {QStringLiteral("--appdir"), fixture.Path(QString())});
    QVERIFY(finished.wait(30000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QTRY_COMPARE(forward.count(), 1);
    QCOMPARE(lockOwner(), QCoreApplication::applicationPid());
}

void TestMenuCatalogue::lockOfACrashedMenuIsTakenOver()
{
    const QStringList arguments{QStringLiteral("--appdir"), fixture.Path(QString())};
    QProcess first;
    first.start(varnelPath(), arguments);
    QVERIFY(first.waitForStarted());
    QTRY_COMPARE_WITH_TIMEOUT(lockOwner(), first.processId(), 30000);

    QProcess second;
    QSignalSpy secondFinished(&second, &QProcess::finished);
    second.start(varnelPath(), arguments);
    QVERIFY(secondFinished.wait(30000));
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(first.state(), QProcess::Running);

    // A crash leaves the lock file behind; the next menu must not be shut out by it.
    QSignalSpy firstFinished(&first, &QProcess::finished);
    first.kill();
    QVERIFY(firstFinished.wait(30000));
    QVERIFY(QFile::exists(MenuInstance::LockPath()));
    MenuInstance next;
    QString failure;
    QCOMPARE(next.Claim(&failure), MenuInstance::Outcome::First);
    QCOMPARE(lockOwner(), QCoreApplication::applicationPid());
}

void TestMenuCatalogue::filterMatchesNameOrRemark()
{
    MenuCatalogue catalogue = MenuCatalogue::Load();
    catalogue.SetRemarkAndReadOnly(3, QStringLiteral("Lottery 年会"), false);
    QCOMPARE(catalogue.Filter(QString()), (QVector<int>{0, 1, 2, 3, 4}));
    QCOMPARE(catalogue.Filter(QStringLiteral("丙")), (QVector<int>{2}));
    QCOMPARE(catalogue.Filter(QStringLiteral("lottery")), (QVector<int>{3}));
    QCOMPARE(catalogue.Filter(QStringLiteral("备注")), (QVector<int>{0, 1, 2, 4}));
    QCOMPARE(catalogue.Filter(QStringLiteral("无此工程")), QVector<int>());
}

QTEST_GUILESS_MAIN(TestMenuCatalogue)
#include "test_menu_catalogue.moc"
