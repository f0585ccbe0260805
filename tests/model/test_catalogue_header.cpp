// The catalogue menu.xml and the project header: entry edits, reorders, overstated
// counts, saves that keep other programs' entries, and the header's locks.
#include "apppaths.h"
#include "domutil.h"
#include "projectcatalogue.h"
#include "projectheader.h"
#include "suiteerror.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {
void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QByteArray kThreeEntries = R"(<?xml version="1.0" encoding="UTF-8"?>
<Menu><Projects Count="3">
<Project Name="点名" Remark="一班" ReadOnly="是" Pic="12"/>
<Project Name="抽奖" Remark="" ReadOnly="yes" Pic="3"/>
<Project Name="口算" Remark="练习" ReadOnly="否" Pic="139"/>
</Projects></Menu>)";
} // namespace

class TestCatalogueHeader : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_path;

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_path = m_dir.filePath(QStringLiteral("menu.xml"));
        writeFile(m_path, kThreeEntries);
    }

    void emptyCatalogueGetsItsFirstEntry()
    {
        writeFile(m_path, R"(<?xml version="1.0"?><x><Projects Count="0"/></x>)");
        ProjectCatalogue catalogue = ProjectCatalogue::LoadCatalogue(m_path);
        QVERIFY(catalogue.ReadEntries().isEmpty());
        catalogue.AppendEntry(QStringLiteral("新工程"), 0);
        catalogue.SaveCatalogue(m_path);
        const ProjectCatalogue again = ProjectCatalogue::LoadCatalogue(m_path);
        QCOMPARE(again.document().documentElement().firstChildElement().attribute("Count"), QStringLiteral("1"));
        QCOMPARE(again.ReadEntries(), (QVector<CatalogueEntry>{{QStringLiteral("新工程"), QString(), false, 0}}));
    }

    void readsFlagsAndIcons()
    {
        const QVector<CatalogueEntry> entries = ProjectCatalogue::LoadCatalogue(m_path).ReadEntries();
        QCOMPARE(entries.size(), 3);
        QCOMPARE(entries[0], (CatalogueEntry{QStringLiteral("点名"), QStringLiteral("一班"), true, 12}));
        QVERIFY(!entries[1].readOnly); // any text but "是" is writable
        QCOMPARE(entries[2].pic, 139);
    }

    void overstatedCountStopsAtTheLastEntry()
    {
        QByteArray text = kThreeEntries;
        text.replace("Count=\"3\"", "Count=\"9\"");
        writeFile(m_path, text);
        ProjectCatalogue catalogue = ProjectCatalogue::LoadCatalogue(m_path);
        QCOMPARE(catalogue.Count(), 3);
        // An understated count hides the rest, as the menu has always shown it.
        text.replace("Count=\"9\"", "Count=\"2\"");
        writeFile(m_path, text);
        QCOMPARE(ProjectCatalogue::LoadCatalogue(m_path).Count(), 2);
    }

    void reorderRoundTrip()
    {
        ProjectCatalogue catalogue = ProjectCatalogue::LoadCatalogue(m_path);
        QVector<CatalogueEntry> entries = catalogue.ReadEntries();
        std::reverse(entries.begin(), entries.end());
        entries[0].name = QStringLiteral("口算练习");
        catalogue.RewriteEntries(entries);
        catalogue.SaveCatalogue(m_path);
        QVector<CatalogueEntry> expected = entries;
        expected[1].readOnly = false; // "yes" was never true and is written as "否" now
        QCOMPARE(ProjectCatalogue::LoadCatalogue(m_path).ReadEntries(), expected);

        // Rewriting fewer entries leaves the later elements alone.
        catalogue.RewriteEntries({{QStringLiteral("甲"), QString(), false, 1}});
        QCOMPARE(catalogue.ReadEntries().mid(1), expected.mid(1));
        const QVector<CatalogueEntry> before = catalogue.ReadEntries();
        QVERIFY_THROWS_EXCEPTION(SuiteError, catalogue.RewriteEntries(QVector<CatalogueEntry>(4)));
        QCOMPARE(catalogue.ReadEntries(), before);
    }

    void removeEntry()
    {
        ProjectCatalogue catalogue = ProjectCatalogue::LoadCatalogue(m_path);
        catalogue.RemoveEntryAt(1);
        const QVector<CatalogueEntry> entries = catalogue.ReadEntries();
        QCOMPARE(entries.size(), 2);
        QCOMPARE(entries[1].name, QStringLiteral("口算"));
        QVERIFY_THROWS_EXCEPTION(SuiteError, catalogue.RemoveEntryAt(2));
        QVERIFY_THROWS_EXCEPTION(SuiteError, catalogue.RemoveEntryAt(-1));
        QCOMPARE(catalogue.Count(), 2);
    }

    void updateKeepsEntriesAddedMeanwhile()
    {
        // Two programs read the catalogue; the second adds a project and saves first.
        ProjectCatalogue other = ProjectCatalogue::LoadCatalogue(m_path);
        other.AppendEntry(QStringLiteral("导入的工程"), 1);
        other.SaveCatalogue(m_path);

        UpdateCatalogue(m_path, [](ProjectCatalogue &catalogue) { catalogue.AppendEntry(QStringLiteral("向导的工程"), 0); });
        const QVector<CatalogueEntry> entries = ProjectCatalogue::LoadCatalogue(m_path).ReadEntries();
        QCOMPARE(entries.size(), 5);
        QCOMPARE(entries[3].name, QStringLiteral("导入的工程"));
        QCOMPARE(entries[4].name, QStringLiteral("向导的工程"));
    }

    void damagedCataloguesAreRefusedQuickly_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("reported");
        QByteArray deep = "<Menu><Projects Count=\"0\">";
        for (int i = 0; i < 60000; ++i)
            deep += "<a>";
        QTest::newRow("60,000 nested elements") << deep << "嵌套";
        QByteArray wide = "<Menu><Projects Count=\"0\"><Project";
        for (int i = 0; i < 90000; ++i)
            wide += " a" + QByteArray::number(i) + "=\"\"";
        QTest::newRow("90,000 attributes") << wide + "/></Projects></Menu>" << "属性";
    }
    void damagedCataloguesAreRefusedQuickly()
    {
        // The XML reader took from 40 s to many minutes over these; the guards of the
        // project documents refuse them before it starts.
        QFETCH(QByteArray, content);
        QFETCH(QString, reported);
        writeFile(m_path, content);
        QElapsedTimer clock;
        clock.start();
        try {
            ProjectCatalogue::LoadCatalogue(m_path);
            QFAIL("a damaged catalogue was read");
        } catch (const SuiteError &error) {
            QVERIFY2(error.message().contains(reported), qPrintable(error.message()));
        }
        QVERIFY(clock.elapsed() < 5000);
        QCOMPARE(readFile(m_path), content);
    }

    void onlyRegularCataloguesOfSensibleSizeAreRead()
    {
        // A catalogue of hundreds of megabytes was read whole; a device never ends.
        QFile huge(m_path);
        QVERIFY(huge.open(QIODevice::ReadWrite));
        QVERIFY(huge.resize(qint64(300) << 20)); // sparse: costs no disk
        huge.close();
        QVERIFY_THROWS_EXCEPTION(SuiteError, ProjectCatalogue::LoadCatalogue(m_path));
        const QString device = m_dir.filePath(QStringLiteral("device.xml"));
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), device));
        try {
            ProjectCatalogue::LoadCatalogue(device);
            QFAIL("a device was read as the catalogue");
        } catch (const SuiteError &error) {
            QVERIFY2(error.message().contains("不是普通文件"), qPrintable(error.message()));
        }
    }

    void badFilesAreRefusedAndLeftAlone()
    {
        const QString missing = m_dir.filePath(QStringLiteral("none.xml"));
        QVERIFY_THROWS_EXCEPTION(SuiteError, ProjectCatalogue::LoadCatalogue(missing));
        writeFile(m_path, "<Menu><Projects Count=\"1\">");
        QVERIFY_THROWS_EXCEPTION(SuiteError, ProjectCatalogue::LoadCatalogue(m_path));
        writeFile(m_path, "<Menu><Projects Count=\"abc\"/></Menu>");
        QVERIFY_THROWS_EXCEPTION(SuiteError, ProjectCatalogue::LoadCatalogue(m_path).ReadEntries());

        // A change that fails half way leaves the file as it was.
        writeFile(m_path, kThreeEntries);
        QVERIFY_THROWS_EXCEPTION(SuiteError, UpdateCatalogue(m_path, [](ProjectCatalogue &c) {
                                     c.AppendEntry(QStringLiteral("x"), 0);
                                     c.RemoveEntryAt(99);
                                 }));
        QCOMPARE(readFile(m_path), kThreeEntries);

        // A save that cannot be written (the target's folder is a file) keeps the old file.
        const QString blocker = m_dir.filePath(QStringLiteral("blocker"));
        writeFile(blocker, "x");
        ProjectCatalogue catalogue = ProjectCatalogue::LoadCatalogue(m_path);
        QVERIFY_THROWS_EXCEPTION(SuiteError, catalogue.SaveCatalogue(blocker + QStringLiteral("/menu.xml")));
        QCOMPARE(readFile(blocker), QByteArray("x"));
    }

    void headerFields()
    {
        QDomDocument doc;
        doc.setContent(QStringLiteral("<P><Version Value=\"2.3\" Author=\"王\"/><Form><Title Caption=\"旧\"/></Form></P>"));
        ProjectHeader header = ReadProjectHeader(doc);
        QCOMPARE(header.value, QStringLiteral("2.3"));
        QVERIFY(!header.accessByPwd && !header.editWithPwd && header.createTime.isEmpty());

        QDomDocument old;
        old.setContent(QStringLiteral("<P><Form/></P>"));
        QVERIFY(ReadProjectHeader(old).value.isEmpty());
        QVERIFY(ReadProjectTitle(old).isEmpty());

        header.accessByPwd = true;
        header.accessPwd = QStringLiteral("Ab1");
        header.range = QStringLiteral("课堂");
        WriteProjectProperties(doc, header);
        StampCreation(doc, QStringLiteral("2014/9/16 10:05:03"));
        SetFormatVersion(doc, kCurrentFormatVersion);
        WriteProjectTitle(doc, QStringLiteral("新标题"));
        header.value = kCurrentFormatVersion;
        header.createTime = header.editTime = QStringLiteral("2014/9/16 10:05:03");
        QCOMPARE(ReadProjectHeader(doc), header);
        QCOMPARE(ReadProjectTitle(doc), QStringLiteral("新标题"));

        // A lock without a password, and an empty title, are refused and change nothing.
        ProjectHeader locked = header;
        locked.editWithPwd = true;
        locked.author = QStringLiteral("改");
        QVERIFY_THROWS_EXCEPTION(SuiteError, WriteProjectProperties(doc, locked));
        QVERIFY_THROWS_EXCEPTION(SuiteError, WriteProjectTitle(doc, QString()));
        QCOMPARE(ReadProjectHeader(doc), header);
        QCOMPARE(ReadProjectTitle(doc), QStringLiteral("新标题"));
    }

    void dateTimeText()
    {
        const QDateTime time(QDate(2014, 9, 6), QTime(8, 5, 3), Qt::LocalTime);
        QCOMPARE(DateTimeText(time), QStringLiteral("2014/9/6 8:05:03"));
        QVERIFY(QRegularExpression(QStringLiteral("^\\d{4}/\\d{1,2}/\\d{1,2} \\d{1,2}:\\d\\d:\\d\\d$"))
                    .match(CurrentDateTimeText())
                    .hasMatch());
    }
};

QTEST_GUILESS_MAIN(TestCatalogueHeader)
#include "test_catalogue_header.moc"
