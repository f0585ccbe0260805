#include "modedialog.h"

#include "gradient.h"
#include "messages.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <QScreen>
#include <QShowEvent>
#include <QWindow>

#include <algorithm>

QString QueryFields::operator()(const char *attribute) const
{
    const int index = QueryParamIndex(pmode, QString::fromLatin1(attribute));
    return index < 0 ? QString() : params.value(index);
}

QPushButton *MakeCommander(QWidget *opener)
{
    auto *commander = new QPushButton(opener);
    commander->setObjectName(QStringLiteral("Commander"));
    commander->hide();
    return commander;
}

ModeDialog::ModeDialog(QWidget *parent, bool stayOnTop) : QDialog(parent), keptOnTop(stayOnTop)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    if (stayOnTop)
        setWindowFlag(Qt::WindowStaysOnTopHint);
    else
        setWindowFlags(Qt::Window); // a plain window: no dialog that the opener carries

    requirerLabel = new QLabel(this);
    requirerLabel->setObjectName(QStringLiteral("Requirer"));
    requirerLabel->hide();

    saveMode = new QPushButton(tr("保存设置"), this);
    saveMode->setObjectName(QStringLiteral("SaveMode"));
    saveMode->setAutoDefault(false);
    // Enter saves; a dialog with a confirm button of its own may take the default over.
    saveMode->setDefault(true);
    exitButton = new QPushButton(tr("取消"), this);
    exitButton->setObjectName(QStringLiteral("Exit"));
    exitButton->setAutoDefault(false);
    verifiable = new QCheckBox(tr("可验证抽取"), this);
    verifiable->setObjectName(QStringLiteral("VerifiableDraw"));
    verifiable->setToolTip(tr("抽取前公布承诺指纹，抽取后生成任何人都能重算核对的证书"));
    verifiable->hide();
    connect(saveMode, &QPushButton::clicked, this, &ModeDialog::SaveModeClick);
    connect(exitButton, &QPushButton::clicked, this, &QDialog::close);
}

void ModeDialog::SetRequirer(const QString &requirer)
{
    requirerLabel->setText(requirer);
}

QString ModeDialog::Requirer() const
{
    return requirerLabel->text();
}

void ModeDialog::SetCommander(QAbstractButton *button)
{
    commander = button;
}

void ModeDialog::SaveModeClick()
{
    if (ValidateInput())
        HandBack();
}

void ModeDialog::HandBack()
{
    const QString requirer = Requirer();
    if ((requirer == kRequirerCreatePage || requirer == kRequirerGroupMode) && commander)
        commander->click();
}

void ModeDialog::ShowParameterError(const QString &text, const QString &caption)
{
    ShowError(this, caption.isEmpty() ? tr("参数有误") : caption, text);
}

QVBoxLayout *ModeDialog::MakeMainLayout()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 12);
    return layout;
}

void ModeDialog::AddButtonRow(QVBoxLayout *layout)
{
    auto *row = new QHBoxLayout;
    row->addWidget(verifiable);
    row->addStretch(1);
    row->addWidget(saveMode);
    row->addWidget(exitButton);
    layout->addSpacing(8);
    layout->addLayout(row);
    // The row was made with the dialog, before its content: Tab reaches it last.
    QWidget *last = this;
    for (QWidget *next = nextInFocusChain(); next != this; next = next->nextInFocusChain())
        last = next;
    for (QWidget *control : {static_cast<QWidget *>(verifiable), static_cast<QWidget *>(saveMode),
                             static_cast<QWidget *>(exitButton)}) {
        if (control != last)
            setTabOrder(last, control);
        last = control;
    }
}

void ModeDialog::ShowVerifiableOption(bool checked)
{
    verifiable->setChecked(checked);
    verifiable->show();
}

bool ModeDialog::VerifiableChecked() const
{
    return verifiable->isVisible() && verifiable->isChecked();
}

void ModeDialog::showEvent(QShowEvent *event)
{
    if (!keptOnTop) {
        // The toolkit keeps a window with a parent above that parent: cut that tie.
        if (windowHandle())
            windowHandle()->setTransientParent(nullptr);
        // At its first showing: beside the opener where the screen has room, not over its
        // buttons.
        if (parentWidget() && screen() && !testAttribute(Qt::WA_Moved)) {
            const QRect opener = parentWidget()->window()->frameGeometry();
            const QRect room = screen()->availableGeometry();
            const int width = frameGeometry().width();
            if (opener.right() + 8 + width <= room.right())
                move(opener.right() + 8, std::max(opener.top(), room.top()));
            else if (opener.left() - 8 - width >= room.left())
                move(opener.left() - 8 - width, std::max(opener.top(), room.top()));
        }
    }
    QDialog::showEvent(event);
}

void ModeDialog::paintEvent(QPaintEvent *event)
{
    PaintDialogBackground(this);
    QDialog::paintEvent(event);
}
