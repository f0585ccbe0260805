#include "commandbar.h"

#include "gradient.h"
#include "selectionframe.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>


namespace {
constexpr int kSlotWidth = 88;
constexpr int kGlyphSize = 34;
constexpr int kRingMargin = 4;

struct Command
{
    const char *name;
    const char *caption;
};

const Command kCommands[] = {
    {"GoShowApp", QT_TRANSLATE_NOOP("CommandBar", "进入显示程序")},
    {"GoCreateProj", QT_TRANSLATE_NOOP("CommandBar", "新建工程")},
    {"GoProjManage", QT_TRANSLATE_NOOP("CommandBar", "导入/导出工程")},
    {"GoProjSearch", QT_TRANSLATE_NOOP("CommandBar", "查找工程")},
    {"GoConfig", QT_TRANSLATE_NOOP("CommandBar", "系统设置")},
    {"GoAbout", QT_TRANSLATE_NOOP("CommandBar", "关于本软件")},
    {"GoHelp", QT_TRANSLATE_NOOP("CommandBar", "使用帮助")},
    {"GoAsk", QT_TRANSLATE_NOOP("CommandBar", "用户反馈")},
};

void drawGear(QPainter &p)
{
    for (int i = 0; i < 8; ++i) {
        p.save();
        p.translate(17, 17);
        p.rotate(i * 45.0);
        p.drawRect(QRectF(-2.5, -14, 5, 6));
        p.restore();
    }
    p.drawEllipse(QPointF(17, 17), 9, 9);
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.drawEllipse(QPointF(17, 17), 4, 4);
}

// White line pictures of the eight commands, drawn rather than shipped.
QPixmap commandGlyph(const QString &name)
{
    QPixmap pixmap(kGlyphSize, kGlyphSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QPen pen(Qt::white, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    if (name == QLatin1String("GoShowApp")) {
        p.drawEllipse(QRectF(2, 2, 30, 30));
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF{QPointF(13, 10), QPointF(24, 17), QPointF(13, 24)});
    } else if (name == QLatin1String("GoCreateProj")) {
        p.drawRoundedRect(QRectF(5, 2, 22, 29), 3, 3);
        p.drawLine(QPointF(16, 10), QPointF(16, 24));
        p.drawLine(QPointF(9, 17), QPointF(23, 17));
    } else if (name == QLatin1String("GoProjManage")) {
        p.drawLine(QPointF(11, 30), QPointF(11, 5));
        p.drawPolyline(QPolygonF{QPointF(5, 11), QPointF(11, 5), QPointF(17, 11)});
        p.drawLine(QPointF(23, 4), QPointF(23, 29));
        p.drawPolyline(QPolygonF{QPointF(17, 23), QPointF(23, 29), QPointF(29, 23)});
    } else if (name == QLatin1String("GoProjSearch")) {
        p.drawEllipse(QRectF(3, 3, 19, 19));
        p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(20, 20), QPointF(30, 30));
    } else if (name == QLatin1String("GoConfig")) {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        drawGear(p);
    } else if (name == QLatin1String("GoAbout") || name == QLatin1String("GoHelp")) {
        p.drawEllipse(QRectF(2, 2, 30, 30));
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(20);
        font.setBold(true);
        p.setFont(font);
        p.drawText(QRectF(2, 2, 30, 30), Qt::AlignCenter,
                   name == QLatin1String("GoAbout") ? QStringLiteral("i") : QStringLiteral("?"));
    } else {
        p.drawRoundedRect(QRectF(2, 7, 30, 21), 3, 3);
        p.drawPolyline(QPolygonF{QPointF(3, 9), QPointF(17, 20), QPointF(31, 9)});
    }
    return pixmap;
}

// A command's keyboard button: it paints nothing but the focus ring and lets the mouse
// through to the glyph and caption under it, so the bar looks and clicks as before.
class CommandKey : public QAbstractButton
{
public:
    CommandKey(const QString &caption, QWidget *parent) : QAbstractButton(parent)
    {
        setText(caption);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (!hasFocus())
            return;
        QPainter painter(this);
        PaintFocusRing(painter, rect());
    }
};
} // namespace

