#include "listdraw.h"
#include "messages.h"
#include "nametable.h"
#include "querysection.h"
#include "suiteerror.h"
#include "textfile.h"
#include "tgroupsetform.h"
#include "timportlistform.h"
#include "tlistsetform.h"
#include "xmlscanner.h"

#include <quazip.h>
#include <quazipfile.h>
#include <quazipnewinfo.h>

#include <QCheckBox>
#include <QClipboard>
#include <QBuffer>
#include <QComboBox>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStringEncoder>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>


namespace {

QByteArray Utf8(const QString &text)
{
    return text.toUtf8();
}

void WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The class list most fixtures hold.
const QStringList kClass{QStringLiteral("张三"), QStringLiteral("李四"), QStringLiteral("王五"), QStringLiteral("欧阳娜娜")};

// The workbooks come from libxlsxwriter, run as a program of its own (workbook_fixtures.cpp
// says why and what each holds).
void WriteWorkbook(const QStringList &arguments)
{
    QProcess writer;
    writer.start(QStringLiteral(WORKBOOK_FIXTURES), arguments);
    QVERIFY(writer.waitForFinished(60'000));
    QVERIFY2(writer.exitCode() == 0, writer.readAllStandardError().constData());
}

void WriteClassWorkbook(const QString &path)
{
    WriteWorkbook({QStringLiteral("class"), path});
}

void WriteInlineWorkbook(const QString &path, int rows, int longCell = 0)
{
    WriteWorkbook({QStringLiteral("inline"), path, QString::number(rows), QString::number(longCell)});
}

// The message a file is refused with; empty when it was read.
QString Refusal(const QString &path)
{
    try {
        ReadNameTable(path);
        return QString();
    } catch (const SuiteError &error) {
        return error.message();
    }
}

// A workbook of the given sheets (name, the rows of its sheetData), written part by part.
QByteArray RawWorkbook(const QList<std::pair<QString, QByteArray>> &sheets, bool oneSharedPart = false)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("raw.xlsx"));
    QuaZip zip(file);
    zip.open(QuaZip::mdCreate);
    auto part = [&zip](const QString &name, const QByteArray &content) {
        QuaZipFile out(&zip);
        out.open(QIODevice::WriteOnly, QuaZipNewInfo(name));
        out.write(content);
        out.close();
    };
    QByteArray workbook = "<workbook xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"><sheets>";
    QByteArray relationships = "<Relationships>";
    for (int i = 0; i < sheets.size(); ++i) {
        const QByteArray n = QByteArray::number(oneSharedPart ? 1 : i + 1);
        workbook += "<sheet name=\"" + sheets.at(i).first.toUtf8() + "\" r:id=\"r" + QByteArray::number(i + 1) + "\"/>";
        relationships += "<Relationship Id=\"r" + QByteArray::number(i + 1)
                       + "\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" "
                         "Target=\"worksheets/sheet" + n + ".xml\"/>";
        if (!oneSharedPart || i == 0)
            part(QStringLiteral("xl/worksheets/sheet%1.xml").arg(i + 1),
                 "<worksheet><sheetData>" + sheets.at(i).second + "</sheetData></worksheet>");
    }
    part(QStringLiteral("xl/workbook.xml"), workbook + "</sheets></workbook>");
    part(QStringLiteral("xl/_rels/workbook.xml.rels"), relationships + "</Relationships>");
    zip.close();
    QFile read(file);
    read.open(QIODevice::ReadOnly);
    return read.readAll();
}

// The workbook with its first directory entry claiming a name far longer than the file.
QByteArray WithDamagedDirectory(QByteArray workbook)
{
    const qsizetype entry = workbook.indexOf("PK\x01\x02");
    workbook[entry + 28] = char(0xFF);
    workbook[entry + 29] = char(0x60);
    return workbook;
}

// Pastes the text at the end of the list box, through the clipboard as a user does.
void PasteAtEnd(QPlainTextEdit *memo, const QString &text)
{
    auto *data = new QMimeData;
    data->setText(text);
    QGuiApplication::clipboard()->setMimeData(data);
    memo->moveCursor(QTextCursor::End);
    memo->paste();
}

// What the workbook reader takes from a part, read by either reader: elements with their
// "r" and "t" attributes, the texts of values and runs.
QString AttributeOf(QXmlStreamReader &xml, const char *name)
{
    return xml.attributes().value(QLatin1StringView(name)).toString();
}

QString AttributeOf(XmlScanner &xml, const char *name)
{
    return xml.attribute(QLatin1StringView(name));
}

template <typename Xml>
QStringList Tokens(Xml &xml)
{
    QStringList tokens;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement()) {
            tokens << QStringLiteral("/") + xml.name().toString();
        } else if (xml.isStartElement()) {
            const QString name = xml.name().toString();
            tokens << name + QLatin1Char(' ') + AttributeOf(xml, "r") + QLatin1Char(' ') + AttributeOf(xml, "t");
            if (name == QLatin1String("v") || name == QLatin1String("t"))
                tokens << QStringLiteral("text ") + xml.readElementText();
        }
    }
    if (xml.hasError())
        tokens << QStringLiteral("error");
    return tokens;
}

QStringList FirstColumn(const ImportedSheet &sheet)
{
    QStringList cells;
    for (const QStringList &row : sheet.rows)
        cells << row.value(0);
    return cells;
}

} // namespace

