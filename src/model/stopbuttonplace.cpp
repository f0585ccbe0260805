#include "stopbuttonplace.h"

#include "displaysection.h"
#include <QCoreApplication>

namespace {

bool Clickable(const QRect &part)
{
    return part.width() >= kMinClickableStopPart && part.height() >= kMinClickableStopPart;
}

} // namespace

StopButtonFault ExtraStopButtonFault(const QRect &button, const QSize &clientSize, const QRect &cover)
{
    if (button.width() <= 0 || button.height() <= 0)
        return StopButtonFault::Empty;
    const QRect visible = button.intersected(QRect(QPoint(0, 0), clientSize));
    if (!Clickable(visible))
        return StopButtonFault::OutsideWindow;
    if (cover.isNull())
        return StopButtonFault::None;
    // A strip left beside the cover is enough to click.
    const QRect under = visible.intersected(cover);
    const bool freeStrip = Clickable(QRect(visible.left(), visible.top(), under.left() - visible.left(), visible.height()))
        || Clickable(QRect(under.right() + 1, visible.top(), visible.right() - under.right(), visible.height()))
        || Clickable(QRect(visible.left(), visible.top(), visible.width(), under.top() - visible.top()))
        || Clickable(QRect(visible.left(), under.bottom() + 1, visible.width(), visible.bottom() - under.bottom()));
    return under.isEmpty() || freeStrip ? StopButtonFault::None : StopButtonFault::Covered;
}

QString HiddenStopButtonCaption()
{
    return QCoreApplication::translate("Model", "停止按钮不可见");
}

QString StopButtonFaultWarning(StopButtonFault fault, const QRect &button, const QSize &clientSize)
{
    const QString fallback = QCoreApplication::translate("Model", "抽取时将改用生成按钮和终止快捷键停止。");
    switch (fault) {
    case StopButtonFault::None:
        return {};
    case StopButtonFault::Empty:
        return QCoreApplication::translate("Model", "独立停止按钮的宽度或高度为0（%1×%2），在抽取窗口中看不到它。")
                   .arg(button.width())
                   .arg(button.height())
               + fallback;
    case StopButtonFault::OutsideWindow:
        return QCoreApplication::translate("Model", "独立停止按钮位于(%1,%2)，大小%3×%4，不在%5×%6的抽取窗口之内。")
                   .arg(button.x())
                   .arg(button.y())
                   .arg(button.width())
                   .arg(button.height())
                   .arg(clientSize.width())
                   .arg(clientSize.height())
               + fallback;
    case StopButtonFault::Covered:
        return QCoreApplication::translate("Model", "独立停止按钮被独立窗口遮住了。") + fallback;
    }
    return {};
}

QString ExtraButtonWarning(const ExtraButton &button, const QSize &clientSize)
{
    const QRect rect(button.positionX, button.positionY, button.width, button.height);
    return StopButtonFaultWarning(ExtraStopButtonFault(rect, clientSize), rect, clientSize);
}

QString StopButtonWarning(const AnimateSection &animate, const QSize &clientSize)
{
    const StopSet &stop = animate.inRand.stopSet;
    if (!animate.inRandOn || stop.type != QStringLiteral("Button") || stop.buttonType != QStringLiteral("ExtraButton"))
        return {};
    return ExtraButtonWarning(stop.extraButton, clientSize);
}
