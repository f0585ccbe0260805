#include "enginetesthelpers.h"
#include "templategenerator.h"

#include <QRegularExpression>
#include <QSet>

#include <tuple>

namespace {

QueryParams Custom(const QString &types, const QString &queries, const QString &names, const QString &format,
                   const QString &ranCount, const QString &allowRepeat = QStringLiteral("否"))
{
    return Query(0, {{"TypeList", types}, {"QueryList", queries}, {"NameList", names}, {"AllowRepeat", allowRepeat},
                     {"RanCount", ranCount}, {"Format", format}, {"Spliter", "空格"}});
}

} // namespace

class TemplateTest : public QObject
{
    Q_OBJECT
private slots:
    void customListAndScore()
    {
        auto engine = PreparedEngine(0, Custom("列举模式##数值范围模式", "否||张三 李四 王五||否||否||1##60||100||1||0||是||1",
                                               "学生##成绩", "[学生]：[成绩]", "3"));
        const QStringList results = engine->Generate(true, false).results;
        QCOMPARE(results.size(), 3);
        const QRegularExpression shape(QStringLiteral("^(张三|李四|王五)：(\\d+)$"));
        QSet<QString> names;
        for (const QString &r : results) {
            const auto m = shape.match(r);
            QVERIFY2(m.hasMatch(), qPrintable(r));
            QVERIFY(m.captured(2).toInt() >= 60 && m.captured(2).toInt() <= 100);
            names.insert(m.captured(1));
        }
        QCOMPARE(names.size(), 3); // the list group has no repeats within a batch
    }

    void severalValuesPerResultJoinedByComma()
    {
        auto engine = PreparedEngine(0, Custom("数值范围模式", "1||9||1||0||否||3", "数", "<[数]>", "3"));
        QSet<QString> all;
        for (const QString &r : engine->Generate(true, false).results) {
            QVERIFY2(QRegularExpression("^<\\d,\\d,\\d>$").match(r).hasMatch(), qPrintable(r));
            for (const QString &v : r.mid(1, r.size() - 2).split(','))
                all.insert(v);
        }
        QCOMPARE(all.size(), 9); // a group without repeats never repeats a value in the batch
    }

    void noEqualResultsWithoutProjectRepeats()
    {
        // Four possible results, four asked: each pass must be redrawn until new.
        auto engine = PreparedEngine(0, Custom("列举模式##列举模式", "否||A B||是||否||1##否||1 2||是||否||1", "x##y",
                                               "[x][y]", "4"));
        for (int i = 0; i < 20; ++i) {
            QStringList r = engine->Generate(true, false).results;
            r.sort();
            QCOMPARE(r, QStringList({"A1", "A2", "B1", "B2"}));
        }
        const QString message = Refusal(0, Custom("列举模式", "否||A B||是||否||1", "x", "[x]", "3"));
        QVERIFY2(message.contains("互不相同"), qPrintable(message));
    }

    void numberingStyles()
    {
        auto circled = PreparedEngine(0, Custom("编号##列举模式", "①,②,③...||1##否||A B C||否||否||1", "号##名",
                                                "[号][名]", "3"));
        const QStringList results = circled->Generate(true, false).results;
        QCOMPARE(results.at(0).left(1), QStringLiteral("①"));
        QCOMPARE(results.at(1).left(1), QStringLiteral("②"));
        QCOMPARE(results.at(2).left(1), QStringLiteral("③"));

        QCOMPARE(NumberingLabel(0, "1,2,3...", 1, {}), QStringLiteral("1"));
        QCOMPARE(NumberingLabel(2, "[1],[2],[3]...", 0, {}), QStringLiteral("[2]"));
        QCOMPARE(NumberingLabel(0, "①,②,③...", 0, {}), QStringLiteral("①")); // start 0 counts as the first
        QCOMPARE(NumberingLabel(10, "①,②,③...", 1, {}), QStringLiteral("①"));
        QCOMPARE(NumberingLabel(26, "a,b,c...", 1, {}), QStringLiteral("a"));
        QCOMPARE(NumberingLabel(1, "A,B,C...", 3, {}), QStringLiteral("D"));
        QCOMPARE(NumberingLabel(10, "㈠,㈡,㈢...", 1, {}), QStringLiteral("㈠"));
        QCOMPARE(NumberingLabel(3, "自定义", 0, {"甲", "乙"}), QStringLiteral("乙"));
    }

