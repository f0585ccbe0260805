#pragma once

#include <QRect>
#include <QSize>
#include <QString>

// Whether a separate stop button can be clicked where it was designed. A draw that
// cannot be stopped ruins a lesson, so the drawing window falls back to another way to
// stop, and the designers warn, whenever this says the button is not usable.
enum class StopButtonFault {
    None,
    Empty,         // no width or no height
    OutsideWindow, // less than a clickable part lies inside the client area
    Covered,       // the clickable part lies under another window of the suite
};

// Smallest part of the button, in pixels each way, that counts as clickable.
constexpr int kMinClickableStopPart = 8;

// `button` and `cover` in client coordinates of the drawing window; a null `cover`
// means nothing lies over the window.
StopButtonFault ExtraStopButtonFault(const QRect &button, const QSize &clientSize, const QRect &cover = {});

// The caption of the designers' warning box.
QString HiddenStopButtonCaption();

// The designers' warning for a fault ("" for None); `clientSize` names the window.
QString StopButtonFaultWarning(StopButtonFault fault, const QRect &button, const QSize &clientSize);

struct AnimateSection;
struct ExtraButton;
// The warning for a separate stop button that would not be visible in a drawing window
// of `clientSize`, and for an animation whose draws stop by such a button; "" when
// there is nothing to say.
QString ExtraButtonWarning(const ExtraButton &button, const QSize &clientSize);
QString StopButtonWarning(const AnimateSection &animate, const QSize &clientSize);
