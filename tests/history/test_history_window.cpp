// The drawing window's history and speech, and the history window: a finished draw is
// kept and spoken (through a stand-in speaker, no sound device), the option is disabled
// with its reason without a voice, the window filters, refuses a wrongly typed date,
// exports both tabs and clears a project.
#include "apppaths.h"
#include "damagedhistory.h"
#include "codec.h"
#include "domutil.h"
#include "encodedxml.h"
#include "handoff.h"
#include "historycontroller.h"
#include "historyform.h"
#include "historyrecorder.h"
#include "messages.h"
#include "randform.h"
#include "recordintegration.h"
#include "savefilechooser.h"
#include "speaker.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct SpokenLog
{
    QString reason;
    QList<SpokenText> texts;
};

class FakeSpeaker : public Speaker
{
public:
    explicit FakeSpeaker(SpokenLog &log) : log(log) {}
    QString UnavailableReason() const override { return log.reason; }
    void Say(const SpokenText &text, int, int) override { log.texts << text; }

private:
    SpokenLog &log;
};

QDomDocument RollCall(bool speak)
{
    QFile file(SUITE_SOURCE_DIR "/data/Demo/2.RandName.xml");
    file.open(QIODevice::ReadOnly);
    QDomDocument document = ParseXmlText(QString::fromUtf8(file.readAll()), file.fileName());
    ChildElement(document.documentElement(), "Animate").setAttribute("InRand", "否");
    if (speak)
        WriteSpeechSettings(document, {true, 2, 70});
    return document;
}

HistoryEntry Entry(const QString &project, int day, const QStringList &results)
{
    return {0, QDateTime(QDate(2026, 12, day), QTime(9, 0)), project, 1, kSourceWindow, results};
}

} // namespace

class HistoryWindowTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<TRandForm> form;
    HistoryController *history = nullptr;
    SpokenLog spoken;
    QList<ShownMessage> messages;
    QMessageBox::StandardButton answer = QMessageBox::Yes;

    void Start(const QDomDocument &document)
    {
        SaveEncodedDocument(document, ProjectFilePath("点名"));
        WriteEditProject(0, "点名");
        form = std::make_unique<TRandForm>();
        QCOMPARE(form->FormShow(), TRandForm::StartupOutcome::Shown);
        history = AttachHistoryTools(*form, AttachRecordTools(*form));
    }
    void WriteSoftIni(const QByteArray &text)
    {
        QFile ini(AppDir() + "Soft.ini");
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write(text);
    }

