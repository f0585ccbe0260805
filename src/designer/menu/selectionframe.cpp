#include "selectionframe.h"

#include <QPainter>

SelectionFrame::SelectionFrame(Style style, QSize size, QWidget *parent) : QWidget(parent), style(style)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(size);
    Park();
}

void SelectionFrame::Park()
{
    move(-150, y());
}

bool SelectionFrame::IsParked() const
{
    return x() == -150;
}

void SelectionFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor accent(51, 153, 255);
    if (style == Style::Hover) {
        painter.setPen(QPen(QColor(accent.red(), accent.green(), accent.blue(), 170), 3));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5), 8, 8);
    } else {
        painter.setPen(QPen(accent, 2));
        painter.setBrush(QColor(accent.red(), accent.green(), accent.blue(), 90));
        painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 8, 8);
    }
}

void PaintFocusRing(QPainter &painter, const QRect &rect)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    const QRectF ring = QRectF(rect).adjusted(2, 2, -2, -2);
    painter.setPen(QPen(Qt::black, 4));
    painter.drawRoundedRect(ring, 8, 8);
    painter.setPen(QPen(Qt::white, 2, Qt::DashLine));
    painter.drawRoundedRect(ring, 8, 8);
    painter.restore();
}
