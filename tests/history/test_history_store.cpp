// The history store and its reports without any window: filters and counts against a
// hand-checked set, the damaged-file and read-only paths, the background writer, the
// CSV exports read back, dates as typed, the Keep setting and the speech element.
#include "damagedhistory.h"
#include "displaysection.h"
#include "domutil.h"
#include "historyrecorder.h"
#include "historyreport.h"
#include "historystore.h"
#include "pendingdraws.h"
#include "projectheader.h"
#include "softsettings.h"

#include <QFile>
#include <QSysInfo>
#include <QProcess>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

namespace {

HistoryEntry Entry(const QString &project, const QDateTime &time, int batch, const QStringList &results)
{
    return {0, time, project, batch, kSourceCommandLine, results};
}

QDateTime At(int day, int hour)
{
    return QDateTime(QDate(2026, 12, day), QTime(hour, 0));
}

// Parses one CSV file as a spreadsheet would: quoted fields, doubled quotes, CR LF.
QList<QStringList> ReadCsv(const QString &text)
{
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text.at(i + 1) == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            row << field;
            field.clear();
        } else if (c == '\r' && text.mid(i, 2) == "\r\n") {
            row << field;
            rows << row;
            row.clear();
            field.clear();
            ++i;
        } else {
            field += c;
        }
    }
    return rows;
}

} // namespace

class HistoryStoreTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    QString Path() const { return dir->filePath("Data/history.db"); }

    // A week of roll-calls in class 一班 and a lottery, counted by hand below.
    void FillWeek(HistoryStore &store)
    {
        QVERIFY(store.Append({
            Entry("一班", At(1, 9), 1, {"张三"}),
            Entry("一班", At(1, 10), 2, {"李四", "张三"}),
            Entry("一班", At(2, 9), 1, {"王五"}),
            Entry("一班", At(3, 9), 1, {"张三"}),
            Entry("一班", At(5, 9), 1, {"李四"}),
            Entry("抽奖", At(2, 15), 1, {"一等奖：张三", "二等奖：赵六"}),
            Entry("抽奖", At(4, 15), 1, {"一等奖：钱七"}),
        }));
    }

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
    }

    void filtersAndCountsMatchHandCount()
    {
        HistoryStore store;
        QVERIFY(store.Open(Path()));
        QVERIFY(store.Notice().isEmpty());
        FillWeek(store);
        QCOMPARE(store.Projects(), QStringList({"一班", "抽奖"}));

        HistoryFilter all{"一班", {}, {}};
        QCOMPARE(store.CountDraws(all), 5);
        const QList<ResultCount> counts = store.Counts(all);
        QCOMPARE(counts.size(), 3);
        QCOMPARE(counts.at(0).result, "张三");
        QCOMPARE(counts.at(0).count, 3);
        QCOMPARE(counts.at(1).result, "李四");
        QCOMPARE(counts.at(1).count, 2);
        QCOMPARE(counts.at(2).result, "王五");
        QCOMPARE(counts.at(2).count, 1);

        // Days 2 to 3, both ends included.
        HistoryFilter middle{"一班", QDate(2026, 12, 2), QDate(2026, 12, 3)};
        QCOMPARE(store.CountDraws(middle), 2);
        const QList<HistoryEntry> draws = store.Draws(middle, 10);
        QCOMPARE(draws.size(), 2);
        QCOMPARE(draws.at(0).results, QStringList{"张三"}); // newest first
        QCOMPARE(draws.at(0).time, At(3, 9));
        QCOMPARE(draws.at(1).results, QStringList{"王五"});

        // Every project from day 2 on.
        HistoryFilter since{QString(), QDate(2026, 12, 2), {}};
        QCOMPARE(store.CountDraws(since), 5);
        QCOMPARE(store.Counts(since).size(), 6);

        // Pages follow each other without gaps or repeats.
        QList<HistoryEntry> paged = store.Draws(all, 2);
        while (true) {
            const HistoryEntry &last = paged.constLast();
            const auto page = store.Draws(all, 2, HistoryCursor{HistoryStore::DayNumber(last.time.date()), last.id});
            if (page.isEmpty())
                break;
            paged += page;
        }
        QCOMPARE(paged.size(), 5);
        QCOMPARE(paged.constLast().time, At(1, 9));
        QCOMPARE(store.DrawsOldestFirst(all).first().time, At(1, 9));

        QVERIFY(store.ClearProject("一班"));
        QCOMPARE(store.CountDraws(all), 0);
        QVERIFY(store.Counts(all).isEmpty());
        QCOMPARE(store.CountDraws({"抽奖", {}, {}}), 2);
    }

    void damagedFileIsPutAsideAndReplaced()
    {
        QDir().mkpath(dir->filePath("Data"));
        QFile file(Path());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(8192, 'x'));
        file.close();

        {
            HistoryStore store;
            QVERIFY(store.Open(Path()));
            QCOMPARE(store.Notice(), "历史记录文件已损坏，已另存为 history.db.damaged 并新建");
            QCOMPARE(QFile(Path() + ".damaged").size(), 8192);
            FillWeek(store);
            QCOMPARE(store.CountDraws({}), 7);
        }
        // A second damage keeps the first copy.
        QFile again(Path());
        QVERIFY(again.open(QIODevice::WriteOnly | QIODevice::Truncate));
        again.write(QByteArray(4096, 'y'));
        again.close();
        QFile::remove(Path() + "-wal");
        QFile::remove(Path() + "-shm");
        HistoryStore store;
        QVERIFY(store.Open(Path()));
        QCOMPARE(store.DamagedCopy(), "history.db.damaged-2");
        QCOMPARE(QFile(Path() + ".damaged").size(), 8192);
        QCOMPARE(store.CountDraws({}), 0);
    }

    // Draws other programs left beside the file come in once, in order, however the
    // taking-in was interrupted; a file that cannot be read is kept aside.
    void pendingDrawsAreTakenInExactlyOnce()
    {
        const QString folder = PendingDrawsFolder(Path());
        QCOMPARE(WritePendingDraws(Path(), {Entry("一班", At(1, 9), 1, {"张三", "a,\"b\"\n"})}), QString());
        QCOMPARE(WritePendingDraws(Path(), {Entry("一班", At(1, 10), 1, {"李四"}), Entry("一班", At(1, 10), 2, {"王五"})}),
                 QString());
        const QStringList written = QDir(folder).entryList(QDir::Files);
        QCOMPARE(written.size(), 2);
        QByteArray copies[2];
        for (int i = 0; i < 2; ++i) {
            QFile file(folder + '/' + written.at(i));
            QVERIFY(file.open(QIODevice::ReadOnly));
            copies[i] = file.readAll();
        }
        {
            HistoryStore store;
            QVERIFY(store.Open(Path()));
            QCOMPARE(store.Notice(), QString());
            const QList<HistoryEntry> draws = store.DrawsOldestFirst({});
            QCOMPARE(draws.size(), 3);
            QCOMPARE(draws.at(0).results, QStringList({"张三", "a,\"b\"\n"}));
            QCOMPARE(draws.at(2).results, QStringList{"王五"});
            QCOMPARE(draws.at(2).batch, 2);
            QCOMPARE(draws.at(0).time, At(1, 9));
            QVERIFY(QDir(folder).entryList(QDir::Files).isEmpty());
        }
        // As if the program taking them in had ended after its commit, before removing
        // the files: they are removed now, not counted again.
        for (int i = 0; i < 2; ++i) {
            QFile file(folder + '/' + written.at(i));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(copies[i]);
        }
        QFile broken(folder + "/broken.draws");
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("[{\"time\": 1, \"proj");
        broken.close();
        HistoryStore store;
        QVERIFY(store.Open(Path()));
        QCOMPARE(store.CountDraws({}), 3);
        QVERIFY(store.Notice().contains("无法读取"));
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{"broken.draws.unreadable"});
    }

    // Damage past the first page: any read finds it, the file is put aside and what
    // reads back is kept, in its order, with totals that match the rows.
    void damageFoundByAnyReadIsRescued_data()
    {
        QTest::addColumn<double>("where");
        QTest::newRow("middle pages") << 0.45;
        QTest::newRow("last pages") << 1.0;
    }
    void damageFoundByAnyReadIsRescued()
    {
        QFETCH(double, where);
        QVERIFY(WriteDamagedHistory(Path(), where, 3));
        HistoryStore store;
        QVERIFY(store.Open(Path()));
        // Between them these reads walk every table and index.
        store.DrawsOldestFirst({});
        store.DrawsOldestFirst({"一班", {}, {}});
        store.Counts({});
        store.Projects();
        QCOMPARE(store.DamagedCopy(), "history.db.damaged");
        QVERIFY2(store.Notice().startsWith("历史记录文件已损坏，已另存为 history.db.damaged 并新建"), qPrintable(store.Notice()));

        const QList<HistoryEntry> kept = store.DrawsOldestFirst({"一班", {}, {}});
        QVERIFY2(kept.size() > 400 && kept.size() <= 800, qPrintable(QString::number(kept.size())));
        QVERIFY(store.Notice().contains(QString::number(kept.size())));
        for (qsizetype i = 1; i < kept.size(); ++i)
            QVERIFY(kept.at(i).batch > kept.at(i - 1).batch);
        QCOMPARE(store.CountDraws({}), kept.size());
        qint64 counted = 0;
        for (const ResultCount &count : store.Counts({}))
            counted += count.count;
        QCOMPARE(counted, kept.size());

        QVERIFY(store.Append({Entry("一班", At(20, 9), 801, {"新"})}));
        QCOMPARE(store.DrawsOldestFirst({"一班", {}, {}}).size(), kept.size() + 1);
        HistoryStore checked;
        QVERIFY(checked.Open(Path()));
        checked.CheckIntegrity();
        QVERIFY(checked.Notice().isEmpty());
        QVERIFY(checked.DamagedCopy().isEmpty());
    }

    // The writer keeps new draws in a damaged file's place and says so; a writer that
    // ended without closing the file makes the next one check it through first.
    void recorderRescuesDamagedFile()
    {
        QVERIFY(WriteDamagedHistory(Path(), 1.0, 3));
        {
            HistoryRecorder recorder(Path());
            recorder.Record(Entry("一班", At(20, 9), 801, {"新"}));
            QVERIFY(recorder.Flush());
            HistoryStore reader;
            QVERIFY(reader.Open(Path()));
            const QList<HistoryEntry> listed = reader.DrawsOldestFirst({"一班", {}, {}});
            QCOMPARE(listed.constLast().results, QStringList{"新"});
            QVERIFY((recorder.Notice() + reader.Notice()).contains("已损坏"));
            QCOMPARE(reader.CountDraws({}), listed.size());
        }

        QVERIFY(WriteDamagedHistory(dir->filePath("second.db"), 0.45, 3));
        QProcess gone;
        gone.start("sleep", {"30"});
        QVERIFY(gone.waitForStarted());
        const qint64 pid = gone.processId();
        gone.kill();
        QVERIFY(gone.waitForFinished());
        QFile lock(dir->filePath("second.db.writer-%1").arg(pid));
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(QString("%1\nDellamy\n%2\n").arg(pid).arg(QSysInfo::machineHostName()).toUtf8());
        lock.close();
        HistoryRecorder recorder(dir->filePath("second.db"));
        recorder.Record(Entry("一班", At(20, 9), 801, {"新"}));
        QVERIFY(recorder.Flush());
        QVERIFY2(recorder.Notice().contains("已损坏"), qPrintable(recorder.Notice()));
        QVERIFY(QFileInfo::exists(dir->filePath("second.db.damaged")));
        QVERIFY(!lock.exists());
    }

    void refusedWritesLeaveEverythingAsItWas()
    {
        {
            HistoryStore store;
            QVERIFY(store.Open(Path()));
            FillWeek(store);
        }
        // Newer schema: neither read nor written.
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "raw");
            db.setDatabaseName(Path());
            QVERIFY(db.open());
            QSqlQuery(db).exec("PRAGMA user_version = 99");
            db.close();
        }
        QSqlDatabase::removeDatabase("raw");
        HistoryStore newer;
        QVERIFY(!newer.Open(Path()));
        QVERIFY(newer.Notice().contains("较新版本"));
        QVERIFY(!newer.Append({Entry("一班", At(6, 9), 1, {"张三"})}));
        QVERIFY(QFileInfo::exists(Path()));
        QVERIFY(!QFileInfo::exists(Path() + ".damaged"));

        // A file that cannot be opened at all is explained, not quoted from the database.
        HistoryStore folder;
        QVERIFY(!folder.Open(dir->filePath("Data")));
        QVERIFY2(folder.Notice().startsWith("历史记录文件无法打开"), qPrintable(folder.Notice()));
    }

    void readOnlyFileRefusesWritesAndRecorderKeepsThem()
    {
        if (geteuid() == 0)
            QSKIP("root writes read-only files");
        {
            HistoryStore store;
            QVERIFY(store.Open(Path()));
        }
        QFile::setPermissions(Path(), QFile::ReadOwner);
        HistoryRecorder recorder(Path());
        recorder.Record(Entry("一班", At(6, 9), 1, {"张三"}));
        QVERIFY(!recorder.Flush());
        QVERIFY(recorder.Notice().contains("只读"));
        QFile::setPermissions(Path(), QFile::ReadOwner | QFile::WriteOwner);
        recorder.Record(Entry("一班", At(6, 10), 2, {"李四"}));
        QVERIFY(recorder.Flush());
        HistoryStore reader;
        QVERIFY(reader.Open(Path()));
        QCOMPARE(reader.CountDraws({}), 2);
    }

    void lockedDatabaseDelaysWritesWithoutLosingThem()
    {
        {
            HistoryStore store;
            QVERIFY(store.Open(Path()));
        }
        HistoryRecorder recorder(Path());
        {
            // Another program holds the write lock longer than the busy timeout.
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "locker");
            db.setDatabaseName(Path());
            QVERIFY(db.open());
            QSqlQuery lock(db);
            QVERIFY(lock.exec("BEGIN IMMEDIATE"));
            recorder.Record(Entry("一班", At(6, 9), 1, {"张三"}));
            QVERIFY(!recorder.Flush());
            QVERIFY(recorder.Notice().contains("占用"));
            QVERIFY(lock.exec("COMMIT"));
            lock.finish();
            db.close();
        }
        QSqlDatabase::removeDatabase("locker");
        recorder.Record(Entry("一班", At(6, 10), 2, {"李四"}));
        QVERIFY(recorder.Flush());
        QVERIFY(recorder.Notice().isEmpty());
        HistoryStore reader;
        QVERIFY(reader.Open(Path()));
        QCOMPARE(reader.CountDraws({}), 2);
    }

    void recorderWritesInBackgroundAndDrainsAtEnd()
    {
        {
            HistoryRecorder recorder(Path());
            for (int i = 1; i <= 500; ++i)
                recorder.Record(Entry("一班", At(7, 9), i, {QString::number(i % 7)}));
        } // the destructor writes what is left
        HistoryStore store;
        QVERIFY(store.Open(Path()));
        QCOMPARE(store.CountDraws({}), 500);
        qint64 total = 0;
        for (const ResultCount &count : store.Counts({}))
            total += count.count;
        QCOMPARE(total, 500);
    }

    void csvExportsReadBack()
    {
        const QList<ResultCount> counts{{"张三, 李四", 3}, {"他说\"好\"", 2}, {"=1+2", 1}, {"-5", 1}};
        const QByteArray csv = HistoryCountsCsv(counts);
        QVERIFY(csv.startsWith("\xEF\xBB\xBF"));
        const QList<QStringList> rows = ReadCsv(QString::fromUtf8(csv.mid(3)));
        QCOMPARE(rows.size(), 5);
        QCOMPARE(rows.at(0), QStringList({"结果", "次数"}));
        QCOMPARE(rows.at(1), QStringList({"张三, 李四", "3"}));
        QCOMPARE(rows.at(2), QStringList({"他说\"好\"", "2"}));
        QCOMPARE(rows.at(3), QStringList({"=1+2", "1"})); // results as drawn
        QCOMPARE(rows.at(4), QStringList({"-5", "1"}));

        const QByteArray draws = HistoryDrawsCsv({Entry("一班", At(1, 9), 2, {"A,B", "C"}), Entry("=1+2", At(1, 9), 3, {"+4Jmu", "@x"})});
        const QList<QStringList> drawRows = ReadCsv(QString::fromUtf8(draws.mid(3)));
        QCOMPARE(drawRows.at(0), QStringList({"时间", "工程", "次序", "来源", "结果"}));
        QCOMPARE(drawRows.at(1), QStringList({"2026/12/1 9:00:00", "一班", "2", "命令行", "A,B  C"}));
        // A project name is no result: still kept from being taken for a formula.
        QCOMPARE(drawRows.at(2), QStringList({"2026/12/1 9:00:00", "'=1+2", "3", "命令行", "+4Jmu  @x"}));
    }

    void reportsAndDates()
    {
        QCOMPARE(ParseHistoryDate("2026/12/7"), std::optional<QDate>(QDate(2026, 12, 7)));
        QCOMPARE(ParseHistoryDate(" 2026-02-03 "), std::optional<QDate>(QDate(2026, 2, 3)));
        for (const char *bad : {"2026/2/30", "12/7/2026", "2026.12.7", "", "明天"})
            QVERIFY2(!ParseHistoryDate(bad), bad);

        const QList<HistoryEntry> entries{Entry("一班", At(1, 9), 1, {"张三"}), Entry("一班", At(2, 9), 2, {"李四", "王五"})};
        QCOMPARE(HistoryLinesText(entries), "2026/12/1 9:00:00  第1次  张三\n2026/12/2 9:00:00  第2次  李四  王五\n");
        const QJsonObject json = QJsonDocument::fromJson(HistoryJson("一班", entries)).object();
        QCOMPARE(json["project"].toString(), "一班");
        QCOMPARE(json["draws"].toArray().size(), 2);
        QCOMPARE(json["draws"].toArray().at(1).toObject()["results"].toArray().at(1).toString(), "王五");
    }

    void keepSettingAndSpeechElement()
    {
        const QString ini = dir->filePath("Soft.ini");
        QVERIFY(ReadSoftSettings(ini).keepHistory);
        for (const char *text : {"[History]\nKeep=否\n", "[History]\nKeep=0\n"}) {
            QFile file(ini);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(text);
            file.close();
            QVERIFY(!ReadSoftSettings(ini).keepHistory);
        }

        QDomDocument document = NewXmlDocument();
        ProjectRootElement(document);
        QCOMPARE(ReadSpeechSettings(document), SpeechSettings{});
        WriteSpeechSettings(document, {true, -3, 55});
        QCOMPARE(ReadSpeechSettings(document), (SpeechSettings{true, -3, 55}));
        ChildElement(ChildElement(document.documentElement(), "Form"), "Speech").setAttribute("Rate", "99");
        QCOMPARE(ReadSpeechSettings(document).rate, 0);
    }
};

QTEST_GUILESS_MAIN(HistoryStoreTest)
#include "test_history_store.moc"
