#include "widgetlook.h"

#include "gradient.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QWidget>

QColor ToQColor(const Rgb &colour)
{
    return QColor(colour.r & 0xFF, colour.g & 0xFF, colour.b & 0xFF);
}

QFont ToQFont(const FontSpec &stored)
{
    QFont font(stored.face);
    if (stored.size > 0)
        font.setPointSize(stored.size);
    font.setBold(stored.bold);
    font.setItalic(stored.italic);
    font.setUnderline(stored.underline);
    font.setStrikeOut(stored.strikeOut);
    return font;
}

Rgb ToRgb(const QColor &colour)
{
    return Rgb{colour.red(), colour.green(), colour.blue()};
}

void ApplyFont(QWidget *widget, const FontSpec &font)
{
    widget->setFont(ToQFont(font));
    SetTextColour(widget, ToQColor(font.colour));
}

void SetTextColour(QWidget *widget, const QColor &colour)
{
    // A disabled control (the draw button during a draw it cannot stop) keeps its colour
    // but faded, so it visibly does not respond.
    QColor faded = colour;
    faded.setAlpha(110);
    QPalette palette = widget->palette();
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Active, role, colour);
        palette.setColor(QPalette::Inactive, role, colour);
        palette.setColor(QPalette::Disabled, role, faded);
    }
    widget->setPalette(palette);
}

void SetBaseColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, colour);
    widget->setPalette(palette);
}

void PlaceWidget(QWidget *widget, const Position &position, int clientWidth)
{
    widget->setGeometry(PlacedLeft(position, clientWidth), position.top, position.width, position.height);
}

void CentreOnScreen(QWidget *window)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QSize outer = window->frameGeometry().size();
    window->move(screen.left() + screen.width() / 2 - outer.width() / 2,
                 screen.top() + screen.height() / 2 - outer.height() / 2);
}

Qt::Alignment LabelAlignment(const QString &align)
{
    return BoxTextAlignment(LabelTextAlignment(align));
}

Qt::Alignment BoxTextAlignment(TextAlignment alignment)
{
    switch (alignment) {
    case TextAlignment::Centre:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case TextAlignment::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case TextAlignment::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

void WindowBackgroundPainter::SetFill(const BackgroundFill &fill)
{
    m_fill = fill;
    m_picture = QPixmap();
    m_gradientImage = QImage();
    if (fill.type == kBgOfChangingColor)
        ParseGradient(fill.gradient); // refuses a malformed text now, not at every paint
    else if (fill.type == kBgOfPic)
        m_picture.load(fill.picturePath);
}

void WindowBackgroundPainter::Paint(QPainter &painter, const QSize &clientSize)
{
    const QRect area(QPoint(0, 0), clientSize);
    if (m_fill.type == kBgOfColor) {
        painter.fillRect(area, ToQColor(m_fill.colour));
    } else if (m_fill.type == kBgOfChangingColor) {
        if (m_gradientImage.size() != clientSize) {
            m_gradientImage = QImage(clientSize, QImage::Format_RGB32);
            m_gradientImage.fill(Qt::white);
            PaintGradient(m_fill.gradient, m_gradientImage);
        }
        painter.drawImage(0, 0, m_gradientImage);
    } else if (m_fill.type == kBgOfPic && !m_picture.isNull()) {
        if (m_fill.stretch)
            painter.drawPixmap(area, m_picture);
        else
            painter.drawPixmap(0, 0, m_picture);
    }
}
