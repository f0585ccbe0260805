#pragma once

#include <QList>
#include <QStringList>

// A table read from a class-list file: one sheet per worksheet of a workbook, one sheet
// for a text file. Rows hold the cells' texts as shown; rows without any text are left
// out, shorter rows are not padded.
struct ImportedSheet
{
    QString name;
    QList<QStringList> rows;
    QList<int> rowNumbers;        // each row's own number in the sheet or text (from 1)
    bool columnsLeftOut = false;  // cells right of ImportLimits::kMaxColumns were not read

    int ColumnCount() const;
    // What the sheet calls row `row`: its own number, rows left out as empty counted.
    int RowNumber(qsizetype row) const { return rowNumbers.value(row, int(row) + 1); }
};

struct ImportedTable
{
    QList<ImportedSheet> sheets;
    QString sourceNote; // how the file was read, e.g. "GB18030 编码"
};

// What any one file may hold. Larger files are refused with these figures in the message:
// a class list is far below them, a damaged or hostile file is stopped before it takes
// the machine's memory or time.
namespace ImportLimits {
constexpr int kMaxRows = 200'000;           // rows with text, per sheet
constexpr int kMaxColumns = 256;            // columns read; cells further right are left out
constexpr int kMaxCellLength = 1'000;       // characters in one cell
constexpr qint64 kMaxFileBytes = qint64(64) << 20;       // the file as it lies on disk
constexpr qint64 kMaxUnpackedBytes = qint64(256) << 20;  // all parts of a workbook unpacked
// Cells kept, the empty ones left of a filled cell included (they take room as well): a
// few kilobytes of packed sheet can otherwise stand for gigabytes of empty cells.
constexpr qint64 kMaxCellsPerSheet = 2'000'000;
constexpr qint64 kMaxCellsPerFile = 4'000'000;
} // namespace ImportLimits

// Counts the cells a reader keeps against the limits, sheet by sheet.
class CellCounter
{
public:
    void StartSheet() { sheetCells = 0; }
    // Adds the cells of one row; the limit's message when that breaks a limit, else "".
    QString Add(const QString &sheetName, qsizetype cells);

private:
    qint64 sheetCells = 0;
    qint64 fileCells = 0;
};

// Reads a .xlsx workbook or a .csv/.txt file, chosen by the content (a ZIP package is a
// workbook) and otherwise by the extension. Throws SuiteError with a message for the user
// when the file cannot be read or breaks a limit; nothing is returned half-read.
ImportedTable ReadNameTable(const QString &path);

// The table of a text pasted from a spreadsheet: tab-separated rows, quoted as
// spreadsheet programs quote cells with line breaks.
ImportedSheet ParsePastedTable(const QString &text);

// The names of one pasted line without tabs: split on the list's separator when the line
// holds it, else on blanks (half- and full-width spaces).
QStringList SplitPastedLine(const QString &line, const QString &separator);

// Whether a cell holds text: a cell of blanks counts as empty.
bool CellHoldsText(QStringView cell);
// Whether a row read from a file holds any text (CellHoldsText); rows that do not are left
// out.
bool RowHoldsText(const QStringList &row);

// The column most likely to hold the names: one headed like "姓名", else the first column
// with text that is not only numbers (student numbers often come first), else column 0.
int GuessNameColumn(const ImportedSheet &sheet);

// Whether the first row is a header of the column: its cell reads like "姓名"/"学号", or it
// is text above a column of numbers.
bool LooksLikeHeader(const ImportedSheet &sheet, int column);

// The names of a column in file order: cells trimmed, empty ones skipped, the first row
// left out when it is the header. A line break inside a cell becomes one space (a name is
// one line wherever it is shown or printed); `joinedLines` counts the cells that had one.
QStringList NamesOfColumn(const ImportedSheet &sheet, int column, bool firstRowIsHeader, int *joinedLines = nullptr);

// The names of a sheet read row by row, every filled cell one name (lists typed across).
QStringList NamesOfRows(const ImportedSheet &sheet, bool firstRowIsHeader, int *joinedLines = nullptr);

// Whether the first rows hold several filled cells each and read like names, not a header:
// a list typed across rather than down.
bool LooksLikeRowsOfNames(const ImportedSheet &sheet);

// Cells that hold several names, "张三、李四、王五": every cell holds one of 、 ， , ; ；
// (and there is more than one name in all).
bool NamesHoldListSeparators(const QStringList &names);
// Each cell split on those separators, parts trimmed, empty ones left out.
QStringList SplitListSeparators(const QStringList &names);

// Spreadsheet letters of a 0-based column: 0 -> "A", 26 -> "AA".
QString ColumnLetters(int column);

// Number of names that hold the given item separator or a line break.
int CountNamesHolding(const QStringList &names, const QString &separator);

// The separator name (one of the list dialog's six) to store these items with: the current
// one when no item holds its character, else the first one that no item holds, so that
// every item stays one item. Empty when every separator occurs in some item.
QString SeparatorKeepingItemsWhole(const QStringList &items, const QString &currentName);
