// The phone remote in the drawing window: a phone's commands run the window's own
// draw, the page sees what the window shows, a phone marks a result absent as the window
// does, and the menu's dialog.
#include "apppaths.h"
#include "codec.h"
#include "fairnesscontroller.h"
#include "historycontroller.h"
#include "messages.h"
#include "randform.h"
#include "recordcontroller.h"
#include "recordintegration.h"
#include "remotecontrol.h"
#include "remotedialog.h"
#include "remotephone.h"
#include "runwindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QJsonArray>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <memory>

namespace {

// An animated roll-call that the draw button stops, shipped with the suite.
const QString kProject = QStringLiteral("课堂点名");

} // namespace

class TestRemoteWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TRandForm> m_form;
    RemoteControl *m_remote = nullptr;
    FairnessController *m_fairness = nullptr;
    QList<ShownMessage> m_messages;
    QMessageBox::StandardButton m_answer = QMessageBox::Yes;

private slots:
    void initTestCase()
    {
        QVERIFY(BindCodec(SUITE_APP_DIR));
    }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        SetAppDir(m_dir->path());
        QDir(m_dir->path()).mkpath("Data/Projects");
        QVERIFY(QFile::copy(QStringLiteral(SUITE_APP_DIR "/Data/Projects/%1.rpj").arg(kProject),
                            ProjectFilePath(kProject)));
        m_messages.clear();
        SetMessageHandler([this](const ShownMessage &message) {
            m_messages << message;
            return m_answer;
        });
        m_form = std::make_unique<TRandForm>();
        QCOMPARE(m_form->FormShow(kProject), TRandForm::StartupOutcome::Shown);
        // As the program attaches them.
        RecordController *record = AttachRecordTools(*m_form);
        m_fairness = AttachFairnessTools(*m_form, record ? record->RandMenu() : nullptr, AttachHistoryTools(*m_form, record));
        m_remote = AttachRemoteControl(*m_form, m_fairness);
        m_remote->SetAddressChooser([] { return QHostAddress(QHostAddress::LocalHost); });
    }

    void EnableOnLoopback()
    {
        QString failure;
        QVERIFY2(m_remote->Enable(QHostAddress::LocalHost, &failure), qPrintable(failure));
    }

    void cleanup()
    {
        m_form.reset();
        SetMessageHandler({});
    }

    void phoneRunsTheWindowsDraw()
    {
        EnableOnLoopback();
        Phone phone(m_remote->Server().PageUrl());
        QVERIFY(phone.Greet("teacher-phone-01"));
        QVERIFY(phone.Last("state")->value("title").toString().contains(kProject));
        const auto *sign = m_form->findChild<QWidget *>("RemotePhoneSign");
        QVERIFY(sign && sign->isVisible());
        QVERIFY(!m_form->findChild<QLabel *>("RemotePhoneName")->text().isEmpty());

        phone.Send({{"type", "command"}, {"command", "start"}});
        QTRY_VERIFY(m_form->InDraw());
        QTRY_VERIFY(phone.Last("state")->value("drawing").toBool());
        QTRY_VERIFY(m_form->FramesShown() > 0);
        phone.Send({{"type", "command"}, {"command", "stop"}});
        QTRY_VERIFY(!m_form->InDraw());
        QTRY_VERIFY(!phone.Last("state")->value("drawing").toBool());

        const QString shown = phone.Last("state")->value("results").toString();
        QVERIFY(!shown.isEmpty());
        QVERIFY(m_form->RandRecordMemo->toPlainText().contains(shown));

        // A phone that goes away takes the sign with it.
        phone.Socket().abort();
        QTRY_VERIFY(!sign->isVisible());
    }

    void phoneMarksAResultAbsent()
    {
        EnableOnLoopback();
        Phone phone(m_remote->Server().PageUrl());
        QVERIFY(phone.Greet("teacher-phone-02"));
        QVERIFY(phone.Last("state")->value("markable").toArray().isEmpty()); // nothing drawn yet
        phone.Send({{"type", "command"}, {"command", "start"}});
        QTRY_VERIFY(m_form->FramesShown() > 0);
        phone.Send({{"type", "command"}, {"command", "stop"}});
        QTRY_VERIFY(!m_form->InDraw());
        QTRY_COMPARE(phone.Last("state")->value("markable").toArray().size(), 1);
        const QString absent = phone.Last("state")->value("markable").toArray().first().toString();
        QCOMPARE(m_fairness->ShownResults(), QStringList{absent});

        // A slot the page never offered is not obeyed.
        phone.Send({{"type", "command"}, {"command", "absent"}, {"slot", 3}});
        QVERIFY(phone.WaitFor("notice"));
        QCOMPARE(m_fairness->ShownResults(), QStringList{absent});

        // The slot is drawn again through the window's own mark: box, record and phone.
        phone.Send({{"type", "command"}, {"command", "absent"}, {"slot", 0}});
        QTRY_VERIFY(m_fairness->ShownResults() != QStringList{absent});
        const QString replacement = m_fairness->ShownResults().first();
        QTRY_COMPARE(phone.Last("state")->value("markable").toArray().first().toString(), replacement);
        QVERIFY(phone.Last("state")->value("results").toString().contains(replacement));
        QVERIFY(m_fairness->NoticeLine()->text().contains(QStringLiteral("%1 缺席 → %2").arg(absent, replacement)));
        QVERIFY(m_form->RandRecordMemo->toPlainText().contains(replacement));
    }

    // The person at the computer answers an open box first: a draw started beneath it
    // would run into it.
    void commandsWaitWhileABoxIsOpen()
    {
        EnableOnLoopback();
        Phone phone(m_remote->Server().PageUrl());
        QVERIFY(phone.Greet("teacher-phone-01"));
        QDialog box(m_form.get());
        box.setWindowModality(Qt::ApplicationModal);
        box.show();
        phone.Send({{"type", "command"}, {"command", "start"}});
        QVERIFY(phone.WaitFor("notice"));
        QVERIFY(!m_form->InDraw());
        box.close();
        phone.Send({{"type", "command"}, {"command", "start"}});
        QTRY_VERIFY(m_form->InDraw());
    }

    void menuAsksOnceThenShowsTheCode()
    {
        QAction *entry = m_form->findChild<QAction *>("Menu_Remote");
        QVERIFY(entry && m_form->ShortCutLabel->actions().contains(entry));
        QCOMPARE(entry->text(), QStringLiteral("手机遥控…"));

        m_answer = QMessageBox::No;
        entry->trigger();
        QCOMPARE(m_messages.size(), 1);
        QVERIFY(!m_remote->Dialog());

        m_answer = QMessageBox::Yes;
        entry->trigger();
        RemoteDialog *dialog = m_remote->Dialog();
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->RemoteAddressLabel->text(), m_remote->Server().PageUrl().toString());
        QVERIFY(!dialog->QrCodeLabel->pixmap().isNull());
        entry->trigger();
        QCOMPARE(m_messages.size(), 2); // asked once

        dialog->AllowSeveralDevicesCheck->click();
        QVERIFY(m_remote->Server().SeveralDevicesAllowed());

        Phone phone(m_remote->Server().PageUrl());
        QVERIFY(phone.WaitConnected());
        dialog->StopRemoteButton->click();
        QVERIFY(phone.WaitClosed());
        QVERIFY(!m_remote->Server().IsRunning());
        QVERIFY(dialog->QrCodeLabel->isHidden());
        QVERIFY(!dialog->StopRemoteButton->isEnabled());

        // Without a network address the dialog says so instead of showing a code.
        m_remote->SetAddressChooser([] { return std::optional<QHostAddress>(); });
        entry->trigger();
        QVERIFY(!m_remote->Server().IsRunning());
        QVERIFY(dialog->QrCodeLabel->isHidden());
        QVERIFY(dialog->RemoteAddressLabel->text().contains(QStringLiteral("局域网")));
        QCOMPARE(m_messages.size(), 2);
    }

    void windowArguments()
    {
        QString failure;
        const auto parsed = ParseWindowArguments({"--project", "课堂点名", "--remote", "127.0.0.1"}, &failure);
        QVERIFY(parsed && parsed->remote);
        QCOMPARE(parsed->projectName, QStringLiteral("课堂点名"));
        QCOMPARE(*parsed->remoteAddress, QHostAddress(QHostAddress::LocalHost));
        const auto bare = ParseWindowArguments({"--remote", "--appdir", "/tmp/x"}, &failure);
        QVERIFY(bare && bare->remote && !bare->remoteAddress);
        QCOMPARE(bare->appDir, QStringLiteral("/tmp/x"));
        for (const QStringList &bad : {QStringList{"--remote", "not-an-address"}, QStringList{"--project"},
                                       QStringList{"--remote", "--json"}}) {
            QVERIFY(!ParseWindowArguments(bad, &failure));
            QVERIFY(!failure.isEmpty());
        }
    }
};

QTEST_MAIN(TestRemoteWindow)
#include "test_remote_window.moc"
