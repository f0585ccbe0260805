#include "verifiablecontroller.h"

#include "apppaths.h"
#include "commitmentform.h"
#include "drawsession.h"
#include "encodedxml.h"
#include "messages.h"
#include "randform.h"
#include "recordcontroller.h"
#include "suiteerror.h"
#include "verifiabledraw.h"
#include "verifyform.h"

#include <QAction>
#include <QDir>
#include <QEvent>
#include <QMenu>

VerifiableController::VerifiableController(TRandForm &form, QMenu *recordMenu, bool verifiable)
    : QObject(&form), m_form(form)
{
    setObjectName(QStringLiteral("VerifiableController"));
    Menu_VerifyCertificate = new QAction(tr("验证证书…"), this);
    Menu_VerifyCertificate->setObjectName(QStringLiteral("Menu_VerifyCertificate"));
    connect(Menu_VerifyCertificate, &QAction::triggered, this, &VerifiableController::Menu_VerifyClick);
    QList<QAction *> actions{Menu_VerifyCertificate};
    if (verifiable) {
        Menu_Commitment = new QAction(tr("查看承诺…"), this);
        Menu_Commitment->setObjectName(QStringLiteral("Menu_Commitment"));
        Menu_EndAndReveal = new QAction(tr("结束并公开"), this);
        Menu_EndAndReveal->setObjectName(QStringLiteral("Menu_EndAndReveal"));
        connect(Menu_Commitment, &QAction::triggered, this, &VerifiableController::Menu_CommitmentClick);
        connect(Menu_EndAndReveal, &QAction::triggered, this, &VerifiableController::Menu_EndAndRevealClick);
        actions = {Menu_Commitment, Menu_EndAndReveal, Menu_VerifyCertificate};
    }
    for (QMenu *menu : {form.ShortCutLabel, recordMenu}) {
        if (!menu)
            continue;
        menu->addSeparator();
        menu->addActions(actions);
    }
    if (!verifiable)
        return;
    // Closing the window ends the draw: the seed is revealed with the certificate.
    connect(&form, &TRandForm::Closing, this, [this] {
        if (m_draw && !m_draw->Revealed())
            Reveal();
    });
    // A window waiting for its access password commits nothing until it opens.
    if (form.isVisible())
        StartRound();
    else
        form.installEventFilter(this);
}

// The window is gone first (this is its child), so the engine is not touched here.
VerifiableController::~VerifiableController() = default;

TCommitmentForm *VerifiableController::CommitmentWindow() const
{
    return m_commitmentWindow;
}

TVerifyForm *VerifiableController::VerifyWindow() const
{
    return m_verifyWindow;
}

void VerifiableController::StartRound()
{
    DrawSession &session = m_form.Session();
    const DrawProject &project = session.Project();
    DrawSettings settings;
    settings.pictureNameSetting = project.pictureNameSetting;
    settings.resultSeparator = project.resultSeparator;
    std::unique_ptr<VerifiableDraw> draw;
    try {
        draw = std::make_unique<VerifiableDraw>(project.name, project.pmode, project.query, settings);
    } catch (const SuiteError &error) {
        ShowError(&m_form, tr("无法进行可验证抽取"), error.message());
        return;
    }
    // The engine lets go of the previous draw before it is destroyed.
    draw->Attach(session.Engine());
    if (m_draw) {
        // A new commitment draws from the full lists, as its replay will.
        try {
            session.Open(DrawProject(project), DrawSession::Preparation::Now);
        } catch (const SuiteError &) {
            // The first draw is refused with this message, and the certificate says so.
        }
    }
    m_draw = std::move(draw);
    try {
        m_draw->KeepCertificateAt(NewCertificatePath(CertificatesDir(), project.name));
    } catch (const SuiteError &error) {
        ShowWarning(&m_form, tr("证书无法保存"),
                    error.message() + tr("\n抽取仍可进行，但窗口意外关闭时抽取记录会丢失。"));
    }
    ShowCommitment();
}

bool VerifiableController::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_form && event->type() == QEvent::Show) {
        m_form.removeEventFilter(this);
        StartRound();
    }
    return QObject::eventFilter(watched, event);
}

void VerifiableController::ShowCommitment()
{
    if (!m_draw)
        return;
    if (m_commitmentWindow)
        m_commitmentWindow->close();
    m_commitmentWindow = new TCommitmentForm(*m_draw, &m_form);
    m_commitmentWindow->open();
}

void VerifiableController::Menu_CommitmentClick()
{
    ShowCommitment();
}

bool VerifiableController::Reveal()
{
    try {
        m_draw->Reveal();
    } catch (const SuiteError &error) {
        ShowError(&m_form, tr("证书无法保存"), error.message());
        return false;
    }
    return true;
}

void VerifiableController::Menu_EndAndRevealClick()
{
    if (!m_draw)
        return;
    // A running draw ends first: its result belongs to this certificate.
    if (m_form.InDraw())
        m_form.StopDraw();
    if (!Reveal())
        return;
    ShowInformation(&m_form, tr("结束并公开"),
                    tr("种子已经公开，证书保存在：\n%1\n\n承诺指纹：%2\n观众可以用“验证证书…”或 "
                                   "Dellamy --verify 核对这份证书。接下来的抽取将使用新的承诺。")
                        .arg(QDir::toNativeSeparators(m_draw->CertificatePath()), m_draw->FingerprintText()));
    StartRound();
}

void VerifiableController::Menu_VerifyClick()
{
    if (m_verifyWindow) {
        m_verifyWindow->raise();
        return;
    }
    m_verifyWindow = new TVerifyForm(&m_form);
    m_verifyWindow->show();
    m_verifyWindow->ChooseCertificateClick();
}

VerifiableController *AttachVerifiableDraw(TRandForm &form, RecordController *record)
{
    bool verifiable = false;
    try {
        verifiable = ReadVerifiableOption(LoadEncodedDocument(form.ProjectPath()));
    } catch (const SuiteError &) {
        // The window has just loaded this file; should it have gone meanwhile, the draw is
        // an ordinary one.
    }
    return new VerifiableController(form, record ? record->RandMenu() : nullptr, verifiable && form.ProjectType() != 6);
}
