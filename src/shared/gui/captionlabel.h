#pragma once

#include <QString>

class QLabel;
class QWidget;

// The caption before a field, made the field's buddy: a screen reader announces the
// field by it, and a mnemonic in the caption moves the focus there.
QLabel *MakeCaptionLabel(const QString &caption, QWidget *field, QWidget *parent);
