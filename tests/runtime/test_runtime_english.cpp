// The drawing window's program in English: its menus and every window it opens speak
// English, while project names and stored values stay what they are.
#include "apppaths.h"
#include "codec.h"
#include "commitmentform.h"
#include "displaysection.h"
#include "domutil.h"
#include "encodedxml.h"
#include "englishapplication.h"
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

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

namespace {

const QString kProject = QStringLiteral("抽号");

// The texts a user reads on a window that are Chinese, each with where it sits (and
// labels that would show their mnemonic's "&" for want of a buddy); `data` are texts
// that come from the user's own files (project names) and may be Chinese.
QStringList ChineseTexts(QWidget *window, const QStringList &data = {})
{
    static const QRegularExpression chinese(QStringLiteral("[\\x{3000}-\\x{303f}\\x{4e00}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));
    QStringList found;
    auto check = [&](const QString &where, QString text) {
        for (const QString &item : data)
            text.remove(item);
        if (text.contains(chinese))
            found << where + QStringLiteral(": ") + text;
    };
    check(QStringLiteral("title"), window->windowTitle());
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    for (QWidget *widget : std::as_const(widgets)) {
        const QString where = widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                                             : widget->objectName();
        check(where + QStringLiteral(" tooltip"), widget->toolTip());
        check(where + QStringLiteral(" accessible name"), widget->accessibleName());
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            check(where, label->text());
            if (!label->buddy() && label->textFormat() != Qt::RichText && label->text().remove(QStringLiteral("&&")).contains(QLatin1Char('&')))
                found << where + QStringLiteral(" shows its mnemonic: ") + label->text();
        }
        else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            check(where, button->text());
        else if (auto *edit = qobject_cast<QLineEdit *>(widget))
            check(where, edit->placeholderText());
        else if (auto *box = qobject_cast<QComboBox *>(widget))
            for (int i = 0; i < box->count(); ++i)
                check(where, box->itemText(i));
        else if (auto *tabs = qobject_cast<QTabWidget *>(widget))
            for (int i = 0; i < tabs->count(); ++i)
                check(where, tabs->tabText(i));
        else if (auto *header = qobject_cast<QHeaderView *>(widget); header && header->model())
            for (int i = 0; i < header->count(); ++i)
                check(where, header->model()->headerData(i, header->orientation()).toString());
        for (QAction *action : widget->actions())
            check(where + QStringLiteral(" action"), action->text());
    }
    return found;
}

QDomDocument NumbersProject()
{
    QFile file(QStringLiteral(SUITE_SOURCE_DIR "/data/Demo/1.RandRangeNum.xml"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("demo project missing");
    QDomDocument document = ParseXmlText(QString::fromUtf8(file.readAll()), file.fileName());
    ChildElement(document.documentElement(), "Animate").setAttribute("InRand", "否");
    return document;
}

QueryParams LotteryQuery()
{
    QueryParams query = DefaultQueryParams(9);
    query[QueryParamIndex(9, QStringLiteral("Lists"))] = QStringLiteral("甲 乙 丙 丁");
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
        SetMessageHandler([](const ShownMessage &message) {
            qWarning("unexpected message: %s", qPrintable(message.text));
            return QMessageBox::Ok;
        });
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
        const QStringList designed = {kProject, form.windowTitle(), form.TitleLabel->text(), form.GoRandButton->text(),
                                      form.findChild<QLabel *>(QStringLiteral("Remark1"))->text()};
        QStringList chinese = ChineseTexts(&form, designed);
        for (QMenu *menu : form.findChildren<QMenu *>())
            chinese += ChineseTexts(menu, designed);
        QVERIFY2(chinese.isEmpty(), qPrintable(chinese.join(QLatin1Char('\n'))));
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
            // Stored values: the history setting's "否", the fair mode's name and the
            // names of marks, which the history keeps as they were given.
            const QStringList stored = QStringList{kProject, QStringLiteral("公开抽奖"), QStringLiteral("否"),
                                                   FairModeText(FairMode::Plain)} + MarkTexts();
            const QStringList chinese = ChineseTexts(window, stored);
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
        QStringList chinese = ChineseTexts(&bar, {kProject});
        for (QMenu *menu : bar.findChildren<QMenu *>())
            chinese += ChineseTexts(menu, {kProject});
        QVERIFY2(chinese.isEmpty(), qPrintable(chinese.join(QLatin1Char('\n'))));
    }

    void cleanupTestCase() { SetMessageHandler({}); }
};

int main(int argc, char **argv)
{
    return RunInEnglish<TestRuntimeEnglish>(argc, argv);
}

#include "test_runtime_english.moc"
