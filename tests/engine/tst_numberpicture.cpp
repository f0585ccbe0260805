#include "numberpicture.h"

#include <QTest>

class NumberPictureTest : public QObject
{
    Q_OBJECT
private slots:
    void formats_data()
    {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        auto row = [](const char *picture, double value, const char *expected) {
            QTest::addRow("%s | %g", picture, value) << QString::fromUtf8(picture) << value << QString::fromUtf8(expected);
        };
        // Optional and required digits, the point.
        row("0.#", 2.5, "2.5");
        row("0.#", 3, "3");
        row("0.00", 3, "3.00");
        row("000", 7, "007");
        row("#.##", 0.5, ".5");
        row("0", 123456, "123456");
        row("0.#", 100000000, "100000000");
        row("#", 0, "0");
        row("0", -0.4, "0");
        row("00", -7, "-07");
        row("#", 1e16, "10000000000000000");
        row("0", -9007199254740991.0, "-9007199254740991");
        row("00000", 1234567, "1234567");
        // Half away from zero, on the decimal value as typed.
        row("0", 2.5, "3");
        row("0", -2.5, "-3");
        row("0.0", 0.15, "0.2");
        row("0.0", 2.25, "2.3");
        row("0.0", -0.15, "-0.2");
        row("0.###", 1.0005, "1.001");
        row("0.0", 9.96, "10.0");
        row("0.0", -0.04, "0.0");
        // Grouping.
        row("#,##0.00", 1234567.891, "1,234,567.89");
        row("#,##0", -1234, "-1,234");
        row("#,##0", 999, "999");
        // Literals, quoted and plain.
        row("'No.'0", 7, "No.7");
        row("\"x\"0", 1, "x1");
        row("0 kg", 3, "3 kg");
        row("00-00", 1234, "12-34");
        // Sections.
        row("0;(0)", -5, "(5)");
        row("0;(0)", 5, "5");
        row("0;(0);零", 0, "零");
        row("0.0;(0.0);'zero'", -0.01, "zero");
        row("0;", -5, "-5");
        // Scientific.
        row("0.00E+00", 12345, "1.23E+04");
        row("0.0E-0", 0.00123, "1.2E-3");
        row("0.0E+0", 99.6, "1.0E+2");
        row("0.0E-0", 1500, "1.5E3");
    }
    void formats()
    {
        QFETCH(QString, picture);
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(FormatFloat(picture, value), expected);
        // The writers of many numbers append the same text as UTF-8.
        QByteArray utf8 = "=";
        NumberPicture(picture).AppendUtf8(value, utf8);
        QCOMPARE(utf8, "=" + expected.toUtf8());
    }
};

QTEST_GUILESS_MAIN(NumberPictureTest)
#include "tst_numberpicture.moc"
