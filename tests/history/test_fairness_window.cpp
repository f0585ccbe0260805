// Fair turns in the drawing window: a rotation through the window's draws says
// "新一轮开始" once, an absent result is redrawn in its slot alone (box and record), marks
// by key reach the history and its window, the fallback line without history, and the
// fairness table.
#include "apppaths.h"
#include "codec.h"
#include "domutil.h"
#include "encodedxml.h"
#include "fairnesscontroller.h"
#include "fairitemproject.h"
#include "fairnessform.h"
#include "handoff.h"
#include "historycontroller.h"
#include "historyform.h"
#include "historyrecorder.h"
#include "messages.h"
#include "randform.h"
#include "sessionfairness.h"
#include "recordcontroller.h"
#include "recordintegration.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The sample roll-call with `names`, `count` a draw, no animation, a result box that
// can be selected in, and the fair choice given.
QDomDocument RollCall(const QString &names, int count, const QString &fair)
{
    QFile file(SUITE_SOURCE_DIR "/data/Demo/2.RandName.xml");
    file.open(QIODevice::ReadOnly);
    QDomDocument document = ParseXmlText(QString::fromUtf8(file.readAll()), file.fileName());
    ChildElement(document.documentElement(), "Animate").setAttribute("InRand", "否");
    ChildElement(ChildElement(document.documentElement(), "Form"), "RandBox").setAttribute("Type", "Edit");
    QDomElement query = ChildElement(ChildElement(ChildElement(document.documentElement(), "RandQuery"), "Rand"), "Query");
    query.setAttribute("PosSetAble", "否");
    query.setAttribute("Lists", names);
    query.setAttribute("RanCount", QString::number(count));
    query.setAttribute("Fair", fair);
    return document;
}

} // namespace

class FairnessWindowTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<TRandForm> form;
    HistoryController *history = nullptr;
    FairnessController *fairness = nullptr;
    QList<ShownMessage> messages;

    void Start(const QDomDocument &document)
    {
        SaveEncodedDocument(document, ProjectFilePath("点名"));
        WriteEditProject(0, "点名");
        form = std::make_unique<TRandForm>();
        QCOMPARE(form->FormShow(), TRandForm::StartupOutcome::Shown);
        RecordController *record = AttachRecordTools(*form);
        history = AttachHistoryTools(*form, record);
        fairness = AttachFairnessTools(*form, record ? record->RandMenu() : nullptr, history);
    }
    QString BoxText() const { return form->RandBoxEdit->text(); }

