#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// "验证证书…": checks a certificate of a verifiable draw and shows the verdict, "一致" with
// the fingerprint to compare with the published one, or "不一致" with the first difference.
class TVerifyForm : public QWidget
{
    Q_OBJECT
public:
    explicit TVerifyForm(QWidget *parent = nullptr);

    // Checks the certificate at `path` and shows the verdict.
    void ShowCheckOf(const QString &path);
    void ChooseCertificateClick();

    QLabel *VerifyVerdict;
    QLabel *VerifyFingerprint;
    QLabel *VerifyFile;
    QLabel *VerifyDetails;
    QPushButton *ChooseCertificate;
    QPushButton *CloseVerify;
};
