// The drawing window's verifiable draws: the commitment screen before the first draw,
// the certificate kept while drawing, "结束并公开" and closing the window, and the verify
// window.
#include "apppaths.h"
#include "calclibrary.h"
#include "certificatecheck.h"
#include "codec.h"
#include "commitmentform.h"
#include "domutil.h"
#include "encodedxml.h"
#include "handoff.h"
#include "messages.h"
#include "randform.h"
#include "recordintegration.h"
#include "textfile.h"
#include "verifiablecontroller.h"
#include "verifiabledraw.h"
#include "verifyform.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The one-prize lottery's starting document, animated and stopped by the draw button.
QDomDocument LotteryDocument(bool verifiable)
{
    QFile file(QStringLiteral(SUITE_SOURCE_DIR "/data/Demo/9.RandAward(One).xml"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QDomDocument document = ParseXmlText(QString::fromUtf8(file.readAll()), file.fileName());
    QDomElement animate = ChildElement(document.documentElement(), "Animate");
    animate.setAttribute("InRand", "是");
    QDomElement inRand = ChildElement(animate, "InRand");
    inRand.setAttribute("IntervalValue", "2");
    inRand.setAttribute("IntervalUnit", "毫秒");
    ChildElement(inRand, "RandStopSet").setAttribute("Type", "Button");
    WriteVerifiableOption(document, verifiable);
    return document;
}

QStringList Certificates()
{
    return QDir(CertificatesDir()).entryList({QStringLiteral("*.zcert")}, QDir::Files, QDir::Name);
}

} // namespace

class VerifiableWindowTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TRandForm> m_form;
    QList<ShownMessage> m_messages;

    VerifiableController *Open(bool verifiable)
    {
        const QString name = QStringLiteral("公开抽奖");
        SaveEncodedDocument(LotteryDocument(verifiable), ProjectFilePath(name));
        WriteEditProject(0, name);
        m_form = std::make_unique<TRandForm>();
        if (m_form->FormShow() != TRandForm::StartupOutcome::Shown) {
            for (const ShownMessage &message : std::as_const(m_messages))
                qWarning() << message.caption << message.text;
            return nullptr;
        }
        return AttachVerifiableDraw(*m_form, AttachRecordTools(*m_form));
    }
    void DrawAnimated()
    {
        m_form->GoRandButtonClick();
        QVERIFY(m_form->InDraw());
        QTRY_VERIFY(m_form->FramesShown() >= 3);
        m_form->StopDraw();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(BindCodec(SUITE_APP_DIR));
        BindCalcLibrary(SUITE_APP_DIR);
    }
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        SetAppDir(m_dir->path());
        QDir(m_dir->path()).mkpath("Data/Projects");
        m_messages.clear();
        SetMessageHandler([this](const ShownMessage &message) {
            m_messages.append(message);
            return QMessageBox::Ok;
        });
    }
    void cleanup()
    {
        m_form.reset();
        SetMessageHandler({});
    }

    void commitmentFirstThenCertificateRevealedAtTheEnd()
    {
        VerifiableController *controller = Open(true);
        QVERIFY(controller && controller->Draw());
        TCommitmentForm *commitment = controller->CommitmentWindow();
        QVERIFY(commitment && commitment->isVisible());
        const QString fingerprint = controller->Draw()->FingerprintText();
        QCOMPARE(commitment->Fingerprint->text(), fingerprint);
        QVERIFY(!commitment->CommitmentQr->pixmap().isNull());
        QVERIFY(commitment->findChild<QLabel *>("PublishHint")->text().contains("请在抽取前公布此指纹"));

        // The public numbers come after the commitment was shown.
        commitment->PublicNumbers->setText(QStringLiteral("07 12 30"));
        commitment->StartDraws->click();
        QTRY_VERIFY(!controller->CommitmentWindow());
        QCOMPARE(controller->Draw()->PublicNumbers(), QStringLiteral("07 12 30"));

        DrawAnimated();
        DrawAnimated();
        // As a window killed now would leave it: the batches so far and the private seed.
        const QString path = controller->Draw()->CertificatePath();
        QCOMPARE(Certificates().size(), 1);
        QVERIFY(QFile::exists(VerifiableDraw::SeedFilePath(path)));
        QVERIFY(!CheckCertificateFile(path).consistent);

        m_form->findChild<QAction *>("Menu_EndAndReveal")->trigger();
        QCOMPARE(m_messages.size(), 1);
        QVERIFY(m_messages.first().text.contains(fingerprint));
        const CertificateCheck check = CheckCertificateFile(path);
        QVERIFY2(check.consistent, qPrintable(check.difference));
        QCOMPARE(check.batches, 2);
        QCOMPARE(check.fingerprint, fingerprint);
        QVERIFY(!QFile::exists(VerifiableDraw::SeedFilePath(path)));

        // The next draws are under a new commitment, shown at once; closing reveals it.
        QVERIFY(controller->Draw()->FingerprintText() != fingerprint);
        QTRY_VERIFY(controller->CommitmentWindow() && controller->CommitmentWindow()->isVisible());
        controller->CommitmentWindow()->StartDraws->click();
        DrawAnimated();
        const QString second = controller->Draw()->CertificatePath();
        m_form->close();
        QCOMPARE(Certificates().size(), 2);
        const CertificateCheck closed = CheckCertificateFile(second);
        QVERIFY2(closed.consistent, qPrintable(closed.difference));
        QCOMPARE(closed.batches, 1);

        // The verify window names what an edit changed.
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QByteArray text = file.readAll();
        text.replace("\"07 12 30\"", "\"07 12 31\"");
        const QString edited = m_dir->filePath("改过.zcert");
        WriteFileAtomically(edited, text);
        TVerifyForm verify;
        verify.ShowCheckOf(edited);
        QCOMPARE(verify.VerifyVerdict->text(), QStringLiteral("不一致"));
        QVERIFY(verify.VerifyDetails->text().contains(QStringLiteral("第 1 次抽取")));
        verify.ShowCheckOf(path);
        QCOMPARE(verify.VerifyVerdict->text(), QStringLiteral("一致"));
        QVERIFY(verify.VerifyFingerprint->text().contains(fingerprint));
    }

    void ordinaryProjectsOnlyOfferTheCheck()
    {
        VerifiableController *controller = Open(false);
        QVERIFY(controller && !controller->Draw() && !controller->CommitmentWindow());
        QVERIFY(m_form->findChild<QAction *>("Menu_VerifyCertificate"));
        QVERIFY(!m_form->findChild<QAction *>("Menu_EndAndReveal"));
        m_form->GoRandButtonClick();
        m_form->StopDraw();
        m_form->close();
        QVERIFY(Certificates().isEmpty());
    }
};

QTEST_MAIN(VerifiableWindowTest)
#include "tst_verifiablewindow.moc"
