// Fair turns without a window: rotations that survive restarts and list changes, the
// balanced chance against its formula, the skip of the latest results, absent slots,
// marks in the history's JSON, the fairness table against a hand calculation, the
// stored settings and the upgrade of a history file of the previous layout.
#include "domutil.h"
#include "fairnessreport.h"
#include "fairnessstore.h"
#include "historyreport.h"
#include "historystore.h"
#include "querysection.h"
#include "randengine.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

namespace {

QStringList Names(int count)
{
    QStringList names;
    for (int i = 1; i <= count; ++i)
        names << QStringLiteral("S%1").arg(i, 2, 10, QLatin1Char('0'));
    return names;
}

QueryParams RollCall(const QStringList &names, int ranCount)
{
    QueryParams params = DefaultQueryParams(2);
    params[QueryParamIndex(2, "PosSetAble")] = "否";
    params[QueryParamIndex(2, "Lists")] = names.join(' ');
    params[QueryParamIndex(2, "RanCount")] = QString::number(ranCount);
    return params;
}

FairSettings Fair(FairMode mode, int strength = 2, int skip = 0)
{
    FairSettings settings;
    settings.mode = mode;
    settings.period = FairPeriod::All;
    settings.strength = strength;
    settings.skip = skip;
    return settings;
}

// A history that stays as given: the chance of every draw follows the formula for it.
class FixedLedger : public FairnessLedger
{
public:
    BalanceHistory balance;
    BalanceHistory ReadBalance(const QDate &, int recent) override
    {
        BalanceHistory copy = balance;
        copy.recent = copy.recent.mid(0, recent);
        return copy;
    }
    bool UpdateRotation(const std::function<void(RotationState &)> &) override { return false; }
    bool RestartRotation() override { return false; }
    QString Notice() const override { return {}; }
};

} // namespace

class FairnessTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    QString Path() const { return dir->filePath("Data/history.db"); }

    // One program start: a fresh engine and store drawing `draws` batches.
    QList<Batch> DrawInRotation(const QStringList &names, int ranCount, int draws, quint64 seed)
    {
        FairnessStore store(Path(), "一班");
        RandEngine engine(RandomSources::Seeded(seed));
        engine.SetFairness(Fair(FairMode::Rotation), &store);
        engine.Prepare(2, RollCall(names, ranCount));
        QList<Batch> batches;
        for (int i = 0; i < draws; ++i)
            batches << engine.Generate(true, false);
        return batches;
    }

