#include "nametable.h"

#include "delimitedtext.h"
#include "fileerror.h"
#include "querysection.h"
#include "suiteerror.h"
#include "xlsxreader.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QCoreApplication>

using namespace ImportLimits;

namespace {

// The separator names of the list dialog, in the order a replacement is picked.
const QStringList &SeparatorNames()
{
    static const QStringList names{QStringLiteral("空格"),     QStringLiteral("半角逗号"), QStringLiteral("半角分号"),
                                   QStringLiteral("全角逗号"), QStringLiteral("全角分号"), QStringLiteral("全角空格")};
    return names;
}

bool IsNumber(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^[+-]?\\d+(\\.\\d+)?$"));
    return number.match(text.trimmed()).hasMatch();
}

bool IsHeaderWord(const QString &text)
{
    static const QRegularExpression header(
        QStringLiteral("^(姓名|名字|名称|名单|人员|成员|学生|学员|员工|选手|参与者|参赛者|学号|工号|编号|序号|号码|班级|性别|备注|"
                       "name|names|student|students|member|members|no\\.?|id)$"),
        QRegularExpression::CaseInsensitiveOption);
    QString word = text.trimmed();
    word.remove(QLatin1Char(' '));
    return header.match(word).hasMatch() || word.endsWith(QStringLiteral("姓名"));
}

QString CellAt(const QStringList &row, int column)
{
    return row.value(column).trimmed();
}

// Appends a cell's text as one name of one line; empty cells give none.
void AppendName(QStringList &names, const QString &cell, int *joinedLines)
{
    static const QRegularExpression lineBreaks(QStringLiteral("\\s*[\\r\\n]+\\s*"));
    QString name = cell.trimmed();
    if (name.isEmpty())
        return;
    if (name.contains(QLatin1Char('\n')) || name.contains(QLatin1Char('\r'))) {
        name.replace(lineBreaks, QStringLiteral(" "));
        if (joinedLines)
            ++*joinedLines;
    }
    names << name;
}

// The marks people put between names typed into one cell.
const QRegularExpression &ListSeparators()
{
    static const QRegularExpression separators(QStringLiteral("[、，,;；]"));
    return separators;
}

// Peeks at the file's first bytes: ZIP packages are workbooks, OLE compound files are
// legacy workbooks or encrypted ones (Office wraps an encrypted .xlsx in the old format).
QByteArray FileStart(QFile &file)
{
    const QByteArray start = file.read(8);
    file.seek(0);
    return start;
}

// An encrypted Office file names its "EncryptedPackage" stream (UTF-16) in the directory.
bool NamesEncryptedPackage(QFile &file)
{
    QByteArray marker;
    for (char c : QByteArrayView("EncryptedPackage"))
        marker.append(c).append('\0');
    return file.readAll().contains(marker);
}

} // namespace

int ImportedSheet::ColumnCount() const
{
    int columns = 0;
    for (const QStringList &row : rows)
        columns = qMax(columns, int(row.size()));
    return columns;
}

