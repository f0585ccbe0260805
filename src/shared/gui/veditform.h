#pragma once

#include "dragnumberedit.h"

#include <QDialog>
#include <QImage>
#include <QStringList>

#include <functional>

class QPushButton;
class QTableWidget;

// "属性编辑器": a small key/value grid `VEditor` with `BOK` and `BCancel`. The owner
// inserts its rows, attaches a change handler and an OK handler, and shows it; closing
// the window detaches both handlers and clears every row, ready for the next owner.
class TVEditForm : public QDialog
{
    Q_OBJECT
public:
    enum class RowKind {
        Text,          // free text
        PickList,      // drop-down list, typing allowed
        PickListOnly,  // drop-down list, typing blocked
        Digits,        // digits only; dragging with the left button held steps the value
    };

    explicit TVEditForm(QWidget *parent = nullptr);
    ~TVEditForm() override;

    // Appends a row, or inserts it before row `beforeRow` (0-based) when given. A key
    // that is already present is replaced.
    void InsertRow(const QString &key, const QString &value, RowKind kind = RowKind::Text,
                   const QStringList &pickList = {}, int beforeRow = -1);
    void RemoveRow(const QString &key);
    void ClearRows();
    int RowCount() const;
    QStringList Keys() const;
    bool HasRow(const QString &key) const;
    QString Value(const QString &key) const;  // empty for an unknown key
    void SetValue(const QString &key, const QString &value);  // does not call the change handler
    // The row's value editor (a QLineEdit, a DragNumberEdit or a QComboBox), or null.
    QWidget *ValueEditor(const QString &key) const;

    // Called with the row's key and new value whenever the user changes a value.
    void SetChangeHandler(std::function<void(const QString &key, const QString &value)> handler);
    // Called when BOK is clicked; the handler reads the values and closes the window.
    // Without a handler BOK just closes it.
    void SetOkHandler(std::function<void()> handler);

    void done(int result) override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    struct Row
    {
        QString key;
        RowKind kind;
        QWidget *editor;
    };
    void BOKClick();
    void NotifyChange(const QString &key, const QString &value);
    int IndexOf(const QString &key) const;
    QWidget *CreateEditor(const QString &key, const QString &value, RowKind kind, const QStringList &pickList);

    QTableWidget *m_grid;
    QPushButton *m_ok;
    QPushButton *m_cancel;
    QList<Row> m_rows;
    DragStepCounter m_dragCounter;
    QImage m_background;
    std::function<void(const QString &, const QString &)> m_changeHandler;
    std::function<void()> m_okHandler;
};
