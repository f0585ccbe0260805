#include "commitmentform.h"

#include "messages.h"
#include "qrcodeimage.h"
#include "savefilechooser.h"
#include "suiteerror.h"
#include "textfile.h"
#include "verifiabledraw.h"

#include <QDir>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

TCommitmentForm::TCommitmentForm(VerifiableDraw &draw, QWidget *parent)
    : QDialog(parent), m_draw(draw), m_started(draw.StepCount() > 0)
{
    setObjectName(QStringLiteral("TCommitmentForm"));
    setWindowTitle(tr("可验证抽取 — 承诺"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto *hint = new QLabel(tr("请在抽取前公布此指纹"), this);
    hint->setObjectName(QStringLiteral("PublishHint"));
    QFont hintFont = hint->font();
    hintFont.setPointSize(hintFont.pointSize() + 4);
    hintFont.setBold(true);
    hint->setFont(hintFont);
    hint->setAlignment(Qt::AlignCenter);

    Fingerprint = new QLabel(draw.FingerprintText(), this);
    Fingerprint->setObjectName(QStringLiteral("Fingerprint"));
    QFont fingerprintFont(QStringLiteral("monospace"));
    fingerprintFont.setStyleHint(QFont::Monospace);
    fingerprintFont.setPointSize(hintFont.pointSize() + 10);
    fingerprintFont.setBold(true);
    Fingerprint->setFont(fingerprintFont);
    Fingerprint->setAlignment(Qt::AlignCenter);
    Fingerprint->setTextInteractionFlags(Qt::TextSelectableByMouse);

    CommitmentQr = new QLabel(this);
    CommitmentQr->setObjectName(QStringLiteral("CommitmentQr"));
    CommitmentQr->setPixmap(QPixmap::fromImage(QrCodeImage(draw.CommitmentHex().toLatin1(), 5)));
    CommitmentQr->setAlignment(Qt::AlignCenter);
    CommitmentQr->setToolTip(tr("完整的承诺值"));

    auto *commitmentCaption = new QLabel(tr("完整承诺值（SHA-256）："), this);
    CommitmentText = new QLineEdit(draw.CommitmentHex(), this);
    CommitmentText->setObjectName(QStringLiteral("CommitmentText"));
    CommitmentText->setReadOnly(true);
    CommitmentText->setMinimumWidth(CommitmentText->fontMetrics().horizontalAdvance(draw.CommitmentHex()) + 16);

    auto *publicCaption = new QLabel(tr("公开随机数（可选）："), this);
    PublicNumbers = new QLineEdit(draw.PublicNumbers(), this);
    publicCaption->setBuddy(PublicNumbers);
    PublicNumbers->setObjectName(QStringLiteral("PublicNumbers"));
    PublicNumbers->setPlaceholderText(tr("抽取时才公布的数字，例如当天的彩票开奖号码"));
    PublicNumbers->setReadOnly(m_started);
    auto *publicHint = new QLabel(m_started ? tr("抽取已经开始，公开随机数不能再改。")
                                            : tr("公开随机数在承诺之后才确定，因此主持人无法预先挑选结果；"
                                                             "观众核对时使用证书中记下的数字。"),
                                  this);
    publicHint->setWordWrap(true);

    SaveCommitment = new QPushButton(tr("保存承诺…"), this);
    SaveCommitment->setObjectName(QStringLiteral("SaveCommitment"));
    SaveCommitment->setAutoDefault(false);
    StartDraws = new QPushButton(m_started ? tr("继续抽取") : tr("开始抽取"), this);
    StartDraws->setObjectName(QStringLiteral("StartDraws"));
    StartDraws->setDefault(true);
    connect(SaveCommitment, &QPushButton::clicked, this, &TCommitmentForm::SaveCommitmentClick);
    connect(StartDraws, &QPushButton::clicked, this, &TCommitmentForm::StartDrawsClick);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->setSpacing(10);
    layout->addWidget(hint);
    layout->addWidget(Fingerprint);
    layout->addWidget(CommitmentQr);
    layout->addWidget(commitmentCaption);
    layout->addWidget(CommitmentText);
    layout->addSpacing(6);
    layout->addWidget(publicCaption);
    layout->addWidget(PublicNumbers);
    layout->addWidget(publicHint);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(SaveCommitment);
    buttons->addStretch(1);
    buttons->addWidget(StartDraws);
    layout->addSpacing(6);
    layout->addLayout(buttons);
}

void TCommitmentForm::SaveCommitmentClick()
{
    const QString path = ChooseSaveFileName(this, tr("保存承诺"), tr("承诺文件 (*.json)"),
                                            QStringLiteral(".json"));
    if (path.isEmpty())
        return;
    try {
        WriteFileAtomically(path, m_draw.CommitmentText());
    } catch (const SuiteError &error) {
        ShowError(this, tr("保存失败"), error.message());
    }
}

void TCommitmentForm::StartDrawsClick()
{
    if (!m_started) {
        try {
            m_draw.SetPublicNumbers(PublicNumbers->text());
        } catch (const SuiteError &error) {
            ShowError(this, tr("无法保存公开随机数"), error.message());
            return;
        }
    }
    accept();
}