class TestImport : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void workbookCellsReadAsShown();
    void inlineStringsAndSheetsWithoutHeader();
    void delimitedFilesInEveryEncoding_data();
    void delimitedFilesInEveryEncoding();
    void quotedFieldsAndGuessedSeparators();
    void badFilesAreRefusedWithTheirReason_data();
    void badFilesAreRefusedWithTheirReason();
    void limitsStopLargeFiles();
    void zipBombIsStoppedUnpacking();
    void separatorKeepsNamesWhole();
    void hostileFilesAreStoppedByTheLimits();
    void listsTypedAcrossOrJoinedInOneCell();
    void scannerReadsAsTheXmlReaderDoes();
    void workbookCellsThroughEitherReader();

    void listDialogReplacesAndAppends();
    void listDialogKeepsNamesThatHoldTheSeparator();
    void listDialogWithProbabilitiesGetsOneRowPerName();
    void badFileLeavesTheListDialogAsItWas();
    void groupEditorImportsIntoAGroupList();
    void pastedTablesBecomeItems();
    void pastedLinesOfNamesSplitIntoNames();
    void previewShowsTheSheetsRowsAndLeavesTheHeaderOut();

private:
    QString path(const QString &name) const { return dir.filePath(name); }
    TListSetForm *openListDialog(const QString &list);

    QTemporaryDir dir;
    QList<ShownMessage> messages;
    QPointer<QWidget> window;
};

void TestImport::init()
{
    messages.clear();
    SetMessageHandler([this](const ShownMessage &message) {
        messages << message;
        return QMessageBox::Ok;
    });
}

void TestImport::cleanup()
{
    SetMessageHandler({});
    SetImportFileChooser({});
    delete window;
}

TListSetForm *TestImport::openListDialog(const QString &list)
{
    auto *dialog = new TListSetForm;
    window = dialog;
    QueryParams params = DefaultQueryParams(2);
    params[QueryParamIndex(2, QStringLiteral("PosSetAble"))] = QStringLiteral("否");
    params[QueryParamIndex(2, QStringLiteral("Lists"))] = list;
    dialog->LoadProject(2, params);
    dialog->show();
    return dialog;
}

void TestImport::workbookCellsReadAsShown()
{
    WriteClassWorkbook(path("class.xlsx"));
    const ImportedTable table = ReadNameTable(path("class.xlsx"));
    QCOMPARE(table.sheets.size(), 3);
    QCOMPARE(table.sheets.at(0).name, QStringLiteral("一班"));
    const ImportedSheet &sheet = table.sheets.at(0);
    // The empty row is left out; numbers keep their digits; rich text is one name; the
    // merged remark is there once.
    QCOMPARE(sheet.rows.size(), 5);
    QCOMPARE(sheet.rows.at(1), (QStringList{"20230105", " 张三 "}));
    QCOMPARE(sheet.rows.at(2), (QStringList{"20230106", "李四", "3.5"}));
    QCOMPARE(sheet.rows.at(3), (QStringList{"20230107", "王五", "转入"}));
    QCOMPARE(sheet.rows.at(4).value(2), QStringLiteral("100000000000000000000"));
    QVERIFY(table.sheets.at(2).rows.isEmpty());

    QCOMPARE(GuessNameColumn(sheet), 1);
    QVERIFY(LooksLikeHeader(sheet, 1));
    QVERIFY(LooksLikeHeader(sheet, 0)); // "学号" over numbers
    QCOMPARE(NamesOfColumn(sheet, 1, true), kClass);
    QCOMPARE(NamesOfColumn(sheet, 2, true), (QStringList{"3.5", "转入", "100000000000000000000"}));
}

void TestImport::inlineStringsAndSheetsWithoutHeader()
{
    WriteInlineWorkbook(path("inline.xlsx"), 3);
    const ImportedSheet sheet = ReadNameTable(path("inline.xlsx")).sheets.value(0);
    QCOMPARE(FirstColumn(sheet), (QStringList{"学生1", "学生2", "学生3"}));
    QVERIFY(!LooksLikeHeader(sheet, 0));

    WriteClassWorkbook(path("class.xlsx"));
    const ImportedSheet second = ReadNameTable(path("class.xlsx")).sheets.at(1);
    QVERIFY(!LooksLikeHeader(second, 0));
    QCOMPARE(NamesOfColumn(second, 0, false), (QStringList{"赵六", "孙七"}));
}

void TestImport::delimitedFilesInEveryEncoding_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("encoding");
    const QString text = QStringLiteral("姓名,性别\r\n张三,男\r\n李四,女\r\n王五,男\r\n欧阳娜娜,女\r\n");
    QStringEncoder gb("GB18030");
    QTest::newRow("UTF-8") << Utf8(text) << "UTF-8";
    QTest::newRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBF") + Utf8(text) << "UTF-8";
    QTest::newRow("GB18030") << QByteArray(gb.encode(text)) << "GB18030";
    QTest::newRow("UTF-16 LE") << EncodeUtf16LeWithBom(SplitTextLines(text)) << "UTF-16";
    QStringEncoder utf16be(QStringConverter::Utf16BE, QStringConverter::Flag::WriteBom);
    QTest::newRow("UTF-16 BE") << QByteArray(utf16be.encode(text)) << "UTF-16";
    QStringEncoder utf32(QStringConverter::Utf32LE, QStringConverter::Flag::WriteBom);
    QTest::newRow("UTF-32 LE") << QByteArray(utf32.encode(text)) << "UTF-32";
}