private slots:
    void initTestCase() { QVERIFY(BindCodec(SUITE_APP_DIR)); }

    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        SetAppDir(dir->path());
        QDir(dir->path()).mkpath("Data/Projects");
        spoken = SpokenLog{};
        SetSpeakerFactory([this] { return std::make_unique<FakeSpeaker>(spoken); });
        messages.clear();
        answer = QMessageBox::Yes;
        SetMessageHandler([this](const ShownMessage &message) {
            messages << message;
            return answer;
        });
    }
    void cleanup()
    {
        form.reset();
        SetMessageHandler({});
        SetSpeakerFactory({});
        SetSaveFileChooser({});
    }

    void finishedDrawIsKeptAndSpoken()
    {
        Start(RollCall(true));
        form->GoRandButton->click();
        form->GoRandButton->click();
        QCOMPARE(spoken.texts.size(), 2);
        QCOMPARE(spoken.texts.last().text, form->RandBoxEdit ? form->RandBoxEdit->text() : form->RandBoxLabel->text());
        QCOMPARE(spoken.texts.last().language, QLocale::Chinese);

        QVERIFY(history->Recorder()->Flush());
        HistoryStore store;
        QVERIFY(store.Open(HistoryDatabasePath()));
        const QList<HistoryEntry> draws = store.DrawsOldestFirst({"点名", {}, {}});
        QCOMPARE(draws.size(), 2);
        QCOMPARE(draws.at(1).batch, 2);
        QCOMPARE(draws.at(1).source, kSourceWindow);
        QVERIFY(!draws.at(1).results.isEmpty());
        QVERIFY(spoken.texts.last().text.contains(draws.at(1).results.first()));

        // Switching speech off is stored in the project and silences the next draw.
        history->Menu_Speak->trigger();
        QVERIFY(!ReadSpeechSettings(LoadEncodedDocument(ProjectFilePath("点名"))).enabled);
        form->GoRandButton->click();
        QCOMPARE(spoken.texts.size(), 2);
    }

    void speechWithoutVoiceIsDisabledWithReason()
    {
        spoken.reason = "未找到语音引擎";
        Start(RollCall(true));
        form->GoRandButton->click();
        QVERIFY(spoken.texts.isEmpty());
        QVERIFY(!history->Menu_Speak->isEnabled());
        QVERIFY(history->Menu_Speak->text().endsWith("（不可用）"));
        QCOMPARE(history->Menu_Speak->toolTip(), "未找到语音引擎");
        QVERIFY(messages.isEmpty());
        QVERIFY(history->Recorder()->Flush()); // the draw itself is kept
    }

    void menusOfferHistoryAndSpeech()
    {
        Start(RollCall(false));
        QVERIFY(form->ShortCutLabel->actions().contains(history->Menu_History));
        QVERIFY(form->ShortCutLabel->actions().contains(history->Menu_Speak));
        QVERIFY(!history->Menu_Speak->isChecked());
        history->Menu_History->trigger();
        QVERIFY(history->HistoryWindow());
        QCOMPARE(history->HistoryWindow()->windowTitle(), "抽取历史");
        QCOMPARE(history->HistoryWindow()->ProjectBox->currentText(), "点名");
    }

    void keepOffRecordsNothingAndSaysSo()
    {
        WriteSoftIni("[History]\nKeep=否\n");
        Start(RollCall(false));
        QVERIFY(!history->Recorder());
        form->GoRandButton->click();
        history->Menu_History->trigger();
        QVERIFY(history->HistoryWindow()->NoticeLabel->text().contains("历史记录已关闭"));
        QVERIFY(!QFileInfo::exists(HistoryDatabasePath()) || HistoryStore().Open(HistoryDatabasePath()));
        HistoryStore store;
        QVERIFY(store.Open(HistoryDatabasePath()));
        QCOMPARE(store.CountDraws({}), 0);
    }

    void historyWindowFiltersExportsAndClears()
    {
        {
            HistoryStore store;
            QVERIFY(store.Open(HistoryDatabasePath()));
            QVERIFY(store.Append({Entry("一班", 1, {"张三"}), Entry("一班", 2, {"李四"}), Entry("一班", 3, {"张三"}),
                                  Entry("一班", 4, {"\"老\"王, 五"}), Entry("二班", 2, {"赵六"})}));
        }
        THistoryForm window(HistoryDatabasePath(), "一班", QString(), true);
        QCOMPARE(window.DrawGrid->model()->rowCount(), 4);
        QCOMPARE(window.DrawGrid->model()->headerData(3, Qt::Horizontal).toString(), "来源");
        QCOMPARE(window.DrawGrid->model()->index(0, 3).data().toString(), kSourceWindow);
        QCOMPARE(window.CountGrid->model()->rowCount(), 3);
        QCOMPARE(window.CountGrid->model()->index(0, 0).data().toString(), "张三");
        QCOMPARE(window.CountGrid->model()->index(0, 1).data().toInt(), 2);
        QVERIFY(window.NoticeLabel->isHidden());

        window.FromDateEdit->setText("2026/12/2");
        window.ToDateEdit->setText("2026/12/3");
        QVERIFY(window.BFilterClick());
        QCOMPARE(window.DrawGrid->model()->rowCount(), 2);
        QVERIFY(window.SummaryLabel->text().contains("共 2 次抽取"));

        // A date typed wrongly changes nothing.
        window.ToDateEdit->setText("2026/12/32");
        QVERIFY(!window.BFilterClick());
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages.first().caption, "参数有误");
        QCOMPARE(window.DrawGrid->model()->rowCount(), 2);
        window.FromDateEdit->setText("2026/12/5");
        window.ToDateEdit->setText("2026/12/1");
        QVERIFY(!window.BFilterClick());

        // Draws made meanwhile bring their project into the list at the next 筛选.
        {
            HistoryStore store;
            QVERIFY(store.Open(HistoryDatabasePath()));
            QVERIFY(store.Append({Entry("三班", 5, {"孙八"})}));
        }
        QCOMPARE(window.ProjectBox->findText("三班"), -1);
        window.FromDateEdit->clear();
        window.ToDateEdit->clear();
        QVERIFY(window.BFilterClick());
        QVERIFY(window.ProjectBox->findText("三班") > 0);
        QCOMPARE(window.ProjectBox->currentText(), "一班");

        // Counts sorted by the user, exported in that order, under a suggested name.
        window.CountGrid->sortByColumn(1, Qt::AscendingOrder);
        window.HistoryTabs->setCurrentIndex(1);
        const QString csvPath = dir->filePath("次数.csv");
        QString suggested;
        SetSaveFileChooser([&](QWidget *, const QString &, const QString &, const QString &name) {
            suggested = name;
            return dir->filePath("次数");
        });
        window.BExportClick();
        const QString today = QDate::currentDate().toString("yyyy-MM-dd");
        QCOMPARE(suggested, "一班-次数统计-" + today + ".csv");
        QFile csv(csvPath);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QByteArray bytes = csv.readAll();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        const QStringList lines = QString::fromUtf8(bytes.mid(3)).split("\r\n", Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines.at(0), "结果,次数");
        QCOMPARE(lines.at(3), "张三,2");
        QVERIFY(lines.contains("\"\"\"老\"\"王, 五\",1"));

        // An unwritable folder is reported, nothing claimed.
        messages.clear();
        SetSaveFileChooser([&](QWidget *, const QString &, const QString &, const QString &name) {
            suggested = name;
            return QString("/nonexistent/folder/x.csv");
        });
        window.HistoryTabs->setCurrentIndex(0);
        window.BExportClick();
        QCOMPARE(suggested, "一班-抽取历史-" + today + ".csv");
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages.first().caption, "导出失败");
        QVERIFY(messages.first().text.contains("x.csv"));
        // The reason in Chinese, not the toolkit's "Cannot create … for output".
        QVERIFY2(messages.first().text.startsWith("无法保存文件“x.csv”：") && !messages.first().text.contains("Cannot"),
                 qPrintable(messages.first().text));

        // With every project chosen, clearing is a hint, not an error.
        messages.clear();
        window.ProjectBox->setCurrentIndex(0);
        window.BClearClick();
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages.first().caption, "提示");
        QCOMPARE(messages.first().icon, QMessageBox::Information);
        window.ProjectBox->setCurrentIndex(window.ProjectBox->findText("一班"));

        // Clearing asks first, then removes only the chosen project.
        answer = QMessageBox::No;
        window.BClearClick();
        QCOMPARE(window.DrawGrid->model()->rowCount(), 4);
        answer = QMessageBox::Yes;
        window.BClearClick();
        QCOMPARE(window.DrawGrid->model()->rowCount(), 0);
        HistoryStore store;
        QVERIFY(store.Open(HistoryDatabasePath()));
        QCOMPARE(store.CountDraws({"二班", {}, {}}), 1);
    }

    void historyWindowShowsDamagedFileNotice()
    {
        QFile file(HistoryDatabasePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(3000, 'z'));
        file.close();
        THistoryForm window(HistoryDatabasePath(), "一班", QString(), true);
        QVERIFY(!window.NoticeLabel->isHidden());
        QCOMPARE(window.NoticeLabel->text(), "历史记录文件已损坏，已另存为 history.db.damaged 并新建");
        QVERIFY(QFileInfo::exists(HistoryDatabasePath() + ".damaged"));
    }

    // Damage past the first page is found when the window opens: the count and the
    // rows shown are the rescued ones, and agree.
    void historyWindowChecksTheWholeFile()
    {
        QVERIFY(WriteDamagedHistory(HistoryDatabasePath(), 0.45, 3));
        THistoryForm window(HistoryDatabasePath(), "一班", QString(), true);
        QVERIFY(window.NoticeLabel->text().startsWith("历史记录文件已损坏，已另存为 history.db.damaged 并新建"));
        QAbstractItemModel *rows = window.DrawGrid->model();
        while (rows->canFetchMore({}))
            rows->fetchMore({});
        QVERIFY(rows->rowCount() > 400 && rows->rowCount() <= 800);
        QVERIFY2(window.SummaryLabel->text().startsWith(QString("共 %1 次抽取").arg(rows->rowCount())),
                 qPrintable(window.SummaryLabel->text()));
    }

    // A draw the history could not keep as it was is said in the drawing window itself.
    void drawingWindowSaysWhatBecameOfTheHistory()
    {
        QFile file(HistoryDatabasePath());
        QVERIFY(QDir().mkpath(QFileInfo(file).absolutePath()));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(3000, 'z'));
        file.close();
        Start(RollCall(false));
        form->GoRandButton->click();
        QVERIFY(history->Recorder()->Flush());
        QTRY_VERIFY(history->HistoryNoticeLabel->isVisible());
        QVERIFY(history->HistoryNoticeLabel->text().contains("已另存为 history.db.damaged"));
        QTest::mouseClick(history->HistoryNoticeLabel, Qt::LeftButton);
        QVERIFY(!history->HistoryNoticeLabel->isVisible());
        form->GoRandButton->click();
        QVERIFY(history->Recorder()->Flush());
        QCoreApplication::processEvents();
        QVERIFY(!history->HistoryNoticeLabel->isVisible()); // said once
    }

    void speechTextPerProjectType_data()
    {
        QTest::addColumn<int>("pmode");
        QTest::addColumn<QString>("boxText");
        QTest::addColumn<QStringList>("results");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("language");
        QTest::newRow("roll-call") << 2 << "张三  李四" << QStringList{"张三", "李四"} << "张三  李四" << int(QLocale::Chinese);
        QTest::newRow("format text") << 2 << "请 张三 回答" << QStringList{"张三"} << "请 张三 回答" << int(QLocale::Chinese);
        QTest::newRow("numbers") << 1 << "17  42" << QStringList{"17", "42"} << "17  42" << int(QLocale::Chinese);
        QTest::newRow("English words") << 7 << "apple  pear" << QStringList{"apple", "pear"} << "apple  pear" << int(QLocale::English);
        QTest::newRow("arithmetic") << 11 << "3+4=(　)" << QStringList{"3+4=(　)"} << "3 加 4 等于 (　)" << int(QLocale::Chinese);
        QTest::newRow("negative") << 11 << "5×-2=" << QStringList{"5×-2="} << "5 乘 负2 等于" << int(QLocale::Chinese);
        QTest::newRow("quadratic") << 13 << "x^2-1=0" << QStringList{"x^2-1=0"} << "x的平方 减 1 等于 0" << int(QLocale::Chinese);
        QTest::newRow("password") << 6 << "aB3" << QStringList{"aB3", "9x"} << "a B 3, 9 x" << int(QLocale::English);
        QTest::newRow("digit password") << 6 << "123" << QStringList{"123"} << "1 2 3" << int(QLocale::Chinese);
        QTest::newRow("pictures") << 5 << "" << QStringList{"示例图片1", "示例图片2"} << "示例图片1，示例图片2" << int(QLocale::Chinese);
        QTest::newRow("blank") << 2 << "  " << QStringList{} << "" << int(QLocale::Chinese);
    }
    void speechTextPerProjectType()
    {
        QFETCH(int, pmode);
        QFETCH(QString, boxText);
        QFETCH(QStringList, results);
        QFETCH(QString, expected);
        QFETCH(int, language);
        const SpokenText text = SpeechTextFor(pmode, boxText, results);
        QCOMPARE(text.text, expected);
        QCOMPARE(int(text.language), language);
    }
};

QTEST_MAIN(HistoryWindowTest)
#include "test_history_window.moc"
