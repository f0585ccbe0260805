// The canvas's handle arithmetic: where the handles sit, and what moving an object or
// dragging a handle does for each alignment; where the value editor goes beside the
// design window.
#include "editorplacement.h"
#include "handlegeometry.h"
#include "valueencodings.h"

#include <QtTest>

Q_DECLARE_METATYPE(HandleDirection)

class HandleGeometryTest : public QObject
{
    Q_OBJECT
private slots:
    void handlesSitAroundTheObject();
    void resize_data();
    void resize();
    void move_data();
    void move();
    void valueEditorStaysOnScreen_data();
    void valueEditorStaysOnScreen();
};

void HandleGeometryTest::handlesSitAroundTheObject()
{
    const QRect object(100, 50, 41, 21);
    QCOMPARE(HandleTopLeft(HandleDirection::LeftTop, object), QPoint(92, 42));
    QCOMPARE(HandleTopLeft(HandleDirection::LeftMiddle, object), QPoint(92, 56));
    QCOMPARE(HandleTopLeft(HandleDirection::LeftBottom, object), QPoint(92, 71));
    QCOMPARE(HandleTopLeft(HandleDirection::MiddleTop, object), QPoint(116, 42));
    QCOMPARE(HandleTopLeft(HandleDirection::MiddleBottom, object), QPoint(116, 71));
    QCOMPARE(HandleTopLeft(HandleDirection::RightTop, object), QPoint(141, 42));
    QCOMPARE(HandleTopLeft(HandleDirection::RightMiddle, object), QPoint(141, 56));
    QCOMPARE(HandleTopLeft(HandleDirection::RightBottom, object), QPoint(141, 71));
    QCOMPARE(HandleName(HandleDirection::RightMiddle), QStringLiteral("SizedRightMiddle"));
}

void HandleGeometryTest::resize_data()
{
    QTest::addColumn<HandleDirection>("direction");
    QTest::addColumn<QString>("align");
    QTest::addColumn<int>("dx");
    QTest::addColumn<int>("dy");
    QTest::addColumn<QRect>("expected");
    // Starting from (100, 50) 200 × 40.
    QTest::newRow("centred, right handle +10: 20 wider, 10 further left")
        << HandleDirection::RightMiddle << kAlignCentre << 10 << 0 << QRect(90, 50, 220, 40);
    QTest::newRow("centred, left handle +10: 20 narrower, 10 further right")
        << HandleDirection::LeftMiddle << kAlignCentre << 10 << 0 << QRect(110, 50, 180, 40);
    QTest::newRow("left-aligned, left handle: unchanged")
        << HandleDirection::LeftMiddle << kAlignLeft << 10 << 0 << QRect(100, 50, 200, 40);
    QTest::newRow("left-aligned, right handle: right edge follows")
        << HandleDirection::RightMiddle << kAlignLeft << 10 << 0 << QRect(100, 50, 210, 40);
    QTest::newRow("right-aligned, right handle: unchanged")
        << HandleDirection::RightMiddle << kAlignRight << 10 << 0 << QRect(100, 50, 200, 40);
    QTest::newRow("right-aligned, left handle -10: left edge follows")
        << HandleDirection::LeftMiddle << kAlignRight << -10 << 0 << QRect(90, 50, 210, 40);
    QTest::newRow("custom, left handle +10")
        << HandleDirection::LeftMiddle << kAlignCustom << 10 << 0 << QRect(110, 50, 190, 40);
    QTest::newRow("no alignment counts as custom")
        << HandleDirection::LeftBottom << QString() << 10 << 5 << QRect(110, 50, 190, 45);
    QTest::newRow("custom, top-left corner applies both sides")
        << HandleDirection::LeftTop << kAlignCustom << 5 << 5 << QRect(105, 55, 195, 35);
    QTest::newRow("centred, bottom-right corner")
        << HandleDirection::RightBottom << kAlignCentre << 5 << 10 << QRect(95, 50, 210, 50);
    QTest::newRow("top handle up: taller, vertical only")
        << HandleDirection::MiddleTop << kAlignCentre << 30 << -4 << QRect(100, 46, 200, 44);
    QTest::newRow("no minimum size")
        << HandleDirection::MiddleBottom << kAlignCustom << 0 << -50 << QRect(100, 50, 200, -10);
}

void HandleGeometryTest::resize()
{
    QFETCH(HandleDirection, direction);
    QFETCH(QString, align);
    QFETCH(int, dx);
    QFETCH(int, dy);
    QFETCH(QRect, expected);
    QCOMPARE(ResizedRect(direction, QRect(100, 50, 200, 40), align, dx, dy), expected);
}

void HandleGeometryTest::move_data()
{
    QTest::addColumn<QString>("align");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("custom moves both ways") << kAlignCustom << QRect(130, 62, 200, 40);
    QTest::newRow("none moves both ways") << QString() << QRect(130, 62, 200, 40);
    QTest::newRow("centred only vertically") << kAlignCentre << QRect(100, 62, 200, 40);
    QTest::newRow("left-aligned only vertically") << kAlignLeft << QRect(100, 62, 200, 40);
    QTest::newRow("right-aligned only vertically") << kAlignRight << QRect(100, 62, 200, 40);
}

void HandleGeometryTest::move()
{
    QFETCH(QString, align);
    QFETCH(QRect, expected);
    QCOMPARE(MovedRect(QRect(100, 50, 200, 40), align, 30, 12), expected);
}

void HandleGeometryTest::valueEditorStaysOnScreen_data()
{
    QTest::addColumn<QRect>("design");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QPoint>("editor");
    const QRect small(0, 0, 1024, 768);
    const QRect wide(0, 0, 1920, 1080);
    QTest::newRow("room on the right") << QRect(100, 80, 800, 600) << wide << QPoint(908, 80);
    QTest::newRow("room on the left only") << QRect(400, 80, 600, 500) << small << QPoint(92, 80);
    QTest::newRow("no room beside: over the right edge") << QRect(112, 84, 800, 600) << small << QPoint(604, 132);
    QTest::newRow("low on the screen") << QRect(100, 600, 300, 100) << small << QPoint(408, 428);
    QTest::newRow("second screen") << QRect(1300, 100, 900, 600) << QRect(1024, 0, 1280, 1024) << QPoint(1892, 148);
}

void HandleGeometryTest::valueEditorStaysOnScreen()
{
    QFETCH(QRect, design);
    QFETCH(QRect, screen);
    QFETCH(QPoint, editor);
    const QSize size(300, 340);
    const QPoint placed = ValueEditorPosition(design, size, screen);
    QCOMPARE(placed, editor);
    QVERIFY(screen.contains(QRect(placed, size)));
}

QTEST_APPLESS_MAIN(HandleGeometryTest)
#include "tst_handle_geometry.moc"
