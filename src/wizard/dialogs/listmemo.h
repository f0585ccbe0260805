#pragma once

#include <QPlainTextEdit>

// The list box of the list dialog. A table pasted from a spreadsheet (cells separated by
// tabs, one row per line) goes to TablePasted instead of landing as one block of text,
// which the list would take as a single item.
class ListMemo : public QPlainTextEdit
{
    Q_OBJECT
public:
    using QPlainTextEdit::QPlainTextEdit;

signals:
    void TablePasted(const QString &text);

protected:
    void insertFromMimeData(const QMimeData *source) override;
};
