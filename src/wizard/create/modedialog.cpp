#include "modedialog.h"

#include "messages.h"

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>

ModeDialog::ModeDialog(QWidget *parent, bool stayOnTop) : QDialog(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    if (stayOnTop)
        setWindowFlag(Qt::WindowStaysOnTopHint);

    requirerLabel = new QLabel(this);
    requirerLabel->setObjectName(QStringLiteral("Requirer"));
    requirerLabel->hide();

    saveMode = new QPushButton(QStringLiteral("保存设置"), this);
    saveMode->setObjectName(QStringLiteral("SaveMode"));
    saveMode->setAutoDefault(false);
    exitButton = new QPushButton(QStringLiteral("取消"), this);
    exitButton->setObjectName(QStringLiteral("Exit"));
    exitButton->setAutoDefault(false);
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
    ShowError(this, caption.isEmpty() ? QStringLiteral("参数有误") : caption, text);
}

QBoxLayout *ModeDialog::MakeButtonRow()
{
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(saveMode);
    row->addWidget(exitButton);
    return row;
}

void ModeDialog::paintEvent(QPaintEvent *event)
{
    // The dialogs' standard background "153,217,234,0|0,162,232,100|Vert".
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0.0, QColor(153, 217, 234));
    gradient.setColorAt(1.0, QColor(0, 162, 232));
    painter.fillRect(rect(), gradient);
    QDialog::paintEvent(event);
}