    void taskAssignmentNamesEveryMemberOnce()
    {
        auto engine = PreparedEngine(4, Query(4, {{"MemberList", "张三 李四 王五"}, {"TaskList", "A B C D E F"},
                                                  {"TaskCountForEachMember", "2"}}));
        // Without ListAutoRestore: the team is never used up, so nothing is ever asked.
        ScriptedQuestion no(false);
        engine->SetDrawSettings({false, &no, {}, {}});
        QCOMPARE(engine->RanCount(), 3);
        for (int batch = 0; batch < 5; ++batch) {
            const bool animated = batch % 2 == 1;
            for (int frame = 0; animated && frame < 3; ++frame)
                QCOMPARE(engine->Generate(false, true).results.size(), 3);
            const Batch drawn = engine->Generate(true, animated);
            QVERIFY(!drawn.abandoned);
            QVERIFY(engine->Ready());
            QSet<QString> members;
            QSet<QString> tasks;
            for (const QString &r : drawn.results) {
                const auto m = QRegularExpression(QStringLiteral("^请(.+)去(.),(.)$")).match(r);
                QVERIFY2(m.hasMatch(), qPrintable(r));
                members.insert(m.captured(1));
                tasks << m.captured(2) << m.captured(3);
            }
            QCOMPARE(members.size(), 3);
            QCOMPARE(tasks.size(), 6);
        }
        QCOMPARE(no.asked, 0);
        QVERIFY(Refusal(4, Query(4, {{"MemberList", "张三 李四 王五"}})).contains("4 个不同"));
    }

    void coordinatesStayInTheirRanges()
    {
        auto engine = PreparedEngine(8, Query(8, {{"RanCount", "40"}}));
        const QStringList results = engine->Generate(true, false).results;
        QCOMPARE(QSet<QString>(results.begin(), results.end()).size(), 40);
        for (const QString &r : results) {
            const auto m = QRegularExpression("^\\((\\d),(\\d)\\)$").match(r);
            QVERIFY2(m.hasMatch(), qPrintable(r));
            QVERIFY(m.captured(1).toInt() >= 1 && m.captured(1).toInt() <= 8);
            QVERIFY(m.captured(2).toInt() >= 1 && m.captured(2).toInt() <= 6);
        }
        QVERIFY(Refusal(8, Query(8, {{"DimeList", "1,8,0,0,是,1|1,6,1,0,是,1"}})).contains("精度"));
    }

    void prizesInOrderWithDistinctWinners()
    {
        auto engine = PreparedEngine(10, Query(10, {{"PrizeLists", "一等奖,二等奖"}, {"MemberLists", "A B C D E F"},
                                                    {"EveryPrizeGetMemberCount", "2"}, {"AutoDel", "否"}}));
        for (int i = 0; i < 20; ++i) {
            const QStringList results = engine->Generate(true, false).results;
            QCOMPARE(results.size(), 2);
            QVERIFY(results.at(0).startsWith(QStringLiteral("【一等奖】")));
            QVERIFY(results.at(1).startsWith(QStringLiteral("【二等奖】")));
            QSet<QString> winners;
            for (const QString &r : results)
                for (const QString &w : r.mid(5).split(','))
                    winners.insert(w);
            QCOMPARE(winners.size(), 4);
        }
    }

    void prizeWinnersLeaveAndTheResetDrawsAtOnce()
    {
        auto engine = PreparedEngine(10, Query(10, {{"PrizeLists", "一等奖,二等奖"}, {"MemberLists", "A B C"},
                                                    {"EveryPrizeGetMemberCount", "1"}, {"AutoDel", "是"}}));
        ScriptedQuestion no(false);
        engine->SetDrawSettings({false, &no, {}, {}});
        QSet<QString> first;
        for (int frame = 0; frame < 30; ++frame) // frames draw from the whole list and remove nothing
            engine->Generate(false, true);
        for (const QString &r : engine->Generate(true, true).results)
            first.insert(r.mid(5));
        QCOMPARE(first.size(), 2);
        QCOMPARE(no.asked, 0);

        const Batch refused = engine->Generate(true, false); // one member left for two prizes
        QVERIFY(refused.abandoned);
        QCOMPARE(no.asked, 1);
        QVERIFY(!engine->Ready());

        ScriptedQuestion yes(true);
        engine->SetDrawSettings({false, &yes, {}, {}});
        const std::optional<Batch> redrawn = engine->CheckRemaining();
        QVERIFY(redrawn.has_value());
        QCOMPARE(redrawn->results.size(), 2);
        QVERIFY(engine->Ready());
    }

    void picturesAndPasswordsInTemplates()
    {
        auto engine = PreparedEngine(0, Custom("图片模式##密码模式", "/img/a.jpg|/img/b.png||否||1##6||数字||1", "图##码",
                                               "[图]-[码]", "2"));
        engine->SetDrawSettings({false, nullptr, QStringLiteral("仅图片名称"), {}});
        const Batch batch = engine->Generate(true, false);
        QCOMPARE(batch.picturePaths.size(), 2);
        QVERIFY(batch.picturePaths.contains("/img/a.jpg") && batch.picturePaths.contains("/img/b.png"));
        for (const QString &r : batch.results)
            QVERIFY2(QRegularExpression("^[ab]-\\d{6}$").match(r).hasMatch(), qPrintable(r));
    }

