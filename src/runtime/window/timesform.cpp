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
    CentreTimesBox();
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
    CentreTimesBox();
}

void TTimesForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    CentreTimesBox();
}

void TTimesForm::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    CentreTimesBox();
}

void TTimesForm::CentreTimesBox()
{
    // Halves truncated toward zero, as the window's own layout rule.
    TimesBox->move(width() / 2 - TimesBox->width() / 2, height() / 2 - TimesBox->height() / 2);
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