QFont MenuCaptionFont()
{
    QFont font(QStringLiteral("微软雅黑"));
    font.setPixelSize(13);
    return font;
}

CommandBar::CommandBar(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("MenuPanel"));
    int slot = 0;
    for (const Command &command : kCommands) {
        const QString name = QLatin1String(command.name);
        const int left = 12 + slot * kSlotWidth;
        auto *glyph = new QLabel(this);
        glyph->setObjectName(name + QStringLiteral("Img"));
        glyph->setPixmap(commandGlyph(name));
        glyph->setGeometry(left + (kSlotWidth - kGlyphSize) / 2, 9, kGlyphSize, kGlyphSize);
        auto *caption = new QLabel(tr(command.caption), this);
        caption->setObjectName(name);
        caption->setFont(MenuCaptionFont());
        caption->setStyleSheet(QStringLiteral("color: white;"));
        caption->adjustSize();
        caption->move(left + (kSlotWidth - caption->width()) / 2, 52);
        for (QLabel *part : {glyph, caption}) {
            part->setCursor(Qt::PointingHandCursor);
            part->installEventFilter(this);
        }
        auto *key = new CommandKey(caption->text(), this);
        key->setObjectName(name + QStringLiteral("Button"));
        // A little wider than its slot, so the ring clears the widest captions.
        key->setGeometry(left - kRingMargin, 0, kSlotWidth + 2 * kRingMargin, BarHeight);
        key->installEventFilter(this);
        connect(key, &QAbstractButton::clicked, this, [this, name] { emit CommandClicked(name); });
        commandKeys << key;
        ++slot;
    }
    SetKeyboardReachable(true);
}

void CommandBar::SetKeyboardReachable(bool reachable)
{
    keyboardReachable = reachable;
    commandKeys.at(tabStop)->setFocusPolicy(reachable ? Qt::TabFocus : Qt::NoFocus);
}

void CommandBar::FocusCommand(int slot)
{
    if (slot >= 0 && slot < commandKeys.size())
        commandKeys.at(slot)->setFocus(Qt::OtherFocusReason);
}

QLabel *CommandBar::Caption(const QString &command) const
{
    return findChild<QLabel *>(command, Qt::FindDirectChildrenOnly);
}

bool CommandBar::eventFilter(QObject *watched, QEvent *event)
{
    const int slot = int(commandKeys.indexOf(watched));
    if (slot >= 0) {
        if (event->type() == QEvent::FocusIn && slot != tabStop) {
            // However the focus came here (arrow keys, a screen reader), Tab comes back to it.
            commandKeys.at(tabStop)->setFocusPolicy(Qt::NoFocus);
            tabStop = slot;
            SetKeyboardReachable(keyboardReachable);
        }
        if (event->type() != QEvent::KeyPress)
            return QWidget::eventFilter(watched, event);
        const auto *keyEvent = static_cast<QKeyEvent *>(event);
        if ((keyEvent->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return QWidget::eventFilter(watched, event);
        switch (keyEvent->key()) {
        case Qt::Key_Left:
            FocusCommand(slot - 1);
            return true;
        case Qt::Key_Right:
            FocusCommand(slot + 1);
            return true;
        case Qt::Key_Home:
            FocusCommand(0);
            return true;
        case Qt::Key_End:
            FocusCommand(int(commandKeys.size()) - 1);
            return true;
        case Qt::Key_Up:
        case Qt::Key_Down:
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            commandKeys.at(slot)->click();
            return true;
        default:
            return QWidget::eventFilter(watched, event);
        }
    }
    if (event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        QString name = watched->objectName();
        if (name.endsWith(QLatin1String("Img")))
            name.chop(3);
        emit CommandClicked(name);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void CommandBar::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    menuBgImg = QImage(width(), BarHeight, QImage::Format_RGB32);
    menuBgImg.fill(Qt::black);
    PaintGradient(MenuGradient, menuBgImg);
}

void CommandBar::paintEvent(QPaintEvent *)
{
    QPainter(this).drawImage(0, 0, menuBgImg);
}
