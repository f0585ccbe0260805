#pragma once

#include "displaysection.h"

// An object of the design canvas. The result and record boxes are one object each,
// whichever control (edit box or label, memo or label) shows them.
enum class DesignPart { Window, Title, RandBox, RandRecord, GoRandButton, Picture, PictureName, Remark };

struct DesignObject
{
    DesignPart part = DesignPart::Window;
    int remark = -1; // 0-based, for DesignPart::Remark
    friend bool operator==(const DesignObject &, const DesignObject &) = default;
};

// The position block of an object in the form; null for the window and for a remark
// that does not exist (any more).
Position *PositionOf(FormSection &form, const DesignObject &object);
const Position *PositionOf(const FormSection &form, const DesignObject &object);
// Whether the object is on the canvas now (visible box, existing remark, …).
bool IsShown(const FormSection &form, bool pictureProject, const DesignObject &object);
// The objects on the canvas in the order Tab visits them: the fixed ones top to bottom
// of the design, then the remarks in their order. The window itself is not among them.
QVector<DesignObject> ShownObjects(const FormSection &form, bool pictureProject);
