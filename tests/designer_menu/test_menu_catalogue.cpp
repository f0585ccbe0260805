#include "apppaths.h"
#include "menucatalogue.h"
#include "menufixture.h"
#include "menugeometry.h"
#include "suiteerror.h"

#include <QFile>
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
    void renameThatCannotReachTheCatalogueKeepsTheOldFile();
    void deleteRemovesFileAndEntry();
    void deleteThatCannotReachTheCatalogueKeepsTheFile();
    void closingKeepsEntriesAddedBehindTheMenusBack();
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
