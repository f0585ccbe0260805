#pragma once

#include <QObject>
#include <QPointer>

#include <memory>

class QAction;
class QMenu;
class RecordController;
class TCommitmentForm;
class TRandForm;
class TVerifyForm;
class VerifiableDraw;

// The drawing window's verifiable draws. A project with the option "可验证抽取" shows its
// commitment before the first draw; every stopped draw is appended to the certificate in
// Certificates/ of the data folder; "结束并公开" or closing the window reveals the seed.
// After a reveal the next draws start a new commitment from the full lists. "验证证书…"
// is offered for every project, so anyone can check a certificate here.
// Lives as long as the window (a child of it).
class VerifiableController : public QObject
{
    Q_OBJECT
public:
    // `recordMenu` may be null (a project without a record box).
    VerifiableController(TRandForm &form, QMenu *recordMenu, bool verifiable);
    ~VerifiableController() override;

    // The draw of the current commitment; null for an ordinary project.
    VerifiableDraw *Draw() const { return m_draw.get(); }
    TCommitmentForm *CommitmentWindow() const;
    TVerifyForm *VerifyWindow() const;

    void Menu_CommitmentClick();
    void Menu_EndAndRevealClick();
    void Menu_VerifyClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void StartRound();
    void ShowCommitment();
    // Reveals the seed; false (after saying why) when the certificate could not be written.
    bool Reveal();

    TRandForm &m_form;
    std::unique_ptr<VerifiableDraw> m_draw;
    QPointer<TCommitmentForm> m_commitmentWindow;
    QPointer<TVerifyForm> m_verifyWindow;
    QAction *Menu_Commitment = nullptr;
    QAction *Menu_EndAndReveal = nullptr;
    QAction *Menu_VerifyCertificate;
};

// Gives the drawing window its verifiable draws (see VerifiableController). Call once
// after TRandForm::FormShow has built the window (any outcome but Ended).
VerifiableController *AttachVerifiableDraw(TRandForm &form, RecordController *record);
