#include <QtTest>
class GroupCalcTest : public QObject { Q_OBJECT };
QTEST_MAIN(GroupCalcTest)
#include "tst_groupcalc.moc"
