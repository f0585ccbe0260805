#include "pwdform.h"

#include "gradient.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

TPwdForm::TPwdForm(QWidget *parent) : QDialog(parent)
{
    setObjectName("TPwdForm");
    setWindowTitle(tr("密码"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(299, 129);

    PwdLabel = new QLabel(this);
    PwdLabel->setObjectName("PwdLabel");
    PwdLabel->setTextFormat(Qt::PlainText);
    PwdLabel->setGeometry(16, 12, 267, 24);
    QPalette labelPalette = PwdLabel->palette();
    labelPalette.setColor(QPalette::WindowText, Qt::white);
    PwdLabel->setPalette(labelPalette);

    Pwd = new QLineEdit(this);
    Pwd->setObjectName("Pwd");
    Pwd->setEchoMode(QLineEdit::Password);
    // The password character is the middle dot "·" (U+00B7 = 183).
    Pwd->setStyleSheet("QLineEdit { lineedit-password-character: 183; }");
    Pwd->setGeometry(16, 42, 267, 28);
    // A screen reader names the box by the prompt above it.
    PwdLabel->setBuddy(Pwd);

    BOK = new QPushButton(tr("确定"), this);
    BOK->setObjectName("BOK");
    BOK->setDefault(true);
    BOK->setGeometry(111, 84, 82, 30);
    BCancel = new QPushButton(tr("取消"), this);
    BCancel->setObjectName("BCancel");
    BCancel->setGeometry(201, 84, 82, 30);

    connect(BOK, &QPushButton::clicked, this, &TPwdForm::OkClicked);
    connect(BCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TPwdForm::paintEvent(QPaintEvent *)
{
    if (m_background.size() != size()) {
        m_background = QImage(size(), QImage::Format_RGB32);
        m_background.fill(Qt::white);
        PaintGradient(PasswordGradient, m_background);
    }
    QPainter(this).drawImage(0, 0, m_background);
}
