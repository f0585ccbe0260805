// When a designed separate stop button can still be clicked in a 600×400 drawing window.
#include "stopbuttonplace.h"

#include <QtTest>

Q_DECLARE_METATYPE(StopButtonFault)

class TestStopButtonPlace : public QObject
{
    Q_OBJECT

private slots:
    void judgesTheButtonAgainstWindowAndCover_data()
    {
        QTest::addColumn<QRect>("button");
        QTest::addColumn<QRect>("cover");
        QTest::addColumn<StopButtonFault>("fault");
        QTest::newRow("inside") << QRect(460, 340, 120, 44) << QRect() << StopButtonFault::None;
        QTest::newRow("zero width") << QRect(460, 340, 0, 44) << QRect() << StopButtonFault::Empty;
        QTest::newRow("beyond the window") << QRect(700, 500, 100, 40) << QRect() << StopButtonFault::OutsideWindow;
        QTest::newRow("a sliver inside") << QRect(596, 100, 100, 40) << QRect() << StopButtonFault::OutsideWindow;
        QTest::newRow("half inside") << QRect(550, 100, 100, 40) << QRect() << StopButtonFault::None;
        QTest::newRow("under the result window") << QRect(100, 100, 100, 40) << QRect(50, 50, 400, 300)
                                                 << StopButtonFault::Covered;
        QTest::newRow("half under it") << QRect(100, 100, 100, 40) << QRect(150, 0, 400, 300) << StopButtonFault::None;
    }

    void judgesTheButtonAgainstWindowAndCover()
    {
        QFETCH(QRect, button);
        QFETCH(QRect, cover);
        QFETCH(StopButtonFault, fault);
        QCOMPARE(ExtraStopButtonFault(button, QSize(600, 400), cover), fault);
    }
};

QTEST_GUILESS_MAIN(TestStopButtonPlace)
#include "test_stop_button_place.moc"
