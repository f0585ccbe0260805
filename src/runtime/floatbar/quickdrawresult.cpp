#include "quickdrawresult.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QPainter>
#include <QMouseEvent>
#include <QPauseAnimation>
#include <QPropertyAnimation>
#include <QScreen>
#include <QSequentialAnimationGroup>

namespace {
constexpr int kFadeMs = 600;
constexpr int kGap = 8; // between the bar and the label
} // namespace

QRegion RoundedWindowRegion(const QSize &size, int radius)
{
    QBitmap shape(size);
    shape.fill(Qt::color0);
    QPainter painter(&shape);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::color1);
    painter.drawRoundedRect(QRect(QPoint(0, 0), size), radius, radius);
    return QRegion(shape);
}

QuickDrawResult::QuickDrawResult(QWidget *parent)
    : QLabel(parent, kFloatingWindowFlags),
      m_life(new QSequentialAnimationGroup(this)), m_fade(new QPropertyAnimation(this, "windowOpacity", this))
{
    setObjectName(QStringLiteral("QuickDrawResult"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    setCursor(Qt::PointingHandCursor);
    setToolTip(tr("点击保留结果，再点击关闭"));
    m_fade->setDuration(kFadeMs);
    m_fade->setStartValue(1.0);
    m_fade->setEndValue(0.0);
    m_life->addPause(0);
    m_life->addAnimation(m_fade);
    connect(m_life, &QAbstractAnimation::finished, this, &QWidget::hide);
}

bool QuickDrawResult::Animating() const
{
    return m_life->state() != QAbstractAnimation::Stopped;
}

void QuickDrawResult::ShowBeside(const QString &text, Kind kind, const QRect &bar, int holdMs)
{
    m_life->stop();
    m_kept = false;
    const bool result = kind == Kind::Result;
    setStyleSheet(result ? QStringLiteral("QLabel { color: #ffffff; background: #1d3b6e; border: 3px solid #f2b134;"
                                          " border-radius: 14px; padding: 10px 26px; }")
                         : QStringLiteral("QLabel { color: #3a2a00; background: #fff4d6; border: 2px solid #d08a00;"
                                          " border-radius: 10px; padding: 8px 14px; }"));
    QFont face = font();
    face.setPixelSize(result ? 56 : 17);
    face.setBold(result);
    setFont(face);
    m_cornerRadius = result ? 14 : 10;
    setText(text);
    Place(bar);
    setWindowOpacity(1.0);
    show();
    raise();
    static_cast<QPauseAnimation *>(m_life->animationAt(0))->setDuration(qMax(0, holdMs));
    m_life->start();
}

void QuickDrawResult::Place(const QRect &bar)
{
    QScreen *screen = QGuiApplication::screenAt(bar.center());
    const QRect area = (screen ? screen : QGuiApplication::primaryScreen())->availableGeometry();
    setMaximumWidth(area.width() * 3 / 5);
    adjustSize();
    // Beside the bar on the side with room, level with it, kept on the screen.
    int x = bar.right() + 1 + kGap;
    if (x + width() > area.right() + 1)
        x = bar.left() - kGap - width();
    const int y = std::clamp(bar.center().y() - height() / 2, area.top(), std::max(area.top(), area.bottom() + 1 - height()));
    m_placed = QRect(QPoint(std::clamp(x, area.left(), std::max(area.left(), area.right() + 1 - width())), y), size());
    move(m_placed.topLeft());
}

void QuickDrawResult::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (m_kept) {
        m_kept = false;
        hide();
        return;
    }
    m_life->stop();
    setWindowOpacity(1.0);
    m_kept = true;
}

void QuickDrawResult::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    setMask(RoundedWindowRegion(size(), m_cornerRadius));
}
