#pragma once

#include <QDialog>
#include <QStringList>

#include <functional>

class QLabel;
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

    // Appends a row, or inserts it before row `beforeRow` (0-based) when given.
    void InsertRow(const QString &key, const QString &value, RowKind kind = RowKind::Text,
                   const QStringList &pickList = {}, int beforeRow = -1);
    void RemoveRow(const QString &key);
    void ClearRows();
    int RowCount() const;
    QStringList Keys() const;
    bool HasRow(const QString &key) const;
    QString Value(const QString &key) const;
    void SetValue(const QString &key, const QString &value);

    // Called with the row's key and new value whenever the user changes a value.
    void SetChangeHandler(std::function<void(const QString &key, const QString &value)> handler);
    // Called when BOK is clicked; the handler usually reads the values and closes.
    void SetOkHandler(std::function<void()> handler);

    // The hidden requester name of the window that opened the editor.
    void SetRequirer(const QString &name);
    QString Requirer() const;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void done(int result) override;

private:
    struct Row;
    void DetachAndClear();
    void NotifyChange(const QString &key, const QString &value);
    int IndexOf(const QString &key) const;

    QTableWidget *m_grid;
    QPushButton *m_ok;
    QPushButton *m_cancel;
    QLabel *m_requirer;
    QList<Row *> m_rows;
    std::function<void(const QString &, const QString &)> m_changeHandler;
    std::function<void()> m_okHandler;
};
