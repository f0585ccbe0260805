#include "gradient.h"
#include "suiteerror.h"

#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QtTest>

#include <algorithm>
#include <cmath>

// Line-by-line painting exactly as the format describes it, one QPainter line per
// step, as the reference the fast fill must match pixel for pixel.
static void PaintReference(const QString &text, QImage &image)
{
    const QStringList fields = text.split('|');
    const QString direction = fields.last();
    if (direction != "Hori" && direction != "Vert")
        return;
    struct Stop { int r, g, b, p; };
    QList<Stop> stops;
    for (int i = 0; i + 1 < fields.size() && stops.size() < 5; ++i) {
        const QStringList f = fields[i].split(',');
        stops.append({f[0].toInt(), f[1].toInt(), f[2].toInt(), f[3].toInt()});
    }
    const bool hori = direction == "Hori";
    const double scale = (hori ? image.width() : image.height()) * 0.01;
    const int lineLength = hori ? image.height() : image.width();
    QPainter painter(&image);
    for (int i = 0; i + 1 < stops.size(); ++i) {
        const double length = (stops[i + 1].p - stops[i].p) * scale;
        if (length == 0)
            continue;
        const double start = (stops[i].p - stops[0].p) * scale;
        const double dR = (stops[i + 1].r - stops[i].r) / length, dG = (stops[i + 1].g - stops[i].g) / length,
                     dB = (stops[i + 1].b - stops[i].b) / length;
        double r = stops[i].r, g = stops[i].g, b = stops[i].b;
        for (int k = 0; k < length; ++k) {
            r += dR, g += dG, b += dB;
            auto byte = [](double v) { return std::clamp(int(std::floor(v)), 0, 255); };
            painter.setPen(QColor(byte(r), byte(g), byte(b)));
            const int at = int(k + start);
            if (hori)
                painter.drawLine(at, 0, at, lineLength - 1);
            else
                painter.drawLine(0, at, lineLength - 1, at);
        }
    }
}

static QImage Blank(int width, int height, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(width, height, format);
    image.fill(QColor(255, 0, 255));
    return image;
}

static QColor At(const QImage &image, int x, int y)
{
    return image.pixelColor(x, y);
}

class TestGradient : public QObject
{
    Q_OBJECT
private slots:
    void dialogGradientRowByRow()
    {
        QImage image = Blank(30, 200);
        PaintGradient(DialogGradient, image);
        // First row is already one step (1/200 of the difference) below the top colour.
        QCOMPARE(At(image, 0, 0), QColor(152, 216, 233));
        QCOMPARE(At(image, 29, 0), QColor(152, 216, 233));
        // The last row reaches the bottom colour within rounding: green sums to
        // 161.999…, so it floors to 161.
        QCOMPARE(At(image, 0, 199), QColor(0, 161, 232));
        for (int y = 0; y < 200; ++y)
            QCOMPARE(At(image, 0, y), At(image, 29, y));
        QVERIFY(At(image, 0, 100).red() < At(image, 0, 99).red());
    }

    void threeStopsSplitTheAxisInHalves()
    {
        QImage image = Blank(4, 100);
        PaintGradient(QStringLiteral("0,0,0,0|100,200,50,50|0,0,250,100|Vert"), image);
        QCOMPARE(At(image, 0, 0), QColor(2, 4, 1));
        QCOMPARE(At(image, 0, 49), QColor(100, 200, 50));
        // Second segment restarts from the middle stop, one step in.
        QCOMPARE(At(image, 0, 50), QColor(98, 196, 54));
        QCOMPARE(At(image, 0, 99).blue(), 250);
    }

    void horizontalDrawsFullHeightColumns()
    {
        QImage image = Blank(300, 100);
        PaintGradient(QStringLiteral("0,0,0,0|255,255,255,100|Hori"), image);
        for (int x = 0; x < 300; x += 37)
            for (int y = 0; y < 100; ++y)
                QCOMPARE(At(image, x, y), At(image, x, 0));
        QCOMPARE(At(image, 0, 50), QColor(0, 0, 0));  // 0.85 floors to 0
        QCOMPARE(At(image, 299, 99).red(), 254);      // 254.999… floors to 254
    }

    void firstStopPositionShiftsToPixelZero()
    {
        QImage image = Blank(5, 100);
        PaintGradient(QStringLiteral("0,0,0,20|160,80,40,100|Vert"), image);
        QCOMPARE(At(image, 0, 0), QColor(2, 1, 0));
        QCOMPARE(At(image, 0, 79), QColor(160, 80, 40));
        for (int y = 80; y < 100; ++y)
            QCOMPARE(At(image, 2, y), QColor(255, 0, 255));  // left as it was
    }

