#include "enginetesthelpers.h"
#include "equationgenerator.h"
#include "listdraw.h"
#include "numberrange.h"

#include <QRandomGenerator64>
#include <QRegularExpression>
#include <QSet>

#include <cmath>

namespace {

// Parses "【2x-y=3，x+3y=12】" into coefficient rows (in `names` order) and right sides.
bool ParseSystem(const QString &text, const QString &separator, const QStringList &names,
                 std::vector<std::vector<double>> &rows, std::vector<double> &rights)
{
    if (!text.startsWith(QStringLiteral("【")) || !text.endsWith(QStringLiteral("】")))
        return false;
    static const QRegularExpression term(QStringLiteral("([+-]?)([0-9.]*)([a-z])"));
    for (const QString &equation : text.mid(1, text.size() - 2).split(separator)) {
        const QStringList sides = equation.split(QLatin1Char('='));
        if (sides.size() != 2)
            return false;
        std::vector<double> row(names.size(), 0);
        auto it = term.globalMatch(sides.at(0));
        while (it.hasNext()) {
            const auto m = it.next();
            const double magnitude = m.captured(2).isEmpty() ? 1 : m.captured(2).toDouble();
            row[names.indexOf(m.captured(3))] = m.captured(1) == QLatin1String("-") ? -magnitude : magnitude;
        }
        rows.push_back(row);
        rights.push_back(sides.at(1).toDouble());
    }
    return true;
}

// Solves a 2x2 system by Cramer's rule.
bool Solve2(const std::vector<std::vector<double>> &a, const std::vector<double> &b, double &x, double &y)
{
    const double det = a[0][0] * a[1][1] - a[0][1] * a[1][0];
    if (det == 0)
        return false;
    x = (b[0] * a[1][1] - a[0][1] * b[1]) / det;
    y = (a[0][0] * b[1] - b[0] * a[1][0]) / det;
    return true;
}

} // namespace

class GeneratorTest : public QObject
{
    Q_OBJECT
private slots:
    // ---- type 1: numbers ----
    void numbersReachBothGridEndsEvenly()
    {
        auto engine = PreparedEngine(1, Query(1, {{"Min", "1"}, {"Max", "10"}, {"Pred", "1"}, {"Format", "0"},
                                                  {"RanCount", "20000"}, {"AllowRepeat", "是"}}));
        QHash<QString, int> counts;
        for (const QString &r : engine->Generate(true, false).results)
            ++counts[r];
        QCOMPARE(counts.size(), 10);
        for (int v = 1; v <= 10; ++v) // expected 2000, sd about 42
            QVERIFY2(qAbs(counts.value(QString::number(v)) - 2000) < 200, qPrintable(QString::number(v)));
    }

