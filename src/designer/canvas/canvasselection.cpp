#include "canvasselection.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

SelectionHandle::SelectionHandle(HandleDirection direction, QWidget *parent) : QWidget(parent), m_direction(direction)
{
    setObjectName(HandleName(direction));
    setFixedSize(kHandleSize, kHandleSize);
    const bool diagonalFall = direction == HandleDirection::LeftTop || direction == HandleDirection::RightBottom;
    const bool horizontal = direction == HandleDirection::LeftMiddle || direction == HandleDirection::RightMiddle;
    const bool vertical = direction == HandleDirection::MiddleTop || direction == HandleDirection::MiddleBottom;
    setCursor(horizontal ? Qt::SizeHorCursor
              : vertical ? Qt::SizeVerCursor
              : diagonalFall ? Qt::SizeFDiagCursor
                             : Qt::SizeBDiagCursor);
}

void SelectionHandle::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_pressed ? Qt::red : Qt::blue);
}

void SelectionHandle::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_pressed = true;
    m_pressGlobal = event->globalPosition().toPoint();
    update();
    emit Pressed(m_direction);
}

void SelectionHandle::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_pressed)
        return;
    const QPoint delta = event->globalPosition().toPoint() - m_pressGlobal;
    emit Dragged(m_direction, delta.x(), delta.y());
}

void SelectionHandle::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_pressed || event->button() != Qt::LeftButton)
        return;
    m_pressed = false;
    update();
    emit Released(m_direction);
}

CanvasSelection::CanvasSelection(QWidget *canvas) : QObject(canvas), m_canvas(canvas)
{
    for (const HandleDirection direction : kAllHandles) {
        auto *handle = new SelectionHandle(direction, canvas);
        connect(handle, &SelectionHandle::Pressed, this, &CanvasSelection::Pressed);
        connect(handle, &SelectionHandle::Dragged, this, &CanvasSelection::Dragged);
        connect(handle, &SelectionHandle::Released, this, &CanvasSelection::Released);
        m_handles << handle;
    }
    Park();
}

void CanvasSelection::Place(const QRect &object)
{
    for (SelectionHandle *handle : std::as_const(m_handles)) {
        handle->move(HandleTopLeft(handle->Direction(), object));
        handle->show();
        handle->raise();
    }
    m_placed = true;
}

void CanvasSelection::Park()
{
    for (SelectionHandle *handle : std::as_const(m_handles)) {
        handle->move(-2 * kHandleSize, -2 * kHandleSize);
        handle->hide();
    }
    m_placed = false;
}

SelectionHandle *CanvasSelection::Handle(HandleDirection direction) const
{
    for (SelectionHandle *handle : m_handles)
        if (handle->Direction() == direction)
            return handle;
    return nullptr;
}

namespace {
QLabel *NewDottedLine(QWidget *canvas, const QString &name)
{
    auto *line = new QLabel(canvas);
    line->setObjectName(name);
    line->setAttribute(Qt::WA_TransparentForMouseEvents);
    line->setStyleSheet(QStringLiteral("border: 1px dashed #3050c0; background: transparent;"));
    line->hide();
    return line;
}
} // namespace

HoverFrame::HoverFrame(QWidget *canvas)
    : m_canvas(canvas), m_top(NewDottedLine(canvas, QStringLiteral("DottedTop"))),
      m_bottom(NewDottedLine(canvas, QStringLiteral("DottedBottom"))),
      m_left(NewDottedLine(canvas, QStringLiteral("DottedLeft"))),
      m_right(NewDottedLine(canvas, QStringLiteral("DottedRight")))
{
}

void HoverFrame::Frame(const QRect &object)
{
    const int l = object.left(), t = object.top(), w = object.width(), h = object.height();
    m_top->setGeometry(l - 1, t - 1, w + 2, 1);
    m_bottom->setGeometry(l - 1, t + h + 1, w + 2, 1);
    m_left->setGeometry(l - 1, t - 1, 1, h + 2);
    m_right->setGeometry(l + w + 1, t - 1, 1, h + 2);
    for (QLabel *line : {m_top, m_bottom, m_left, m_right}) {
        line->show();
        line->raise();
    }
    m_shown = true;
}

void HoverFrame::Hide()
{
    for (QLabel *line : {m_top, m_bottom, m_left, m_right})
        line->hide();
    m_shown = false;
}
