#include "calcgenerator.h"
#include "calclibrary.h"
#include "suiteerror.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

QueryParams ArithmeticQuery(const QString &vars, const QString &format, const QString &randVars,
                            const QString &equalVars, const QString &conditions, const QString &relat,
                            const QString &type, int ranCount)
{
    return {QStringLiteral("计算模式"), vars, format, randVars, equalVars, conditions, relat, type,
            QString::number(ranCount), QStringLiteral("否")};
}

struct Drawing
{
    GeneratorSource draws{20261207};
    DrawSettings settings;
    GenerationContext context{draws, draws, settings, 11, true, false};
};

// Every value the single-result batches of `generator` produce, over `batches` draws.
QSet<QString> ValuesSeen(CalcGenerator &generator, int batches)
{
    Drawing drawing;
    QSet<QString> seen;
    for (int i = 0; i < batches; ++i)
        for (const QString &text : generator.Generate(drawing.context).results)
            seen << text;
    return seen;
}

QSet<QString> Numbers(std::initializer_list<int> values)
{
    QSet<QString> set;
    for (int v : values)
        set << QString::number(v);
    return set;
}

} // namespace

class CalcGeneratorTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { BindCalcLibrary(QStringLiteral(SUITE_APP_DIR)); }

    void defaultArithmeticMeetsItsConditionAndNeverRepeats()
    {
        // Sums of two digits up to 10, five distinct exercises a batch.
        CalcGenerator generator(11, DefaultQueryParams(11));
        QCOMPARE(generator.RanCount(), 5);
        QCOMPARE(generator.Extra(), (QStringList{"且", "取当前值"}));
        Drawing drawing;
        const QRegularExpression exercise(QStringLiteral("^(\\d)\\+(\\d)=\\(　\\)$"));
        bool sumTenSeen = false;
        for (int batch = 0; batch < 200; ++batch) {
            const QStringList results = generator.Generate(drawing.context).results;
            QCOMPARE(results.size(), 5);
            QCOMPARE(QSet<QString>(results.cbegin(), results.cend()).size(), 5);
            for (const QString &text : results) {
                const auto match = exercise.match(text);
                QVERIFY2(match.hasMatch(), qPrintable(text));
                const int sum = match.captured(1).toInt() + match.captured(2).toInt();
                QVERIFY2(sum <= 10, qPrintable(text));
                sumTenSeen = sumTenSeen || sum == 10;
            }
        }
        QVERIFY(sumTenSeen); // the closed bound is reachable
    }

    void quadraticDefaultsHaveAnIntegerRoot()
    {
        // c = -a*x^2-b*x is negative, so it is written in parentheses.
        CalcGenerator generator(13, DefaultQueryParams(13));
        Drawing drawing;
        const QRegularExpression equation(QStringLiteral("^(\\d)x\\^2\\+(\\d)x\\+\\((-\\d+)\\)=0$"));
        for (int batch = 0; batch < 20; ++batch) {
            for (const QString &text : generator.Generate(drawing.context).results) {
                const auto match = equation.match(text);
                QVERIFY2(match.hasMatch(), qPrintable(text));
                const int a = match.captured(1).toInt(), b = match.captured(2).toInt(), c = match.captured(3).toInt();
                bool solved = false;
                for (int x = 1; x <= 5; ++x)
                    solved = solved || a * x * x + b * x + c == 0;
                QVERIFY2(solved, qPrintable(text));
            }
        }
    }

    void everyRelationKeepsExactlyItsValues_data()
    {
        QTest::addColumn<QString>("conditions");
        QTest::addColumn<QString>("relat");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QSet<QString>>("expected");
        const QString keep = QStringLiteral("取当前值"), redraw = QStringLiteral("重新取值");
        QTest::newRow("等于") << "x,等于,4" << "且" << keep << Numbers({4});
        QTest::newRow("不等于") << "x,不等于,4" << "且" << keep << Numbers({0, 1, 2, 3, 5, 6, 7, 8, 9, 10});
        QTest::newRow("大于") << "x,大于,7" << "且" << keep << Numbers({8, 9, 10});
        QTest::newRow("小于") << "x,小于,3" << "且" << keep << Numbers({0, 1, 2});
        QTest::newRow("大于或等于") << "x,大于或等于,8" << "且" << keep << Numbers({8, 9, 10});
        QTest::newRow("小于或等于") << "x,小于或等于,2" << "且" << keep << Numbers({0, 1, 2});
        QTest::newRow("介于(开区间)") << "x,介于(开区间),3,6" << "且" << keep << Numbers({4, 5});
        QTest::newRow("介于(闭区间)") << "x,介于(闭区间),3,6" << "且" << keep << Numbers({3, 4, 5, 6});
        QTest::newRow("未介于(开区间)") << "x,未介于(开区间),2,8" << "且" << keep << Numbers({0, 1, 9, 10});
        QTest::newRow("未介于(闭区间)") << "x,未介于(闭区间),2,8" << "且" << keep << Numbers({0, 1, 2, 8, 9, 10});
        QTest::newRow("bounds are expressions") << "x,介于(闭区间),max(1,2)*2,x-x+5" << "且" << keep << Numbers({4, 5});
        QTest::newRow("重新取值 keeps the rest") << "x,小于,8" << "且" << redraw << Numbers({8, 9, 10});
        QTest::newRow("且 needs all") << "x,大于,5|x,小于,8" << "且" << keep << Numbers({6, 7});
        QTest::newRow("或 needs one") << "x,小于,2|x,大于,8" << "或" << keep << Numbers({0, 1, 9, 10});
        QTest::newRow("或 redrawn") << "x,小于,2|x,大于,8" << "或" << redraw << Numbers({2, 3, 4, 5, 6, 7, 8});
    }
    void everyRelationKeepsExactlyItsValues()
    {
        QFETCH(QString, conditions);
        QFETCH(QString, relat);
        QFETCH(QString, type);
        QFETCH(QSet<QString>, expected);
        CalcGenerator generator(11, ArithmeticQuery("x", "[x]", "x,0,10,1", "", conditions, relat, type, 1));
        QCOMPARE(ValuesSeen(generator, 200), expected);
    }

    void valuesAreComparedAndWrittenAsShown()
    {
        // In binary 0.1+0.2 is not 0.3; the exercise must still say 0.3 and meet "等于 0.3".
        CalcGenerator generator(14, ArithmeticQuery("a,c", "[c]", "a,0.1,0.3,0.1", "c,a+0.2", "c,等于,0.3", "且",
                                                    "取当前值", 1));
        QCOMPARE(ValuesSeen(generator, 50), (QSet<QString>{"0.3"}));
    }

    void divisionByZeroIsDrawnAgain()
    {
        CalcGenerator generator(14, ArithmeticQuery("a,b,c", "[c]", "a,1,1,1|b,0,1,1", "c,a/b", "", "且", "重新取值", 1));
        QCOMPARE(ValuesSeen(generator, 50), (QSet<QString>{"1"}));
    }

    void impossibleBatchesAreRefused_data()
    {
        QTest::addColumn<QueryParams>("query");
        QTest::newRow("no combination meets the conditions")
            << ArithmeticQuery("x", "[x]", "x,0,10,1", "", "x,大于,100", "且", "取当前值", 1);
        QTest::newRow("conditions exclude each other")
            << ArithmeticQuery("x", "[x]", "x,0,10,1", "", "x,小于,2|x,大于,8", "且", "取当前值", 1);
        QTest::newRow("fewer distinct texts than results")
            << ArithmeticQuery("x", "固定题目", "x,0,10,1", "", "", "且", "取当前值", 2);
    }
    void impossibleBatchesAreRefused()
    {
        QFETCH(QueryParams, query);
        CalcGenerator generator(11, query, CalcAttemptLimits{20'000, std::chrono::milliseconds(2000)});
        Drawing drawing;
        QVERIFY_THROWS_EXCEPTION(SuiteError, generator.Generate(drawing.context));
    }

    void manyVariablesGiveUpOnTime()
    {
        // One attempt draws 20,000 variables; the time limit must hold within a few of them.
        QStringList names;
        QStringList ranges;
        for (int i = 0; i < 20000; ++i) {
            names << QStringLiteral("v%1").arg(i);
            ranges << QStringLiteral("v%1,0,9,1").arg(i);
        }
        CalcGenerator generator(14, ArithmeticQuery(names.join(','), "[v1]", ranges.join('|'), "", "v1,大于,100", "且",
                                                    "取当前值", 1),
                                CalcAttemptLimits{1'000'000, std::chrono::milliseconds(200)});
        Drawing drawing;
        try {
            generator.Generate(drawing.context);
            QFAIL("an impossible condition was met");
        } catch (const SuiteError &error) {
            const QRegularExpressionMatch match = QRegularExpression("已尝试 (\\d+) 次").match(error.message());
            QVERIFY2(match.hasMatch() && match.captured(1).toInt() < 1024, qPrintable(error.message()));
        }
    }

    void badQueriesAreRefusedBeforeDrawing_data()
    {
        QTest::addColumn<QueryParams>("query");
        QTest::addColumn<QString>("named");
        QTest::newRow("rejected expression")
            << ArithmeticQuery("a,c", "[c]", "a,0,9,1", "c,a+*2", "", "且", "取当前值", 1) << "a+*2";
        QTest::newRow("unknown variable in a condition")
            << ArithmeticQuery("a,c", "[c]", "a,0,9,1", "c,a", "d,大于,1", "且", "取当前值", 1) << "“d”";
        QTest::newRow("unknown relation")
            << ArithmeticQuery("a", "[a]", "a,0,9,1", "", "a,约等于,1", "且", "取当前值", 1) << "约等于";
        QTest::newRow("interval with one bound")
            << ArithmeticQuery("a", "[a]", "a,0,9,1", "", "a,介于(开区间),1", "且", "取当前值", 1) << "a,介于(开区间),1";
        QTest::newRow("too few combinations")
            << ArithmeticQuery("a", "[a]", "a,0,2,1", "", "", "且", "取当前值", 5) << "3 种组合";
        QTest::newRow("count not a number")
            << ArithmeticQuery("a", "[a]", "a,0,9,1", "", "", "且", "取当前值", 1).replaceInStrings(QRegularExpression("^1$"), "五")
            << "生成数量";
        QTest::newRow("empty question template")
            << ArithmeticQuery("a", " ", "a,0,9,1", "", "", "且", "取当前值", 1) << "题目格式为空";
        QTest::newRow("zero precision")
            << ArithmeticQuery("a", "[a]", "a,0,9,0", "", "", "且", "取当前值", 1) << "“a”";
        QTest::newRow("zero questions") // would draw empty batches and report success
            << ArithmeticQuery("a", "[a]", "a,0,9,1", "", "", "且", "取当前值", 0) << "生成数量";
        // Formulas that never give a number: named, not blamed on conditions there are not.
        QTest::newRow("division by zero")
            << ArithmeticQuery("a,c", "[c]", "a,1,9,1", "c,a/0", "", "且", "取当前值", 1) << "“c”的表达式“a/0”";
        QTest::newRow("root of a negative number")
            << ArithmeticQuery("a,c", "[c]", "a,1,9,1", "c,sqrt(-1)", "", "且", "取当前值", 1) << "“sqrt(-1)”";
        QTest::newRow("zero divisor over a wide range")
            << ArithmeticQuery("a,b,c", "[c]", "a,1,100000,1|b,1,100000,1", "c,a/(b-b)", "", "且", "取当前值", 1)
            << "“a/(b-b)”";
        QTest::newRow("a later variable that never gives a number")
            << ArithmeticQuery("a,c,d", "[d]", "a,1,9,1", "c,a+1|d,sqrt(-c)", "", "且", "取当前值", 1)
            << "“d”的表达式“sqrt(-c)”";
    }

    void formulasThatGiveANumberOnlySometimesAreKept()
    {
        // Finite only at the ranges' far end, or for a few values: drawn, not refused.
        CalcGenerator atEnd(14, ArithmeticQuery("a,c", "[c]", "a,1,20000,1", "c,sqrt(a-20000)", "", "且", "重新取值", 1));
        QCOMPARE(ValuesSeen(atEnd, 1), (QSet<QString>{"0"}));
        CalcGenerator few(14, ArithmeticQuery("a,c", "[c]", "a,0,20,1", "c,sqrt(2-a)", "", "且", "重新取值", 1));
        QVERIFY(!ValuesSeen(few, 5).isEmpty());
    }
    void badQueriesAreRefusedBeforeDrawing()
    {
        QFETCH(QueryParams, query);
        QFETCH(QString, named);
        try {
            CalcGenerator generator(11, query);
            QFAIL("the query was accepted");
        } catch (const SuiteError &error) {
            QVERIFY2(error.message().contains(named), qPrintable(error.message()));
        }
    }
};

QTEST_GUILESS_MAIN(CalcGeneratorTest)
#include "calcgenerator_test.moc"
