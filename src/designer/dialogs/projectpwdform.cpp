#include "projectpwdform.h"

#include "gradient.h"
#include "messages.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

namespace designer {

TPwdForm::TPwdForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TPwdForm"));
    setWindowTitle(tr("密码"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(299, 129);

    PwdLabel = new QLabel(this);
    PwdLabel->setObjectName(QStringLiteral("PwdLabel"));
    PwdLabel->setTextFormat(Qt::PlainText);
    PwdLabel->setGeometry(16, 12, 267, 24);
    QPalette labelPalette = PwdLabel->palette();
    labelPalette.setColor(QPalette::WindowText, Qt::white);
    PwdLabel->setPalette(labelPalette);

    Pwd = new QLineEdit(this);
    Pwd->setObjectName(QStringLiteral("Pwd"));
    Pwd->setEchoMode(QLineEdit::Password);
    // Typed characters show as the middle dot "·" (U+00B7 = 183).
    Pwd->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 183; }"));
    Pwd->setGeometry(16, 42, 267, 28);

    // One field, typed blind: the user may look at what was typed before it counts.
    ShowPwd = new QCheckBox(tr("显示密码"), this);
    ShowPwd->setObjectName(QStringLiteral("ShowPwd"));
    ShowPwd->setGeometry(16, 88, 92, 24);
    ShowPwd->setPalette(labelPalette);
    connect(ShowPwd, &QCheckBox::toggled, this, [this](bool shown) {
        Pwd->setEchoMode(shown ? QLineEdit::Normal : QLineEdit::Password);
    });

    BOK = new QPushButton(tr("确定"), this);
    BOK->setObjectName(QStringLiteral("BOK"));
    BOK->setDefault(true);
    BOK->setGeometry(111, 84, 82, 30);
    BCancel = new QPushButton(tr("取消"), this);
    BCancel->setObjectName(QStringLiteral("BCancel"));
    BCancel->setGeometry(201, 84, 82, 30);

    connect(BOK, &QPushButton::clicked, this, &TPwdForm::BOKClick);
    connect(BCancel, &QPushButton::clicked, this, &QDialog::reject);
}

int TPwdForm::Ask(const QString &prompt, const QString &expectedPassword, std::function<void()> handler)
{
    PwdLabel->setText(prompt);
    Pwd->clear();
    ShowPwd->setChecked(false);
    expectedPwd = expectedPassword;
    okHandler = std::move(handler);
    Pwd->setFocus();
    const int result = exec();
    okHandler = nullptr;
    return result;
}

QString TPwdForm::Input() const
{
    return Pwd->text();
}

void TPwdForm::ClearInput()
{
    Pwd->clear();
    Pwd->setFocus();
}

void TPwdForm::BOKClick()
{
    if (okHandler)
        okHandler();
}

void TPwdForm::paintEvent(QPaintEvent *)
{
    if (background.size() != size()) {
        background = QImage(size(), QImage::Format_RGB32);
        background.fill(Qt::white);
        PaintGradient(PasswordGradient, background);
    }
    QPainter(this).drawImage(0, 0, background);
}

} // namespace designer

bool AskEditPassword(QWidget *parent, const QString &expectedPassword)
{
    designer::TPwdForm form(parent);
    form.Ask(designer::TPwdForm::tr("当前工程已加密，请输入编辑密码："), expectedPassword, [&form] {
        if (form.Input() == form.ExpectedPwd())
            form.accept();
        else {
            ShowError(&form, designer::TPwdForm::tr("密码错误"), designer::TPwdForm::tr("您输入的密码有误，请重新输入！"));
            form.ClearInput();
        }
    });
    return form.result() == QDialog::Accepted;
}
