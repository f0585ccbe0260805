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
#include <map>

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

// A custom project of two list items, "名" and "组", shown as "[名]-[组]".
QueryParams TwoItems(const QString &names, const QString &groups)
{
    QueryParams params = DefaultQueryParams(0);
    params[QueryParamIndex(0, "TypeList")] = "列举模式##列举模式";
    params[QueryParamIndex(0, "QueryList")] = QString("否||%1||否||否||1##否||%2||否||否||1").arg(names, groups);
    params[QueryParamIndex(0, "NameList")] = "名##组";
    params[QueryParamIndex(0, "AllowRepeat")] = "否";
    params[QueryParamIndex(0, "RanCount")] = "1";
    params[QueryParamIndex(0, "Format")] = "[名]-[组]";
    params[QueryParamIndex(0, "Spliter")] = "空格";
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

// One store per item, as a drawing program keeps them.
class ItemStoresInFile : public ItemFairnessLedgers
{
public:
    explicit ItemStoresInFile(QString path) : path(std::move(path)) {}
    FairnessLedger *ForItem(const QString &item) override
    {
        auto &store = stores[item];
        if (!store)
            store = std::make_unique<FairnessStore>(path, ItemFairnessKey("自定义", item), FairnessStore::Counting::OwnTurns);
        return store.get();
    }

private:
    QString path;
    std::map<QString, std::unique_ptr<FairnessStore>> stores;
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
        // is 1/11^s against 1 for each other name. Counts are taken above the fewest: one
        // turn ahead of everyone else weighs 1/2^s however many turns all have had.
        FixedLedger ledger;
        for (const int others : {0, 9}) {
            for (const QString &name : Names(5))
                ledger.balance.counts.insert(name, others);
            ledger.balance.counts.insert("S01", 10);
            for (const int strength : {1, 2}) {
                const FairChooser chooser(Fair(FairMode::Balanced, strength), DistinctEntries(Names(5)), 1);
                GeneratorSource random(5);
                int hits = 0;
                constexpr int kDraws = 10'000;
                for (int i = 0; i < kDraws; ++i)
                    hits += chooser.Choose(ledger, random, QDate::currentDate()).results.first() == "S01";
                const double weight = 1 / std::pow(11.0 - others, strength);
                const double share = weight / (weight + 4);
                // Four standard deviations of a binomial share over 10,000 draws.
                const double tolerance = 4 * std::sqrt(share * (1 - share) / kDraws);
                QVERIFY2(std::abs(double(hits) / kDraws - share) <= tolerance,
                         qPrintable(QString("strength %1: %2 hits, share %3").arg(strength).arg(hits).arg(share)));
            }
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

    void balanceCountsTheRunsOwnDrawsOnceAndFollowsTheFile()
    {
        HistoryStore other; // another program writing the same file
        QVERIFY(other.Open(Path()));
        const QDateTime morning = QDateTime::currentDateTime().addSecs(-3600);
        QVERIFY(other.Append({{0, morning, "一班", 1, kSourceWindow, {"张三"}}}));
        FairnessStore store(Path(), "一班");
        // Counts by text and by list position, which the store keeps up to date draw by
        // draw, must always agree: (张三, 李四, 王五).
        const auto positions = std::make_shared<const EntryPositions>(PositionsOf(DistinctEntries({"张三", "李四", "王五"})));
        auto counts = [&](const QDate &firstDay, int recent) {
            const BalanceHistory byText = store.ReadBalance(firstDay, recent);
            const ListBalance placed = store.ReadListBalance(firstDay, recent, positions);
            const std::vector<qint64> expected{byText.counts.value("张三"), byText.counts.value("李四"),
                                               byText.counts.value("王五")};
            return placed.counts == expected && placed.recent == byText.recent ? placed : ListBalance{};
        };
        QCOMPARE(counts(QDate(), 2).counts, (std::vector<qint64>{1, 0, 0}));

        // This program's draw counts at once, is the newest, and counts once when stored.
        const HistoryEntry own{0, QDateTime::currentDateTime(), "一班", 2, kSourceCommandLine, {"李四"}};
        store.NoteDraw(own);
        store.NoteDraw({0, QDateTime::currentDateTime(), "二班", 1, kSourceCommandLine, {"张三"}});
        ListBalance balance = counts(QDate(), 2);
        QCOMPARE(balance.counts, (std::vector<qint64>{1, 1, 0}));
        QCOMPARE(balance.recent, QStringList({"李四", "张三"}));
        QVERIFY(other.Append({own}));
        QVERIFY(other.Append({{0, QDateTime::currentDateTime(), "一班", 3, kSourceWindow, {"张三", "王五"}}}));
        balance = counts(QDate(), 3);
        QCOMPARE(balance.counts, (std::vector<qint64>{2, 1, 1}));
        QCOMPARE(balance.recent, QStringList({"张三", "王五", "李四"}));
        // The period counts from its first day; removed draws are no longer counted.
        QCOMPARE(counts(QDate::currentDate().addDays(1), 0).counts, (std::vector<qint64>{0, 0, 0}));
        QCOMPARE(counts(QDate(), 0).counts, (std::vector<qint64>{2, 1, 1}));
        QVERIFY(other.ClearProject("一班"));
        QVERIFY(other.Append({{0, QDateTime::currentDateTime(), "一班", 1, kSourceWindow, {"王五"}}}));
        QCOMPARE(counts(QDate(), 0).counts, (std::vector<qint64>{0, 0, 1}));
    }

    void balancedSimulationAgreesWithTheDraws()
    {
        // Skipping all but one of five names leaves one choice a draw: perfectly even.
        GeneratorSource random(21);
        const QList<WeightedEntry> five = DistinctEntries(Names(5));
        const FairnessTable even = SimulateFairness(Fair(FairMode::Balanced, 1, 4), five, 1, 1000, {}, {}, random);
        for (const FairnessRow &row : even.rows)
            QCOMPARE(row.count, 200);

        // The simulation against real draws from a history that grows draw by draw: one
        // name starts 30 draws ahead, a weighted name has three copies.
        BalanceHistory start;
        start.counts.insert("S01", 30);
        start.recent = {"S02"};
        QStringList list = Names(5);
        list << "S05" << "S05";
        const QList<WeightedEntry> entries = DistinctEntries(list);
        const FairSettings settings = Fair(FairMode::Balanced, 1, 1);
        constexpr int kDraws = 6000;
        const FairnessTable simulated = SimulateFairness(settings, entries, 2, kDraws, start, {}, random);
        FixedLedger ledger;
        ledger.balance = start;
        const FairChooser chooser(settings, entries, 2);
        QHash<QString, int> drawn;
        for (int i = 0; i < kDraws; ++i) {
            for (const QString &result : chooser.Choose(ledger, random, QDate::currentDate()).results) {
                ++drawn[result];
                ++ledger.balance.counts[result];
                ledger.balance.recent.prepend(result);
            }
            ledger.balance.recent = ledger.balance.recent.mid(0, 1);
        }
        for (const FairnessRow &row : simulated.rows)
            QVERIFY2(std::abs(row.count - drawn.value(row.entry)) <= kDraws * 2 / 100,
                     qPrintable(QString("%1: %2 simulated, %3 drawn").arg(row.entry).arg(row.count).arg(drawn.value(row.entry))));
    }

    void listItemsOfACustomProjectKeepTurnsOfTheirOwn()
    {
        // Both items list A and B: one rotation for the project would let "名" take a
        // turn "组" still owes. Draws split over two program starts.
        const ItemFairSettings settings{{"名", Fair(FairMode::Rotation)}, {"组", Fair(FairMode::Rotation)}};
        QStringList names, groups;
        for (const quint64 seed : {1, 2}) {
            ItemStoresInFile ledgers(Path());
            RandEngine engine(RandomSources::Seeded(seed));
            engine.SetItemFairness(settings, &ledgers);
            engine.Prepare(0, TwoItems("A B C D", "A B"));
            for (int draw = 0; draw < 2; ++draw) {
                const QStringList parts = engine.Generate(true, false).results.first().split('-');
                names << parts.at(0);
                groups << parts.at(1);
            }
        }
        QCOMPARE(QSet<QString>(names.cbegin(), names.cend()).size(), 4);
        QCOMPARE(QSet<QString>(groups.cbegin(), groups.cbegin() + 2).size(), 2);
        QCOMPARE(QSet<QString>(groups.cbegin() + 2, groups.cend()).size(), 2);

        // Balanced, skipping the latest two of three: the item's own turns, across starts.
        const ItemFairSettings balanced{{"组", Fair(FairMode::Balanced, 1, 2)}};
        QStringList turns;
        for (const quint64 seed : {3, 4}) {
            ItemStoresInFile ledgers(Path());
            RandEngine engine(RandomSources::Seeded(seed));
            engine.SetItemFairness(balanced, &ledgers);
            engine.Prepare(0, TwoItems("A B C D", "x y z"));
            for (int draw = 0; draw < 4; ++draw)
                turns << engine.Generate(true, false).results.first().section('-', 1);
        }
        for (int first = 0; first + 3 <= turns.size(); ++first)
            QVERIFY2(QSet<QString>({turns.at(first), turns.at(first + 1), turns.at(first + 2)}).size() == 3,
                     qPrintable(turns.join(' ')));

        // An item whose list cannot give a fair batch is refused before drawing, by name.
        ItemStoresInFile ledgers(Path());
        RandEngine engine(RandomSources::Seeded(5));
        engine.SetItemFairness({{"组", Fair(FairMode::Balanced, 1, 3)}}, &ledgers);
        try {
            engine.Prepare(0, TwoItems("A B C D", "x y z"));
            QFAIL("a skip of 3 in a list of 3 was accepted");
        } catch (const SuiteError &error) {
            QVERIFY2(error.message().startsWith("“组”组") && error.message().contains("最多只能跳过 2 人"),
                     qPrintable(error.message()));
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
        const auto positions = std::make_shared<const EntryPositions>(PositionsOf(DistinctEntries({"李四", "张三"})));
        QCOMPARE(store.ReadListBalance(QDate(), 0, positions).counts, (std::vector<qint64>{0, 1}));
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
        // draw with the dialog's defaults stays within a third of plain random's spread.
        GeneratorSource again(12);
        const QList<WeightedEntry> pupils = DistinctEntries(Names(40));
        const FairnessTable rotation = SimulateFairness(Fair(FairMode::Rotation), pupils, 1, 400, {}, {}, again);
        const FairnessTable plain = SimulateFairness(Fair(FairMode::Plain), pupils, 1, 400, {}, {}, again);
        FairSettings defaults;
        defaults.mode = FairMode::Balanced;
        const FairnessTable balanced = SimulateFairness(defaults, pupils, 1, 400, {}, {}, again);
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
        // List items of a custom project: by name, plain ones not stored, replaced on write.
        WriteItemFairSettings(document, {{"名", balanced}, {"组", Fair(FairMode::Plain)}, {"号", Fair(FairMode::Rotation)}});
        FairSettings rotation;
        rotation.mode = FairMode::Rotation;
        WriteItemFairSettings(document, {{"名", balanced}, {"组", rotation}});
        QCOMPARE(ReadItemFairSettings(document), (ItemFairSettings{{"名", balanced}, {"组", rotation}}));
        QCOMPARE(query.elementsByTagName("FairItem").size(), 2);
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
