#include "dialogrows.h"

#include "dragnumberedit.h"

#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

FormatRow MakeFormatRow(QWidget *dialog)
{
    FormatRow row;
    row.label = new QLabel(QCoreApplication::translate("DialogRows", "编码格式："), dialog);
    row.value = new QLineEdit(dialog);
    row.value->setObjectName(QStringLiteral("GroupFormatValue"));
    row.insert = new QPushButton(QCoreApplication::translate("DialogRows", "插入组"), dialog);
    row.insert->setObjectName(QStringLiteral("InsertFormat"));
    row.insert->setAutoDefault(false);
    row.list = new QMenu(dialog);
    row.list->setObjectName(QStringLiteral("FormatList"));

    row.layout = new QHBoxLayout;
    row.layout->addWidget(row.label);
    row.layout->addWidget(row.value, 1);
    row.layout->addWidget(row.insert);
    return row;
}

void PopUpFormatList(const FormatRow &row, const QList<FormatChoice> &choices,
                     const std::function<void(const QString &)> &insert)
{
    row.list->clear();
    for (const FormatChoice &choice : choices)
        QObject::connect(row.list->addAction(choice.first), &QAction::triggered, row.value,
                         [insert, placeholder = choice.second] { insert(placeholder); });
    row.insert->setDown(false);
    if (!row.list->isEmpty())
        row.list->popup(row.insert->mapToGlobal(QPoint(0, row.insert->height())));
}

QMenu *MakeContextMenu(QAbstractScrollArea *view, const QString &name)
{
    auto *menu = new QMenu(view);
    menu->setObjectName(name);
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(view, &QWidget::customContextMenuRequested, menu,
                     [view, menu](const QPoint &pos) { menu->popup(view->viewport()->mapToGlobal(pos)); });
    return menu;
}

QAction *AddMenuAction(QMenu *menu, const QString &name, const QString &text)
{
    QAction *action = menu->addAction(text);
    action->setObjectName(name);
    return action;
}

DragNumberEdit *MakeCountEdit(QWidget *dialog, DragStepCounter *counter, const QString &name)
{
    auto *edit = new DragNumberEdit(DragNumberEdit::Kind::Count, counter, dialog);
    edit->setObjectName(name);
    AllowOnlyCharacters(edit, QStringLiteral("0123456789"));
    return edit;
}

CountRow MakeCountRow(QWidget *dialog, DragStepCounter *counter, const QString &caption, int valueWidth)
{
    CountRow row;
    row.label = new QLabel(caption, dialog);
    row.value = MakeCountEdit(dialog, counter, QStringLiteral("RanCountValue"));
    row.value->setMaximumWidth(valueWidth);
    row.repeat = new QCheckBox(QCoreApplication::translate("DialogRows", "是否允许重复"), dialog);
    row.repeat->setObjectName(QStringLiteral("RepeatAllowed"));

    row.layout = new QHBoxLayout;
    row.layout->addWidget(row.label);
    row.layout->addWidget(row.value);
    row.layout->addSpacing(16);
    row.layout->addWidget(row.repeat);
    row.layout->addStretch(1);
    return row;
}