void TestImport::delimitedFilesInEveryEncoding()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, encoding);
    WriteBytes(path("list.csv"), bytes);
    const ImportedTable table = ReadNameTable(path("list.csv"));
    QCOMPARE(table.sourceNote, encoding + QStringLiteral(" 编码"));
    const ImportedSheet &sheet = table.sheets.at(0);
    QCOMPARE(GuessNameColumn(sheet), 0);
    QVERIFY(LooksLikeHeader(sheet, 0));
    QCOMPARE(NamesOfColumn(sheet, 0, true), kClass);
}

void TestImport::quotedFieldsAndGuessedSeparators()
{
    // Quoted separators, doubled quotes and a line break inside quotes stay in their cell.
    WriteBytes(path("quoted.csv"), Utf8(QStringLiteral("\"王, 小明\",男\n\"李\"\"四\"\"\",女\n\"多行\n姓名\",男\n,\n")));
    const ImportedSheet quoted = ReadNameTable(path("quoted.csv")).sheets.at(0);
    QCOMPARE(FirstColumn(quoted), (QStringList{"王, 小明", "李\"四\"", "多行\n姓名"}));
    QCOMPARE(CountNamesHolding(FirstColumn(quoted), QStringLiteral(",")), 2);

    const QList<std::pair<QString, QString>> separated{
        {QStringLiteral("张三\t1\n李四\t2\n"), QStringLiteral("tab")},
        {QStringLiteral("张三;1\n李四;2\n"), QStringLiteral("semicolon")},
        {QStringLiteral("张三，1\n李四，2\n"), QStringLiteral("full-width comma")},
        {QStringLiteral("sep=;\n张三, 小;1\n李四;2\n"), QStringLiteral("Excel sep line")},
        {QStringLiteral("张三\n李四\n"), QStringLiteral("one name a line")}};
    for (const auto &[text, what] : separated) {
        WriteBytes(path("names.txt"), Utf8(text));
        const ImportedSheet sheet = ReadNameTable(path("names.txt")).sheets.at(0);
        QVERIFY2(FirstColumn(sheet).at(1) == QStringLiteral("李四"), qPrintable(what));
        QVERIFY2(FirstColumn(sheet).at(0).startsWith(QStringLiteral("张三")), qPrintable(what));
    }
}

