#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class VerifiableDraw;

// The commitment screen of a verifiable draw, shown before the first draw: the
// fingerprint to publish, a QR code of the whole commitment, "保存承诺…" (the small
// commitment file) and the optional public numbers, which may be typed until the first
// draw. "开始抽取" takes them and closes the screen.
class TCommitmentForm : public QDialog
{
    Q_OBJECT
public:
    TCommitmentForm(VerifiableDraw &draw, QWidget *parent);

    void SaveCommitmentClick();
    void StartDrawsClick();

    QLabel *Fingerprint;
    QLabel *CommitmentQr;
    QLineEdit *CommitmentText;
    QLineEdit *PublicNumbers;
    QPushButton *SaveCommitment;
    QPushButton *StartDraws;

private:
    VerifiableDraw &m_draw;
    // The draw has begun: the public numbers are fixed.
    bool m_started;
};
