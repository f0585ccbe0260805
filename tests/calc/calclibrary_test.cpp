#include "calclibrary.h"
#include "suiteerror.h"

#include <QTest>
#include <cmath>

// The expression library through the binding the engine uses.
class CalcLibraryTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        BindCalcLibrary(QStringLiteral(SUITE_APP_DIR));
        QVERIFY(IsCalcLibraryBound());
    }

    void evaluatesTheWizardDefaults_data()
    {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<double>("expected");
        const QStringList abx{"a", "b", "c", "x"};
        QTest::newRow("sum") << "a+b" << QStringList{"a", "b"} << QStringList{"2", "3"} << 5.0;
        // Power binds tighter than the unary minus: -a*x^2 is -(a*(x^2)).
        QTest::newRow("quadratic") << "-a*x^2-b*x" << abx << QStringList{"2", "3", "0", "4"} << -44.0;
        QTest::newRow("decimals and negatives") << "a/b" << QStringList{"a", "b"} << QStringList{"-2.5", "0.5"} << -5.0;
        QTest::newRow("parentheses and function") << "sqrt((a+b)*4)" << QStringList{"a", "b"}
                                                   << QStringList{"5", "4"} << 6.0;
        // Extra names beyond the values are cut off and may then not be used.
        QTest::newRow("names cut to values") << "a*2" << QStringList{"a", "b"} << QStringList{"7"} << 14.0;
        QTest::newRow("chinese names") << "甲+乙" << QStringList{"甲", "乙"} << QStringList{"1", "2"} << 3.0;
        QTest::newRow("constant") << "2^10" << QStringList{} << QStringList{} << 1024.0;
    }
    void evaluatesTheWizardDefaults()
    {
        QFETCH(QString, expression);
        QFETCH(QStringList, names);
        QFETCH(QStringList, values);
        QFETCH(double, expected);
        QCOMPARE(EvaluateExpression(expression, names, values), expected);
    }

    void newValuesReachACachedExpression()
    {
        const QStringList names{"a", "b"};
        QCOMPARE(EvaluateExpression("a-b", names, {"9", "4"}), 5.0);
        QCOMPARE(EvaluateExpression("a-b", names, {"1", "4"}), -3.0);
    }

    void refusesWithAMessageNamingTheExpression_data()
    {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("values");
        QTest::newRow("unknown variable") << "a+z" << QStringList{"a"} << QStringList{"1"};
        QTest::newRow("cut name used") << "a+b" << QStringList{"a", "b"} << QStringList{"1"};
        QTest::newRow("dangling operator") << "a+*2" << QStringList{"a"} << QStringList{"1"};
        QTest::newRow("empty") << "" << QStringList{"a"} << QStringList{"1"};
        QTest::newRow("value not a number") << "a+1" << QStringList{"a"} << QStringList{"abc"};
        QTest::newRow("more values than names") << "a" << QStringList{"a"} << QStringList{"1", "2"};
    }
    void refusesWithAMessageNamingTheExpression()
    {
        QFETCH(QString, expression);
        QFETCH(QStringList, names);
        QFETCH(QStringList, values);
        try {
            EvaluateExpression(expression, names, values);
            QFAIL("the expression was accepted");
        } catch (const SuiteError &error) {
            QVERIFY2(error.message().contains(QStringLiteral("“%1”").arg(expression)), qPrintable(error.message()));
        }
        // A refusal leaves no trace on the next, sound call.
        QCOMPARE(EvaluateExpression("a+1", {"a"}, {"1"}), 2.0);
    }

    void divisionByZeroIsNotAnError()
    {
        QVERIFY(std::isinf(EvaluateExpression("a/b", {"a", "b"}, {"1", "0"})));
    }
};

QTEST_GUILESS_MAIN(CalcLibraryTest)
#include "calclibrary_test.moc"