    void numbersOnDecimalGrid()
    {
        auto engine = PreparedEngine(1, Query(1, {{"Min", "0"}, {"Max", "1"}, {"Pred", "0.1"}, {"Format", "0.#"},
                                                  {"RanCount", "11"}, {"AllowRepeat", "否"}}));
        const QStringList results = engine->Generate(true, false).results;
        QCOMPARE(QSet<QString>(results.begin(), results.end()),
                 QSet<QString>({"0", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9", "1"}));
        QCOMPARE(engine->Extra(), QStringList{"0.#"});
    }

    void numbersLargeIntegerRangeHitsOddValues()
    {
        // Single precision would only give even numbers above 2^24.
        auto engine = PreparedEngine(1, Query(1, {{"Min", "1"}, {"Max", "100000000"}, {"Pred", "1"}, {"Format", "0"},
                                                  {"RanCount", "2000"}}));
        int oddAbove = 0;
        for (const QString &r : engine->Generate(true, false).results) {
            const qlonglong v = r.toLongLong();
            QVERIFY(v >= 1 && v <= 100000000);
            if (v > (1 << 24) && v % 2 == 1)
                ++oddAbove;
        }
        QVERIFY(oddAbove > 500);
    }

    void numbersNearlyFullGridAreDistinct()
    {
        auto engine = PreparedEngine(1, Query(1, {{"Min", "1"}, {"Max", "200001"}, {"Pred", "1"}, {"Format", "0"},
                                                  {"RanCount", "200000"}, {"AllowRepeat", "否"}}));
        const QStringList results = engine->Generate(true, false).results;
        QCOMPARE(results.size(), 200000);
        QCOMPARE(QSet<QString>(results.begin(), results.end()).size(), 200000);
    }

    void samplerCoversTheGridUniformly()
    {
        GeneratorSource random(11);
        UniqueIndexSampler all(1000); // passes from rejection to shuffling half-way
        QSet<qint64> seen;
        for (int i = 0; i < 1000; ++i) {
            const qint64 index = all.Next(random);
            QVERIFY(index >= 0 && index < 1000);
            seen.insert(index);
        }
        QCOMPARE(seen.size(), 1000);
        QCOMPARE(all.Remaining(), 0);

        UniqueIndexSampler huge(qint64(1) << 40); // too large for a bitmap: stays hashed
        QSet<qint64> hashed;
        for (int i = 0; i < 20000; ++i)
            hashed.insert(huge.Next(random));
        QCOMPARE(hashed.size(), 20000);

        // The index left over after three of four draws is equally likely to be any.
        int leftOver[4] = {0, 0, 0, 0};
        for (int trial = 0; trial < 8000; ++trial) {
            UniqueIndexSampler four(4);
            qint64 sum = 0;
            for (int i = 0; i < 3; ++i)
                sum += four.Next(random);
            ++leftOver[6 - sum];
        }
        for (int n : leftOver) // expected 2000, sd about 39
            QVERIFY2(qAbs(n - 2000) < 200, qPrintable(QString::number(n)));
    }

    void numbersRefusals_data()
    {
        QTest::addColumn<QueryParams>("params");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("zero step") << Query(1, {{"Pred", "0"}}) << "精度";
        QTest::newRow("negative step") << Query(1, {{"Pred", "-1"}}) << "精度";
        QTest::newRow("max below min") << Query(1, {{"Min", "5"}, {"Max", "1"}}) << "最大值";
        QTest::newRow("grid too small") << Query(1, {{"Min", "1"}, {"Max", "3"}, {"Pred", "1"}, {"RanCount", "4"}}) << "3 个";
        QTest::newRow("count not a number") << Query(1, {{"RanCount", "五"}}) << "生成数量";
        QTest::newRow("min not a number") << Query(1, {{"Min", "abc"}}) << "最小值";
        QTest::newRow("count zero") << Query(1, {{"RanCount", "0"}}) << "生成数量";
    }
    void numbersRefusals()
    {
        QFETCH(QueryParams, params);
        QFETCH(QString, mentions);
        const QString message = Refusal(1, params);
        QVERIFY2(message.contains(mentions), qPrintable(message));
    }

    // ---- lists: weights, shuffles, removal ----
    void weightsThreeToOne()
    {
        const QString list = QStringLiteral("加权&A:3&B:1");
        auto engine = PreparedEngine(2, Query(2, {{"PosSetAble", "是"}, {"Lists", list}, {"Spliter", "半角逗号"},
                                                  {"RanCount", "1"}, {"AllowRepeat", "否"}, {"AutoDel", "否"}}));
        int a = 0;
        for (int i = 0; i < 8000; ++i)
            a += engine->Generate(true, false).results.first() == QLatin1String("A");
        QVERIFY2(qAbs(a - 6000) < 200, qPrintable(QString::number(a))); // sd about 39
    }

    void percentagesFiftyThirtyTwenty()
    {
        const QStringList expanded =
            ExpandWeights(QStringLiteral("百分比&A:50&B C:30&D:20"), true, QStringLiteral(" ")).ToStringList();
        QCOMPARE(expanded.count("A"), 5);
        QCOMPARE(expanded.count("B"), 3);
        QCOMPARE(expanded.count("C"), 3);
        QCOMPARE(expanded.count("D"), 2);

        auto engine = PreparedEngine(2, Query(2, {{"Lists", "百分比&A:50&B:30&C:20"}, {"RanCount", "1"}}));
        QHash<QString, int> counts;
        for (int i = 0; i < 10000; ++i)
            ++counts[engine->Generate(true, false).results.first()];
        QVERIFY(qAbs(counts["A"] - 5000) < 250);
        QVERIFY(qAbs(counts["B"] - 3000) < 250);
        QVERIFY(qAbs(counts["C"] - 2000) < 250);
    }

    // A list is one text with offsets: its entries must be what splitting and unescaping
    // gave entry by entry, weights and empty entries included.
    void listEntriesAsTyped()
    {
        QCOMPARE(ExpandWeights(QStringLiteral("a/comma/b,,c/add/d,𝄞é,"), false, ",").ToStringList(),
                 QStringList({"a", "b", "", "c&d", "𝄞é", ""}));
        QCOMPARE(ExpandWeights(QString(), false, " ").ToStringList(), QStringList({""}));
        QCOMPARE(ExpandWeights(QStringLiteral("加权&张三 王/colon/五:2&:1&赵 :0&𠀀:1"), true, " ").ToStringList(),
                 QStringList({"张三", "张三", "王:五", "王:五", "", "𠀀"}));
        QCOMPARE(ListEntries::Split(QStringLiteral("/p/or/a.jpg|/p/b.jpg"), u"|").ToStringList(),
                 QStringList({"/p/or/a.jpg", "/p/b.jpg"}));
        // A separator of three UTF-8 bytes, and a noncharacter the fast decoder leaves to
        // the general one, whole and entry by entry.
        const ListEntries wide = ListEntries::Split(QStringLiteral("a\uFDD0\u3000b\u3000\u3000𠀀"), u"\u3000");
        const QStringList wideEntries{QStringLiteral("a\uFDD0"), "b", "", QStringLiteral("𠀀")};
        QCOMPARE(wide.ToStringList(), wideEntries);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(wide.At(i), wideEntries.at(i));
        // Long texts are split sixteen bytes at a time: separators at every place of a
        // chunk, many in one chunk, empty entries across chunks and at both ends.
        QRandomGenerator random(7);
        for (int round = 0; round < 4000; ++round) {
            const QString alphabet = round % 2 ? QStringLiteral(",aaaaaa名") : QStringLiteral(",,,a名");
            QString text;
            for (int length = int(random.bounded(70)); length > 0; --length)
                text += alphabet.at(random.bounded(alphabet.size()));
            const QStringList expected = text.split(QLatin1Char(','));
            QCOMPARE(ListEntries::Split(text, u",").ToStringList(), expected);
        }
        // Separators are counted in lanes of the chunks before the split: a long run of
        // them gives every lane the most it can hold.
        const QString separatorsOnly(5000, QLatin1Char(','));
        QCOMPARE(ListEntries::Split(separatorsOnly + QStringLiteral("名"), u",").size(), 5001);
    }

    // Entries handed out share the list's text, yet each stands on its own: changing one
    // changes nothing else, and results outlive the list they were drawn from.
    void drawnEntriesOutliveTheirList()
    {
        QString kept;
        {
            const ListEntries list = ListEntries::Split(QStringLiteral("甲乙|丙|𠀀丁"), u"|");
            kept = list.At(2);
            QString changed = list.At(0);
            changed[0] = QLatin1Char('x');
            changed.append(QStringLiteral("戊"));
            QCOMPARE(changed, QStringLiteral("x乙戊"));
            QCOMPARE(list.ToStringList(), QStringList({"甲乙", "丙", "𠀀丁"}));
        }
        QCOMPARE(kept, QStringLiteral("𠀀丁"));
        QCOMPARE(kept.utf16()[kept.size()], u'\0');
        kept.append(QLatin1Char('!'));
        QCOMPARE(kept, QStringLiteral("𠀀丁!"));

        QStringList results;
        {
            auto engine = PreparedEngine(3, Query(3, {{"Lists", "甲 乙 丙 丁"}, {"RanCount", "4"}}));
            results = engine->Generate(true, false).results;
        }
        results.sort();
        QCOMPARE(results, QStringList({"丁", "丙", "乙", "甲"}));
    }

    void weightedNameLeavesAtFirstDraw()
    {
        auto engine = PreparedEngine(2, Query(2, {{"Lists", "加权&A:5&B:1"}, {"RanCount", "2"}, {"AllowRepeat", "否"}}));
        for (int i = 0; i < 200; ++i) {
            QStringList r = engine->Generate(true, false).results;
            r.sort();
            QCOMPARE(r, QStringList({"A", "B"}));
        }
    }

    // Copies are found however far apart they stand in a long list whose table of texts
    // is nearly full (texts run over into the next group of slots), and leave together.
    void copiesInANearlyFullTableLeaveTogether()
    {
        QStringList names;
        // 14,322 entries fill 1,024 groups of sixteen slots to seven eighths.
        for (int i = 0; i < 14282; ++i)
            names << QStringLiteral("学生%1").arg(i);
        for (int i = 0; i < 40; ++i) // copies of the names placed last, when most groups are full
            names << QStringLiteral("学生%1").arg(14281 - i * 3);
        DrawList list(ListEntries::Split(names.join(QLatin1Char(' ')), u" "));
        QCOMPARE(list.DistinctRemaining(), 14282);
        GeneratorSource random(5);
        const QStringList drawn = ListDraw(list, random, false, 14282, QStringLiteral("名单"));
        QCOMPARE(QSet<QString>(drawn.begin(), drawn.end()).size(), 14282);
        QCOMPARE(list.Remaining(), 0);
    }

    void shuffleGivesEveryPermutationEvenly()
    {
        auto engine = PreparedEngine(3, Query(3, {{"Lists", "甲,乙,丙"}, {"Spliter", "半角逗号"}, {"RanCount", "3"}}));
        QHash<QString, int> counts;
        for (int i = 0; i < 6000; ++i)
            ++counts[engine->Generate(true, false).results.join(QLatin1Char('|'))];
        QCOMPARE(counts.size(), 6);
        for (int c : counts) // expected 1000, sd about 29
            QVERIFY(qAbs(c - 1000) < 150);
    }

    void autoDelFiveThreeOneThenExhausted()
    {
        auto engine = PreparedEngine(9, Query(9, {{"Lists", "A B C D E"}, {"RanCount", "2"}, {"AutoDel", "是"}}));
        ScriptedQuestion no(false);
        engine->SetDrawSettings({false, &no, {}, {}});
        QSet<QString> drawn;
        for (int batch = 0; batch < 2; ++batch)
            for (const QString &r : engine->Generate(true, false).results) {
                QVERIFY2(!drawn.contains(r), "a removed name came back");
                drawn.insert(r);
            }
        QCOMPARE(no.asked, 1); // 5 -> 3 -> 1 < 2
        QCOMPARE(no.lastCaption, QStringLiteral("随机数名单剩余数量不足"));
        QVERIFY(!engine->Ready());

        QVERIFY(!engine->CheckRemaining().has_value());
        QCOMPARE(no.asked, 2);
        QVERIFY(!engine->Ready());

        ScriptedQuestion yes(true);
        engine->SetDrawSettings({false, &yes, {}, {}});
        QVERIFY(!engine->CheckRemaining().has_value()); // list types draw at the next press
        QVERIFY(engine->Ready());
        QCOMPARE(engine->Generate(true, false).results.size(), 2);
    }

    void autoDelNeverRepeatsAcrossBatches()
    {
        auto engine = PreparedEngine(7, Query(7, {{"List", "a b c d e f"}, {"RanCount", "2"}, {"AutoDel", "是"}}));
        ScriptedQuestion no(false);
        engine->SetDrawSettings({false, &no, {}, {}});
        QStringList all;
        for (int batch = 0; batch < 3; ++batch)
            all += engine->Generate(true, false).results;
        all.sort();
        QCOMPARE(all, QStringList({"a", "b", "c", "d", "e", "f"}));
    }

    void autoRestoreAsksNothing()
    {
        auto engine = PreparedEngine(9, Query(9, {{"Lists", "A B C"}, {"RanCount", "2"}, {"AutoDel", "是"}}));
        ScriptedQuestion no(false);
        engine->SetDrawSettings({true, &no, {}, {}});
        for (int i = 0; i < 5; ++i)
            QCOMPARE(engine->Generate(true, false).results.size(), 2);
        QCOMPARE(no.asked, 0);
        QVERIFY(engine->Ready());
    }

    void animationFramesNeverShortenTheList()
    {
        auto engine = PreparedEngine(9, Query(9, {{"Lists", "A B C"}, {"RanCount", "1"}, {"AutoDel", "是"}}));
        ScriptedQuestion no(false);
        engine->SetDrawSettings({false, &no, {}, {}});
        QSet<QString> seen;
        for (int frame = 0; frame < 60; ++frame)
            seen.insert(engine->Generate(false, true).results.first());
        QCOMPARE(seen.size(), 3);
        const QString kept = engine->Generate(true, true).results.first(); // the stop: removal is permanent
        for (int frame = 0; frame < 60; ++frame)
            QVERIFY(engine->Generate(false, true).results.first() != kept);
        QCOMPARE(no.asked, 0);
    }

    void emptyEntriesAreNeverDrawn()
    {
        auto engine = PreparedEngine(2, Query(2, {{"PosSetAble", "否"}, {"Lists", " A  B "}, {"RanCount", "1"},
                                                  {"AllowRepeat", "是"}}));
        for (int i = 0; i < 300; ++i)
            QVERIFY(!engine->Generate(true, false).results.first().isEmpty());
        // Nor counted as a text: two texts among empty entries and a copy.
        DrawList list(ListEntries::Split(QStringLiteral(" A  B A "), u" "));
        QCOMPARE(list.DistinctRemaining(), 2);
        GeneratorSource random(3);
        QVERIFY_THROWS_EXCEPTION(SuiteError, ListDraw(list, random, false, 3, QStringLiteral("名单")));
    }

    void picturesHandBackTheirPaths()
    {
        auto engine = PreparedEngine(5, Query(5, {{"ImgList", "/p/a.jpg|/p/b.jpg|/p/c.jpg"}, {"RanCount", "2"},
                                                  {"AutoDel", "是"}}));
        ScriptedQuestion no(false);
        engine->SetDrawSettings({false, &no, {}, {}});
        const Batch batch = engine->Generate(true, false);
        QCOMPARE(batch.picturePaths, batch.results);
        QVERIFY(batch.results.first().startsWith("/p/"));
        QCOMPARE(no.asked, 1);
        QVERIFY(no.lastText.startsWith(QStringLiteral("图片列表中剩余的图片数量不足")));
    }

    void resultsAreShownAsTyped()
    {
        // List entries come out unescaped; picture paths are not list text and stay as
        // stored, even in folders whose names look like escapes.
        auto list = PreparedEngine(3, Query(3, {{"Lists", "A/colon/1 B/sharp/2 C/or/3"}, {"RanCount", "3"}}));
        QStringList shuffled = list->Generate(true, false).results;
        shuffled.sort();
        QCOMPARE(shuffled, QStringList({"A:1", "B#2", "C|3"}));

        const QString paths = "/srv/pics/or/a.jpg|/srv/pics/colon/b.jpg|/srv/add/comma/sharp/c.jpg";
        auto pictures = PreparedEngine(5, Query(5, {{"ImgList", paths}, {"RanCount", "3"}}));
        QStringList drawn = pictures->Generate(true, false).results;
        drawn.sort();
        QStringList stored = paths.split('|');
        stored.sort();
        QCOMPARE(drawn, stored);
    }

    void listRefusals_data()
    {
        QTest::addColumn<int>("pmode");
        QTest::addColumn<QueryParams>("params");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("unknown separator") << 3 << Query(3, {{"Spliter", "竖线"}}) << "分隔符";
        // A missing separator is not "|": nobody chose it.
        QTest::newRow("missing separator") << 2 << Query(2, {{"Lists", "a|b"}, {"Spliter", QString()}})
                                           << "缺少名单分隔符";
        QTest::newRow("empty separator") << 9 << Query(9, {{"Spliter", ""}}) << "缺少名单分隔符";
        QTest::newRow("more than distinct") << 9 << Query(9, {{"Lists", "A B A"}, {"RanCount", "3"}}) << "2 个不同";
        QTest::newRow("zero percentage") << 2 << Query(2, {{"Lists", "百分比&A:100&B:0"}}) << "百分比";
        QTest::newRow("weight not whole") << 2 << Query(2, {{"Lists", "加权&A:1.5"}}) << "权重";
        QTest::newRow("empty list") << 7 << Query(7, {{"List", "  "}}) << "空";
        QTest::newRow("count missing") << 7 << Query(7, {{"RanCount", ""}}) << "抽取数量";
    }
    void listRefusals()
    {
        QFETCH(int, pmode);
        QFETCH(QueryParams, params);
        QFETCH(QString, mentions);
        const QString message = Refusal(pmode, params);
        QVERIFY2(message.contains(mentions), qPrintable(message));
    }

    // ---- type 6: passwords ----
    void passwordClassesAndFairness()
    {
        auto digits = PreparedEngine(6, Query(6, {{"PwLength", "8"}, {"PwOptions", "数字"}, {"RanCount", "50"}}));
        for (const QString &p : digits->Generate(true, false).results)
            QVERIFY(QRegularExpression("^[0-9]{8}$").match(p).hasMatch());

        auto all = PreparedEngine(6, Query(6, {{"PwLength", "12"}, {"RanCount", "1000"}}));
        const QStringList passwords = all->Generate(true, false).results;
        QCOMPARE(QSet<QString>(passwords.begin(), passwords.end()).size(), 1000);
        int classCount[4] = {0, 0, 0, 0};
        for (const QString &p : passwords)
            for (QChar c : p)
                ++classCount[c.isLower() ? 0 : c.isUpper() ? 1 : c.isDigit() ? 2 : 3];
        for (int n : classCount) // 12000 characters, a quarter each, sd about 47
            QVERIFY2(qAbs(n - 3000) < 250, qPrintable(QString::number(n)));
    }

    void passwordSmallSpaceIsExhaustedExactly()
    {
        auto engine = PreparedEngine(6, Query(6, {{"PwLength", "1"}, {"PwOptions", "数字"}, {"RanCount", "10"}}));
        QStringList digits = engine->Generate(true, false).results;
        digits.sort();
        QCOMPARE(digits.join(QString()), QStringLiteral("0123456789"));
        QVERIFY(Refusal(6, Query(6, {{"PwLength", "1"}, {"PwOptions", "数字"}, {"RanCount", "11"}})).contains("不足"));
        QVERIFY(Refusal(6, Query(6, {{"PwOptions", "汉字"}})).contains("字符类型"));
        QVERIFY(Refusal(6, Query(6, {{"PwLength", "0"}})).contains("密码长度"));
    }

    // ---- type 12: linear equation systems ----
    void equationSystemsAreSolvedByGridValues()
    {
        auto engine = PreparedEngine(12, Query(12, {{"Factors", "k[1],-5,5,1|k[2],-5,5,1"}, {"RanCount", "200"}}));
        const Batch batch = engine->Generate(true, false);
        QCOMPARE(QSet<QString>(batch.results.begin(), batch.results.end()).size(), 200);
        for (const QString &system : batch.results) {
            std::vector<std::vector<double>> rows;
            std::vector<double> rights;
            QVERIFY2(ParseSystem(system, QStringLiteral("，"), {"x", "y"}, rows, rights), qPrintable(system));
            QCOMPARE(rows.size(), size_t(2));
            double x = 0, y = 0;
            QVERIFY2(Solve2(rows, rights, x, y), qPrintable(system)); // never proportional
            for (double v : {x, y})
                QVERIFY2(v >= 1 && v <= 5 && std::fabs(v - std::round(v)) < 1e-9, qPrintable(system));
            QVERIFY2(!QRegularExpression("(?<![0-9.])0[a-z]").match(system).hasMatch(), qPrintable(system));
            QVERIFY(!system.contains("+-"));
        }
    }

    void equationSeparatorFollowsTheDisplay()
    {
        auto engine = PreparedEngine(12, DefaultQueryParams(12));
        engine->SetDrawSettings({false, nullptr, {}, QStringLiteral("，")});
        const QString system = engine->Generate(true, false).results.first();
        QVERIFY2(system.contains(QStringLiteral("　")) && !system.contains(QStringLiteral("，")), qPrintable(system));
    }

    void singularOnlyCoefficientsGiveUp()
    {
        const QString message = Refusal(12, Query(12, {{"Factors", "k[1],2,2,1|k[2],2,2,1"}}));
        QVERIFY2(message.contains("唯一解"), qPrintable(message));
        QVERIFY(!IsRegular({{1, 2}, {2, 4}}));
        QVERIFY(!IsRegular({{1, 1, 2}, {1, 0, 1}, {2, 1, 3}})); // third = first + second
        QVERIFY(IsRegular({{0, 1}, {1, 0}}));
    }

    // ---- driver ----
    // Seeded alike, an engine asked for compact results draws what one giving texts
    // draws, batch after batch (removals included), and writes it as toUtf8 would.
    void compactResultsAreTheTexts_data()
    {
        QTest::addColumn<int>("pmode");
        QTest::addColumn<QueryParams>("params");
        // Two- and four-byte UTF-8, lone surrogates (toUtf8 writes "?"), copies of one
        // name, an escaped separator, empty entries.
        const QString odd = QStringLiteral("😀 é 名字 a") + QChar(0xD800) + QStringLiteral(" ") + QChar(0xDC00)
            + QStringLiteral("z 重复  重复 x/colon/y end") + QChar(0xD83D);
        QTest::newRow("roll-call, weighted") << 2 << Query(2, {{"Lists", "加权&张三 " + odd + ":2&李四:1"}, {"RanCount", "3"}, {"AutoDel", "是"}});
        QTest::newRow("roll-call, repeats") << 2 << Query(2, {{"PosSetAble", "否"}, {"Lists", odd}, {"RanCount", "20"}, {"AllowRepeat", "是"}});
        QTest::newRow("shuffle") << 3 << Query(3, {{"Lists", odd}, {"RanCount", "8"}});
        QTest::newRow("words") << 7 << Query(7, {{"List", odd}, {"RanCount", "2"}, {"AutoDel", "是"}});
        QTest::newRow("one prize") << 9 << Query(9, {{"Lists", odd}, {"Spliter", "全角空格"}, {"RanCount", "1"}});
        QTest::newRow("numbers, zeros") << 1 << Query(1, {{"Min", "-50"}, {"Max", "50"}, {"Pred", "1"}, {"Format", "000"}, {"RanCount", "60"}});
        QTest::newRow("numbers, grouped") << 1 << Query(1, {{"Min", "-2000.5"}, {"Max", "2000"}, {"Pred", "0.5"}, {"Format", "#,##0.00;(#)"}, {"RanCount", "50"}, {"AllowRepeat", "是"}});
        QTest::newRow("numbers, no picture") << 1 << Query(1, {{"Min", "0"}, {"Max", "1"}, {"Pred", "0.001"}, {"Format", ""}, {"RanCount", "30"}});
    }
    void compactResultsAreTheTexts()
    {
        QFETCH(int, pmode);
        QFETCH(QueryParams, params);
        auto texts = PreparedEngine(pmode, params, 11);
        auto compact = std::make_unique<RandEngine>(RandomSources::Seeded(11));
        DrawSettings settings;
        settings.compactResults = true;
        settings.listAutoRestore = true;
        texts->SetDrawSettings({true, nullptr, {}, {}});
        compact->SetDrawSettings(settings);
        compact->Prepare(pmode, params);
        for (int draw = 0; draw < 4; ++draw) {
            const Batch expected = texts->Generate(true, false);
            const Batch batch = compact->Generate(true, false);
            QVERIFY(batch.results.isEmpty());
            QVERIFY(batch.compact);
            QCOMPARE(batch.compact->Texts(), expected.results);
            QCOMPARE(compact->Results(), expected.results);
            QByteArray lines = "before\n";
            QByteArray expectedLines = lines;
            for (const QString &text : expected.results)
                expectedLines += text.toUtf8() + '\n';
            // In two slices, as the command line writes long batches.
            const qsizetype first = batch.compact->Size() / 3;
            batch.compact->AppendUtf8Lines(0, first, lines);
            batch.compact->AppendUtf8Lines(first, batch.compact->Size() - first, lines);
            QCOMPARE(lines, expectedLines);
        }
        // Frames of an animation are always texts.
        QVERIFY(!compact->Generate(false, true).results.isEmpty());
    }

    void backgroundPreparationAndRefusal()
    {
        RandEngine engine(RandomSources::Seeded(3));
        engine.PrepareInBackground(1, DefaultQueryParams(1));
        QCOMPARE(engine.Generate(true, false).results.size(), 5);
        QCOMPARE(engine.RanCount(), 5);

        RandEngine refused(RandomSources::Seeded(3));
        refused.PrepareInBackground(1, Query(1, {{"Pred", "0"}}));
        QVERIFY(!refused.Ready());
        QVERIFY_THROWS_EXCEPTION(SuiteError, refused.Generate(true, false));
        QVERIFY(Refusal(15, DefaultQueryParams(1)).contains("项目类型"));
        QVERIFY(Refusal(1, QueryParams{"数值范围模式", "1"}).contains("不完整"));
    }

    // Queries a damaged or hand-edited project may hold: each is refused before a draw
    // instead of drawing empty results or filling memory.
    void malformedQueriesRefused_data()
    {
        QTest::addColumn<int>("pmode");
        QTest::addColumn<QueryParams>("params");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("passwords beyond memory")
            << 6 << Query(6, {{"PwLength", "4096"}, {"RanCount", "1000000"}}) << "缩短密码长度";
        QTest::newRow("password group beyond memory")
            << 0
            << Query(0, {{"TypeList", "密码模式"}, {"QueryList", "4096||小写字母||1000000"}, {"NameList", "密"},
                         {"Format", "[密]"}, {"RanCount", "1"}})
            << "“密”组";
        QTest::newRow("custom without format")
            << 0
            << Query(0, {{"TypeList", "列举模式"}, {"QueryList", "否||A B C||否||否||1"}, {"NameList", "名"},
                         {"Format", ""}, {"RanCount", "2"}})
            << "结果格式";
        QTest::newRow("tasks without format") << 4 << Query(4, {{"Format", ""}}) << "结果格式";
        QTest::newRow("coordinates with blank format") << 8 << Query(8, {{"Format", "  "}}) << "结果格式";
        QTest::newRow("prizes without format") << 10 << Query(10, {{"Format", ""}}) << "结果格式";
        // Weights whose product with the names overflows: once a hang, once a wrong total.
        QTest::newRow("equation right side beyond doubles")
            << 12 << Query(12, {{"UnknownVars", "x[1],x,1e308,1e308,1|x[2],y,1,5,1"}}) << "超出数值范围";
        QTest::newRow("weight times three names")
            << 2 << Query(2, {{"PosSetAble", "是"}, {"Lists", "加权&a b c:9223372036854775807"}}) << "权重太大";
        QTest::newRow("weight times eight names")
            << 2 << Query(2, {{"PosSetAble", "是"}, {"Lists", "加权&a b c d e f g h:2305843009213693952"}}) << "权重太大";
    }
    void malformedQueriesRefused()
    {
        QFETCH(int, pmode);
        QFETCH(QueryParams, params);
        QFETCH(QString, mentions);
        const QString message = Refusal(pmode, params);
        QVERIFY2(message.contains(mentions), qPrintable(message));
    }

    void equationRightSidesNearTheLimitStayNumbers()
    {
        // Rounding to the shown decimals multiplies by ten here, past the largest double.
        auto engine = PreparedEngine(12, Query(12, {{"UnknownVars", "x[1],x,1e307,1e307,0.1|x[2],y,1,5,1"}}));
        for (const QString &equations : engine->Generate(true, false).results)
            QVERIFY2(!equations.contains("inf"), qPrintable(equations));
    }

    void seededRunsRepeat()
    {
        auto a = PreparedEngine(2, DefaultQueryParams(2), 7);
        auto b = PreparedEngine(2, DefaultQueryParams(2), 7);
        for (int i = 0; i < 20; ++i)
            QCOMPARE(a->Generate(true, false).results, b->Generate(true, false).results);
        // Every bit of a seed counts: seeds equal in their low 32 bits draw differently.
        const auto low = RandomSources::Seeded(7).draws;
        const auto high = RandomSources::Seeded(7 + (quint64(1) << 32)).draws;
        QVERIFY(low->Next64() != high->Next64() || low->Next64() != high->Next64());
        // Sources seeded by the system differ though made at the same moment (they are
        // seeded at their first value).
        const RandomSources first = RandomSources::FromSystem();
        const RandomSources second = RandomSources::FromSystem();
        QVERIFY(first.draws->Next64() != second.draws->Next64());
        QVERIFY(first.frames->Next64() != second.frames->Next64());
    }

    // Seeded draws give the values the toolkit's generator gave for the same seed, over
    // several of its states, for seeds of one word and of two.
    void seededSourcesFollowTheToolkitGenerator()
    {
        for (const quint64 seed : {quint64(0), quint64(7), quint64(0xFFFFFFFFu), quint64(0x1234'5678'9ABCull)}) {
            const quint32 halves[2] = {quint32(seed), quint32(seed >> 32)};
            QRandomGenerator64 toolkit = seed <= 0xFFFFFFFFu ? QRandomGenerator64(quint32(seed)) : QRandomGenerator64(halves, 2);
            GeneratorSource source(seed);
            for (int i = 0; i < 1000; ++i)
                QCOMPARE(source.Next64(), toolkit.generate64());
        }
    }

    // A seed draws what it drew in earlier versions: users keep seeds to repeat a draw.
    void seededListsDrawAsBefore()
    {
        auto shuffle = PreparedEngine(3, Query(3, {{"Lists", "甲,乙,丙,丁,戊,己,庚,辛,壬,癸"}, {"Spliter", "半角逗号"},
                                                   {"RanCount", "10"}}), 11);
        QCOMPARE(shuffle->Generate(true, false).results.join(QLatin1Char(',')), "丙,庚,己,癸,甲,辛,乙,戊,壬,丁");
        // Copies of a weighted name leave with it, batch after batch.
        auto weighted = PreparedEngine(2, Query(2, {{"Lists", "加权&A B:3&C:1&D E F:2"}, {"RanCount", "2"},
                                                    {"AllowRepeat", "否"}, {"AutoDel", "是"}}), 11);
        QStringList batches;
        for (int i = 0; i < 3; ++i)
            batches << weighted->Generate(true, true).results.join(QLatin1Char(','));
        QCOMPARE(batches.join(QLatin1Char(';')), "A,B;D,E;F,C");
    }
};

QTEST_GUILESS_MAIN(GeneratorTest)
#include "tst_generators.moc"
