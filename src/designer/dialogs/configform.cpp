#include "configform.h"

#include "gradient.h"
#include "guarded.h"
#include "interfacelanguage.h"
#include "messages.h"
#include "softsettings.h"
#include "storedvaluetext.h"
#include "valueencodings.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QShowEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QColor toColor(const QString &text)
{
    const Rgb rgb = TextToColour(text);
    return QColor(rgb.r, rgb.g, rgb.b);
}

QString toText(const QColor &colour)
{
    return ColourToText(Rgb{colour.red(), colour.green(), colour.blue()});
}
} // namespace

TConfigForm::TConfigForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TConfigForm"));
    setWindowTitle(tr("系统设置"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(330, 365);

    ChooseColour = [this](const QColor &current) {
        return QColorDialog::getColor(current, this, tr("选择边框颜色"));
    };

    setStyleSheet(QStringLiteral("QGroupBox { border: 1px solid rgba(255,255,255,190); border-radius: 5px;"
                                 " margin-top: 8px; padding-top: 3px; }"
                                 "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; }"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 6, 10, 8);
    layout->setSpacing(4);

    auto *randGroup = new QGroupBox(tr("随机数设置"), this);
    auto *randRow = new QHBoxLayout(randGroup);
    auto *spliterLabel = new QLabel(tr("生成的随机数之间的分隔符："), randGroup);
    randRow->addWidget(spliterLabel);
    RandSpliterValue = new QComboBox(randGroup);
    RandSpliterValue->setObjectName(QStringLiteral("RandSpliterValue"));
    // The stored name stays Chinese whatever the windows speak.
    for (const QString &name : {QStringLiteral("双空格"), QStringLiteral("全角空格"), QStringLiteral("全角逗号"),
                                QStringLiteral("全角分号"), QStringLiteral("半角分号")})
        RandSpliterValue->addItem(StoredValueText(name), name);
    spliterLabel->setBuddy(RandSpliterValue);
    randRow->addWidget(RandSpliterValue, 1);
    layout->addWidget(randGroup);

    auto *listGroup = new QGroupBox(tr("列举模式及图片模式设置"), this);
    auto *listRow = new QHBoxLayout(listGroup);
    // The caption is longer than the dialog is wide: a wrapping label beside the box.
    ListAutoRestore = new QCheckBox(listGroup);
    ListAutoRestore->setObjectName(QStringLiteral("ListAutoRestore"));
    ListAutoRestore->setAccessibleName(tr("随机数名单或图片列表被清空后，自动恢复随机数名单或图片列表"));
    auto *listCaption = new QLabel(ListAutoRestore->accessibleName(), listGroup);
    listCaption->setWordWrap(true);
    listCaption->setBuddy(ListAutoRestore);
    listCaption->installEventFilter(this);
    listCaption->setObjectName(QStringLiteral("ListAutoRestoreCaption"));
    listRow->addWidget(ListAutoRestore, 0, Qt::AlignTop);
    listRow->addWidget(listCaption, 1);
    layout->addWidget(listGroup);

    auto *showGroup = new QGroupBox(tr("显示设置"), this);
    auto *grid = new QGridLayout(showGroup);
    grid->setVerticalSpacing(5);
    auto borderRow = [&](int row, QLabel *&widthLabel, DragNumberEdit *&width, const char *widthName,
                         QLabel *&colourLabel, QFrame *&swatch, const char *swatchName) {
        widthLabel = new QLabel(tr("边框宽度："), showGroup);
        widthLabel->setObjectName(QLatin1String(widthName) + QStringLiteral("Label"));
        width = new DragNumberEdit(DragNumberEdit::Kind::Count, &widthDragCounter, showGroup);
        width->setObjectName(QLatin1String(widthName));
        width->SetAxis(DragNumberEdit::Axis::VerticalSinceLastStep);
        width->setCursor(Qt::SizeVerCursor);
        width->setFixedWidth(56);
        AllowOnlyCharacters(width, QStringLiteral("0123456789"));
        widthLabel->setBuddy(width);
        colourLabel = new QLabel(tr("边框颜色："), showGroup);
        colourLabel->setObjectName(QLatin1String(swatchName) + QStringLiteral("Label"));
        swatch = new QFrame(showGroup);
        swatch->setObjectName(QLatin1String(swatchName));
        swatch->setFixedSize(40, 20);
        swatch->setFrameShape(QFrame::Box);
        swatch->setAutoFillBackground(true);
        swatch->setCursor(Qt::PointingHandCursor);
        swatch->installEventFilter(this);
        grid->addWidget(widthLabel, row, 0);
        grid->addWidget(width, row, 1);
        grid->addWidget(colourLabel, row, 2, Qt::AlignRight);
        grid->addWidget(swatch, row, 3);
    };
    ShowRandLabelBorder = new QCheckBox(tr("为非文本框式生成框和记录框添加边框"), showGroup);
    ShowRandLabelBorder->setObjectName(QStringLiteral("ShowRandLabelBorder"));
    grid->addWidget(ShowRandLabelBorder, 0, 0, 1, 4);
    borderRow(1, RBorderWidthLabel, RBorderWidth, "RBorderWidth", RBorderColorLabel, RBorderColor, "RBorderColor");
    ShowImgBorder = new QCheckBox(tr("为图片添加边框"), showGroup);
    ShowImgBorder->setObjectName(QStringLiteral("ShowImgBorder"));
    grid->addWidget(ShowImgBorder, 2, 0, 1, 4);
    borderRow(3, ImgBorderWidthLabel, ImgBorderWidth, "ImgBorderWidth", ImgBorderColorLabel, ImgBorderColor,
              "ImgBorderColor");
    grid->setColumnStretch(2, 1);
    layout->addWidget(showGroup);

    auto *languageGroup = new QGroupBox(tr("语言"), this);
    auto *languageRow = new QHBoxLayout(languageGroup);
    LanguageValue = new QComboBox(languageGroup);
    LanguageValue->setObjectName(QStringLiteral("LanguageValue"));
    LanguageValue->setAccessibleName(tr("语言"));
    LanguageValue->addItem(tr("自动"), kLanguageAutomatic);
    LanguageValue->addItem(kLanguageChinese, kLanguageChinese);
    LanguageValue->addItem(kLanguageEnglish, kLanguageEnglish);
    languageRow->addWidget(LanguageValue);
    languageRow->addWidget(new QLabel(tr("下次启动时生效"), languageGroup), 1);
    layout->addWidget(languageGroup);
    layout->addStretch();

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    BOK = new QPushButton(tr("确定"), this);
    BOK->setObjectName(QStringLiteral("BOK"));
    BOK->setDefault(true);
    BCancel = new QPushButton(tr("取消"), this);
    BCancel->setObjectName(QStringLiteral("BCancel"));
    buttons->addWidget(BOK);
    buttons->addWidget(BCancel);
    layout->addLayout(buttons);

    connect(BOK, &QPushButton::clicked, this, &TConfigForm::BOKClick);
    connect(BCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(ShowRandLabelBorder, &QCheckBox::toggled, this, &TConfigForm::ShowRandLabelBorderClick);
    connect(ShowImgBorder, &QCheckBox::toggled, this, &TConfigForm::ShowImgBorderClick);
    SetSwatch(RBorderColor, Qt::black);
    SetSwatch(ImgBorderColor, Qt::black);
}

void TConfigForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TConfigForm::FormShow()
{
    Guarded(this, [this] {
        const SoftSettings settings = ReadSoftSettings();
        const QString spliter = settings.randSpliter.isEmpty() ? SettingsDialogDefaultSpliter : settings.randSpliter;
        RandSpliterValue->setCurrentIndex(RandSpliterValue->findData(spliter));
        LanguageValue->setCurrentIndex(qMax(0, LanguageValue->findData(settings.language)));
        ListAutoRestore->setChecked(settings.listAutoRestore);
        ShowRandLabelBorder->setChecked(settings.randLabelBorder);
        RBorderWidth->setText(settings.rBorderWidth);
        SetSwatch(RBorderColor, toColor(settings.rBorderColor));
        ShowImgBorder->setChecked(settings.imgBorder);
        ImgBorderWidth->setText(settings.imgBorderWidth);
        SetSwatch(ImgBorderColor, toColor(settings.imgBorderColor));
    });
    ShowRandLabelBorderClick();
    ShowImgBorderClick();
}

void TConfigForm::ShowRandLabelBorderClick()
{
    const bool on = ShowRandLabelBorder->isChecked();
    for (QWidget *widget : {static_cast<QWidget *>(RBorderWidthLabel), static_cast<QWidget *>(RBorderWidth),
                            static_cast<QWidget *>(RBorderColorLabel), static_cast<QWidget *>(RBorderColor)})
        widget->setEnabled(on);
}

void TConfigForm::ShowImgBorderClick()
{
    const bool on = ShowImgBorder->isChecked();
    for (QWidget *widget : {static_cast<QWidget *>(ImgBorderWidthLabel), static_cast<QWidget *>(ImgBorderWidth),
                            static_cast<QWidget *>(ImgBorderColorLabel), static_cast<QWidget *>(ImgBorderColor)})
        widget->setEnabled(on);
}

void TConfigForm::SetSwatch(QFrame *swatch, const QColor &colour)
{
    (swatch == RBorderColor ? rBorderColour : imgBorderColour) = colour;
    QPalette palette = swatch->palette();
    palette.setColor(QPalette::Window, colour);
    swatch->setPalette(palette);
}

void TConfigForm::RBorderColorMouseDown(QFrame *swatch)
{
    const QColor chosen = ChooseColour(swatch == RBorderColor ? rBorderColour : imgBorderColour);
    if (chosen.isValid())
        SetSwatch(swatch, chosen);
}

bool TConfigForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == RBorderColor || watched == ImgBorderColor) {
            auto *swatch = static_cast<QFrame *>(watched);
            if (swatch->isEnabled())
                RBorderColorMouseDown(swatch);
            return true;
        }
        if (watched->objectName() == QLatin1String("ListAutoRestoreCaption")) {
            ListAutoRestore->toggle();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TConfigForm::BOKClick()
{
    for (DragNumberEdit *width : {RBorderWidth, ImgBorderWidth}) {
        bool ok = false;
        const int value = width->text().toInt(&ok);
        if (width->isEnabled() && (!ok || value < SoftSettings::MinBorderWidth || value > SoftSettings::MaxBorderWidth)) {
            ShowError(this, tr("参数有误"),
                      tr("边框宽度必须是 %1 到 %2 之间的整数！")
                          .arg(SoftSettings::MinBorderWidth)
                          .arg(SoftSettings::MaxBorderWidth));
            width->setFocus();
            width->selectAll();
            return;
        }
    }
    SoftSettings settings;
    settings.randSpliter = RandSpliterValue->currentData().toString();
    settings.listAutoRestore = ListAutoRestore->isChecked();
    settings.randLabelBorder = ShowRandLabelBorder->isChecked();
    settings.rBorderWidth = RBorderWidth->text();
    settings.rBorderColor = toText(rBorderColour);
    settings.imgBorder = ShowImgBorder->isChecked();
    settings.imgBorderWidth = ImgBorderWidth->text();
    settings.imgBorderColor = toText(imgBorderColour);
    const QString language = LanguageValue->currentData().toString();
    if (Guarded(this, [&settings, &language] {
            WriteRandShowSettings(settings);
            WriteLanguageSetting(language);
        }))
        accept();
}

void TConfigForm::paintEvent(QPaintEvent *)
{
    if (background.size() != size()) {
        background = QImage(size(), QImage::Format_RGB32);
        background.fill(Qt::white);
        PaintGradient(DialogGradient, background);
    }
    QPainter(this).drawImage(0, 0, background);
}