ImportedTable ReadNameTable(const QString &path)
{
    const QFileInfo info(path);
    QFile file(path);
    if (!info.exists())
        throw SuiteError(QCoreApplication::translate("Import", "文件“%1”不存在。").arg(info.fileName()));
    if (info.isDir() || !file.open(QIODevice::ReadOnly))
        throw SuiteError(
            QCoreApplication::translate("Import", "无法读取文件“%1”：%2").arg(info.fileName(), FileErrorText(file)));
    if (file.size() > kMaxFileBytes)
        throw SuiteError(
            QCoreApplication::translate("Import", "文件“%1”有 %2 MB，超出导入的上限（最多 %3 MB），未导入任何内容。")
                .arg(info.fileName())
                .arg(file.size() >> 20)
                .arg(kMaxFileBytes >> 20));
    if (file.size() == 0)
        throw SuiteError(
            QCoreApplication::translate("Import", "文件“%1”是空的，没有可导入的名单。").arg(info.fileName()));

    const QByteArray start = FileStart(file);
    const QString suffix = info.suffix().toLower();
    ImportedTable table;
    if (start.startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1")) {
        if (NamesEncryptedPackage(file))
            throw SuiteError(QCoreApplication::translate(
                "Import", "该工作簿已加密（设有打开密码），无法读取。请在表格软件中取消密码后另存为 .xlsx 或 "
                          ".csv，未导入任何内容。"));
        throw SuiteError(QCoreApplication::translate(
            "Import", "不支持旧版 .xls 格式，请在表格软件中另存为 .xlsx 或 .csv，未导入任何内容。"));
    }
    file.close();
    const bool workbook = start.startsWith("PK\x03\x04") || start.startsWith("PK\x05\x06");
    if (workbook) {
        table = ReadWorkbook(path);
    } else if (suffix == QLatin1String("xlsx") || suffix == QLatin1String("xlsm") || suffix == QLatin1String("xls")) {
        throw SuiteError(QCoreApplication::translate(
            "Import", "该文件不是有效的 Excel 工作簿（.xlsx），可能已损坏，或是别的文件改了扩展名。"
                      "未导入任何内容。"));
    } else {
        table = ReadDelimitedFile(path);
    }

    if (std::all_of(table.sheets.cbegin(), table.sheets.cend(), [](const ImportedSheet &s) { return s.rows.isEmpty(); }))
        throw SuiteError(
            !workbook ? QCoreApplication::translate("Import", "文件中只有空白，没有任何姓名，没有可导入的名单。")
            : table.sheets.size() > 1
                ? QCoreApplication::translate("Import", "工作簿的所有工作表都是空的，没有可导入的名单。")
                : QCoreApplication::translate("Import", "文件中没有任何内容（工作表为空），没有可导入的名单。"));
    return table;
}

QString CellCounter::Add(const QString &sheetName, qsizetype cells)
{
    sheetCells += cells;
    fileCells += cells;
    if (sheetCells <= kMaxCellsPerSheet && fileCells <= kMaxCellsPerFile)
        return QString(); // asked for every row: a message is made only for the row over a limit
    const QString advice =
        QCoreApplication::translate("Import", "未导入任何内容。远在右边的单元格连同它左边的空单元格一起计数，"
                                              "请只保留名单所在的行和列后再导入。");
    if (sheetCells > kMaxCellsPerSheet)
        return QCoreApplication::translate(
                   "Import", "工作表“%1”的单元格超过 %2 个，超出导入的上限（每个工作表最多 %2 个单元格），")
                   .arg(sheetName)
                   .arg(kMaxCellsPerSheet)
               + advice;
    return QCoreApplication::translate("Import", "文件中的单元格超过 %1 个，超出导入的上限（所有工作表合计最多 %1 个单元格），")
               .arg(kMaxCellsPerFile)
           + advice;
}

ImportedSheet ParsePastedTable(const QString &text)
{
    CellCounter cells;
    return ParseDelimitedText(text, QLatin1Char('\t'), QCoreApplication::translate("Import", "粘贴的表格"), cells);
}

QStringList SplitPastedLine(const QString &line, const QString &separator)
{
    static const QRegularExpression blanks(QStringLiteral("[\\s\\x{3000}]+"));
    const QStringList parts = !separator.isEmpty() && line.contains(separator) ? SplitText(line, separator)
                                                                                : line.split(blanks);
    QStringList names;
    for (const QString &part : parts)
        if (!part.trimmed().isEmpty())
            names << part.trimmed();
    return names;
}

bool CellHoldsText(QStringView cell)
{
    // Trimmed as a view: a trimmed copy shares the cell's text, counted up and down atomically.
    return !cell.trimmed().isEmpty();
}

bool RowHoldsText(const QStringList &row)
{
    return std::any_of(row.cbegin(), row.cend(), [](const QString &cell) { return CellHoldsText(cell); });
}

int GuessNameColumn(const ImportedSheet &sheet)
{
    const int columns = sheet.ColumnCount();
    if (!sheet.rows.isEmpty()) {
        static const QRegularExpression nameHeader(QStringLiteral("姓名|名字|^名单$|^name$"),
                                                   QRegularExpression::CaseInsensitiveOption);
        for (int column = 0; column < columns; ++column)
            if (nameHeader.match(CellAt(sheet.rows.first(), column)).hasMatch())
                return column;
    }
    for (int column = 0; column < columns; ++column) {
        for (int row = 1; row < qMin(int(sheet.rows.size()), 50); ++row) {
            const QString cell = CellAt(sheet.rows.at(row), column);
            if (!cell.isEmpty() && !IsNumber(cell))
                return column;
        }
    }
    return 0;
}

