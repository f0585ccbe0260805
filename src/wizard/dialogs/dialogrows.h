#pragma once

#include "linkbutton.h"

#include <QList>
#include <QString>

#include <functional>
#include <utility>

class DragNumberEdit;
class DragStepCounter;
class QAbstractScrollArea;
class QAction;
class QBoxLayout;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QWidget;

// Pieces that several mode dialogs build the same way. The controls of a row are
// children of the dialog; the row's layout only places them.

// "编码格式：" `GroupFormatValue` "插入组" (`InsertFormat`), whose pop-up menu
// `FormatList` offers the placeholders of the format.
struct FormatRow
{
    QLabel *label;
    QLineEdit *value;
    QPushButton *insert;
    QMenu *list;
    QBoxLayout *layout;
};
FormatRow MakeFormatRow(QWidget *dialog);

// Refills `FormatList` with (menu text, placeholder) choices and opens it under
// "插入组"; a chosen placeholder is handed to `insert`. An empty menu stays closed.
using FormatChoice = std::pair<QString, QString>;
void PopUpFormatList(const FormatRow &row, const QList<FormatChoice> &choices,
                     const std::function<void(const QString &)> &insert);

// A count box: digits only, dragged with `counter`.
DragNumberEdit *MakeCountEdit(QWidget *dialog, DragStepCounter *counter, const QString &name);

// The result count (`RanCountValue`, digits only, dragged with `counter`) after its
// caption, then "是否允许重复" (`RepeatAllowed`).
struct CountRow
{
    QLabel *label;
    DragNumberEdit *value;
    QCheckBox *repeat;
    QBoxLayout *layout;
};
CountRow MakeCountRow(QWidget *dialog, DragStepCounter *counter, const QString &caption, int valueWidth);

// The right-click menu `name` of a list or grid, opened at the pointer.
QMenu *MakeContextMenu(QAbstractScrollArea *view, const QString &name);
QAction *AddMenuAction(QMenu *menu, const QString &name, const QString &text);

