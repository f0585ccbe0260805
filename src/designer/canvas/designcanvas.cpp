#include "designcanvas.h"

#include "apppaths.h"
#include "propertytemplates.h"
#include "suiteerror.h"

#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

template <typename Control>
Control *NewObject(QWidget *canvas, const QString &name)
{
    auto *control = new Control(canvas);
    control->setObjectName(name);
    control->setAttribute(Qt::WA_TransparentForMouseEvents);
    control->setFocusPolicy(Qt::NoFocus);
    control->hide();
    return control;
}

QLabel *NewLabel(QWidget *canvas, const QString &name)
{
    QLabel *label = NewObject<QLabel>(canvas, name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

void Place(QWidget *widget, const Position &position, int clientWidth)
{
    widget->setGeometry(PlacedLeft(position, clientWidth), position.top, qMax(0, position.width),
                        qMax(0, position.height));
}

} // namespace

DesignCanvas::DesignCanvas(QWidget *parent) : QWidget(parent), m_hover(this)
{
    setObjectName(QStringLiteral("DesignCanvas"));
    setMouseTracking(true);

    TitleLabel = NewLabel(this, QStringLiteral("TitleLabel"));
    RandBoxEdit = NewObject<QLineEdit>(this, QStringLiteral("RandBoxEdit"));
    RandBoxEdit->setReadOnly(true);
    RandBoxEdit->setTextMargins(6, 0, 6, 0);
    RandBoxLabel = NewLabel(this, QStringLiteral("RandBoxLabel"));
    RandBoxLabel->setWordWrap(true);
    RandRecordMemo = NewObject<QPlainTextEdit>(this, QStringLiteral("RandRecordMemo"));
    RandRecordMemo->setReadOnly(true);
    RandRecordMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    RandRecordMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RandRecordLabel = NewLabel(this, QStringLiteral("RandRecordLabel"));
    RandRecordLabel->setWordWrap(true);
    GoRandButton = NewObject<QPushButton>(this, QStringLiteral("GoRandButton"));
    RandPic = NewLabel(this, QStringLiteral("RandPic"));
    PicNameLabel = NewLabel(this, QStringLiteral("PicNameLabel"));

    m_selection = new CanvasSelection(this);
}

void DesignCanvas::ShowForm(const FormSection &form, bool pictureProject)
{
    const int width = form.window.width;
    try {
        m_background.SetFill(form.background.fill);
    } catch (const SuiteError &) {
        m_background.SetFill(BackgroundFill{}); // the drawing window refuses it; here it shows plain
    }

    TitleLabel->setText(form.title.caption);
    ApplyFont(TitleLabel, form.title.font);
    Place(TitleLabel, form.title.position, width);
    TitleLabel->setAlignment(LabelAlignment(form.title.position.align));
    TitleLabel->show();

    const ResultBox &box = form.randBox;
    const bool boxIsEdit = box.type == QStringLiteral("Edit");
    RandBoxEdit->setVisible(box.enabled && boxIsEdit);
    RandBoxLabel->setVisible(box.enabled && !boxIsEdit);
    QWidget *boxControl = boxIsEdit ? static_cast<QWidget *>(RandBoxEdit) : RandBoxLabel;
    ApplyFont(boxControl, box.font);
    Place(boxControl, box.position, width);
    if (boxIsEdit) {
        RandBoxEdit->setText(box.format);
        SetBaseColour(RandBoxEdit, ToQColor(box.colour));
    } else {
        RandBoxLabel->setText(box.format);
        RandBoxLabel->setAlignment(LabelAlignment(box.position.align));
    }

    const ResultBox &record = form.randRecord;
    const bool recordIsMemo = record.type == QStringLiteral("Memo");
    RandRecordMemo->setVisible(record.enabled && recordIsMemo);
    RandRecordLabel->setVisible(record.enabled && !recordIsMemo);
    QWidget *recordControl = recordIsMemo ? static_cast<QWidget *>(RandRecordMemo) : RandRecordLabel;
    ApplyFont(recordControl, record.font);
    Place(recordControl, record.position, width);
    if (recordIsMemo) {
        RandRecordMemo->setPlainText(record.format);
        SetBaseColour(RandRecordMemo, ToQColor(record.colour));
    } else {
        RandRecordLabel->setText(record.format);
        RandRecordLabel->setAlignment((LabelAlignment(record.position.align) & Qt::AlignHorizontal_Mask) |
                                      Qt::AlignTop);
    }

    const DrawButton &button = form.goRandButton;
    GoRandButton->setVisible(button.enabled);
    GoRandButton->setText(button.caption.isEmpty() ? tr("生成随机数") : button.caption);
    ApplyFont(GoRandButton, button.font);
    Place(GoRandButton, button.position, width);

    RandPic->setVisible(pictureProject);
    PicNameLabel->setVisible(pictureProject && form.pictureName.visible);
    if (pictureProject)
        ShowPicture(form);
    ShowRemarks(form);
    update();
}

void DesignCanvas::ShowPicture(const FormSection &form)
{
    const PictureBox &box = form.picture;
    const QSize size(qMax(0, box.position.width), qMax(0, box.position.height));
    RandPic->setGeometry(box.position.left, box.position.top, size.width(), size.height());
    RandPic->setAlignment(box.centre ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop);
    QImageReader reader(InstalledDataPath(QStringLiteral("Img/Demo.jpg")));
    reader.setAutoTransform(true);
    if (box.allowStretch && reader.size().isValid() && !size.isEmpty())
        reader.setScaledSize(reader.size().scaled(size, Qt::KeepAspectRatio));
    RandPic->setPixmap(QPixmap::fromImage(reader.read()));

    const PictureNameLine &name = form.pictureName;
    PicNameLabel->setText(tr("显示图片名称格式：%1").arg(ShownPropertyWord(name.type)));
    ApplyFont(PicNameLabel, name.font);
    Place(PicNameLabel, name.position, form.window.width);
    PicNameLabel->setAlignment(LabelAlignment(name.position.align));
}

void DesignCanvas::ShowRemarks(const FormSection &form)
{
    while (Remarks.size() > form.remarks.size())
        delete Remarks.takeLast();
    while (Remarks.size() < form.remarks.size()) {
        QLabel *label = NewLabel(this, QStringLiteral("Remark%1").arg(Remarks.size() + 1));
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        Remarks << label;
    }
    for (int i = 0; i < Remarks.size(); ++i) {
        const RemarkLabel &remark = form.remarks.at(i);
        QLabel *label = Remarks.at(i);
        label->setText(remark.caption);
        ApplyFont(label, remark.font);
        label->setGeometry(remark.position.left, remark.position.top, qMax(0, remark.position.width),
                           qMax(0, remark.position.height));
        label->show();
        label->raise();
    }
}

QWidget *DesignCanvas::WidgetOf(const DesignObject &object) const
{
    switch (object.part) {
    case DesignPart::Window: return nullptr;
    case DesignPart::Title: return TitleLabel;
    case DesignPart::RandBox: return RandBoxEdit->isVisible() ? static_cast<QWidget *>(RandBoxEdit) : RandBoxLabel;
    case DesignPart::RandRecord:
        return RandRecordMemo->isVisible() ? static_cast<QWidget *>(RandRecordMemo) : RandRecordLabel;
    case DesignPart::GoRandButton: return GoRandButton;
    case DesignPart::Picture: return RandPic;
    case DesignPart::PictureName: return PicNameLabel;
    case DesignPart::Remark: return Remarks.value(object.remark);
    }
    return nullptr;
}

QRect DesignCanvas::ObjectRect(const DesignObject &object) const
{
    QWidget *widget = WidgetOf(object);
    return widget ? widget->geometry() : rect();
}

void DesignCanvas::SetObjectRect(const DesignObject &object, const QRect &rect)
{
    if (QWidget *widget = WidgetOf(object))
        widget->setGeometry(rect.left(), rect.top(), qMax(0, rect.width()), qMax(0, rect.height()));
}

DesignObject DesignCanvas::ObjectAt(const QPoint &point) const
{
    // Remarks lie on top, the last created highest; then the other objects.
    for (int i = int(Remarks.size()) - 1; i >= 0; --i)
        if (Remarks.at(i)->isVisible() && Remarks.at(i)->geometry().contains(point))
            return {DesignPart::Remark, i};
    const DesignPart parts[] = {DesignPart::GoRandButton, DesignPart::PictureName, DesignPart::RandRecord,
                                DesignPart::RandBox,      DesignPart::Title,       DesignPart::Picture};
    for (const DesignPart part : parts) {
        QWidget *widget = WidgetOf({part, -1});
        if (widget && widget->isVisible() && widget->geometry().contains(point))
            return {part, -1};
    }
    return {};
}

void DesignCanvas::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    m_background.Paint(painter, size());
}

void DesignCanvas::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    emit Resized();
}

void DesignCanvas::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit MousePressed(event->position().toPoint());
}

void DesignCanvas::mouseMoveEvent(QMouseEvent *event)
{
    emit MouseMoved(event->position().toPoint(), event->buttons().testFlag(Qt::LeftButton));
}

void DesignCanvas::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit MouseReleased(event->position().toPoint());
}