bool LooksLikeHeader(const ImportedSheet &sheet, int column)
{
    if (sheet.rows.size() < 2)
        return false;
    const QString first = CellAt(sheet.rows.first(), column);
    if (first.isEmpty() || IsHeaderWord(first))
        return !first.isEmpty();
    // Text above numbers: "学号" over 20230105, 20230106, ...
    if (IsNumber(first))
        return false;
    int numbers = 0;
    int cells = 0;
    for (int row = 1; row < qMin(int(sheet.rows.size()), 50); ++row) {
        const QString cell = CellAt(sheet.rows.at(row), column);
        if (cell.isEmpty())
            continue;
        ++cells;
        numbers += IsNumber(cell) ? 1 : 0;
    }
    return cells > 0 && numbers == cells;
}

QStringList NamesOfColumn(const ImportedSheet &sheet, int column, bool firstRowIsHeader, int *joinedLines)
{
    QStringList names;
    names.reserve(sheet.rows.size());
    for (qsizetype row = firstRowIsHeader ? 1 : 0; row < sheet.rows.size(); ++row)
        AppendName(names, sheet.rows.at(row).value(column), joinedLines);
    return names;
}

QStringList NamesOfRows(const ImportedSheet &sheet, bool firstRowIsHeader, int *joinedLines)
{
    QStringList names;
    for (qsizetype row = firstRowIsHeader ? 1 : 0; row < sheet.rows.size(); ++row)
        for (const QString &cell : sheet.rows.at(row))
            AppendName(names, cell, joinedLines);
    return names;
}

bool LooksLikeRowsOfNames(const ImportedSheet &sheet)
{
    const qsizetype firstRows = qMin(sheet.rows.size(), qsizetype(5));
    if (firstRows == 0)
        return false;
    for (qsizetype row = 0; row < firstRows; ++row) {
        const QStringList &cells = sheet.rows.at(row);
        const auto filled = std::count_if(cells.cbegin(), cells.cend(), [](const QString &c) { return CellHoldsText(c); });
        if (filled < 2 || std::any_of(cells.cbegin(), cells.cend(), [](const QString &c) { return IsNumber(c); }))
            return false;
    }
    const QStringList &first = sheet.rows.first();
    return std::none_of(first.cbegin(), first.cend(), [](const QString &c) { return IsHeaderWord(c); });
}

bool NamesHoldListSeparators(const QStringList &names)
{
    return !names.isEmpty()
        && std::all_of(names.cbegin(), names.cend(), [](const QString &name) { return name.contains(ListSeparators()); });
}

QStringList SplitListSeparators(const QStringList &names)
{
    QStringList parts;
    for (const QString &name : names)
        for (const QString &part : name.split(ListSeparators()))
            if (!part.trimmed().isEmpty())
                parts << part.trimmed();
    return parts;
}

QString ColumnLetters(int column)
{
    QString letters;
    for (int n = column + 1; n > 0; n = (n - 1) / 26)
        letters.prepend(QChar(u'A' + (n - 1) % 26));
    return letters;
}

int CountNamesHolding(const QStringList &names, const QString &separator)
{
    // Separators are one character but for none: one pass over each name finds any of the three.
    const QChar single = separator.size() == 1 ? separator.front() : QLatin1Char('\n');
    return int(std::count_if(names.cbegin(), names.cend(), [&separator, single](const QString &name) {
        return (separator.size() > 1 && name.contains(separator)) || std::any_of(name.cbegin(), name.cend(), [single](QChar c) {
                   return c == single || c == QLatin1Char('\n') || c == QLatin1Char('\r');
               });
    }));
}

QString SeparatorKeepingItemsWhole(const QStringList &items, const QString &currentName)
{
    auto keepsWhole = [&items](const QString &name) {
        const QString separator = SpliterChar(name);
        return !separator.isEmpty()
            && std::none_of(items.cbegin(), items.cend(), [&separator](const QString &item) { return item.contains(separator); });
    };
    if (keepsWhole(currentName))
        return currentName;
    for (const QString &name : SeparatorNames())
        if (keepsWhole(name))
            return name;
    return QString();
}