private slots:
    void init() { dir = std::make_unique<QTemporaryDir>(); }

    void rotationSurvivesRestartsAndFollowsTheList()
    {
        QStringList drawn;
        QList<bool> roundEnds;
        int start = 0;
        for (const int draws : {13, 13, 14}) {
            for (const Batch &batch : DrawInRotation(Names(40), 1, draws, 100 + start)) {
                drawn += batch.results;
                roundEnds << batch.newRound;
            }
            start += draws;
        }
        QCOMPARE(QSet<QString>(drawn.cbegin(), drawn.cend()).size(), 40);
        QCOMPARE(roundEnds.count(true), 1);
        QVERIFY(roundEnds.last()); // the 40th closes round 1
        FairnessStore store(Path(), "一班");
        QCOMPARE(store.ReadRotation()->Round(), 2);
        const Batch next = DrawInRotation(Names(40), 1, 1, 7).first();
        QVERIFY(!next.newRound);
        QCOMPARE(store.ReadRotation()->Taken(), QSet<QString>({next.results.first()}));

        // A name added mid-round is due; a removed one no longer holds the round open.
        QStringList changed = Names(40);
        changed.removeAll(next.results.first() == "S01" ? "S02" : "S01");
        changed << "新同学";
        QStringList round2 = next.results;
        for (const Batch &batch : DrawInRotation(changed, 1, 39, 8))
            round2 += batch.results;
        QCOMPARE(QSet<QString>(round2.cbegin(), round2.cend()).size(), 40);
        QVERIFY(round2.contains("新同学"));
        QCOMPARE(store.ReadRotation()->Round(), 3);

        // A batch larger than what is left of a round finishes it and opens the next,
        // without a name twice in the batch.
        const QList<Batch> big = DrawInRotation(Names(5), 3, 2, 9);
        QVERIFY(big.at(1).newRound);
        QCOMPARE(QSet<QString>(big.at(1).results.cbegin(), big.at(1).results.cend()).size(), 3);
        QVERIFY(store.RestartRotation());
        QVERIFY(store.ReadRotation()->Taken().isEmpty());
    }

    void balancedChanceFollowsTheFormulaAndSkipsTheLatest()
    {
        // One of five names drawn 10 times, the others never: with strength s its weight
        // is 1/11^s against 1 for each other name.
        FixedLedger ledger;
        ledger.balance.counts.insert("S01", 10);
        for (const int strength : {1, 2}) {
            const FairChooser chooser(Fair(FairMode::Balanced, strength), DistinctEntries(Names(5)), 1);
            GeneratorSource random(5);
            int hits = 0;
            constexpr int kDraws = 10'000;
            for (int i = 0; i < kDraws; ++i)
                hits += chooser.Choose(ledger, random, QDate::currentDate()).results.first() == "S01";
            const double weight = 1 / std::pow(11.0, strength);
            const double share = weight / (weight + 4);
            // Four standard deviations of a binomial share over 10,000 draws.
            const double tolerance = 4 * std::sqrt(share * (1 - share) / kDraws);
            QVERIFY2(std::abs(double(hits) / kDraws - share) <= tolerance,
                     qPrintable(QString("strength %1: %2 hits, share %3").arg(strength).arg(hits).arg(share)));
        }

        ledger.balance.recent = {"S03", "S02", "S05", "S04"};
        const FairChooser skipping(Fair(FairMode::Balanced, 2, 3), DistinctEntries(Names(6)), 2);
        GeneratorSource random(6);
        for (int i = 0; i < 500; ++i) {
            const QStringList results = skipping.Choose(ledger, random, QDate::currentDate()).results;
            QCOMPARE(results.size(), 2);
            for (const QString &skipped : {"S03", "S02", "S05"})
                QVERIFY(!results.contains(skipped));
        }
        // 6 names, 2 a draw: at most 4 can be skipped; the engine refuses more before drawing.
        RandEngine engine(RandomSources::Seeded(1));
        engine.SetFairness(Fair(FairMode::Balanced, 2, 5), &ledger);
        try {
            engine.Prepare(2, RollCall(Names(6), 2));
            QFAIL("a skip of 5 was accepted");
        } catch (const SuiteError &error) {
            QVERIFY(error.message().contains("最多只能跳过 4 人"));
        }
        // A batch larger than the distinct names (allowed with repeats) cannot be fair.
        QueryParams repeats = RollCall(Names(3), 4);
        repeats[QueryParamIndex(2, "AllowRepeat")] = "是";
        engine.SetFairness(Fair(FairMode::Rotation), &ledger);
        try {
            engine.Prepare(2, repeats);
            QFAIL("a batch of 4 from 3 names was accepted");
        } catch (const SuiteError &error) {
            QVERIFY(error.message().contains("少于每次抽取的 4 个"));
        }
    }

    void absentSlotIsRedrawnAndKeepsItsTurn()
    {
        FairnessStore store(Path(), "一班");
        RandEngine engine(RandomSources::Seeded(3));
        engine.SetFairness(Fair(FairMode::Rotation), &store);
        engine.Prepare(2, RollCall(Names(4), 3));
        const QStringList batch = engine.Generate(true, false).results;
        const QString absent = batch.at(1);
        const QString replacement = engine.ReplaceAbsent(absent, {batch.at(0), batch.at(2)});
        QVERIFY(!batch.contains(replacement));
        // The absent name is due again: the round is open until it has had its turn.
        QCOMPARE(store.ReadRotation()->Taken(), QSet<QString>({batch.at(0), batch.at(2), replacement}));
        QCOMPARE(store.ReadRotation()->Round(), 1);
        // Nobody left beside the batch and the absentees: refused, never an endless redraw.
        try {
            engine.ReplaceAbsent(replacement, {batch.at(0), batch.at(2), absent});
            QFAIL("a replacement was found in an exhausted list");
        } catch (const SuiteError &error) {
            QVERIFY(error.message().contains("无法为"));
        }
    }

    void marksAreKeptAndReported()
    {
        HistoryStore history;
        QVERIFY(history.Open(Path()));
        const QDateTime time(QDate(2026, 12, 7), QTime(9, 5, 12));
        QVERIFY(history.Append({{0, time, "一班", 1, kSourceWindow, {"张三", "李四"}}}));
        FairnessStore store(Path(), "一班");
        QVERIFY(store.SetMark({"一班", time, 1, "李四", kMarkAbsent}));
        QVERIFY(store.SetMark({"一班", time, 0, "张三", kMarkSkipped}));
        QVERIFY(store.SetMark({"一班", time, 0, "张三", kMarkAnswered})); // a second mark replaces the first

        const QJsonArray draws = QJsonDocument::fromJson(HistoryJson("一班", history.DrawsOldestFirst({"一班", {}, {}}),
                                                                     store.Marks({"一班", {}, {}})))
                                     .object()["draws"]
                                     .toArray();
        const QJsonArray marks = draws.at(0).toObject()["marks"].toArray();
        QCOMPARE(marks.size(), 2);
        QCOMPARE(marks.at(0).toObject()["mark"].toString(), kMarkAnswered);
        QCOMPARE(marks.at(1).toObject()["result"].toString(), "李四");
        QCOMPARE(CountMarks(store.Marks({"一班", {}, {}}))["李四"][kMarkAbsent], 1);
        // Absent is not drawn: 李四 counts 0 for the balance.
        QCOMPARE(store.ReadBalance(QDate(), 0).counts.value("李四"), 0);
        QCOMPARE(store.ReadBalance(QDate(), 0).counts.value("张三"), 1);
    }

    void fairnessTableMatchesAHandCalculation()
    {
        // "加权": A three times, B and C once: expected shares 3/5, 1/5, 1/5 of all results.
        const QList<WeightedEntry> entries = DistinctEntries({"A", "A", "A", "B", "C"});
        GeneratorSource random(11);
        const FairnessTable table = SimulateFairness(Fair(FairMode::Plain), entries, 1, 1000, {}, {}, random);
        QCOMPARE(table.rows.size(), 3);
        QCOMPARE(table.rows.at(0).expected, 600.0);
        QCOMPARE(table.rows.at(1).expected, 200.0);
        QCOMPARE(table.freedom, 2);

        // Drawn A A B: C never (waited 3), B once after waiting 2, χ² by hand.
        const FairnessTable measured = MeasureFairness(DistinctEntries({"A", "B", "C"}), {{"A"}, {"A"}, {"B"}});
        QCOMPARE(measured.rows.at(1).longestWait, 2);
        QCOMPARE(measured.rows.at(2).longestWait, 3);
        QCOMPARE(measured.longestUnseen, "C");
        QVERIFY(std::abs(measured.chiSquare - 2.0) < 1e-9); // (2-1)²/1 + 0 + (0-1)²/1
        // Tabled critical values of χ² at p = 0.05.
        QVERIFY(std::abs(ChiSquarePValue(3.841, 1) - 0.05) < 1e-3);
        QVERIFY(std::abs(ChiSquarePValue(18.307, 10) - 0.05) < 1e-3);
        QVERIFY(std::abs(ChiSquarePValue(124.342, 100) - 0.05) < 1e-3);

        // A term of roll-calls in a class of 40: a rotation keeps everyone even, a balanced
        // draw that skips the latest half of the class within a third of plain random's spread.
        GeneratorSource again(12);
        const QList<WeightedEntry> pupils = DistinctEntries(Names(40));
        const FairnessTable rotation = SimulateFairness(Fair(FairMode::Rotation), pupils, 1, 800, {}, {}, again);
        const FairnessTable plain = SimulateFairness(Fair(FairMode::Plain), pupils, 1, 800, {}, {}, again);
        const FairnessTable balanced = SimulateFairness(Fair(FairMode::Balanced, 2, 20), pupils, 1, 800, {}, {}, again);
        QVERIFY(rotation.spread < 1e-9);
        QVERIFY2(balanced.spread <= plain.spread / 3,
                 qPrintable(QString("%1 against %2").arg(balanced.spread).arg(plain.spread)));
    }

    void settingsAreStoredOnTheListElement()
    {
        QDomDocument document = NewXmlDocument();
        document.appendChild(document.createElement("RandProject"));
        WriteQuerySection(document, RollCall(Names(3), 1), 2);
        QCOMPARE(ReadFairSettings(document), FairSettings{}); // missing: plain
        FairSettings balanced = Fair(FairMode::Balanced, 4, 2);
        balanced.period = FairPeriod::Term;
        WriteFairSettings(document, balanced);
        QCOMPARE(ReadFairSettings(document), balanced);
        const QDomElement query = document.documentElement().firstChildElement("RandQuery").firstChildElement("Rand").firstChildElement("Query");
        QCOMPARE(query.attribute("Fair"), "均衡");
        QCOMPARE(query.attribute("FairPeriod"), "本学期");
        QCOMPARE(query.attribute("FairStrength"), "强");
        WriteFairSettings(document, Fair(FairMode::Rotation));
        QVERIFY(!query.hasAttribute("FairSkip"));
        QCOMPARE(ReadQuerySection(document).params, RollCall(Names(3), 1)); // the query itself is untouched
    }

    void previousLayoutIsUpgradedInPlace()
    {
        QDir().mkpath(dir->filePath("Data"));
        {
            // The layout the history had before fair turns, with one draw in it.
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "old");
            db.setDatabaseName(Path());
            QVERIFY(db.open());
            QSqlQuery query(db);
            for (const char *statement :
                 {"CREATE TABLE draws(id INTEGER PRIMARY KEY, project TEXT NOT NULL, day INTEGER NOT NULL, time INTEGER NOT NULL,"
                  " batch INTEGER NOT NULL, source TEXT NOT NULL, results TEXT NOT NULL)",
                  "CREATE INDEX draws_by_project_day ON draws(project, day)", "CREATE INDEX draws_by_day ON draws(day)",
                  "CREATE TABLE result_days(project TEXT NOT NULL, day INTEGER NOT NULL, result TEXT NOT NULL,"
                  " count INTEGER NOT NULL, PRIMARY KEY(project, day, result)) WITHOUT ROWID",
                  "CREATE TABLE draw_days(project TEXT NOT NULL, day INTEGER NOT NULL, draws INTEGER NOT NULL,"
                  " PRIMARY KEY(project, day)) WITHOUT ROWID",
                  "INSERT INTO draws VALUES(1, '一班', 20261207, 1796000000000, 1, '窗口', '[\"张三\"]')",
                  "INSERT INTO result_days VALUES('一班', 20261207, '张三', 1)",
                  "INSERT INTO draw_days VALUES('一班', 20261207, 1)", "PRAGMA user_version = 1"})
                QVERIFY2(query.exec(statement), statement);
            db.close();
        }
        QSqlDatabase::removeDatabase("old");
        HistoryStore history;
        QVERIFY(history.Open(Path()));
        QCOMPARE(history.CountDraws({}), 1);
        FairnessStore store(Path(), "一班");
        QCOMPARE(store.ReadBalance(QDate(), 1).recent, QStringList{"张三"});
        QVERIFY(store.UpdateRotation([](RotationState &state) { state.Take("张三"); }));
        QCOMPARE(store.ReadRotation()->Taken(), QSet<QString>{"张三"});
        QSqlQuery version(QSqlDatabase::database(history.ConnectionName()));
        QVERIFY(version.exec("PRAGMA user_version") && version.next());
        QCOMPARE(version.value(0).toInt(), HistoryStore::kSchemaVersion);
    }
};

QTEST_GUILESS_MAIN(FairnessTest)
#include "test_fairness.moc"