private slots:
    void initTestCase() { QVERIFY(BindCodec(SUITE_APP_DIR)); }
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        SetAppDir(dir->path());
        QDir(dir->path()).mkpath("Data/Projects");
        messages.clear();
        SetMessageHandler([this](const ShownMessage &message) {
            messages << message;
            return QMessageBox::Yes;
        });
    }
    void cleanup()
    {
        form.reset();
        SetMessageHandler({});
    }

    void rotationRunsThroughTheWindowAndSaysSoOnce()
    {
        Start(RollCall("甲 乙 丙 丁", 1, "轮换"));
        QVERIFY(fairness->Menu_RestartRound->isEnabled());
        QStringList drawn;
        for (int i = 0; i < 4; ++i) {
            form->GoRandButton->click();
            drawn << BoxText();
            QCOMPARE(fairness->NoticeLine()->isVisible(), i == 3);
        }
        QCOMPARE(QSet<QString>(drawn.cbegin(), drawn.cend()).size(), 4);
        QVERIFY(fairness->NoticeLine()->text().contains("新一轮开始"));
        fairness->NoticeLine()->hide();
        form->GoRandButton->click();
        QVERIFY(!fairness->NoticeLine()->isVisible());
    }

    void absentSlotIsRedrawnAloneAndMarksAreKept()
    {
        Start(RollCall("甲 乙 丙 丁 戊 己", 3, "轮换"));
        form->GoRandButton->click();
        const QStringList before = fairness->ShownResults();
        QCOMPARE(before.size(), 3);
        const QString recordBefore = form->RecordText();

        QVERIFY(fairness->MarkSlot(1, "缺席"));
        const QStringList after = fairness->ShownResults();
        QCOMPARE(after.at(0), before.at(0));
        QCOMPARE(after.at(2), before.at(2));
        QVERIFY(!before.contains(after.at(1)));
        QVERIFY(BoxText().contains(after.at(1)) && !BoxText().contains(before.at(1)));
        QVERIFY(form->RecordText().contains(after.at(1)));
        QCOMPARE(form->RecordText().size(), recordBefore.size()); // the record was changed, not extended

        // Key 2 with the first result selected marks it "已回答".
        const QList<std::pair<int, int>> spans = ResultSpans(BoxText(), after);
        form->RandBoxEdit->setSelection(spans.at(0).first, spans.at(0).second);
        QTest::keyClick(form->RandBoxEdit, Qt::Key_2);
        QVERIFY(fairness->NoticeLine()->text().contains(after.at(0) + "：已回答"));

        QVERIFY(history->Recorder()->Flush());
        FairnessStore store(HistoryDatabasePath(), "点名");
        const QList<DrawMark> marks = store.Marks({"点名", {}, {}});
        QCOMPARE(marks.size(), 2);
        QCOMPARE(CountMarks(marks)[before.at(1)]["缺席"], 1);
        QCOMPARE(CountMarks(marks)[after.at(0)]["已回答"], 1);
        // The absent one keeps the turn: still due in this round.
        QVERIFY(!store.ReadRotation()->Taken().contains(before.at(1)));

        history->Menu_HistoryClick();
        auto *grid = history->HistoryWindow()->findChild<QTableView *>("CountGrid");
        QVERIFY(grid);
        const int absentColumn = 2; // 结果, 次数, then the marks in key order
        QCOMPARE(grid->model()->headerData(absentColumn, Qt::Horizontal).toString(), "缺席");
        bool found = false;
        for (int row = 0; row < grid->model()->rowCount(); ++row) {
            if (grid->model()->index(row, 0).data().toString() == before.at(1))
                found = grid->model()->index(row, absentColumn).data().toInt() == 1;
        }
        QVERIFY(found);
        auto *draws = history->HistoryWindow()->findChild<QTableView *>("DrawGrid");
        const int resultsColumn = draws->model()->columnCount() - 1;
        QVERIFY(draws->model()->index(1, resultsColumn).data().toString().contains(before.at(1) + "（缺席）"));
    }

    void rotatingItemsOfACustomProjectRestartAndAreChecked()
    {
        Start(FairItemProject("甲 乙 丙", "x y", {"名"}));
        QVERIFY(fairness->Menu_RestartRound->isEnabled());
        form->GoRandButton->click();
        FairnessStore names(HistoryDatabasePath(), ItemFairnessKey("点名", "名"), FairnessStore::Counting::OwnTurns);
        QCOMPARE(names.ReadRotation()->Taken().size(), 1);
        fairness->Menu_RestartRound->trigger();
        QVERIFY(fairness->NoticeLine()->text().contains("新一轮开始"));
        QVERIFY(names.ReadRotation()->Taken().isEmpty());

        // The check looks at the item's own list and turns.
        form->GoRandButton->click();
        fairness->Menu_FairnessCheck->trigger();
        TFairnessForm *check = fairness->FairnessWindow();
        QVERIFY(check && check->FairItemChoice);
        QCOMPARE(check->FairItemChoice->currentText(), "名");
        QCOMPARE(check->FairnessTableView->rowCount(), 3);
        QVERIFY2(check->FairSummary->text().contains("历史 2 次"), qPrintable(check->FairSummary->text()));
    }

    void withoutHistoryDrawsArePlainAndSaySo()
    {
        QFile ini(AppDir() + "Soft.ini");
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[History]\nKeep=否\n");
        ini.close();
        Start(RollCall("甲 乙 丙", 1, "均衡"));
        QTRY_VERIFY(fairness->NoticeLine()->isVisible());
        QVERIFY(fairness->NoticeLine()->text().contains("按“普通”方式进行"));
        QCOMPARE(fairness->Fairness().InUse(), FairMode::Plain);
        QVERIFY(!fairness->Menu_RestartRound->isEnabled());
    }

    void fairnessTableFillsForTheProject()
    {
        Start(RollCall("甲 乙 丙 丁", 1, "轮换"));
        form->GoRandButton->click();
        QVERIFY(history->Recorder()->Flush());
        fairness->Menu_FairnessCheck->trigger();
        TFairnessForm *check = fairness->FairnessWindow();
        QVERIFY(check);
        QCOMPARE(check->FairnessTableView->rowCount(), 4);
        QVERIFY(check->FairSummary->text().contains("最久未被抽到"));
        check->FairDrawsValue->setValue(40);
        check->CheckClick();
        for (int row = 0; row < 4; ++row)
            QCOMPARE(check->FairnessTableView->item(row, 1)->data(Qt::UserRole).toDouble(), 10.0);
    }
};

QTEST_MAIN(FairnessWindowTest)
#include "test_fairness_window.moc"
