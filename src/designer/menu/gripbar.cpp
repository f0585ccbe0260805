#include "gripbar.h"

#include <QMouseEvent>
#include <QPainter>

GripBar::GripBar(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("MoveImg"));
    setCursor(Qt::PointingHandCursor);
}

void GripBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(128, 0, 128));
    const int left = width() / 2 - 20;
    for (const int y : {7, 12, 17, 22})
        painter.fillRect(left, y, 40, 2, Qt::white);
}

void GripBar::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Clicked();
}