void TestImport::badFilesAreRefusedWithTheirReason_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");

    WriteClassWorkbook(path("good.xlsx"));
    QFile good(path("good.xlsx"));
    QVERIFY(good.open(QIODevice::ReadOnly));
    const QByteArray workbook = good.readAll();

    QByteArray ole("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    ole.append(QByteArray(504, '\0'));
    QByteArray encrypted = ole;
    for (char c : QByteArrayView("EncryptedPackage"))
        encrypted.append(c).append('\0');
    QByteArray damaged = workbook;
    for (qsizetype i = damaged.size() / 4; i < damaged.size() * 3 / 4; i += 7)
        damaged[i] = char(damaged[i] ^ 0x5A);
    QStringEncoder gb("GB18030");
    const QByteArray mixed = Utf8(QStringLiteral("张三,男\n李四,女\n")) + QByteArray(gb.encode(QStringLiteral("王五,男\n")));

    const QString notWorkbook = QStringLiteral("不是有效的 Excel 工作簿（.xlsx）");
    QTest::newRow("renamed text") << "renamed.xlsx" << Utf8(QStringLiteral("张三,李四")) << notWorkbook;
    QTest::newRow("truncated") << "truncated.xlsx" << workbook.left(workbook.size() / 2) << notWorkbook;
    QTest::newRow("damaged") << "damaged.xlsx" << damaged << notWorkbook;
    QTest::newRow("legacy xls") << "old.xls" << ole << QStringLiteral("不支持旧版 .xls 格式，请在表格软件中另存为 .xlsx 或 .csv");
    QTest::newRow("encrypted") << "secret.xlsx" << encrypted << QStringLiteral("已加密");
    QTest::newRow("mixed encodings") << "mixed.csv" << mixed << QStringLiteral("混有不同编码");
    QTest::newRow("binary") << "picture.csv" << QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16) << QStringLiteral("不是文本文件");
    QTest::newRow("empty file") << "empty.csv" << QByteArray() << QStringLiteral("没有可导入的名单");
    QTest::newRow("only blanks") << "blank.csv" << QByteArray(" , \n\n,,\n") << QStringLiteral("只有空白，没有任何姓名");
    QTest::newRow("legacy xls says nothing came in") << "old2.xls" << ole << QStringLiteral("未导入任何内容");
    QStringEncoder utf32(QStringConverter::Utf32LE);
    QTest::newRow("UTF-32 without mark") << "u32.csv" << QByteArray(utf32.encode(QStringLiteral("张三\n李四\n")))
                                         << QStringLiteral("没有字节顺序标记的 UTF-32");
    QByteArray manyColumns;
    for (int row = 0; row < 8'000; ++row)
        manyColumns += QByteArray("a,").repeated(255) + "a\n";
    QTest::newRow("csv of many cells") << "cells.csv" << manyColumns << QStringLiteral("每个工作表最多 2000000 个单元格");
    QTest::newRow("workbook listing more entries than it has") << "dir.xlsx" << WithDamagedDirectory(workbook)
                                                               << QStringLiteral("名称或附加信息过长");
    QTest::newRow("open quote") << "quote.csv" << Utf8(QStringLiteral("张三\n\"李四\n王五\n")) << QStringLiteral("第 2 行的引号没有配对");
    QTest::newRow("long cell") << "long.csv" << Utf8(QStringLiteral("张三\n") + QString(100'000, QChar(u'长')))
                               << QStringLiteral("第 2 行有一个单元格超过 1000 个字符");
}

void TestImport::badFilesAreRefusedWithTheirReason()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    WriteBytes(path(name), bytes);
    const QString message = Refusal(path(name));
    QVERIFY2(message.contains(expected), qPrintable(message));
}

void TestImport::limitsStopLargeFiles()
{
    // A million rows of CSV and one row past the limit in a workbook are refused, with the
    // limit named; so is a workbook cell longer than a cell may be.
    QByteArray million;
    million.reserve(12'000'000);
    for (int i = 0; i < 1'000'000; ++i)
        million.append("name").append(QByteArray::number(i)).append('\n');
    WriteBytes(path("million.csv"), million);
    WriteInlineWorkbook(path("rows.xlsx"), ImportLimits::kMaxRows + 1);
    WriteInlineWorkbook(path("cell.xlsx"), 2, 5000);
    const QList<std::pair<QString, QString>> cases{
        {QStringLiteral("million.csv"), QStringLiteral("最多 200000 行")},
        {QStringLiteral("rows.xlsx"), QStringLiteral("工作表“名单”超过 200000 行")},
        {QStringLiteral("cell.xlsx"), QStringLiteral("单元格 A3 超过 1000 个字符")}};
    for (const auto &[file, expected] : cases) {
        const QString message = Refusal(path(file));
        QVERIFY2(message.contains(expected), qPrintable(file + QStringLiteral(": ") + message));
    }
    WriteInlineWorkbook(path("limit.xlsx"), ImportLimits::kMaxRows);
    QCOMPARE(ReadNameTable(path("limit.xlsx")).sheets.at(0).rows.size(), ImportLimits::kMaxRows);
    // Sheets each within their limit may together pass the file's.
    CellCounter cells;
    for (int sheet = 0; sheet < 2; ++sheet) {
        cells.StartSheet();
        QVERIFY(cells.Add(QStringLiteral("名单"), ImportLimits::kMaxCellsPerSheet).isEmpty());
    }
    cells.StartSheet();
    QVERIFY(cells.Add(QStringLiteral("名单"), 1).contains(QStringLiteral("所有工作表合计最多 4000000 个单元格")));
}

void TestImport::zipBombIsStoppedUnpacking()
{
    // A sheet that unpacks to more than the limit, from a file of a few hundred kilobytes.
    WriteClassWorkbook(path("class.xlsx"));
    QuaZip source(path("class.xlsx"));
    QVERIFY(source.open(QuaZip::mdUnzip));
    QuaZip bomb(path("bomb.xlsx"));
    QVERIFY(bomb.open(QuaZip::mdCreate));
    for (bool more = source.goToFirstFile(); more; more = source.goToNextFile()) {
        const QString name = source.getCurrentFileName();
        QuaZipFile in(&source);
        QVERIFY(in.open(QIODevice::ReadOnly));
        QByteArray content = in.readAll();
        QuaZipFile out(&bomb);
        QVERIFY(out.open(QIODevice::WriteOnly, QuaZipNewInfo(name), nullptr, 0, Z_DEFLATED, Z_BEST_COMPRESSION));
        if (name == QLatin1String("xl/worksheets/sheet1.xml")) {
            // Whitespace between elements is well-formed XML: only the size stops it.
            const qsizetype at = content.indexOf("<sheetData>") + 11;
            out.write(content.left(at));
            const QByteArray blanks(1 << 20, ' ');
            for (qint64 written = 0; written <= ImportLimits::kMaxUnpackedBytes; written += blanks.size())
                out.write(blanks);
            content = content.mid(at);
        }
        out.write(content);
        out.close();
    }
    bomb.close();
    QVERIFY(QFileInfo(path("bomb.xlsx")).size() < 2 << 20);
    const QString message = Refusal(path("bomb.xlsx"));
    QVERIFY2(message.contains(QStringLiteral("解压后最多 256 MB")), qPrintable(message));
}

void TestImport::separatorKeepsNamesWhole()
{
    QCOMPARE(SeparatorKeepingItemsWhole({"张三", "李四"}, QStringLiteral("全角分号")), QStringLiteral("全角分号"));
    QCOMPARE(SeparatorKeepingItemsWhole({"Mary Smith", "张三"}, QStringLiteral("空格")), QStringLiteral("半角逗号"));
    QCOMPARE(SeparatorKeepingItemsWhole({"a b,c;d，e；f　g"}, QStringLiteral("空格")), QString());
}

void TestImport::listDialogReplacesAndAppends()
{
    WriteClassWorkbook(path("class.xlsx"));
    TListSetForm *dialog = openListDialog(QStringLiteral("甲 乙"));
    auto *memo = dialog->findChild<QPlainTextEdit *>(QStringLiteral("RandListValue"));

    TImportListForm *preview = dialog->ImportFile(path("class.xlsx"));
    QVERIFY(preview && preview->isVisible());
    QCOMPARE(preview->windowTitle(), QStringLiteral("导入名单"));
    QCOMPARE(preview->findChild<QComboBox *>(QStringLiteral("ColumnValue"))->currentIndex(), 1);
    QVERIFY(preview->findChild<QCheckBox *>(QStringLiteral("HeaderRow"))->isChecked());
    QVERIFY(preview->findChild<QLabel *>(QStringLiteral("NameCount"))->text().contains(QStringLiteral("将导入 4 个姓名")));
    // A click on a column chooses it; the header box follows the column.
    auto *grid = preview->findChild<QTableWidget *>(QStringLiteral("PreviewGrid"));
    emit grid->cellClicked(2, 2);
    QCOMPARE(preview->findChild<QComboBox *>(QStringLiteral("ColumnValue"))->currentIndex(), 2);
    QVERIFY(preview->findChild<QCheckBox *>(QStringLiteral("HeaderRow"))->isChecked()); // "备注"
    QVERIFY(preview->findChild<QLabel *>(QStringLiteral("NameCount"))->text().contains(QStringLiteral("将导入 3 个姓名")));
    emit grid->cellClicked(0, 1);
    // Another sheet, then back: the choice follows the sheet.
    auto *sheets = preview->findChild<QComboBox *>(QStringLiteral("SheetValue"));
    sheets->setCurrentIndex(2);
    QVERIFY(!preview->findChild<QPushButton *>(QStringLiteral("BOK"))->isEnabled());
    sheets->setCurrentIndex(0);
    QVERIFY(preview->findChild<QRadioButton *>(QStringLiteral("ReplaceList"))->isChecked());
    preview->findChild<QPushButton *>(QStringLiteral("BOK"))->click();
    QCOMPARE(memo->toPlainText(), kClass.join(QLatin1Char(' ')));

    WriteBytes(path("more.csv"), Utf8(QStringLiteral("赵六\r\n孙七\r\n")));
    preview = dialog->ImportFile(path("more.csv"));
    QVERIFY(preview);
    QVERIFY(!preview->findChild<QCheckBox *>(QStringLiteral("HeaderRow"))->isChecked());
    preview->findChild<QRadioButton *>(QStringLiteral("AppendList"))->setChecked(true);
    preview->findChild<QPushButton *>(QStringLiteral("BOK"))->click();
    QCOMPARE(memo->toPlainText(), (kClass + QStringList{"赵六", "孙七"}).join(QLatin1Char(' ')));

    // Cancel changes nothing; the dialog's own checks then count the imported names.
    preview = dialog->ImportFile(path("class.xlsx"));
    preview->findChild<QPushButton *>(QStringLiteral("BCancel"))->click();
    QCOMPARE(dialog->PossibleCount(), 6);
    QCOMPARE(dialog->EncodeList(), (kClass + QStringList{"赵六", "孙七"}).join(QLatin1Char(' ')));
    QVERIFY(messages.isEmpty());
}

void TestImport::listDialogKeepsNamesThatHoldTheSeparator()
{
    WriteBytes(path("names.csv"), Utf8(QStringLiteral("Name\nMary Smith\n\"Li, Lei\"\n张三\n")));
    TListSetForm *dialog = openListDialog(QStringLiteral("甲 乙"));
    TImportListForm *preview = dialog->ImportFile(path("names.csv"));
    QVERIFY(preview);
    const QString note = preview->findChild<QLabel *>(QStringLiteral("NameCount"))->text();
    QVERIFY2(note.contains(QStringLiteral("其中 2 个姓名含有分隔符“空格”")), qPrintable(note));
    QVERIFY2(note.contains(QStringLiteral("分隔符将改为“半角分号”")), qPrintable(note));
    preview->findChild<QRadioButton *>(QStringLiteral("AppendList"))->setChecked(true);
    preview->findChild<QPushButton *>(QStringLiteral("BOK"))->click();
    QCOMPARE(dialog->SpliterName(), QStringLiteral("半角分号"));
    QCOMPARE(dialog->PossibleCount(), 5);
    QCOMPARE(dialog->EncodeList(), QStringLiteral("甲;乙;Mary Smith;Li/comma/ Lei;张三"));
    // The draw splits the stored list into the same five names.
    QCOMPARE(ExpandWeights(dialog->EncodeList(), false, SpliterChar(dialog->SpliterName())).size(), 5);
}

void TestImport::listDialogWithProbabilitiesGetsOneRowPerName()
{
    WriteBytes(path("three.csv"), Utf8(QStringLiteral("张三\n李四\n王五\n")));
    TListSetForm *dialog = openListDialog(QString());
    dialog->findChild<QCheckBox *>(QStringLiteral("PosSetAble"))->click();
    dialog->findChild<QRadioButton *>(QStringLiteral("PosByPercent"))->click();
    dialog->ImportFile(path("three.csv"))->findChild<QPushButton *>(QStringLiteral("BOK"))->click();
    QCOMPARE(dialog->EncodeList(), QStringLiteral("百分比&张三:33&李四:33&王五:33"));
}

void TestImport::badFileLeavesTheListDialogAsItWas()
{
    WriteBytes(path("old.xls"), QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + QByteArray(504, '\0'));
    TListSetForm *dialog = openListDialog(QStringLiteral("甲 乙"));
    QVERIFY(!dialog->ImportFile(path("old.xls")));
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.at(0).icon, QMessageBox::Critical);
    QCOMPARE(messages.at(0).caption, QStringLiteral("导入失败"));
    QCOMPARE(dialog->EncodeList(), QStringLiteral("甲 乙"));
    QVERIFY(!dialog->findChild<TImportListForm *>());
}

