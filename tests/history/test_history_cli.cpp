// Dellamy's command line and the history: programs drawing at once lose no draw and
// have none taken in twice,
// --history prints what was kept (text and JSON, --since), --no-history and
// [History] Keep = 否 keep nothing; fair turns shared by two programs, their plain
// fallback and the fairness check (of a list project and of a custom project's list item).
#include "codec.h"
#include "damagedhistory.h"
#include "encodedxml.h"
#include "fairitemproject.h"
#include "historystore.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kProgram = QStringLiteral(SUITE_APP_DIR "/Dellamy");

struct Run
{
    int status = -1;
    QString out;
    QString err;
};

Run Finish(QProcess &process)
{
    if (!process.waitForFinished(120'000))
        qFatal("Dellamy did not finish");
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

} // namespace

class HistoryCommandLineTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;

    QString ProjectFile() const { return dir->filePath("点名.xml"); }
    QString RotationFile() const { return dir->filePath("轮换.xml"); }
    Run Dellamy(const QStringList &arguments)
    {
        QProcess process;
        process.start(kProgram, QStringList{"--appdir", dir->path()} + arguments);
        return Finish(process);
    }
    // Opening the store takes in the draws the programs left pending.
    qint64 KeptDraws()
    {
        HistoryStore store;
        if (!store.Open(dir->filePath("Data/history.db")))
            return 0;
        return store.CountDraws({});
    }

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir(dir->path()).mkpath("Data/Projects"));
        QFile rotation(RotationFile());
        QVERIFY(rotation.open(QIODevice::WriteOnly));
        QStringList names;
        for (int i = 1; i <= 40; ++i)
            names << QStringLiteral("学生%1").arg(i);
        rotation.write(QStringLiteral(R"(<?xml version="1.0" encoding="UTF-8"?>
<RandProject><RandQuery><Rand Mode="列举模式" PMode="2" Type="随机点名"><Query PosSetAble="否" Lists="%1" Spliter="空格" RanCount="1" AllowRepeat="否" AutoDel="否" Fair="轮换"/></Rand></RandQuery></RandProject>
)").arg(names.join(' ')).toUtf8());
        rotation.close();
        QFile project(ProjectFile());
        QVERIFY(project.open(QIODevice::WriteOnly));
        project.write(R"(<?xml version="1.0" encoding="UTF-8"?>
<RandProject><RandQuery><Rand Mode="列举模式" PMode="2" Type="随机点名"><Query Lists="张三 李四 王五 赵/comma/六" Spliter="空格" RanCount="1" AllowRepeat="是"/></Rand></RandQuery></RandProject>
)");
    }

    void twoProgramsDrawingAtOnceLoseNothing()
    {
        QProcess first, second;
        const QStringList arguments{"--appdir", dir->path(), "--file", ProjectFile(), "--batches", "1000"};
        first.start(kProgram, arguments);
        second.start(kProgram, arguments);
        const Run a = Finish(first);
        const Run b = Finish(second);
        QCOMPARE(a.status, 0);
        QCOMPARE(b.status, 0);
        QVERIFY2(a.err.isEmpty() && b.err.isEmpty(), qPrintable(a.err + b.err));
        QCOMPARE(KeptDraws(), 2000);
        HistoryStore store;
        QVERIFY(store.Open(dir->filePath("Data/history.db")));
        qint64 counted = 0;
        for (const ResultCount &count : store.Counts({"点名", {}, {}}))
            counted += count.count;
        QCOMPARE(counted, 2000);
    }

    // Many short runs from two programs while a third reads the history (and so takes
    // in what is pending) over and over: every draw lands exactly once.
    void manyRunsWhileReadingKeepEachDrawOnce()
    {
        const QString drawLoop = QStringLiteral("for i in $(seq 25); do \"$0\" --appdir \"$1\" --file \"$2\" --batches 4 > /dev/null || exit 1; done");
        // Early reads may find no draw of the project yet, which --history may report.
        const QString readLoop = QStringLiteral("for i in $(seq 25); do \"$0\" --appdir \"$1\" --history 点名 > /dev/null 2>&1; done");
        QProcess first, second, reader;
        first.start("sh", {"-c", drawLoop, kProgram, dir->path(), ProjectFile()});
        second.start("sh", {"-c", drawLoop, kProgram, dir->path(), ProjectFile()});
        reader.start("sh", {"-c", readLoop, kProgram, dir->path()});
        for (QProcess *process : {&first, &second, &reader}) {
            const Run run = Finish(*process);
            QVERIFY2(run.status == 0 && run.err.isEmpty(), qPrintable(run.err));
        }
        QCOMPARE(KeptDraws(), 200);
        QVERIFY(QDir(dir->filePath("Data/history.db.pending")).entryList(QDir::Files).isEmpty());
        const Run listed = Dellamy({"--history", "点名"});
        QCOMPARE(listed.out.count(QStringLiteral("第4次")), 50);
    }

    void historyPrintsWhatWasKept()
    {
        QCOMPARE(Dellamy({"--file", ProjectFile(), "--batches", "3", "--seed", "7"}).status, 0);
        const Run drawn = Dellamy({"--file", ProjectFile(), "--batches", "3", "--seed", "7"});
        const QStringList results = drawn.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(results.size(), 3);

        const Run text = Dellamy({"--history", "点名"});
        QCOMPARE(text.status, 0);
        const QStringList lines = text.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 6);
        const QRegularExpression line(R"(^\d{4}/\d{1,2}/\d{1,2} \d{1,2}:\d{2}:\d{2}  第(\d)次  (.+)$)");
        for (int i = 0; i < 3; ++i) {
            const auto match = line.match(lines.at(3 + i));
            QVERIFY2(match.hasMatch(), qPrintable(lines.at(3 + i)));
            QCOMPARE(match.captured(1).toInt(), i + 1);
            QCOMPARE(match.captured(2), results.at(i)); // escapes removed as printed
        }

        const Run json = Dellamy({"--history", "点名", "--json", "--since", QDate::currentDate().toString("yyyy/M/d")});
        const QJsonObject object = QJsonDocument::fromJson(json.out.toUtf8()).object();
        QCOMPARE(object["project"].toString(), "点名");
        QCOMPARE(object["draws"].toArray().size(), 6);
        QCOMPARE(object["draws"].toArray().at(5).toObject()["results"].toArray().at(0).toString(), results.at(2));

        const Run future = Dellamy({"--history", "点名", "--since", QDate::currentDate().addDays(1).toString("yyyy-MM-dd")});
        QCOMPARE(future.status, 0);
        QVERIFY(future.out.isEmpty());
        const Run unknown = Dellamy({"--history", "无此工程"});
        QCOMPARE(unknown.status, 2);
        QVERIFY(unknown.out.isEmpty());
        QVERIFY2(unknown.err.contains("没有工程“无此工程”的抽取历史"), qPrintable(unknown.err));
    }

    void damagedHistoryIsNotListedAsComplete()
    {
        QVERIFY(WriteDamagedHistory(dir->filePath("Data/history.db"), 0.45, 3));
        const Run run = Dellamy({"--history", "一班"});
        QCOMPARE(run.status, 3);
        QVERIFY2(run.err.contains("已另存为 history.db.damaged") && run.err.contains("不是完整的历史"), qPrintable(run.err));
        const qsizetype listed = run.out.split('\n', Qt::SkipEmptyParts).size();
        QVERIFY(listed > 400 && listed <= 800);
        // What was rescued is the history from now on.
        const Run again = Dellamy({"--history", "一班"});
        QCOMPARE(again.status, 0);
        QCOMPARE(again.out.split('\n', Qt::SkipEmptyParts).size(), listed);
    }

    void refusesBadHistoryArguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("bad date") << QStringList{"--history", "点名", "--since", "2026/13/1"};
        QTest::newRow("since without history") << QStringList{"--project", "点名", "--since", "2026/1/1"};
        QTest::newRow("history and project") << QStringList{"--history", "点名", "--project", "点名"};
        QTest::newRow("path as name") << QStringList{"--history", "../点名"};
    }
    void refusesBadHistoryArguments()
    {
        QFETCH(QStringList, arguments);
        const Run run = Dellamy(arguments);
        QCOMPARE(run.status, 2);
        QVERIFY(!run.err.isEmpty());
        QVERIFY(!QFileInfo::exists(dir->filePath("Data/history.db")));
    }

    void noHistoryAndKeepOffKeepNothing()
    {
        QCOMPARE(Dellamy({"--file", ProjectFile(), "--batches", "2", "--no-history"}).status, 0);
        QVERIFY(!QFileInfo::exists(dir->filePath("Data/history.db")));

        QFile ini(dir->filePath("Soft.ini"));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[History]\nKeep=否\n");
        ini.close();
        QCOMPARE(Dellamy({"--file", ProjectFile(), "--batches", "2"}).status, 0);
        QVERIFY(!QFileInfo::exists(dir->filePath("Data/history.db")));
    }

    void drawGoesOnWhenHistoryIsDamaged()
    {
        QFile damaged(dir->filePath("Data/history.db"));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write(QByteArray(5000, '\x7f'));
        damaged.close();
        const Run run = Dellamy({"--file", ProjectFile(), "--batches", "2"});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out.split('\n', Qt::SkipEmptyParts).size(), 2);
        // The draw leaves the file to the next reader, which puts it aside and takes the
        // draw in.
        QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
        QCOMPARE(QFileInfo(dir->filePath("Data/history.db")).size(), 5000);
        QCOMPARE(KeptDraws(), 2);
        QCOMPARE(QFileInfo(dir->filePath("Data/history.db.damaged")).size(), 5000);
    }

    void twoProgramsShareOneRotation()
    {
        QProcess first, second;
        const QStringList arguments{"--appdir", dir->path(), "--file", RotationFile(), "--batches", "20"};
        first.start(kProgram, arguments);
        second.start(kProgram, arguments);
        const Run a = Finish(first);
        const Run b = Finish(second);
        QCOMPARE(a.status, 0);
        QCOMPARE(b.status, 0);
        const QStringList drawn = (a.out + b.out).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(drawn.size(), 40);
        QCOMPARE(QSet<QString>(drawn.cbegin(), drawn.cend()).size(), 40);
        QCOMPARE((a.err + b.err).count("新一轮开始"), 1);
    }

    void balancedRunSkipsItsOwnLatestDraws()
    {
        // Five names, the latest four skipped: every five draws in a row name all five,
        // within a run (whose draws are not stored until it ends) and across runs.
        const QString file = dir->filePath("均衡.xml");
        QFile balanced(file);
        QVERIFY(balanced.open(QIODevice::WriteOnly));
        balanced.write(R"(<?xml version="1.0" encoding="UTF-8"?>
<RandProject><RandQuery><Rand Mode="列举模式" PMode="2" Type="随机点名"><Query PosSetAble="否" Lists="甲 乙 丙 丁 戊" Spliter="空格" RanCount="1" AllowRepeat="否" AutoDel="否" Fair="均衡" FairPeriod="全部" FairStrength="弱" FairSkip="4"/></Rand></RandQuery></RandProject>
)");
        balanced.close();
        QStringList drawn;
        for (const char *batches : {"12", "8"}) {
            const Run run = Dellamy({"--file", file, "--batches", batches});
            QCOMPARE(run.status, 0);
            drawn += run.out.split('\n', Qt::SkipEmptyParts);
        }
        QCOMPARE(drawn.size(), 20);
        for (int first = 0; first + 5 <= drawn.size(); ++first) {
            const QStringList window = drawn.mid(first, 5);
            QVERIFY2(QSet<QString>(window.cbegin(), window.cend()).size() == 5, qPrintable(drawn.join(' ')));
        }
    }

    void fairTurnsFallBackWithoutHistoryAndSurviveDamage()
    {
        const Run plain = Dellamy({"--file", RotationFile(), "--batches", "45", "--no-history"});
        QCOMPARE(plain.status, 0);
        QCOMPARE(plain.err.count("“轮换”抽取按“普通”方式进行"), 1);
        QVERIFY(!QFileInfo::exists(dir->filePath("Data/history.db")));

        QDir().mkpath(dir->filePath("Data"));
        QFile damaged(dir->filePath("Data/history.db"));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write(QByteArray(5000, '\x7f'));
        damaged.close();
        const Run run = Dellamy({"--file", RotationFile(), "--batches", "2"});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out.split('\n', Qt::SkipEmptyParts).size(), 2);
        QVERIFY2(run.err.contains("轮换从新一轮开始"), qPrintable(run.err));
    }

    void simulationWritesNothing()
    {
        QVERIFY(BindCodec(QStringLiteral(SUITE_APP_DIR)));
        QDomDocument document;
        QFile source(RotationFile());
        QVERIFY(source.open(QIODevice::ReadOnly));
        QVERIFY(bool(document.setContent(&source)));
        SaveEncodedDocument(document, dir->filePath("Data/Projects/轮换.rpj"));
        QCOMPARE(Dellamy({"--project", "轮换", "--batches", "5"}).status, 0);
        const qint64 kept = KeptDraws();

        const Run run = Dellamy({"--simulate", "轮换", "--draws", "400", "--json", "--seed", "1"});
        QCOMPARE(run.status, 0);
        const QJsonObject json = QJsonDocument::fromJson(run.out.toUtf8()).object();
        const QJsonArray rows = json["simulated"].toObject()["rows"].toArray();
        QCOMPARE(rows.size(), 40);
        // The rotation goes on from today's round, in which five have had their turn already:
        // the simulated counts differ by two at most.
        int least = 400, most = 0, total = 0;
        for (const QJsonValue &row : rows) {
            QCOMPARE(row.toObject()["expected"].toDouble(), 10.0);
            least = std::min(least, row.toObject()["count"].toInt());
            most = std::max(most, row.toObject()["count"].toInt());
            total += row.toObject()["count"].toInt();
        }
        QCOMPARE(total, 400);
        QVERIFY(most - least <= 2);
        QCOMPARE(json["history"].toObject()["draws"].toInt(), 5);
        QVERIFY(!json["history"].toObject()["longestUnseen"].toString().isEmpty());
        QCOMPARE(KeptDraws(), kept);
        const Run text = Dellamy({"--simulate", "轮换", "--draws", "10"});
        QVERIFY2(text.out.contains("最久未被抽到："), qPrintable(text.out));
        QCOMPARE(Dellamy({"--simulate", "轮换"}).status, 2);
        QCOMPARE(Dellamy({"--simulate", "轮换", "--item", "名", "--draws", "10"}).status, 4);
    }

    void simulationChecksOneListItemOfACustomProject()
    {
        QVERIFY(BindCodec(QStringLiteral(SUITE_APP_DIR)));
        QDomDocument document = FairItemProject("甲 乙 丙", "红 蓝", {"名"});
        SaveEncodedDocument(document, dir->filePath("Data/Projects/分组.rpj"));
        QCOMPARE(Dellamy({"--project", "分组", "--batches", "2"}).status, 0);

        // The only fair item is checked without naming it, with its own turns.
        Run run = Dellamy({"--simulate", "分组", "--draws", "30", "--json"});
        QCOMPARE(run.status, 0);
        QJsonObject json = QJsonDocument::fromJson(run.out.toUtf8()).object();
        QCOMPARE(json["simulated"].toObject()["rows"].toArray().size(), 3);
        QCOMPARE(json["history"].toObject()["draws"].toInt(), 2);

        document = FairItemProject("甲 乙 丙", "红 蓝", {"名", "组"});
        SaveEncodedDocument(document, dir->filePath("Data/Projects/分组.rpj"));
        run = Dellamy({"--simulate", "分组", "--draws", "30"});
        QCOMPARE(run.status, 4);
        QVERIFY2(run.err.contains("--item") && run.err.contains("名、组"), qPrintable(run.err));
        run = Dellamy({"--simulate", "分组", "--item", "组", "--draws", "30", "--json"});
        QCOMPARE(run.status, 0);
        json = QJsonDocument::fromJson(run.out.toUtf8()).object();
        QCOMPARE(json["simulated"].toObject()["rows"].toArray().size(), 2);
        QCOMPARE(Dellamy({"--simulate", "分组", "--item", "号", "--draws", "30"}).status, 4);
    }
};

QTEST_GUILESS_MAIN(HistoryCommandLineTest)
#include "test_history_cli.moc"