    void segmentsThatDoNotAdvanceDrawNothing()
    {
        QImage image = Blank(3, 100);
        PaintGradient(QStringLiteral("10,20,30,0|10,20,30,50|255,0,0,50|0,0,255,100|Vert"), image);
        QCOMPARE(At(image, 0, 49), QColor(10, 20, 30));
        QCOMPARE(At(image, 0, 50), QColor(249, 0, 5));  // third segment starts at 50

        // A stop moving backwards paints nothing at all.
        QImage back = Blank(3, 100);
        PaintGradient(QStringLiteral("0,0,0,60|255,255,255,40|Vert"), back);
        for (int y = 0; y < 100; ++y)
            QCOMPARE(At(back, 1, y), QColor(255, 0, 255));

        // After a step back a segment can start half a pixel above the image: its
        // coordinate truncates toward zero, onto row 0.
        QImage half = Blank(3, 50);
        PaintGradient(QStringLiteral("0,0,0,2|0,0,0,1|90,90,90,2|Vert"), half);
        QCOMPARE(At(half, 0, 0), QColor(180, 180, 180));  // one whole step of a half-pixel segment
        QCOMPARE(At(half, 0, 1), QColor(255, 0, 255));
    }

    void nothingDrawnWithoutTwoStopsOrAKnownDirection()
    {
        const QStringList texts = {QStringLiteral("0,0,0,0|255,255,255,100|Diagonal"),
                                   QStringLiteral("0,0,0,0|255,255,255,100|vert"),
                                   QStringLiteral("0,0,0,0|Vert"), QStringLiteral("Vert"), QString()};
        for (const QString &text : texts) {
            QImage image = Blank(10, 10);
            PaintGradient(text, image);
            QCOMPARE(image, Blank(10, 10));
        }
    }

    void malformedTextIsRefusedAndImageKept()
    {
        const QStringList texts = {QStringLiteral("1,2,x,0|4,5,6,100|Vert"),
                                   QStringLiteral("1,2,3|4,5,6,100|Vert"),
                                   QStringLiteral("1,2,3,0,9|4,5,6,100|Vert"),
                                   QStringLiteral("256,2,3,0|4,5,6,100|Vert"),
                                   QStringLiteral("1,2,3,0|4,5,6,101|Vert"),
                                   QStringLiteral("1,2,3,-5|4,5,6,100|Vert"),
                                   QStringLiteral("1,2,3,0|4,5,6,99999999999|Hori")};
        for (const QString &text : texts) {
            QImage image = Blank(8, 8);
            try {
                PaintGradient(text, image);
                QFAIL(qPrintable("accepted: " + text));
            } catch (const SuiteError &error) {
                QVERIFY(error.message().startsWith(QStringLiteral("渐变色设置有误")));
            }
            QCOMPARE(image, Blank(8, 8));
        }
    }

    void endingAtZeroNeverWrapsToFullColour()
    {
        // The running sum ends at -7.5e-16 here; masking that to a byte would paint a
        // bright red last row.
        QImage image = Blank(2, 100);
        PaintGradient(QStringLiteral("1,0,0,0|0,0,0,100|Vert"), image);
        QCOMPARE(At(image, 0, 99), QColor(0, 0, 0));
    }

    void fastFillMatchesLineByLinePainting_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("format");
        QRandomGenerator random(20261207);
        for (int n = 0; n < 40; ++n) {
            const int stopCount = random.bounded(2, 7);
            QStringList fields;
            int position = random.bounded(0, 30);
            for (int s = 0; s < stopCount; ++s) {
                fields << QStringLiteral("%1,%2,%3,%4")
                              .arg(random.bounded(256)).arg(random.bounded(256)).arg(random.bounded(256))
                              .arg(std::min(position, 100));
                // Mostly increasing, sometimes repeated or stepping back.
                position += random.bounded(-10, 45);
                position = std::max(position, 0);
            }
            fields << (random.bounded(2) ? QStringLiteral("Hori") : QStringLiteral("Vert"));
            const QSize size(random.bounded(1, 700), random.bounded(1, 400));
            const int format = n % 3 == 0 ? int(QImage::Format_RGB888)
                                          : (n % 3 == 1 ? int(QImage::Format_ARGB32) : int(QImage::Format_RGB32));
            QTest::addRow("%d", n) << fields.join('|') << size << format;
        }
    }

    void fastFillMatchesLineByLinePainting()
    {
        QFETCH(QString, text);
        QFETCH(QSize, size);
        QFETCH(int, format);
        QImage expected = Blank(size.width(), size.height(), QImage::Format(format));
        QImage actual = expected;
        PaintReference(text, expected);
        PaintGradient(text, actual);
        QCOMPARE(actual.format(), QImage::Format(format));
        QCOMPARE(actual, expected);
    }
};

QTEST_MAIN(TestGradient)
#include "test_gradient.moc"
