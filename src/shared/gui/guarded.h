#pragma once

#include <functional>

class QWidget;

// A guarded block around reads and writes of the INI files: when the block throws
// IniAccessError the rights message is shown and the rest of the block is skipped.
// Any other SuiteError is shown in an error box with its own text. Returns true when
// the block ran to its end.
bool Guarded(QWidget *parent, const std::function<void()> &block);
