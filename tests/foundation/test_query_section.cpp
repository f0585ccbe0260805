// The query section: what the wizard writes is what the engine reads, for every type.
#include "apppaths.h"
#include "domutil.h"
#include "querysection.h"
#include "suiteerror.h"

#include <QtTest>

namespace {
QDomDocument emptyProject()
{
    QDomDocument doc = NewXmlDocument();
    doc.appendChild(doc.createElement(QStringLiteral("RandProject")));
    return doc;
}

QDomElement queryElement(const QDomDocument &doc)
{
    return doc.documentElement().firstChildElement("RandQuery").firstChildElement("Rand").firstChildElement("Query");
}
} // namespace

class TestQuerySection : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { SetAppDir(QStringLiteral("/opt/zelmora")); }

    void tableHasTheFixedShapes()
    {
        const int sizes[kProjectTypeCount] = {8, 7, 7, 4, 6, 4, 4, 5, 6, 5, 7, 10, 7, 7, 10};
        for (int pmode = 0; pmode < kProjectTypeCount; ++pmode) {
            QCOMPARE(DefaultQueryParams(pmode).size(), sizes[pmode]);
            QCOMPARE(ProjectTypeAt(pmode).pmode, pmode);
        }
        QCOMPARE(ProjectTypeAt(12).typeText, QStringLiteral("多元一次方程模式"));
        QCOMPARE(QueryParamIndex(1, QStringLiteral("Pred")), 3);
    }

    void everyTypeRoundTrips()
    {
        for (int pmode = 0; pmode < kProjectTypeCount; ++pmode) {
            QDomDocument doc = emptyProject();
            QueryParams params = DefaultQueryParams(pmode);
            for (int i = 1; i < params.size(); ++i)
                if (params[i].isEmpty())
                    params[i] = QStringLiteral("v%1").arg(i);
            WriteQuerySection(doc, params, pmode);
            const QuerySection read = ReadQuerySection(doc);
            QCOMPARE(read.pmode, pmode);
            QCOMPARE(read.params, params);

            const QDomElement rand = doc.documentElement().firstChildElement("RandQuery").firstChildElement("Rand");
            QCOMPARE(rand.attribute("Mode"), ProjectTypeAt(pmode).mode);
            QCOMPARE(rand.attribute("Type"), ProjectTypeAt(pmode).typeText);
            // Attributes appear in the type's fixed order.
            const QDomNamedNodeMap attrs = queryElement(doc).attributes();
            QCOMPARE(attrs.count(), ProjectTypeAt(pmode).attributes.size());
        }
    }

    void readerKeysOnPModeNotOnModeOrType()
    {
        QDomDocument doc = emptyProject();
        WriteQuerySection(doc, DefaultQueryParams(12), 12);
        QDomElement rand = doc.documentElement().firstChildElement("RandQuery").firstChildElement("Rand");
        rand.setAttribute("Mode", "something else");
        rand.setAttribute("Type", "");
        const QuerySection read = ReadQuerySection(doc);
        QCOMPARE(read.pmode, 12);
        QCOMPARE(read.params.first(), QStringLiteral("多元一次方程模式"));
    }

    void applicationDirectoryIsSubstitutedOnlyInPicturePaths()
    {
        QDomDocument doc = emptyProject();
        QueryParams params = DefaultQueryParams(5);
        params[1] = QStringLiteral("/opt/zelmora/Img/a.jpg|/home/t/b.jpg");
        WriteQuerySection(doc, params, 5);
        QCOMPARE(queryElement(doc).attribute("ImgList"), QStringLiteral("[Application]Img/a.jpg|/home/t/b.jpg"));

        SetAppDir(QStringLiteral("/media/usb/zelmora"));
        QCOMPARE(ReadQuerySection(doc).params[1], QStringLiteral("/media/usb/zelmora/Img/a.jpg|/home/t/b.jpg"));
        SetAppDir(QStringLiteral("/opt/zelmora"));

        QDomDocument list = emptyProject();
        QueryParams words = DefaultQueryParams(7);
        words[1] = QStringLiteral("/opt/zelmora/ x");
        WriteQuerySection(list, words, 7);
        QCOMPARE(queryElement(list).attribute("List"), words[1]);
    }

    void escapingRoundTripsInTheRightOrder()
    {
        const QString typed = QStringLiteral("a:b&c|d,e#f /add/ g");
        const QString escaped = EscapeListText(typed);
        for (const char *structural : {":", "&", "|", ",", "#"})
            QVERIFY(!escaped.contains(QLatin1String(structural)));
        QCOMPARE(UnescapeListText(escaped), typed.left(typed.indexOf(" /add/")) + " & g");
        QCOMPARE(UnescapeListText(EscapeListText(QStringLiteral("1,2:3"))), QStringLiteral("1,2:3"));
        // "/colon/" must be undone before "/comma/" can be mistaken inside it, and vice versa.
        QCOMPARE(EscapeListText(QStringLiteral(":,")), QStringLiteral("/colon//comma/"));
        QCOMPARE(UnescapeListText(QStringLiteral("/colon//comma/")), QStringLiteral(":,"));

        QCOMPARE(EscapeListText(QStringLiteral("张三,李四")), QStringLiteral("张三/comma/李四"));
        QCOMPARE(SplitText(UnescapeListText(QStringLiteral("张三/comma/李四")), SpliterChar("半角逗号")),
                 (QStringList{"张三", "李四"}));
    }

    void separatorsAndSplitting()
    {
        QCOMPARE(SpliterChar("空格"), QStringLiteral(" "));
        QCOMPARE(SpliterChar("全角空格"), QStringLiteral("\u3000"));
        QCOMPARE(SpliterChar("全角逗号"), QStringLiteral("\uFF0C"));
        QCOMPARE(SpliterChar("全角分号"), QStringLiteral("\uFF1B"));
        QCOMPARE(SpliterChar("半角分号"), QStringLiteral(";"));
        QCOMPARE(SpliterChar("双空格"), QString());

        QCOMPARE(SplitText("a  b", " "), (QStringList{"a", "", "b"}));
        QCOMPARE(SplitText(" a ", " "), (QStringList{"", "a", ""}));
        QCOMPARE(SplitText("", " "), QStringList{QString()});
        QCOMPARE(SplitText("a b", QString()), QStringList{"a b"});
    }

    void groupListsSplitEvenWhenAFormatHoldsHashes()
    {
        const QString types = QStringLiteral("编号##数值范围模式##列举模式##密码模式##图片模式");
        const QStringList groups{
            QStringLiteral("1,2,3...||0"),
            QStringLiteral("1||100||0.01||0.##||是||2"),
            QStringLiteral("否||a b||是||否||1"),
            QStringLiteral("12||小写字母|数字||1"),
            QStringLiteral("/opt/zelmora/Img/1.jpg|/x/2.jpg||否||1"),
        };
        QCOMPARE(SplitGroupQueries(types, groups.join("##")), groups);
        QCOMPARE(SplitGroupFields(groups[1]).value(3), QStringLiteral("0.##"));

        QCOMPARE(SplitGroupQueries(QStringLiteral("数值范围模式##数值范围模式"),
                                   QStringLiteral("1||9||1||##||是||1##2||8||1||#.##||否||3")),
                 (QStringList{"1||9||1||##||是||1", "2||8||1||#.##||否||3"}));
        QCOMPARE(SplitGroupQueries(QString(), QString()), QStringList{});
        QVERIFY_THROWS_EXCEPTION(SuiteError, SplitGroupQueries("数值范围模式", "1||2"));
        QVERIFY_THROWS_EXCEPTION(SuiteError, SplitGroupQueries("未知", "x"));

        // Through the whole section, with the application directory in a picture group.
        QDomDocument doc = emptyProject();
        QueryParams params = DefaultQueryParams(0);
        params[1] = types;
        params[2] = groups.join("##");
        params[3] = QStringLiteral("第1组##第2组##第3组##第4组##第5组");
        WriteQuerySection(doc, params, 0);
        QVERIFY(queryElement(doc).attribute("QueryList").contains("[Application]Img/1.jpg"));
        const QuerySection read = ReadQuerySection(doc);
        QCOMPARE(SplitGroupQueries(read.params[1], read.params[2]), groups);
    }

    void brokenSectionsAreRefused_data()
    {
        QTest::addColumn<QString>("xml");
        QTest::addColumn<QString>("messagePart");
        QTest::newRow("no RandQuery") << "<P><Form/></P>" << "RandQuery";
        QTest::newRow("PMode not a number") << "<P><RandQuery><Rand PMode=\"abc\"/></RandQuery></P>" << "abc";
        QTest::newRow("PMode too large") << "<P><RandQuery><Rand PMode=\"15\"/></RandQuery></P>" << "15";
        QTest::newRow("PMode negative") << "<P><RandQuery><Rand PMode=\"-1\"/></RandQuery></P>" << "-1";
        QTest::newRow("no Rand at all") << "<P><RandQuery/></P>" << "PMode";
    }
    void brokenSectionsAreRefused()
    {
        QFETCH(QString, xml);
        QFETCH(QString, messagePart);
        QDomDocument doc;
        QVERIFY(doc.setContent(xml));
        try {
            ReadQuerySection(doc);
            QFAIL("a broken section was read");
        } catch (const SuiteError &e) {
            QVERIFY2(e.message().contains(messagePart), qPrintable(e.message()));
        }
    }

    void missingAttributesReadAsEmptyText()
    {
        QDomDocument doc;
        QVERIFY(doc.setContent(QStringLiteral("<P><RandQuery><Rand PMode=\"3\"><Query Lists=\"a b\"/></Rand></RandQuery></P>")));
        QCOMPARE(ReadQuerySection(doc).params, (QStringList{"列举模式", "a b", "", ""}));
    }
};

QTEST_GUILESS_MAIN(TestQuerySection)
#include "test_query_section.moc"
