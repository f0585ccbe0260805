#include "timesform.h"

#include <QLabel>
#include <QPainter>

TTimesForm::TTimesForm(QWidget *parent) : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                                                              Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus)
{
    setObjectName("TTimesForm");
    setAttribute(Qt::WA_ShowWithoutActivating);
    TimesBox = new QLabel("100", this);
    TimesBox->setObjectName("TimesBox");
    TimesBox->setAlignment(Qt::AlignCenter);
    TimesBox->adjustSize();
}

void TTimesForm::SetCountFont(const QFont &font, const QColor &colour)
{
    TimesBox->setFont(font);
    QPalette palette = TimesBox->palette();
    palette.setColor(QPalette::WindowText, colour);
    TimesBox->setPalette(palette);
    TimesBox->adjustSize();
    PlaceTimesBox();
}

void TTimesForm::ShowOver(const QRect &coveredFrameGeometry, int remaining)
{
    setGeometry(coveredFrameGeometry);
    SetRemaining(remaining);
    show();
    raise();
}

void TTimesForm::SetRemaining(int remaining)
{
    TimesBox->setText(QString::number(remaining));
    TimesBox->adjustSize();
    PlaceTimesBox();
}

void TTimesForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    PlaceTimesBox();
}

void TTimesForm::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    PlaceTimesBox();
}

void TTimesForm::PlaceTimesBox()
{
    // In the top right corner: the middle of the window is where the frames show their
    // results, and the badge must not hide them.
    constexpr int kEdge = 8;
    const QRect badge = BadgeRect();
    const QPoint boxInBadge = TimesBox->pos() - badge.topLeft();
    TimesBox->move(qMax(0, width() - kEdge - badge.width()) + boxInBadge.x(), qMin(kEdge, height() / 4) + boxInBadge.y());
    setMask(QRegion(BadgeRect()));
    update();
}

QRect TTimesForm::BadgeRect() const
{
    const int padding = qMax(6, TimesBox->height() / 4);
    return TimesBox->geometry().adjusted(-2 * padding, -padding, 2 * padding, padding);
}

void TTimesForm::paintEvent(QPaintEvent *)
{
    // A badge that contrasts with the number's colour.
    const QColor text = TimesBox->palette().color(QPalette::WindowText);
    const bool lightText = qGray(text.rgb()) >= 128;
    QPainter painter(this);
    painter.fillRect(BadgeRect(), lightText ? QColor(30, 30, 40) : QColor(245, 245, 245));
}