void TestImport::groupEditorImportsIntoAGroupList()
{
    WriteBytes(path("gb.csv"), QStringEncoder("GB18030").encode(QStringLiteral("姓名\r\n张三\r\n李四\r\n")));
    SetImportFileChooser([this](QWidget *) { return path("gb.csv"); });
    auto *editor = new TGroupSetForm;
    window = editor;
    editor->LoadProject(0, DefaultQueryParams(0));
    editor->show();
    int listGroup = -1;
    for (int i = 0; i < editor->GroupCount() && listGroup < 0; ++i)
        if (editor->GroupType(i) == QStringLiteral("列举模式"))
            listGroup = i;
    if (listGroup < 0) {
        editor->AddNewGroupClick();
        listGroup = editor->GroupCount() - 1;
        editor->TypeBox(listGroup)->setCurrentText(QStringLiteral("列举模式"));
        emit editor->TypeBox(listGroup)->activated(editor->TypeBox(listGroup)->currentIndex());
    }
    const QList<QPushButton *> buttons = editor->findChildren<QPushButton *>(QStringLiteral("ImportGroupList"));
    QCOMPARE(buttons.size(), editor->GroupCount());
    QVERIFY(!buttons.at(listGroup)->isHidden());
    buttons.at(listGroup)->click();

    auto *list = qobject_cast<TListSetForm *>(editor->OpenGroupEditor());
    QVERIFY(list);
    auto *preview = list->findChild<TImportListForm *>();
    QVERIFY(preview);
    QVERIFY(preview->findChild<QLabel *>(QStringLiteral("FileLabel"))->text().contains(QStringLiteral("GB18030")));
    preview->findChild<QPushButton *>(QStringLiteral("BOK"))->click();
    list->SaveModeClick();
    QVERIFY2(messages.isEmpty(), messages.isEmpty() ? "" : qPrintable(messages.at(0).text));
    const QStringList fields = SplitGroupFields(editor->GroupQuery(listGroup));
    // The sample list had probabilities: the names replace its rows, one row each.
    QCOMPARE(fields.value(1), QStringLiteral("加权&张三:1&李四:1"));
}

