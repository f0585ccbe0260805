#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

#include <algorithm>

// Finds Chinese left in a window shown in English.

inline bool HasChinese(const QString &text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= 0x3400 && u <= 0x9FFF) || (u >= 0x3000 && u <= 0x303F) || (u >= 0xFF00 && u <= 0xFFEF))
            return true;
    }
    return false;
}

// Every text a user reads in `window` (title, captions, tooltips, list items, table
// headers and cells, menus) that still holds Chinese, named by where it is, and every
// label that would show its mnemonic's "&" for want of a field to lead to. Widgets in
// `userTexts` show what the user wrote or the project holds and are left out; `names`
// (proper names, not captions) are taken out of every text before it is looked at.
inline QStringList ChineseTexts(QWidget *window, const QList<QWidget *> &userTexts = {}, const QStringList &names = {})
{
    QStringList found;
    auto check = [&found, &names](const QString &where, QString text) {
        for (const QString &name : names)
            text.remove(name);
        if (HasChinese(text))
            found << where + QStringLiteral(": ") + text;
    };
    check(QStringLiteral("title"), window->windowTitle());
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    for (QWidget *widget : std::as_const(widgets)) {
        if (!widget->isVisibleTo(window)
            || std::any_of(userTexts.begin(), userTexts.end(),
                           [widget](QWidget *user) { return user == widget || user->isAncestorOf(widget); }))
            continue;
        const QString where =
            widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className()) : widget->objectName();
        check(where + QStringLiteral(" tooltip"), widget->toolTip());
        check(where + QStringLiteral(" accessible name"), widget->accessibleName());
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            check(where, label->text());
            if (!label->buddy() && label->textFormat() != Qt::RichText
                && label->text().remove(QStringLiteral("&&")).contains(QLatin1Char('&')))
                found << where + QStringLiteral(" shows its mnemonic: ") + label->text();
        } else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            check(where, button->text());
        else if (auto *group = qobject_cast<QGroupBox *>(widget))
            check(where, group->title());
        else if (auto *edit = qobject_cast<QLineEdit *>(widget))
            check(where + QStringLiteral(" placeholder"), edit->placeholderText());
        else if (auto *list = qobject_cast<QComboBox *>(widget))
            for (int i = 0; i < list->count(); ++i)
                check(where, list->itemText(i));
        else if (auto *tabs = qobject_cast<QTabWidget *>(widget))
            for (int i = 0; i < tabs->count(); ++i)
                check(where, tabs->tabText(i));
        else if (auto *header = qobject_cast<QHeaderView *>(widget); header && header->model())
            for (int i = 0; i < header->count(); ++i)
                check(where, header->model()->headerData(i, header->orientation()).toString());
        else if (auto *table = qobject_cast<QTableWidget *>(widget))
            for (int column = 0; column < table->columnCount(); ++column) {
                if (const QTableWidgetItem *header = table->horizontalHeaderItem(column))
                    check(where, header->text());
                for (int row = 0; row < table->rowCount(); ++row)
                    check(where, table->item(row, column) ? table->item(row, column)->text() : QString());
            }
    }
    for (QAction *action : window->findChildren<QAction *>())
        check(action->objectName() + QStringLiteral(" action"), action->text());
    return found;
}

// VERIFY_ENGLISH(window [, userTexts [, names]]): fails naming every Chinese text left.
#define VERIFY_ENGLISH(...)                                                                                        \
    do {                                                                                                           \
        const QStringList chinese = ChineseTexts(__VA_ARGS__);                                                     \
        QVERIFY2(chinese.isEmpty(), qPrintable(chinese.join(QLatin1Char('\n'))));                                  \
    } while (false)