    void templateRefusals_data()
    {
        QTest::addColumn<QueryParams>("params");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("range too small") << Custom("数值范围模式", "1||3||1||0||否||2", "数", "[数]", "2", "是")
                                         << "3 个不同";
        QTest::newRow("list too small") << Custom("列举模式", "否||A B||否||否||3", "名", "[名]", "1") << "2 个不同";
        QTest::newRow("no groups") << Custom("", "", "", "x", "1") << "没有任何组";
        QTest::newRow("bad start value") << Custom("编号##列举模式", "1,2,3...||一##否||A||是||否||1", "号##名", "[号]", "1", "是")
                                         << "编号起始值";
        QTest::newRow("malformed groups") << Custom("数值范围模式", "1||2", "数", "[数]", "1") << "QueryList";
    }
    void templateRefusals()
    {
        QFETCH(QueryParams, params);
        QFETCH(QString, mentions);
        const QString message = Refusal(0, params);
        QVERIFY2(message.contains(mentions), qPrintable(message));
    }

    void lettersThatRunOutAreRefusedBeforeDrawing()
    {
        const auto letters = [](const QString &style, const QString &start, const QString &count) {
            return Custom("编号##数值范围模式", style + "||" + start + "##1||100||1||0||否||1", "号##数", "[号][数]", count,
                          "是");
        };
        QCOMPARE(Refusal(0, letters("a,b,c...", "1", "26")), QString());
        for (const auto &[style, start, count] : {std::tuple{"a,b,c...", "1", "27"}, std::tuple{"A,B,C...", "3", "25"}}) {
            try {
                TemplateGenerator generator(0, letters(style, start, count));
                QFAIL("a batch past the last letter was accepted");
            } catch (const SuiteError &error) {
                QVERIFY2(error.message().contains("只有 26 个编号"), qPrintable(error.message()));
            }
        }
    }

    void tooFewCombinationsAreRefusedBeforeDrawing()
    {
        // Two groups of 1..2 that may repeat, five distinct results: only four exist.
        const QueryParams two = Custom("数值范围模式##数值范围模式", "1||2||1||0||是||1##1||2||1||0||是||1", "a##b",
                                       "[a]-[b]", "5");
        try {
            TemplateGenerator generator(0, two);
            QFAIL("an impossible batch was accepted");
        } catch (const SuiteError &error) {
            QVERIFY2(error.message().contains("4 个互不相同"), qPrintable(error.message()));
        }
        // Four can be made; a group the format does not show adds nothing; a group that
        // never repeats makes every result differ by itself.
        QCOMPARE(Refusal(0, Custom("数值范围模式##数值范围模式", "1||2||1||0||是||1##1||2||1||0||是||1", "a##b",
                                   "[a]-[b]", "4")),
                 QString());
        QVERIFY(!Refusal(0, Custom("数值范围模式##数值范围模式", "1||2||1||0||是||1##1||9||1||0||是||1", "a##b", "[a]",
                                   "3"))
                     .isEmpty());
        QCOMPARE(Refusal(0, Custom("数值范围模式##列举模式", "1||2||1||0||是||1##否||A B C D E||否||否||1", "a##b",
                                   "[a][b]", "5")),
                 QString());
    }

    void picturePathsInResultsStayAsStored()
    {
        auto engine = PreparedEngine(0, Custom("图片模式##列举模式", "/srv/pics/or/a.jpg|/srv/pics/add/b.jpg||否||1##否||x/comma/y z||否||否||1",
                                               "图##名", "[名]=[图]", "2"));
        DrawSettings settings;
        settings.pictureNameSetting = QStringLiteral("完整的图片路径");
        engine->SetDrawSettings(settings);
        QStringList results = engine->Generate(true, false).results;
        for (const QString &r : results)
            QVERIFY2(QRegularExpression("^(x,y|z)=/srv/pics/(or/a|add/b)\\.jpg$").match(r).hasMatch(), qPrintable(r));
    }

    void distinctResultsGiveUpOnTimeWhenEachPassIsLarge()
    {
        // Every pass draws two million values and the texts of x and y run together
        // ("a"+"bc" = "ab"+"c"), so four results of three possible texts are asked; the
        // time limit must stop it after a few passes, not after hundreds (minutes).
        const QString message = Refusal(0, Custom("列举模式##列举模式##数值范围模式",
                                                  "否||a ab||是||否||1##否||bc c||是||否||1##1||1||1||0||是||2000000",
                                                  "x##y##z", "[x][y][z]", "4"));
        const QRegularExpression attempts(QStringLiteral("尝试 (\\d+) 次"));
        const QRegularExpressionMatch match = attempts.match(message);
        QVERIFY2(match.hasMatch(), qPrintable(message));
        QVERIFY2(match.captured(1).toInt() < 100, qPrintable(message));
    }
};

QTEST_GUILESS_MAIN(TemplateTest)
#include "tst_templates.moc"