void TestImport::pastedTablesBecomeItems()
{
    TListSetForm *dialog = openListDialog(QStringLiteral("甲"));
    auto *memo = dialog->findChild<QPlainTextEdit *>(QStringLiteral("RandListValue"));
    auto paste = [memo](const QString &text) { PasteAtEnd(memo, text); };
    // One column copied from a spreadsheet: its names follow the list, the header left out.
    paste(QStringLiteral("姓名\n张三\n\n李四\n"));
    QCOMPARE(memo->toPlainText(), QStringLiteral("甲 张三 李四"));

    // Several columns: the preview asks which one, proposing the names.
    paste(QStringLiteral("学号\t姓名\r\n1\t王五\r\n2\t\"赵\n六\"\r\n"));
    auto *preview = dialog->findChild<TImportListForm *>();
    QVERIFY(preview);
    QCOMPARE(preview->findChild<QComboBox *>(QStringLiteral("ColumnValue"))->currentIndex(), 1);
    QVERIFY(preview->findChild<QLabel *>(QStringLiteral("NameCount"))->text().contains(QStringLiteral("其中 1 个姓名")));
    preview->findChild<QRadioButton *>(QStringLiteral("AppendList"))->setChecked(true);
    preview->findChild<QPushButton *>(QStringLiteral("BOK"))->click();
    // The line break in a cell became a space, so the list separates with commas now.
    QCOMPARE(memo->toPlainText(), QStringLiteral("甲,张三,李四,王五,赵 六"));
    QCOMPARE(dialog->PossibleCount(), 5);

    // A single word pastes as text.
    paste(QStringLiteral("丙"));
    QCOMPARE(memo->toPlainText(), QStringLiteral("甲,张三,李四,王五,赵 六丙"));
}

void TestImport::hostileFilesAreStoppedByTheLimits()
{
    const QString reproducers = QStringLiteral(SUITE_SOURCE_DIR "/fuzz/reproducers/");
    // 37 sheets naming one part whose rows each reach far right; one sheet of such rows.
    for (const char *file : {"workbook/xlsx-oom-37sheets-20KB.xlsx", "workbook/xlsx-far-right-cells.xlsx"}) {
        const QString message = Refusal(reproducers + file);
        QVERIFY2(message.contains(QStringLiteral("每个工作表最多 2000000 个单元格")), qPrintable(message));
    }
    // Directory entries whose lengths run past the end of the file; a long extra field.
    for (const char *file : {"workbook/xlsx-fuzzer-slow-unit-6KB.xlsx", "workbook/xlsx-large-extra-field.xlsx"}) {
        const QString message = Refusal(reproducers + file);
        QVERIFY2(message.contains(QStringLiteral("名称或附加信息过长")), qPrintable(message));
    }
    // A header of 10,001 fields: read up to the column limit, said in the preview.
    const ImportedSheet wide = ReadNameTable(reproducers + "csv/csv-10001-columns-10KB.csv").sheets.at(0);
    QVERIFY(wide.ColumnCount() <= ImportLimits::kMaxColumns);
    WriteBytes(path("wide.csv"), Utf8(QStringLiteral("姓名") + QString(300, QLatin1Char(',')) + QStringLiteral("备注\n张三\n")));
    const ImportedSheet dropped = ReadNameTable(path("wide.csv")).sheets.at(0);
    QVERIFY(dropped.columnsLeftOut);
    QCOMPARE(dropped.ColumnCount(), 1); // trailing empty fields take no room
    TListSetForm *dialog = openListDialog(QString());
    TImportListForm *preview = dialog->ImportFile(path("wide.csv"));
    QVERIFY(preview);
    QVERIFY(preview->findChild<QLabel *>(QStringLiteral("RowsNote"))->text().contains(QStringLiteral("第 256 列以右")));

    // Sheets naming one part share what was read; each sheet is still listed.
    WriteBytes(path("shared.xlsx"), RawWorkbook({{"甲", "<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>张三</t></is></c></row>"},
                                                 {"乙", QByteArray()}},
                                                true));
    const ImportedTable shared = ReadNameTable(path("shared.xlsx"));
    QCOMPARE(shared.sheets.size(), 2);
    QCOMPARE(shared.sheets.at(1).name, QStringLiteral("乙"));
    QCOMPARE(FirstColumn(shared.sheets.at(1)), QStringList{"张三"});
}

