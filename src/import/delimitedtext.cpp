#include "delimitedtext.h"

#include "fileerror.h"
#include "suiteerror.h"
#include "textfile.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QCoreApplication>

using namespace ImportLimits;

namespace {

constexpr QChar kQuote = QLatin1Char('"');

bool IsLineEnd(QChar c)
{
    return c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

// Field counts of the first records, quotes honoured; enough to tell the separator.
QList<int> FieldCounts(QStringView text, QChar separator, int records)
{
    QList<int> counts;
    int fields = 1;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size() && counts.size() < records; ++i) {
        const QChar c = text[i];
        if (c == kQuote)
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (c == separator)
            ++fields;
        else if (IsLineEnd(c)) {
            counts << fields;
            fields = 1;
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
        }
    }
    if (fields > 1)
        counts << fields;
    return counts;
}

} // namespace

QChar GuessSeparator(QStringView text)
{
    static const QChar candidates[] = {QLatin1Char(','), QLatin1Char('\t'), QLatin1Char(';'), QChar(0xFF0C)};
    QChar best = candidates[0];
    int bestScore = 0;
    for (QChar candidate : candidates) {
        // Rows that share the most common field count (above one) vote for the separator.
        QHash<int, int> rowsPerCount;
        for (int count : FieldCounts(text, candidate, 200))
            if (count > 1)
                ++rowsPerCount[count];
        int score = 0;
        for (int rows : std::as_const(rowsPerCount))
            score = qMax(score, rows);
        if (score > bestScore) {
            best = candidate;
            bestScore = score;
        }
    }
    return best;
}

ImportedSheet ParseDelimitedText(QStringView text, QChar separator, const QString &sheetName, CellCounter &cells)
{
    ImportedSheet sheet;
    sheet.name = sheetName;
    cells.StartSheet();
    QStringList row;
    QString cell;
    int line = 1;          // for messages: the line the current row starts on
    int record = 1;        // the row a spreadsheet program shows the current row as
    int quoteLine = 0;     // the line a still open quote started on
    bool quoted = false;
    bool fieldStart = true;

    auto endCell = [&] {
        if (row.size() < kMaxColumns)
            row << cell;
        else if (CellHoldsText(cell))
            sheet.columnsLeftOut = true;
        cell.clear();
        fieldStart = true;
    };
    auto endRow = [&] {
        endCell();
        if (RowHoldsText(row)) {
            if (sheet.rows.size() >= kMaxRows)
                throw SuiteError(QCoreApplication::translate(
                                     "Import",
                                     "文件超过 %1 行，超出导入的上限（最多 %1 行有内容的行），未导入任何内容。"
                                     "请只保留名单所在的行后再导入。")
                                     .arg(kMaxRows));
            // Empty fields after the last filled one take no room.
            while (row.last().isEmpty())
                row.removeLast();
            if (const QString problem = cells.Add(sheetName, row.size()); !problem.isEmpty())
                throw SuiteError(problem);
            sheet.rows << row;
            sheet.rowNumbers << record;
        }
        row.clear();
        ++record;
    };

    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == kQuote) {
                if (i + 1 < text.size() && text[i + 1] == kQuote) {
                    cell += kQuote;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                cell += c;
                if (c == QLatin1Char('\n'))
                    ++line;
            }
        } else if (c == kQuote && fieldStart) {
            quoted = true;
            quoteLine = line;
            fieldStart = false;
        } else if (c == separator) {
            endCell();
        } else if (IsLineEnd(c)) {
            endRow();
            ++line;
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
        } else {
            // The rest of an unquoted field in one go: up to the separator or the line's end
            // (quotes inside it are text), never much past the length a cell may have.
            qsizetype end = i + 1;
            while (end < text.size() && end - i <= kMaxCellLength && text[end] != separator && !IsLineEnd(text[end]))
                ++end;
            cell += text.sliced(i, end - i);
            fieldStart = false;
            i = end - 1;
        }
        if (cell.size() > kMaxCellLength)
            throw SuiteError(QCoreApplication::translate(
                                 "Import",
                                 "第 %1 行有一个单元格超过 %2 个字符，超出导入的上限（每个单元格最多 %2 个字符），"
                                 "未导入任何内容。")
                                 .arg(quoted ? quoteLine : line)
                                 .arg(kMaxCellLength));
    }
    if (quoted)
        throw SuiteError(
            QCoreApplication::translate("Import", "第 %1 行的引号没有配对，文件可能已损坏，未导入任何内容。")
                .arg(quoteLine));
    if (!cell.isEmpty() || !row.isEmpty())
        endRow();
    return sheet;
}

ImportedTable ReadDelimitedFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw SuiteError(QCoreApplication::translate("Import", "无法读取文件“%1”：%2")
                             .arg(QFileInfo(path).fileName(), FileErrorText(file)));
    const ForeignText decoded = DecodeForeignText(file.readAll());
    QStringView text = decoded.text;

    QChar separator;
    // Excel writes "sep=;" as the first line when it was told the separator.
    if (text.startsWith(QLatin1String("sep=")) && text.size() >= 5 && (text.size() == 5 || IsLineEnd(text[5]))) {
        separator = text[4];
        text = text.sliced(5);
    } else {
        separator = GuessSeparator(text.left(64 * 1024));
    }

    CellCounter cells;
    return {{ParseDelimitedText(text, separator, QFileInfo(path).completeBaseName(), cells)},
            QCoreApplication::translate("Import", "%1 编码").arg(decoded.encodingName)};
}
