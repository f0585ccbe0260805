#include "listmemo.h"

#include <QMimeData>

void ListMemo::insertFromMimeData(const QMimeData *source)
{
    QString text = source->hasText() ? source->text() : QString();
    // Spreadsheets end a copied range with a line break; one cell alone is plain text.
    while (text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\r')))
        text.chop(1);
    if (text.contains(QLatin1Char('\t')) || text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'))) {
        emit TablePasted(text);
        return;
    }
    QPlainTextEdit::insertFromMimeData(source);
}