void TestImport::listsTypedAcrossOrJoinedInOneCell()
{
    TListSetForm *dialog = openListDialog(QString());
    auto names = [](TImportListForm *preview) { return preview->findChild<QLabel *>(QStringLiteral("NameCount"))->text(); };
    // Several names a row and no header: read row by row.
    WriteBytes(path("across.csv"), Utf8(QStringLiteral("张三,李四,王五,赵六\n钱七,孙八\n")));
    TImportListForm *preview = dialog->ImportFile(path("across.csv"));
    auto *byRows = preview->findChild<QCheckBox *>(QStringLiteral("ByRows"));
    QVERIFY(!byRows->isHidden() && byRows->isChecked());
    QVERIFY2(names(preview).contains(QStringLiteral("将导入 6 个姓名：张三、李四、王五、赵六、钱七、孙八")), qPrintable(names(preview)));
    byRows->setChecked(false);
    QVERIFY(names(preview).contains(QStringLiteral("将导入 2 个姓名")));
    preview->reject();
    // A header row is a table, not a list typed across.
    WriteBytes(path("table.csv"), Utf8(QStringLiteral("学号,姓名\n1,张三\n2,李四\n")));
    preview = dialog->ImportFile(path("table.csv"));
    QVERIFY(preview->findChild<QCheckBox *>(QStringLiteral("ByRows"))->isHidden());
    preview->reject();

    // Names joined in one cell: split, shown before importing.
    WriteBytes(path("joined.txt"), Utf8(QStringLiteral("张三、李四、王五\n赵六；钱七\n")));
    preview = dialog->ImportFile(path("joined.txt"));
    QVERIFY(preview->findChild<QCheckBox *>(QStringLiteral("SplitNames"))->isChecked());
    QVERIFY2(names(preview).contains(QStringLiteral("将导入 5 个姓名：张三、李四、王五、赵六、钱七")), qPrintable(names(preview)));
    preview->findChild<QPushButton *>(QStringLiteral("BOK"))->click();
    QCOMPARE(dialog->EncodeList(), QStringLiteral("张三 李四 王五 赵六 钱七"));

    // A line break inside a cell is one space, and the preview says so.
    WriteBytes(path("breaks.csv"), Utf8(QStringLiteral("\"欧阳\n娜娜\"\n张三\n")));
    preview = dialog->ImportFile(path("breaks.csv"));
    QVERIFY2(names(preview).contains(QStringLiteral("其中 1 个姓名中的换行已改为空格")), qPrintable(names(preview)));
    preview->findChild<QPushButton *>(QStringLiteral("BOK"))->click();
    QCOMPARE(dialog->SpliterName(), QStringLiteral("半角逗号"));
    QCOMPARE(dialog->findChild<QPlainTextEdit *>(QStringLiteral("RandListValue"))->toPlainText(),
             QStringLiteral("欧阳 娜娜,张三"));
    QCOMPARE(dialog->PossibleCount(), 2);
}

void TestImport::pastedLinesOfNamesSplitIntoNames()
{
    TListSetForm *dialog = openListDialog(QString());
    auto *memo = dialog->findChild<QPlainTextEdit *>(QStringLiteral("RandListValue"));
    auto paste = [memo](const QString &text) { PasteAtEnd(memo, text); };
    // Blanks between names on several lines: five names, the separator as it was.
    paste(QStringLiteral("张三 李四 王五\n赵六　钱七"));
    QCOMPARE(dialog->SpliterName(), QStringLiteral("空格"));
    QCOMPARE(dialog->PossibleCount(), 5);
    QCOMPARE(memo->toPlainText(), QStringLiteral("张三 李四 王五 赵六 钱七"));
    // Lines that hold the list's separator split on it; blanks inside a name then stay.
    dialog->findChild<QComboBox *>(QStringLiteral("SpliterValue"))->setCurrentText(QStringLiteral("半角逗号"));
    memo->clear();
    paste(QStringLiteral("Mary Smith,张三\n李四"));
    QCOMPARE(dialog->SpliterName(), QStringLiteral("半角逗号"));
    QCOMPARE(memo->toPlainText(), QStringLiteral("Mary Smith,张三,李四"));
    QVERIFY(messages.isEmpty());
}

void TestImport::previewShowsTheSheetsRowsAndLeavesTheHeaderOut()
{
    WriteBytes(path("gaps.csv"), Utf8(QStringLiteral("姓名\n\n张三\n,\n\n李四\n")));
    TListSetForm *dialog = openListDialog(QString());
    TImportListForm *preview = dialog->ImportFile(path("gaps.csv"));
    auto *grid = preview->findChild<QTableWidget *>(QStringLiteral("PreviewGrid"));
    QCOMPARE(grid->verticalHeaderItem(1)->text(), QStringLiteral("3"));
    QCOMPARE(grid->verticalHeaderItem(2)->text(), QStringLiteral("6"));
    auto *header = preview->findChild<QCheckBox *>(QStringLiteral("HeaderRow"));
    QVERIFY(header->isChecked());
    QVERIFY(!grid->item(0, 0)->isSelected());
    QVERIFY(grid->item(1, 0)->isSelected());
    header->setChecked(false);
    QVERIFY(grid->item(0, 0)->isSelected());
    QVERIFY(preview->findChild<QLabel *>(QStringLiteral("NameCount"))->text().contains(QStringLiteral("将导入 3 个姓名")));
}

