#pragma once

#include "querysection.h"

class QPlainTextEdit;
class QPushButton;
class QWidget;

// The parameter overview shared by the wizard's second step and the query editor.

// `RandInfo`: read-only, unwrapped, both scroll bars always shown.
QPlainTextEdit *MakeRandInfo(QWidget *parent);

// `RandInfoEdit`: the link "点此编辑参数" that opens the parameter dialog.
QPushButton *MakeRandInfoEdit(QWidget *parent);

// Shows the description of the parameters, or why there is none.
void ShowQueryDescription(QPlainTextEdit *randInfo, const QueryParams &params, int pmode);
