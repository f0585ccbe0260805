// The drawing window's program in English: its menus and every window it opens speak
// English, while project names and stored values stay what they are.
#include "unexpectedmessages.h"
#include "apppaths.h"
#include "codec.h"
#include "commitmentform.h"
#include "displaysection.h"
#include "domutil.h"
#include "encodedxml.h"
#include "englishapplication.h"
#include "englishtexts.h"
#include "fairnesscontroller.h"
#include "fairnessform.h"
#include "fairnessstore.h"
#include "fairsettings.h"
#include "globalkey.h"
#include "handoff.h"
#include "historycontroller.h"
#include "historyform.h"
#include "messages.h"
#include "querysection.h"
#include "quickdrawbar.h"
#include "randform.h"
#include "recordcontroller.h"
#include "recordintegration.h"
#include "remotecontrol.h"
#include "remotedialog.h"
#include "speechform.h"
#include "verifiablecontroller.h"
#include "verifiabledraw.h"
#include "verifyform.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

namespace {

const QString kProject = QStringLiteral("抽号");

QDomDocument NumbersProject()
{
    QFile file(QStringLiteral(SUITE_SOURCE_DIR "/data/Demo/1.RandRangeNum.xml"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("demo project missing");
    QDomDocument document = ParseXmlText(QString::fromUtf8(file.readAll()), file.fileName());
    ChildElement(document.documentElement(), "Animate").setAttribute("InRand", "否");
    return document;
}

QStringList LotteryNames()
{
    return {QStringLiteral("甲"), QStringLiteral("乙"), QStringLiteral("丙"), QStringLiteral("丁")};
}

QueryParams LotteryQuery()
{
    QueryParams query = DefaultQueryParams(9);
    query[QueryParamIndex(9, QStringLiteral("Lists"))] = LotteryNames().join(QLatin1Char(' '));
    return query;
}

} // namespace

class TestRuntimeEnglish : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(BindCodec(SUITE_APP_DIR));
        LogUnexpectedMessages();
        QDir(AppDir()).mkpath(QStringLiteral("Data/Projects"));
        SaveEncodedDocument(NumbersProject(), ProjectFilePath(kProject));
        WriteEditProject(0, kProject);
    }

    // The window's own menu with the history, speech, remote, fairness and certificate
    // commands the program adds to it.
    void drawingWindowMenus()
    {
        TRandForm form;
        QCOMPARE(form.FormShow(), TRandForm::StartupOutcome::Shown);
        RecordController *record = AttachRecordTools(form);
        AttachFairnessTools(form, record->RandMenu(), AttachHistoryTools(form, record));
        AttachVerifiableDraw(form, record);
        AttachRemoteControl(form);
        QCOMPARE(form.findChild<QAction *>(QStringLiteral("Menu_Remote"))->text(), QStringLiteral("Phone Remote…"));
        QCOMPARE(form.findChild<QAction *>(QStringLiteral("Menu_VerifyCertificate"))->text(),
                 QStringLiteral("Verify Certificate…"));
        // The title, button caption and notes are the project's own texts.
        VERIFY_ENGLISH(&form, {form.TitleLabel, form.GoRandButton, form.findChild<QLabel *>(QStringLiteral("Remark1"))},
                       {kProject, form.windowTitle()});
    }

    void dialogsSpeakEnglish()
    {
        THistoryForm history(HistoryDatabasePath(), kProject, QString(), false);
        TSpeechForm speech(SpeechSettings{}, [](int, int) {});
        RemoteDialog remote;
        remote.ShowDevices({});
        // These two delete themselves when closed.
        auto *verify = new TVerifyForm;
        VerifiableDraw draw(QStringLiteral("公开抽奖"), 9, LotteryQuery(), DrawSettings{});
        auto *commitment = new TCommitmentForm(draw, nullptr);
        TFairnessForm fairness(QStringLiteral("公开抽奖"), 9, LotteryQuery(), FairSettings{});
        const QList<std::pair<QPointer<QWidget>, QString>> windows = {
            {&history, "Draw History"},  {&speech, "Speech Settings"},
            {&remote, "Phone Remote"},   {verify, "Verify Certificate"},
            {commitment, "Verifiable Draw — Commitment"}, {&fairness, "Fairness Check - 公开抽奖"}};
        for (const auto &[window, title] : windows) {
            window->show();
            QCOMPARE(window->windowTitle(), title);
            // The user's names and stored values: the history setting's "否", the fair
            // mode's name and the names of marks, which the history keeps as given.
            const QStringList stored = QStringList{kProject, QStringLiteral("公开抽奖"), QStringLiteral("否"),
                                                   FairModeText(FairMode::Plain)}
                                     + LotteryNames() + MarkTexts();
            const QStringList chinese = ChineseTexts(window, {}, stored);
            QVERIFY2(chinese.isEmpty(), qPrintable(title + QLatin1Char('\n') + chinese.join(QLatin1Char('\n'))));
        }
        QCOMPARE(history.findChild<QComboBox *>(QStringLiteral("ProjectBox"))->itemText(0), QStringLiteral("All projects"));
        // Every one of them leaves by Esc, the verify window too, which is no dialog.
        for (const auto &[window, title] : windows) {
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window));
            QTest::keyClick(window, Qt::Key_Escape);
            QVERIFY2(!window || !window->isVisible(), qPrintable(title));
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The bar's menu; its "key unavailable" line names the platform in English too.
    void quickDrawBarMenu()
    {
        QuickDrawBar bar(CreateGlobalKeySource());
        bar.show();
        bar.OpenProject(kProject);
        QCOMPARE(bar.BarMenu()->findChild<QAction *>(QStringLiteral("Menu_Quit"))->text(), QStringLiteral("Quit"));
        VERIFY_ENGLISH(&bar, {}, {kProject});
    }

    void cleanupTestCase() { SetMessageHandler({}); }
};

int main(int argc, char **argv)
{
    return RunInEnglish<TestRuntimeEnglish>(argc, argv);
}

#include "test_runtime_english.moc"
