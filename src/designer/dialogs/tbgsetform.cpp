#include "tbgsetform.h"

#include "colourlisteditor.h"
#include "gradient.h"
#include "mediacheck.h"
#include "messages.h"
#include "suiteerror.h"
#include "widgetlook.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
constexpr QSize kPreviewSize(200, 60);
}

TBgSetForm::TBgSetForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TBgSetForm"));
    setWindowTitle(tr("设置背景"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setModal(true);

    m_requirer = new QLabel(this);
    m_requirer->setObjectName(QStringLiteral("Requirer"));
    m_requirer->hide();

    m_bgOfColor = new QRadioButton(tr("固定颜色"), this);
    m_bgOfColor->setObjectName(QStringLiteral("BgOfColor"));
    m_bgOfChangingColor = new QRadioButton(tr("渐变色"), this);
    m_bgOfChangingColor->setObjectName(QStringLiteral("BgOfChangingColor"));
    m_bgOfPic = new QRadioButton(tr("背景图片"), this);
    m_bgOfPic->setObjectName(QStringLiteral("BgOfPic"));
    m_bgOfColor->setChecked(true);
    for (QRadioButton *radio : {m_bgOfColor, m_bgOfChangingColor, m_bgOfPic})
        connect(radio, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                TypeClick();
        });

    m_colorShow = new QLabel(this);
    m_colorShow->setObjectName(QStringLiteral("ColorShow"));
    m_colorShow->setFixedSize(kPreviewSize);
    m_colorShow->setCursor(Qt::PointingHandCursor);
    m_colorShow->setToolTip(tr("点击选择颜色"));
    m_colorShow->installEventFilter(this);

    m_cColorShow = new QLabel(this);
    m_cColorShow->setObjectName(QStringLiteral("CColorShow"));
    m_cColorShow->setFixedSize(kPreviewSize);
    m_cColorShow->setCursor(Qt::PointingHandCursor);
    m_cColorShow->setToolTip(tr("点击编辑渐变色"));
    m_cColorShow->installEventFilter(this);

    m_picPathValue = new QLineEdit(this);
    m_picPathValue->setObjectName(QStringLiteral("PicPathValue"));
    m_picPathValue->setReadOnly(true);
    m_picPathValue->setMinimumWidth(220);
    m_picPathValue->installEventFilter(this);
    m_picPathLoad = new QPushButton(tr("载入"), this);
    m_picPathLoad->setObjectName(QStringLiteral("PicPathLoad"));
    connect(m_picPathLoad, &QPushButton::clicked, this, &TBgSetForm::PicPathLoadClick);
    m_bgPicStretch = new QCheckBox(tr("背景图片自动缩放："), this);
    m_bgPicStretch->setObjectName(QStringLiteral("BgPicStretch"));
    m_bgPicStretch->setLayoutDirection(Qt::RightToLeft);
    m_bgPicStretch->setChecked(true);

    m_ok = new QPushButton(tr("确定"), this);
    m_ok->setObjectName(QStringLiteral("BOK"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(tr("取消"), this);
    m_cancel->setObjectName(QStringLiteral("BCancel"));
    connect(m_ok, &QPushButton::clicked, this, &TBgSetForm::BOKClick);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *types = new QHBoxLayout;
    types->addWidget(m_bgOfColor);
    types->addWidget(m_bgOfChangingColor);
    types->addWidget(m_bgOfPic);
    types->addStretch();

    auto *picture = new QGridLayout;
    picture->addWidget(m_picPathValue, 0, 0);
    picture->addWidget(m_picPathLoad, 0, 1);
    picture->addWidget(m_bgPicStretch, 1, 0, 1, 2, Qt::AlignLeft | Qt::AlignAbsolute);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 14);
    layout->setSpacing(12);
    layout->addLayout(types);
    layout->addWidget(m_colorShow);
    layout->addWidget(m_cColorShow);
    layout->addLayout(picture);
    layout->addStretch();
    layout->addLayout(buttons);
    setFixedSize(380, 200);

    SetBackground(BackgroundFill{});
}

void TBgSetForm::SetRequirer(const QString &requirer)
{
    m_requirer->setText(requirer);
}

QString TBgSetForm::Requirer() const
{
    return m_requirer->text();
}

void TBgSetForm::SetBackground(const BackgroundFill &fill)
{
    m_colour = fill.colour;
    m_gradient = fill.gradient.isEmpty() ? DefaultBackgroundGradient : fill.gradient;
    m_picPathValue->setText(fill.type == kBgOfPic ? fill.picturePath : QString());
    m_bgPicStretch->setChecked(fill.type == kBgOfPic ? fill.stretch : true);
    if (fill.type == kBgOfChangingColor)
        m_bgOfChangingColor->setChecked(true);
    else if (fill.type == kBgOfPic)
        m_bgOfPic->setChecked(true);
    else
        m_bgOfColor->setChecked(true);
    PaintPreview();
    TypeClick();
}

BackgroundFill TBgSetForm::Background() const
{
    BackgroundFill fill;
    fill.type = m_bgOfPic->isChecked() ? kBgOfPic : m_bgOfChangingColor->isChecked() ? kBgOfChangingColor : kBgOfColor;
    fill.colour = m_colour;
    fill.gradient = m_gradient;
    fill.picturePath = m_picPathValue->text();
    fill.stretch = m_bgPicStretch->isChecked();
    return fill;
}

void TBgSetForm::TypeClick()
{
    m_colorShow->setVisible(m_bgOfColor->isChecked());
    m_cColorShow->setVisible(m_bgOfChangingColor->isChecked());
    for (QWidget *widget : {static_cast<QWidget *>(m_picPathValue), static_cast<QWidget *>(m_picPathLoad),
                            static_cast<QWidget *>(m_bgPicStretch)})
        widget->setVisible(m_bgOfPic->isChecked());
}

void TBgSetForm::PaintPreview()
{
    m_colorShow->setStyleSheet(
        QStringLiteral("background:%1; border:1px solid #404040;").arg(ToQColor(m_colour).name()));
    QImage image(kPreviewSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    try {
        PaintGradient(m_gradient, image);
    } catch (const SuiteError &) {
        m_gradient = DefaultBackgroundGradient; // a damaged stored gradient starts over
        PaintGradient(m_gradient, image);
    }
    m_cColorShow->setPixmap(QPixmap::fromImage(image));
}

void TBgSetForm::ColorShowClick()
{
    QColorDialog dialog(ToQColor(m_colour), this);
    dialog.setObjectName(QStringLiteral("ColorSet"));
    dialog.setWindowTitle(tr("背景颜色"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QColor chosen = dialog.selectedColor();
    m_colour = Rgb{chosen.red(), chosen.green(), chosen.blue()};
    PaintPreview();
}

void TBgSetForm::CColorShowClick()
{
    if (!m_gradientEditor) {
        m_gradientEditor = new TCColorEditForm(this);
        connect(m_gradientEditor, &TCColorEditForm::GradientSaved, this, [this](const QString &text) {
            m_gradient = text;
            PaintPreview();
        });
    }
    m_gradientEditor->SetRequirer(QStringLiteral("BgSetPage"));
    m_gradientEditor->SetGradientText(m_gradient);
    m_gradientEditor->exec();
}

void TBgSetForm::PicPathLoadClick()
{
    QFileDialog dialog(this, tr("载入背景图片"));
    dialog.setObjectName(QStringLiteral("PicturnLoad"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(tr("图片文件 (*.jpg *.jpeg *.png *.bmp *.gif)"));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        m_picPathValue->setText(dialog.selectedFiles().constFirst());
}

void TBgSetForm::BOKClick()
{
    if (m_bgOfPic->isChecked() && m_picPathValue->text().isEmpty()) {
        ShowError(this, tr("参数有误"), tr("图片地址不能为空！"));
        return;
    }
    if (m_bgOfPic->isChecked())
        if (const QString problem = BackgroundPictureProblem(m_picPathValue->text()); !problem.isEmpty())
            ShowWarning(this, UnusableMediaCaption(), problem);
    emit BackgroundChosen(Background());
    accept();
}

bool TBgSetForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        if (watched == m_colorShow)
            ColorShowClick();
        else if (watched == m_cColorShow)
            CColorShowClick();
        else if (watched == m_picPathValue)
            PicPathLoadClick();
    }
    return QDialog::eventFilter(watched, event);
}

void TBgSetForm::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    m_background = QImage(size(), QImage::Format_RGB32);
    PaintGradient(DialogGradient, m_background);
}

void TBgSetForm::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_background);
}
