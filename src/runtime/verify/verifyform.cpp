#include "verifyform.h"

#include "apppaths.h"
#include "certificatecheck.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

TVerifyForm::TVerifyForm(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("TVerifyForm"));
    setWindowTitle(tr("验证证书"));
    setAttribute(Qt::WA_DeleteOnClose);

    VerifyVerdict = new QLabel(tr("请选择要验证的证书"), this);
    VerifyVerdict->setObjectName(QStringLiteral("VerifyVerdict"));
    QFont verdictFont = VerifyVerdict->font();
    verdictFont.setPointSize(verdictFont.pointSize() + 14);
    verdictFont.setBold(true);
    VerifyVerdict->setFont(verdictFont);
    VerifyVerdict->setAlignment(Qt::AlignCenter);

    VerifyFingerprint = new QLabel(this);
    VerifyFingerprint->setObjectName(QStringLiteral("VerifyFingerprint"));
    QFont fingerprintFont(QStringLiteral("monospace"));
    fingerprintFont.setStyleHint(QFont::Monospace);
    fingerprintFont.setPointSize(verdictFont.pointSize() - 6);
    VerifyFingerprint->setFont(fingerprintFont);
    VerifyFingerprint->setAlignment(Qt::AlignCenter);
    VerifyFingerprint->setTextInteractionFlags(Qt::TextSelectableByMouse);

    VerifyFile = new QLabel(this);
    VerifyFile->setObjectName(QStringLiteral("VerifyFile"));
    VerifyFile->setWordWrap(true);
    VerifyFile->setTextInteractionFlags(Qt::TextSelectableByMouse);

    VerifyDetails = new QLabel(
        tr("验证会用证书中公开的种子和输入重算承诺，并重新进行每一次抽取；"
                       "结果与证书记载完全相同时显示“一致”。请把显示的指纹与主持人抽取前公布的指纹对照。"),
        this);
    VerifyDetails->setObjectName(QStringLiteral("VerifyDetails"));
    VerifyDetails->setWordWrap(true);
    VerifyDetails->setTextInteractionFlags(Qt::TextSelectableByMouse);
    VerifyDetails->setMinimumWidth(460);

    ChooseCertificate = new QPushButton(tr("选择证书…"), this);
    ChooseCertificate->setObjectName(QStringLiteral("ChooseCertificate"));
    CloseVerify = new QPushButton(tr("关闭"), this);
    CloseVerify->setObjectName(QStringLiteral("CloseVerify"));
    connect(ChooseCertificate, &QPushButton::clicked, this, &TVerifyForm::ChooseCertificateClick);
    connect(CloseVerify, &QPushButton::clicked, this, &QWidget::close);
    // A window, not a dialog: Esc closes it as it would a dialog.
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this, &QWidget::close);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->setSpacing(12);
    layout->addWidget(VerifyVerdict);
    layout->addWidget(VerifyFingerprint);
    layout->addWidget(VerifyDetails);
    layout->addWidget(VerifyFile);
    layout->addStretch(1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(ChooseCertificate);
    buttons->addStretch(1);
    buttons->addWidget(CloseVerify);
    layout->addLayout(buttons);
}

void TVerifyForm::ShowCheckOf(const QString &path)
{
    const CertificateCheck check = CheckCertificateFile(path);
    VerifyVerdict->setText(check.consistent ? tr("一致") : tr("不一致"));
    VerifyVerdict->setStyleSheet(check.consistent ? QStringLiteral("color: #1b7f3a;") : QStringLiteral("color: #c0262d;"));
    VerifyFingerprint->setText(check.fingerprint.isEmpty() ? QString()
                                                           : tr("承诺指纹  %1").arg(check.fingerprint));
    VerifyFile->setText(tr("证书：%1").arg(QDir::toNativeSeparators(path)));
    VerifyDetails->setText(check.consistent
                               ? tr("工程“%1”的 %2 条抽取记录已按公开的种子全部重算，结果与证书相同。"
                                                "请确认上面的指纹与抽取前公布的指纹一致%3。")
                                     .arg(check.project)
                                     .arg(check.batches)
                                     .arg(check.publicNumbers.isEmpty()
                                              ? QString()
                                              : tr("，公开随机数“%1”与实际公布的数字相同")
                                                    .arg(check.publicNumbers))
                               : check.difference);
}

void TVerifyForm::ChooseCertificateClick()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("选择证书"), CertificatesDir(),
                                                      tr("抽取证书 (*.zcert);;所有文件 (*)"));
    if (!path.isEmpty())
        ShowCheckOf(path);
}
