#include "escreenform.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QtMath>

TEScreenForm::TEScreenForm(QWidget *parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName("TEScreenForm");
    setWindowTitle(tr("随机数动画框"));
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    Menu_Stop = new QAction(tr("停止"), this);
    Menu_Stop->setObjectName("Menu_Stop");
    Menu_Stop->setEnabled(false);
    PopupMenu1->addAction(Menu_Stop);
    // Added to the window too, so its shortcut works while this window has the focus.
    addAction(Menu_Stop);
    connect(Menu_Stop, &QAction::triggered, this, &TEScreenForm::StopRequested);
}

void TEScreenForm::ApplySettings(const ExtraScreen &settings)
{
    m_background.SetFill(settings.background);
    m_useResultBoxFormat = settings.useFormat == QStringLiteral("RandBox");
    resize(settings.width, settings.height); // frameless: outer size = client size
    if (settings.formAlign == kFormCentred) {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        move(screen.left() + screen.width() / 2 - settings.width / 2,
             screen.top() + screen.height() / 2 - settings.height / 2);
    } else {
        move(settings.left, settings.top);
    }

    const QRect resultArea(settings.borderDistanceX, settings.borderDistanceY,
                           qMax(0, settings.width - 2 * settings.borderDistanceX),
                           qMax(0, settings.height - 2 * settings.borderDistanceY));
    const Qt::Alignment alignment = BoxTextAlignment(TextToAlignment(settings.randAlign));
    if (settings.randType == QStringLiteral("Memo")) {
        RandMemo = new QPlainTextEdit(this);
        RandMemo->setObjectName("RandMemo");
        RandMemo->setReadOnly(true);
        // A right click anywhere on the window offers its stop menu, not an editing menu.
        RandMemo->setContextMenuPolicy(Qt::NoContextMenu);
        RandMemo->setGeometry(resultArea);
        ApplyFont(RandMemo, settings.randFont);
        SetBaseColour(RandMemo, ToQColor(settings.randBgColour));
        // Lines are broken between results by ShowFrameText, never inside one.
        QTextOption option(alignment);
        option.setWrapMode(QTextOption::NoWrap);
        RandMemo->document()->setDefaultTextOption(option);
        RandMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
        RandMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    } else {
        RandLabel = new QLabel(this);
        RandLabel->setObjectName("RandLabel");
        RandLabel->setTextFormat(Qt::PlainText);
        RandLabel->setGeometry(resultArea);
        RandLabel->setAlignment(alignment);
        ApplyFont(RandLabel, settings.randFont);
        ShowFrameText(tr("随机数将显示在这里"));
    }
}

void TEScreenForm::SetStopShortcut(const QKeySequence &key)
{
    Menu_Stop->setShortcut(key);
}

void TEScreenForm::ShowFrameText(const QString &text)
{
    m_frameText = text;
    if (RandMemo) {
        // Room for the scroll bar too: it appears once the lines outgrow the height.
        const int margins = 2 * qCeil(RandMemo->document()->documentMargin()) + 2 * RandMemo->frameWidth()
            + RandMemo->verticalScrollBar()->sizeHint().width();
        RandMemo->setPlainText(BreakBetweenResults(text, RandMemo->font(), RandMemo->width() - margins));
    } else if (RandLabel) {
        RandLabel->setText(BreakBetweenResults(text, RandLabel->font(), RandLabel->contentsRect().width()));
    }
}

QString TEScreenForm::BreakBetweenResults(const QString &text, const QFont &font, int width) const
{
    // The toolkit's own wrapping breaks a result such as "3.4" where a separator offers
    // no break ("3." and "4"); here a line takes whole results only, and a result wider
    // than the control stands alone on its line.
    if (m_separator.isEmpty())
        return text;
    const QFontMetricsF metrics(font);
    QStringList lines;
    QString line;
    for (const QString &result : text.split(m_separator)) {
        if (line.isEmpty()) {
            line = result;
            continue;
        }
        const QString longer = line + m_separator + result;
        if (metrics.horizontalAdvance(longer) <= width) {
            line = longer;
        } else {
            lines.append(line);
            line = result;
        }
    }
    lines.append(line);
    return lines.join(QLatin1Char('\n'));
}

void TEScreenForm::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_background.Paint(painter, size());
}

void TEScreenForm::contextMenuEvent(QContextMenuEvent *event)
{
    PopupMenu1->popup(event->globalPos());
}
