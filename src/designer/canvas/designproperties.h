#pragma once

#include "designobject.h"

#include <QMap>
#include <QRect>

// What the value editor shows for an object of the design canvas, and what a changed
// row does to the design. Plain logic on the display section; the window adds what
// only it can do (dialogs, centring itself on the screen).

// The property list ("heading||key||…") of an object.
QString PropertyListFor(const FormSection &form, const DesignObject &object);

// The rows' values. `objectRect` is where the object stands on the canvas (for the
// window: its frame on the screen).
QMap<QString, QString> PropertyValues(const FormSection &form, const DesignObject &object, const QRect &objectRect);

// Applies a changed row to the design; false when the row changes nothing there
// (display rows, rows of another object). `clientWidth` places an object whose
// alignment changes, so "自定义" keeps it where it stands.
bool ApplyProperty(FormSection &form, const DesignObject &object, const QString &key, const QString &value,
                   int clientWidth);

// The font an object is shown in; null for the window and the picture box.
FontSpec *FontOf(FormSection &form, const DesignObject &object);
