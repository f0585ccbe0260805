// When a designed separate stop button can still be clicked in the drawing window.
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
        const QRect none;
        QTest::newRow("inside") << QRect(460, 340, 120, 44) << none << StopButtonFault::None;
        QTest::newRow("zero width") << QRect(660, 490, 0, 44) << none << StopButtonFault::Empty;
        QTest::newRow("zero height") << QRect(660, 490, 120, 0) << none << StopButtonFault::Empty;
        QTest::newRow("handle dragged past the edge") << QRect(660, 490, -30, 44) << none << StopButtonFault::Empty;
        QTest::newRow("beyond the window") << QRect(700, 500, 100, 40) << none << StopButtonFault::OutsideWindow;
        QTest::newRow("left of the window") << QRect(-200, 10, 100, 40) << none << StopButtonFault::OutsideWindow;
        QTest::newRow("a sliver inside") << QRect(596, 100, 100, 40) << none << StopButtonFault::OutsideWindow;
        QTest::newRow("half inside") << QRect(550, 100, 100, 40) << none << StopButtonFault::None;
        QTest::newRow("under the result window") << QRect(100, 100, 100, 40) << QRect(50, 50, 400, 300)
                                                 << StopButtonFault::Covered;
        QTest::newRow("half under the result window") << QRect(100, 100, 100, 40) << QRect(150, 0, 400, 300)
                                                      << StopButtonFault::None;
        QTest::newRow("result window elsewhere") << QRect(100, 100, 100, 40) << QRect(300, 0, 100, 100)
                                                 << StopButtonFault::None;
        QTest::newRow("covered where it is inside") << QRect(550, 100, 100, 40) << QRect(540, 90, 60, 60)
                                                    << StopButtonFault::Covered;
    }

    void judgesTheButtonAgainstWindowAndCover()
    {
        QFETCH(QRect, button);
        QFETCH(QRect, cover);
        QFETCH(StopButtonFault, fault);
        QCOMPARE(ExtraStopButtonFault(button, QSize(600, 400), cover), fault);
    }

    void warningNamesWhatIsWrong()
    {
        QVERIFY(StopButtonFaultWarning(StopButtonFault::None, {}, {}).isEmpty());
        const QString outside =
            StopButtonFaultWarning(StopButtonFault::OutsideWindow, QRect(700, 500, 100, 40), QSize(600, 400));
        QVERIFY2(outside.contains("(700,500)") && outside.contains("600×400"), qPrintable(outside));
    }
};

QTEST_GUILESS_MAIN(TestStopButtonPlace)
#include "test_stop_button_place.moc"
