#include "aboutform.h"

#include "apppaths.h"
#include "gradient.h"
#include "makerinfo.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

TAboutForm::TAboutForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TAboutForm"));
    setWindowTitle(tr("关于本软件"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(380, 268);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(22, 18, 22, 16);
    auto *head = new QGridLayout;
    auto *logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("AboutLogo"));
    logo->setPixmap(QPixmap(InstalledDataPath(QStringLiteral("Icons/png-0.png"))).scaled(64, 64, Qt::KeepAspectRatio,
                                                                                  Qt::SmoothTransformation));
    head->addWidget(logo, 0, 0, 2, 1);
    auto *product = new QLabel(tr("Zelmora 随机抽取系统"), this);
    product->setObjectName(QStringLiteral("ProductName"));
    product->setStyleSheet(QStringLiteral("font-size: 20px; font-weight: bold; color: white;"));
    head->addWidget(product, 0, 1);
    auto *program = new QLabel(tr("Zelmora [Varnel]    版本 %1").arg(MakerInfo::SoftwareVersion), this);
    program->setObjectName(QStringLiteral("ProgramName"));
    program->setStyleSheet(QStringLiteral("color: white;"));
    head->addWidget(program, 1, 1);
    head->setColumnStretch(1, 1);
    head->setHorizontalSpacing(14);
    layout->addLayout(head);
    layout->addSpacing(10);

    auto *contact = new QLabel(this);
    contact->setObjectName(QStringLiteral("ContactLines"));
    contact->setTextFormat(Qt::PlainText);
    contact->setText(QStringList{tr("作者：") + QCoreApplication::translate("MakerInfo", MakerInfo::Author),
                                 tr("官方微博：") + MakerInfo::BlogName,
                                 tr("反馈邮箱：") + MakerInfo::FeedbackMail,
                                 tr("用户交流QQ群：") + MakerInfo::QQGroupNumber}
                         .join(QLatin1Char('\n')));
    contact->setStyleSheet(QStringLiteral("background: rgba(255,255,255,150); border-radius: 6px; padding: 10px;"));
    layout->addWidget(contact);
    layout->addStretch();

    Button1 = new QPushButton(tr("确定"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    layout->addWidget(Button1, 0, Qt::AlignRight);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutForm::paintEvent(QPaintEvent *)
{
    if (background.size() != size()) {
        background = QImage(size(), QImage::Format_RGB32);
        background.fill(Qt::white);
        PaintGradient(DialogGradient, background);
    }
    QPainter(this).drawImage(0, 0, background);
}
