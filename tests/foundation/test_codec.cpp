// The codec library as the store uses it: through QLibrary, by name, from the
// application directory.
#include "codec.h"
#include "suiteerror.h"

#include <QLibrary>
#include <QtTest>

namespace {
const QString kKey = QStringLiteral("W7+kTb3NpQ5x$-Hc2yLf4");
}

class TestCodec : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY2(BindCodec(QStringLiteral(SUITE_APP_DIR)), qPrintable(CodecBindError())); }

    void roundTripKeepsEveryLine_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("no lines") << QStringList{};
        QTest::newRow("one empty line") << QStringList{QString()};
        QTest::newRow("empty lines between and after") << QStringList{"a", "", "b", ""};
        QTest::newRow("carriage return inside a line") << QStringList{"a\rb", "c\r"};
        QTest::newRow("chinese and beyond the BMP")
            << QStringList{QStringLiteral("随机点名 张三"), QString::fromUcs4(U"\U0001F600\U00020000")};
        QTest::newRow("xml text") << QStringList{"<?xml version=\"1.0\"?>", "<a b=\"&amp;\">x</a>"};
        QTest::newRow("one megabyte line") << QStringList{QString(1 << 20, QChar(0x4E2D))};
        QStringList many;
        for (int i = 0; i < 100000; ++i)
            many << QString::number(i);
        QTest::newRow("100000 lines") << many;
    }
    void roundTripKeepsEveryLine()
    {
        QFETCH(QStringList, lines);
        const QStringList encoded = EncodeLines(lines, kKey);
        QVERIFY(!encoded.isEmpty());
        for (const QString &line : encoded) {
            QVERIFY(line.size() <= 76);
            for (QChar c : line) // survives any text file
                QVERIFY(c.unicode() >= 0x20 && c.unicode() < 0x7F);
        }
        QCOMPARE(DecodeLines(encoded, kKey), lines);
    }

    void eachEncodingUsesAFreshNonce()
    {
        const QStringList lines{"same text"};
        QVERIFY(EncodeLines(lines, kKey) != EncodeLines(lines, kKey));
    }

    void damagedOrForeignInputIsRefused()
    {
        QStringList lines;
        for (int i = 0; i < 200; ++i)
            lines << QStringLiteral("line %1 行").arg(i);
        const QStringList good = EncodeLines(lines, kKey);
        QVERIFY(good.size() > 3);

        QStringList flipped = good;
        QString &middle = flipped[2];
        middle[10] = middle[10] == QLatin1Char('A') ? QLatin1Char('B') : QLatin1Char('A');
        QVERIFY_THROWS_EXCEPTION(SuiteError, DecodeLines(flipped, kKey));

        QVERIFY_THROWS_EXCEPTION(SuiteError, DecodeLines(good.mid(0, good.size() / 2), kKey));
        QVERIFY_THROWS_EXCEPTION(SuiteError, DecodeLines(good.mid(0, good.size() - 1), kKey));
        QVERIFY_THROWS_EXCEPTION(SuiteError, DecodeLines(good, QStringLiteral("another key")));
        QVERIFY_THROWS_EXCEPTION(SuiteError, DecodeLines(lines, kKey));       // plain text
        QVERIFY_THROWS_EXCEPTION(SuiteError, DecodeLines(QStringList{}, kKey)); // nothing at all

        QStringList reordered = good;
        reordered.swapItemsAt(1, 2);
        QVERIFY_THROWS_EXCEPTION(SuiteError, DecodeLines(reordered, kKey));

        QStringList otherVersion = good;
        otherVersion[0].replace(QLatin1String(" 1"), QLatin1String(" 2"));
        QVERIFY_THROWS_EXCEPTION(SuiteError, DecodeLines(otherVersion, kKey));
    }

    void refusedDecodeLeavesTheCallersListUntouched()
    {
        QLibrary library(QStringLiteral(SUITE_APP_DIR "/Quillet"));
        QVERIFY(library.load());
        using Call = QStringList *(*)(QStringList *, const QString *);
        auto decode = reinterpret_cast<Call>(library.resolve("StrDecode"));
        auto encode = reinterpret_cast<Call>(library.resolve("StrEncode"));
        QVERIFY(decode && encode);

        QStringList garbage{"not", "ours"};
        QCOMPARE(decode(&garbage, &kKey), nullptr);
        QCOMPARE(garbage, (QStringList{"not", "ours"}));

        QStringList lines{"x", "y"};
        QStringList *result = encode(&lines, &kKey);
        QVERIFY(result);
        result = decode(result, &kKey);
        QVERIFY(result);
        QCOMPARE(*result, (QStringList{"x", "y"}));
    }
};

QTEST_GUILESS_MAIN(TestCodec)
#include "test_codec.moc"
