#include "pwdform.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TPwdForm::TPwdForm(QWidget *parent) : QDialog(parent)
{
    setObjectName("TPwdForm");
    setWindowTitle("访问密码");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    PwdLabel = new QLabel(this);
    PwdLabel->setObjectName("PwdLabel");
    Pwd = new QLineEdit(this);
    Pwd->setObjectName("Pwd");
    Pwd->setEchoMode(QLineEdit::Password);
    // The password character is the middle dot "·" (U+00B7 = 183).
    Pwd->setStyleSheet("QLineEdit { lineedit-password-character: 183; }");
    Pwd->setMinimumWidth(260);
    BOK = new QPushButton("确定", this);
    BOK->setObjectName("BOK");
    BOK->setDefault(true);
    BCancel = new QPushButton("取消", this);
    BCancel->setObjectName("BCancel");

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BOK);
    buttons->addWidget(BCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(PwdLabel);
    layout->addWidget(Pwd);
    layout->addLayout(buttons);

    connect(BOK, &QPushButton::clicked, this, &TPwdForm::OkClicked);
    connect(BCancel, &QPushButton::clicked, this, &QDialog::reject);
}