void TestImport::scannerReadsAsTheXmlReaderDoes()
{
    auto scanned = [](QByteArray document, bool *unsupported) {
        QBuffer source(&document);
        source.open(QIODevice::ReadOnly);
        XmlScanner scanner(&source);
        const QStringList tokens = Tokens(scanner);
        *unsupported = scanner.Unsupported();
        return tokens;
    };
    // A long run of text comes in pieces and tags straddle the reads: past a few hundred KB.
    QByteArray large = "<sst xmlns='urn:s'><si><t>" + QByteArray(300'000, 'a') + ' ' + QByteArray(300'000, 'b') + "</t></si>";
    for (int i = 0; i < 20'000; ++i)
        large += "<si><r><t xml:space=\"preserve\">" + QByteArray::number(i) + " &amp; \xE4\xB8\xAD</t></r></si>";
    large += "</sst>";
    const QList<QByteArray> read{
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<sheetData><row r=\"1\"><c r=\"A1\" t='s'><v>0</v></c></row></sheetData>",
        "\xEF\xBB\xBF<?xml version='1.0' encoding='utf-8'?><si><t>&lt;&gt;&amp;&quot;&apos;&#20013;&#x4e2D;&#x1F600;</t></si>",
        "<si><t>\xE5\xBC\xA0\r\n\xE4\xB8\x89\r\xE6\x9D\x8E&#13;&#10;</t></si>",
        "<x:worksheet xmlns:x='urn:x' xmlns:y='urn:y'><x:c r='B2' y:extra='1'><x:v/></x:c><x:c/><x:is><x:t>a</x:t></x:is></x:worksheet>",
        "<si><r><rPr><b/><sz val=\"11\"/></rPr><t>A]]B</t></r><rPh sb=\"0\"><t>x</t></rPh></si>",
        large,
    };
    for (const QByteArray &document : read) {
        bool unsupported = true;
        const QStringList tokens = scanned(document, &unsupported);
        QVERIFY2(!unsupported, document.left(80).constData());
        QXmlStreamReader xml(document);
        QCOMPARE(tokens, Tokens(xml));
    }
    // Markup the scanner does not know for certain, and damaged XML, are left to QXmlStreamReader.
    const QList<QByteArray> leftOver{
        "<si><!-- note --><t>a</t></si>", "<si><t><![CDATA[a]]></t></si>", "<!DOCTYPE si><si/>",
        "<?xml version=\"1.0\" encoding=\"UTF-16\"?><si/>", "<si><t>&nbsp;</t></si>", "<si><t>&#1;</t></si>",
        "<si><t>a</si>", "<si><t>a</t>", "<si><t>\xE5\xBC</t></si>", "<si><t>a\x01</t></si>", "<si><t>]]></t></si>",
        "<si a='1' a='2'/>", "<p:si/>", "<si><t xmlns:q='urn:q'/></si>", "<si/>text", "<si/><si/>", "<si><t a='x&amp;y'/></si>",
        "<si><t>" + QByteArray(300'000, 'a') + "</t>"};
    for (const QByteArray &document : leftOver) {
        bool unsupported = false;
        scanned(document, &unsupported);
        QVERIFY2(unsupported, document.left(80).constData());
    }
}

void TestImport::workbookCellsThroughEitherReader()
{
    // Cells found by their references or in order, inline strings of runs (phonetic guides
    // left out), references and line breaks in the text, numbers as shown.
    const QByteArray rows =
        "<row r=\"2\"><c r=\"B2\" t=\"inlineStr\"><is><r><t>\xE5\xBC\xA0</t></r><r><rPr><b/></rPr><t>&#x4E09;</t></r>"
        "<rPh><t>zhang</t></rPh></is></c><c t=\"inlineStr\"><is><t>a&amp;b\r\nc</t></is></c><c r=\"E2\"><v>1.50</v></c></row>"
        "<row><c><v>007</v></c><c r=\"B3\" t=\"b\"><v>1</v></c><c r=\"C3\"/><c r=\"D3\" t=\"e\"><v>#N/A</v></c>"
        "<c r=\"E3\"><v>20230105</v></c><c r=\"F3\"><v>1E3</v></c></row>";
    const QList<QStringList> expected{{QString(), QStringLiteral("张三"), QStringLiteral("a&b\nc"), QString(), QStringLiteral("1.5")},
                                      {QStringLiteral("7"), QStringLiteral("TRUE"), QString(), QStringLiteral("#N/A"),
                                       QStringLiteral("20230105"), QStringLiteral("1000")}};
    // The second sheet holds a comment, which only the general reader reads.
    WriteBytes(path("cells.xlsx"), RawWorkbook({{"甲", rows}, {"乙", "<!-- note -->" + rows}}));
    const ImportedTable table = ReadNameTable(path("cells.xlsx"));
    for (const ImportedSheet &sheet : table.sheets) {
        QCOMPARE(sheet.rows, expected);
        QCOMPARE(sheet.rowNumbers, (QList<int>{2, 3}));
    }
    // A reference to a shared string that is not there is refused whichever reader read it.
    WriteBytes(path("shared.xlsx"), RawWorkbook({{"甲", "<row r=\"4\"><c r=\"C4\" t=\"s\"><v>3</v></c></row>"}}));
    QVERIFY2(Refusal(path("shared.xlsx")).contains(QStringLiteral("单元格 C4 引用了不存在的共享字符串")),
             qPrintable(Refusal(path("shared.xlsx"))));
}

QTEST_MAIN(TestImport)
#include "test_import.moc"
