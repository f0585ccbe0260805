#include "speechform.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

TSpeechForm::TSpeechForm(const SpeechSettings &initial, std::function<void(int, int)> trial, QWidget *parent)
    : RecordDialog(parent), settings(initial)
{
    setObjectName(QStringLiteral("TSpeechForm"));
    setWindowTitle(tr("朗读设置"));
    auto slider = [this](const QString &name, int low, int high, int value) {
        auto *s = new QSlider(Qt::Horizontal, this);
        s->setObjectName(name);
        s->setRange(low, high);
        s->setValue(value);
        s->setMinimumWidth(220);
        return s;
    };
    RateSlider = slider(QStringLiteral("RateSlider"), -10, 10, settings.rate);
    RateSlider->setTickPosition(QSlider::TicksBelow);
    RateSlider->setTickInterval(5);
    VolumeSlider = slider(QStringLiteral("VolumeSlider"), 0, 100, settings.volume);
    VolumeSlider->setTickPosition(QSlider::TicksBelow);
    VolumeSlider->setTickInterval(25);
    // Both sliders between words for their ends, so they line up.
    auto *form = new QGridLayout;
    form->setHorizontalSpacing(10);
    form->setVerticalSpacing(14);
    const struct
    {
        const char *caption, *low, *high;
        QSlider *slider;
    } rows[] = {{QT_TR_NOOP("语速："), QT_TR_NOOP("慢"), QT_TR_NOOP("快"), RateSlider},
                {QT_TR_NOOP("音量："), QT_TR_NOOP("小"), QT_TR_NOOP("大"), VolumeSlider}};
    for (int row = 0; row < 2; ++row) {
        auto *caption = new QLabel(tr(rows[row].caption), this);
        caption->setBuddy(rows[row].slider);
        form->addWidget(caption, row, 0);
        form->addWidget(new QLabel(tr(rows[row].low), this), row, 1);
        form->addWidget(rows[row].slider, row, 2);
        form->addWidget(new QLabel(tr(rows[row].high), this), row, 3);
    }

    BTry = new QPushButton(tr("试听"), this);
    BTry->setObjectName(QStringLiteral("BTry"));
    BOK = new QPushButton(tr("确定"), this);
    BOK->setObjectName(QStringLiteral("BOK"));
    BOK->setDefault(true);
    BCancel = new QPushButton(tr("取消"), this);
    BCancel->setObjectName(QStringLiteral("BCancel"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(BTry);
    buttons->addStretch();
    buttons->addWidget(BOK);
    buttons->addWidget(BCancel);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 14);
    layout->setSpacing(18);
    layout->addLayout(form);
    layout->addLayout(buttons);

    connect(BTry, &QPushButton::clicked, this,
            [this, trial = std::move(trial)] { trial(RateSlider->value(), VolumeSlider->value()); });
    connect(BOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(BCancel, &QPushButton::clicked, this, &QDialog::reject);
}

SpeechSettings TSpeechForm::Settings() const
{
    SpeechSettings chosen = settings;
    chosen.rate = RateSlider->value();
    chosen.volume = VolumeSlider->value();
    return chosen;
}
