// Stored value texts of the display section: fonts, colours, lists, application paths
// and the position block, with the errors a damaged project file must give.
#include "apppaths.h"
#include "suiteerror.h"
#include "valueencodings.h"

#include <QDomDocument>
#include <QtTest>

class TestValueEncodings : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { SetAppDir(QString()); }

    void fontTexts()
    {
        FontSpec plain;
        plain.colour = {0, 0, 0};
        plain.face = QStringLiteral("微软雅黑");
        plain.size = 20;
        QCOMPARE(FontToText(plain), QStringLiteral("0,0,0|微软雅黑||20"));

        FontSpec styled = plain;
        styled.bold = styled.italic = true;
        QCOMPARE(FontToText(styled), QStringLiteral("0,0,0|微软雅黑|fsBoldfsItalic|20"));
        styled.underline = styled.strikeOut = true;
        styled.colour = {255, 128, 7};
        QCOMPARE(TextToFont(FontToText(styled)), styled);

        // Reading an empty styles field clears every style.
        const FontSpec read = TextToFont(QStringLiteral("1,2,3|宋体||9"));
        QVERIFY(!read.bold && !read.italic && !read.underline && !read.strikeOut);
        QCOMPARE(read.colour, (Rgb{1, 2, 3}));
        QCOMPARE(read.size, 9);
        // Styles are found by substring, in any order.
        const FontSpec anyOrder = TextToFont(QStringLiteral("0,0,0|x|fsStrikeOutfsBold|9"));
        QVERIFY(anyOrder.bold && anyOrder.strikeOut && !anyOrder.italic);
    }

    void colourTexts()
    {
        QCOMPARE(ColourToText({255, 0, 0}), QStringLiteral("255,0,0"));
        QCOMPARE(TextToColour(QStringLiteral("256,-1,511")), (Rgb{0, 255, 255}));
        QCOMPARE(ColourListToText({{1, 2, 3}}), QStringLiteral("1,2,3"));
        const QVector<Rgb> seven{{1, 1, 1}, {2, 2, 2}, {3, 3, 3}, {4, 4, 4}, {5, 5, 5}, {6, 6, 6}, {7, 7, 7}};
        QCOMPARE(ColourListToText(seven).count(QLatin1Char('|')), 6);
        QCOMPARE(TextToColourList(ColourListToText(seven)), seven);
    }

    void malformedValuesThrow_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("text");
        QTest::newRow("font with three fields") << "font" << "0,0,0|微软雅黑|fsBold";
        QTest::newRow("font size not a number") << "font" << "0,0,0|微软雅黑||大";
        QTest::newRow("font colour bad") << "font" << "0,0|微软雅黑||12";
        QTest::newRow("colour with a letter") << "colour" << "12,x,3";
        QTest::newRow("colour with two parts") << "colour" << "12,3";
        QTest::newRow("colour empty") << "colour" << "";
        QTest::newRow("colour list bad part") << "list" << "1,2,3|4,5";
        QTest::newRow("integer empty") << "int" << "";
        QTest::newRow("integer decimal") << "int" << "1.5";
    }

    void malformedValuesThrow()
    {
        QFETCH(QString, kind);
        QFETCH(QString, text);
        bool thrown = false;
        try {
            if (kind == "font")
                TextToFont(text);
            else if (kind == "colour")
                TextToColour(text);
            else if (kind == "list")
                TextToColourList(text);
            else
                TextToInt(text);
        } catch (const SuiteError &e) {
            thrown = !e.message().isEmpty();
        }
        QVERIFY(thrown);
    }

    void attributeErrorsNameElementAndAttribute()
    {
        QDomDocument doc;
        doc.setContent(QStringLiteral("<P><Form><RandBox Top=\"abc\" Left=\"1\" Width=\"2\" Height=\"3\" "
                                      "Font=\"0,0,0|a|12\"/></Form></P>"));
        const QDomElement box = doc.documentElement().firstChildElement().firstChildElement();
        try {
            ReadPosition(box);
            QFAIL("a non-numeric Top must be refused");
        } catch (const SuiteError &e) {
            QVERIFY2(e.message().contains("Form/RandBox") && e.message().contains("Top"), qPrintable(e.message()));
        }
        try {
            ReadFontAttribute(box, QStringLiteral("Font"));
            QFAIL("a font with three fields must be refused");
        } catch (const SuiteError &e) {
            QVERIFY2(e.message().contains("Form/RandBox") && e.message().contains("Font"), qPrintable(e.message()));
        }
    }

    void applicationPaths()
    {
        SetAppDir(QStringLiteral("/opt/suite"));
        QCOMPARE(ToAppPath(QStringLiteral("/opt/suite/Img/a.jpg")), QStringLiteral("[Application]Img/a.jpg"));
        // Only the first occurrence is replaced; outside paths stay absolute.
        QCOMPARE(ToAppPath(QStringLiteral("/opt/suite/x/opt/suite/y")), QStringLiteral("[Application]x/opt/suite/y"));
        QCOMPARE(ToAppPath(QStringLiteral("/home/u/pic.jpg")), QStringLiteral("/home/u/pic.jpg"));
        QCOMPARE(ToAppPath(QStringLiteral("/OPT/SUITE/a.jpg")), QStringLiteral("/OPT/SUITE/a.jpg"));

        const QString stored = ToAppPath(QStringLiteral("/opt/suite/Img/a.jpg"));
        SetAppDir(QStringLiteral("/srv/moved"));
        QCOMPARE(FromAppPath(stored), QStringLiteral("/srv/moved/Img/a.jpg"));
        QCOMPARE(FromAppPath(QStringLiteral("[Application]a|[Application]b")), QStringLiteral("/srv/moved/a|/srv/moved/b"));
    }

    void positionBlock()
    {
        QDomDocument doc;
        QDomElement e = doc.createElement(QStringLiteral("Title"));
        doc.appendChild(e);
        WritePosition(e, Position{10, 20, 301, 40, QString()});
        QVERIFY(!e.hasAttribute(QStringLiteral("Align")));
        Position read = ReadPosition(e);
        QCOMPARE(read.align, kAlignCustom);
        QCOMPARE(PlacedLeft(read, 800), 20);

        WritePosition(e, Position{10, 20, 301, 40, kAlignCentre});
        read = ReadPosition(e);
        QCOMPARE(read, (Position{10, 20, 301, 40, kAlignCentre}));
        QCOMPARE(PlacedLeft(read, 800), 250);
        QCOMPARE(PlacedLeft(read, 801), 250);
        read.align = kAlignRight;
        QCOMPARE(PlacedLeft(read, 800), 499);
        read.align = kAlignLeft;
        QCOMPARE(PlacedLeft(read, 800), 0);
        // An object wider than the window centres to a negative edge, truncated toward zero.
        QCOMPARE(PlacedLeft(Position{0, 0, 901, 10, kAlignCentre}, 100), 50 - 450);

        QCOMPARE(LabelTextAlignment(kAlignCentre), TextAlignment::Centre);
        QCOMPARE(LabelTextAlignment(kAlignRight), TextAlignment::Right);
        QCOMPARE(LabelTextAlignment(kAlignCustom), TextAlignment::Left);
        QCOMPARE(TextToAlignment(AlignmentToText(TextAlignment::Right)), TextAlignment::Right);
    }

    void booleans()
    {
        QVERIFY(TextToBool(BoolToText(true)));
        QVERIFY(!TextToBool(BoolToText(false)));
        QVERIFY(!TextToBool(QStringLiteral("true")));
        QVERIFY(!TextToBool(QStringLiteral("是 ")));
    }
};

QTEST_GUILESS_MAIN(TestValueEncodings)
#include "test_value_encodings.moc"
