#include "xlsxreader.h"

#include "suiteerror.h"
#include "xmlscanner.h"

#include <quazip.h>
#include <quazipfile.h>
#include <quazipfileinfo.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QXmlStreamReader>
#include <QtEndian>

#include <cmath>
#include <cstring>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <QCoreApplication>

using namespace ImportLimits;

namespace {

// A workbook has tens of parts, with pictures a few hundred; their names are paths of a
// few dozen characters and the extra fields hold a time stamp or the 64-bit sizes. Larger
// directories are refused before they are listed: listing one entry with a 64 KB extra
// field took tens of milliseconds.
constexpr quint64 kMaxPackageEntries = 2'000;
constexpr int kMaxEntryNameLength = 1'024;
constexpr int kMaxEntryExtraLength = 256;
constexpr int kMaxEntryCommentLength = 1'024;

SuiteError NotAWorkbook(const QString &detail)
{
    return SuiteError(QCoreApplication::translate(
                          "Import", "该文件不是有效的 Excel 工作簿（.xlsx），可能已损坏，或是别的文件改了扩展名：%1。"
                                    "未导入任何内容。")
                          .arg(detail));
}

SuiteError UnpackedTooMuch()
{
    return SuiteError(QCoreApplication::translate("Import",
                                                  "工作簿解压后的内容超过 %1 MB，超出导入的上限（解压后最多 %1 MB）。"
                                                  "文件可能已损坏，或是恶意构造的压缩文件，未导入任何内容。")
                          .arg(kMaxUnpackedBytes >> 20));
}

// Checks the ZIP central directory before QuaZip lists it: the entry count, each entry's
// name, extra field and comment lengths, and that the entries lie inside the directory.
// A file without an end record is left to QuaZip, which refuses it.
void CheckZipDirectory(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw NotAWorkbook(QCoreApplication::translate("Import", "无法作为压缩包打开"));
    const qint64 size = file.size();
    const qint64 tailSize = qMin(size, qint64(22 + 0xFFFF));
    file.seek(size - tailSize);
    const QByteArray tail = file.read(tailSize);
    const qsizetype end = tail.lastIndexOf(QByteArrayView("PK\x05\x06"));
    if (end < 0 || end + 22 > tail.size())
        return;
    const auto u16 = [](const QByteArray &bytes, qsizetype at) { return qFromLittleEndian<quint16>(bytes.constData() + at); };
    const auto u32 = [](const QByteArray &bytes, qsizetype at) { return qFromLittleEndian<quint32>(bytes.constData() + at); };
    const auto u64 = [](const QByteArray &bytes, qsizetype at) { return qFromLittleEndian<quint64>(bytes.constData() + at); };
    const SuiteError damaged = NotAWorkbook(QCoreApplication::translate("Import", "压缩包的目录已损坏"));

    quint64 entries = u16(tail, end + 10);
    quint64 directorySize = u32(tail, end + 12);
    // As unzip does: the directory ends where the end record starts (data before the package allowed).
    qint64 directoryStart = size - tailSize + end - qint64(directorySize);
    if (entries == 0xFFFF || directorySize == 0xFFFFFFFF || u32(tail, end + 16) == 0xFFFFFFFF) {
        // ZIP64: the figures are in the record that the locator before the end record names.
        const qsizetype locator = end - 20;
        if (locator < 0 || u32(tail, locator) != 0x07064b50)
            throw damaged;
        const quint64 recordOffset = u64(tail, locator + 8);
        if (recordOffset > quint64(size) || !file.seek(qint64(recordOffset)))
            throw damaged;
        const QByteArray record = file.read(56);
        if (record.size() < 56 || u32(record, 0) != 0x06064b50)
            throw damaged;
        entries = u64(record, 32);
        directorySize = u64(record, 40);
        directoryStart = qint64(qMin(u64(record, 48), quint64(size)));
    }
    if (entries > kMaxPackageEntries)
        throw NotAWorkbook(QCoreApplication::translate("Import", "压缩包中的文件多达 %1 个").arg(entries));
    if (directoryStart < 0 || directorySize > quint64(size - directoryStart))
        throw damaged;
    file.seek(directoryStart);
    const QByteArray directory = file.read(qint64(directorySize));
    qsizetype at = 0;
    for (quint64 entry = 0; entry < entries; ++entry) {
        if (at + 46 > directory.size() || u32(directory, at) != 0x02014b50)
            throw damaged;
        const int nameLength = u16(directory, at + 28);
        const int extraLength = u16(directory, at + 30);
        const int commentLength = u16(directory, at + 32);
        if (nameLength > kMaxEntryNameLength || extraLength > kMaxEntryExtraLength
            || commentLength > kMaxEntryCommentLength)
            throw NotAWorkbook(
                QCoreApplication::translate("Import", "压缩包目录中第 %1 个文件的名称或附加信息过长").arg(entry + 1));
        at += 46 + nameLength + extraLength + commentLength;
        if (at > directory.size())
            throw damaged;
    }
}

// Hands the XML reader the bytes of one part while counting them against what the whole
// workbook may unpack; past that it reports the end, and `exceeded` tells why.
class CountedReader : public QIODevice
{
public:
    CountedReader(QIODevice *source, qint64 *budget) : source(source), budget(budget) { open(QIODevice::ReadOnly); }
    bool isSequential() const override { return true; }
    bool exceeded = false;

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        const qint64 got = source->read(data, qMin(maxSize, *budget + 1));
        if (got > *budget) {
            exceeded = true;
            return -1;
        }
        if (got > 0)
            *budget -= got;
        return got;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QIODevice *source;
    qint64 *budget;
};

// Unpacks a part on a second thread while the reader scans what is already unpacked:
// inflating is a good share of the time a large sheet takes. Holds a few chunks at most.
class ReadAhead : public QIODevice
{
public:
    explicit ReadAhead(QIODevice *source) : source(source)
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
        unpacker = std::thread([this] { Unpack(); });
    }
    ~ReadAhead() override { Finish(); }
    bool isSequential() const override { return true; }

    // Stops unpacking; after it the source is the caller's again.
    void Finish()
    {
        {
            const std::lock_guard lock(mutex);
            stopping = true;
        }
        changed.notify_all();
        if (unpacker.joinable())
            unpacker.join();
    }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        std::unique_lock lock(mutex);
        changed.wait(lock, [this] { return !chunks.empty() || sourceEnded; });
        if (chunks.empty())
            return -1;
        QByteArray &chunk = chunks.front();
        const qint64 taken = qMin(maxSize, qint64(chunk.size() - frontOffset));
        std::memcpy(data, chunk.constData() + frontOffset, size_t(taken));
        frontOffset += taken;
        if (frontOffset == chunk.size()) {
            chunks.pop_front();
            frontOffset = 0;
            changed.notify_all();
        }
        return taken;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    static constexpr qint64 kChunk = 256 * 1024;
    static constexpr size_t kChunksAhead = 4;

    void Unpack()
    {
        for (;;) {
            QByteArray chunk(kChunk, Qt::Uninitialized);
            const qint64 got = source->read(chunk.data(), kChunk);
            std::unique_lock lock(mutex);
            if (got <= 0 || stopping) {
                sourceEnded = true;
                changed.notify_all();
                return;
            }
            chunk.resize(got);
            chunks.push_back(std::move(chunk));
            changed.notify_all();
            changed.wait(lock, [this] { return chunks.size() < kChunksAhead || stopping; });
        }
    }

    QIODevice *source;
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<QByteArray> chunks;
    qint64 frontOffset = 0;
    bool sourceEnded = false;
    bool stopping = false;
    std::thread unpacker;
};

struct Relationship
{
    QString id;
    QString type;
    QString target; // path inside the package
};

class WorkbookPackage
{
public:
    explicit WorkbookPackage(const QString &path) : zip(path)
    {
        CheckZipDirectory(path);
        if (!zip.open(QuaZip::mdUnzip))
            throw NotAWorkbook(QCoreApplication::translate("Import", "无法作为压缩包打开"));
        for (const QString &name : zip.getFileNameList())
            entries.insert(name.toLower(), name);
    }

    bool Has(const QString &part) const { return entries.contains(part.toLower()); }

    // Runs `parse` over the part's XML; a part that is damaged or too large is refused.
    template <typename Parse>
    void ReadPart(const QString &part, Parse parse)
    {
        QuaZipFile file(&zip);
        OpenPart(part, file);
        CountedReader counted(&file, &budget);
        QXmlStreamReader xml(&counted);
        parse(xml);
        if (counted.exceeded)
            throw UnpackedTooMuch();
        if (xml.hasError() && xml.error() != QXmlStreamReader::CustomError)
            throw NotAWorkbook(QCoreApplication::translate("Import", "%1 已损坏（%2）").arg(part, xml.errorString()));
        if (xml.hasError())
            throw SuiteError(xml.errorString());
    }

    // The same for the large parts (sheets, shared strings), with `parse` written for either
    // reader: the fast scanner reads the part, and where it cannot, QXmlStreamReader reads it
    // again from the start. `parse` starts its results afresh each time.
    template <typename Parse>
    void ReadLargePart(const QString &part, Parse parse)
    {
        const qint64 budgetBefore = budget;
        {
            QuaZipFile file(&zip);
            OpenPart(part, file);
            CountedReader counted(&file, &budget);
            ReadAhead unpacked(&counted);
            XmlScanner scanner(&unpacked);
            parse(scanner);
            unpacked.Finish();
            if (counted.exceeded)
                throw UnpackedTooMuch();
            if (!scanner.Unsupported()) {
                if (scanner.hasError())
                    throw SuiteError(scanner.errorString());
                return;
            }
        }
        budget = budgetBefore;
        ReadPart(part, parse);
    }

    // The relationships of a part ("" for the package), targets resolved to package paths.
    QList<Relationship> Relationships(const QString &part)
    {
        // The package's own relationships (part empty) are "_rels/.rels".
        const qsizetype slash = part.lastIndexOf(QLatin1Char('/'));
        const QString folder = part.left(slash + 1);
        const QString relsPart = folder + QStringLiteral("_rels/") + part.mid(slash + 1) + QStringLiteral(".rels");
        QList<Relationship> relationships;
        if (!Has(relsPart))
            return relationships;
        ReadPart(relsPart, [&](QXmlStreamReader &xml) {
            while (!xml.atEnd()) {
                xml.readNext();
                if (!xml.isStartElement() || xml.name() != QLatin1String("Relationship"))
                    continue;
                const QXmlStreamAttributes a = xml.attributes();
                const QString target = a.value(QLatin1String("Target")).toString();
                relationships.append({a.value(QLatin1String("Id")).toString(), a.value(QLatin1String("Type")).toString(),
                                      target.startsWith(QLatin1Char('/')) ? target.mid(1)
                                                                          : QDir::cleanPath(folder + target)});
            }
        });
        return relationships;
    }

private:
    void OpenPart(const QString &part, QuaZipFile &file)
    {
        const QString name = entries.value(part.toLower());
        if (name.isEmpty() || !zip.setCurrentFile(name))
            throw NotAWorkbook(QCoreApplication::translate("Import", "缺少 %1").arg(part));
        QuaZipFileInfo64 info;
        if (zip.getCurrentFileInfo(&info)) {
            if (info.flags & 1)
                throw SuiteError(QCoreApplication::translate(
                    "Import", "该工作簿已加密，无法读取。请在表格软件中取消密码后另存为 .xlsx 或 .csv，"
                              "未导入任何内容。"));
            if (qint64(info.uncompressedSize) > budget)
                throw UnpackedTooMuch();
        }
        if (!file.open(QIODevice::ReadOnly))
            throw NotAWorkbook(QCoreApplication::translate("Import", "%1 无法解压").arg(part));
    }

    QuaZip zip;
    QHash<QString, QString> entries; // lower-case name -> name
    qint64 budget = kMaxUnpackedBytes;
};

QString TargetOfType(const QList<Relationship> &relationships, const QString &typeEnd, const QString &fallback)
{
    for (const Relationship &r : relationships)
        if (r.type.endsWith(typeEnd))
            return r.target;
    return fallback;
}

// What the readers share: the value of an attribute of the current start tag.
QString AttributeValue(QXmlStreamReader &xml, QLatin1StringView name)
{
    return xml.attributes().value(name).toString();
}

QLatin1StringView AttributeValue(XmlScanner &xml, QLatin1StringView name)
{
    return xml.attribute(name);
}

// The text of a shared or inline string: its runs joined, phonetic guides left out.
template <typename Xml>
QString ReadRichText(Xml &xml)
{
    QString text;
    const QString element = xml.name().toString();
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == element)
            break;
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("rPh"))
            xml.skipCurrentElement();
        else if (xml.name() == QLatin1String("t"))
            text += xml.readElementText();
    }
    return text;
}

template <typename Xml>
QStringList ReadSharedStrings(Xml &xml)
{
    QStringList strings;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("si"))
            strings << ReadRichText(xml);
    }
    return strings;
}

// A number as a spreadsheet shows it in a general cell: no exponent, no trailing ".0".
QString ShownNumber(const QString &stored)
{
    // Whole numbers as spreadsheets store them (student numbers) are shown as they are.
    if (stored.size() <= 15 && !stored.startsWith(QLatin1Char('0'))
        && std::all_of(stored.cbegin(), stored.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return stored;
    bool ok = false;
    const double value = stored.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return stored;
    if (value == 0)
        return QStringLiteral("0");
    return QString::number(value, 'f', QLocale::FloatingPointShortest);
}

// Column index of a cell reference such as "AB12" (0-based), or -1 without letters.
template <typename View>
int ColumnOfReference(const View &reference)
{
    int column = 0;
    int letters = 0;
    for (const auto character : reference) {
        const char16_t c = QChar(character).unicode();
        if (c < u'A' || c > u'Z')
            break;
        column = column * 26 + (c - 'A' + 1);
        if (++letters > 3)
            return kMaxColumns; // beyond any real sheet: left out like other far columns
    }
    return letters == 0 ? -1 : column - 1;
}

enum class CellType { SharedString, InlineString, Boolean, Number, Other };

// The kind of cell its "t" attribute names; no attribute is a number.
template <typename View>
CellType TypeOfCell(const View &type)
{
    if (type == QLatin1StringView("s"))
        return CellType::SharedString;
    if (type == QLatin1StringView("inlineStr"))
        return CellType::InlineString;
    if (type == QLatin1StringView("b"))
        return CellType::Boolean;
    if (type == QLatin1StringView("n") || type.isEmpty())
        return CellType::Number;
    return CellType::Other;
}

QString ReferenceText(int row, int column)
{
    return ColumnLetters(column) + QString::number(row);
}

template <typename Xml>
void ReadSheet(Xml &xml, const QStringList &sharedStrings, ImportedSheet &sheet, CellCounter &cells)
{
    QStringList row;
    int rowNumber = 0;
    int column = -1;
    auto fail = [&xml](const QString &message) { xml.raiseError(message); };

    while (!xml.atEnd() && !xml.hasError()) {
        xml.readNext();
        if (xml.isEndElement()) {
            if (xml.name() == QLatin1String("row")) {
                if (RowHoldsText(row)) {
                    if (sheet.rows.size() >= kMaxRows) {
                        fail(QCoreApplication::translate(
                                 "Import", "工作表“%1”超过 %2 行，超出导入的上限（每个工作表最多 %2 行有内容的行），"
                                           "未导入任何内容。请只保留名单所在的行后再导入。")
                                 .arg(sheet.name)
                                 .arg(kMaxRows));
                        return;
                    }
                    if (const QString problem = cells.Add(sheet.name, row.size()); !problem.isEmpty()) {
                        fail(problem);
                        return;
                    }
                    sheet.rows << row;
                    sheet.rowNumbers << rowNumber;
                }
            } else if (xml.name() == QLatin1String("sheetData")) {
                return;
            }
            continue;
        }
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("row")) {
            row.clear();
            column = -1;
            bool numbered = false;
            const int r = AttributeValue(xml, QLatin1StringView("r")).toInt(&numbered);
            rowNumber = numbered ? r : rowNumber + 1;
            continue;
        }
        if (xml.name() != QLatin1String("c"))
            continue;

        const int referenced = ColumnOfReference(AttributeValue(xml, QLatin1StringView("r")));
        column = referenced >= 0 ? referenced : column + 1;
        const CellType type = TypeOfCell(AttributeValue(xml, QLatin1StringView("t")));
        QString stored;
        QString inlineText;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isEndElement() && xml.name() == QLatin1String("c"))
                break;
            if (!xml.isStartElement())
                continue;
            if (xml.name() == QLatin1String("v"))
                stored = xml.readElementText();
            else if (xml.name() == QLatin1String("is"))
                inlineText = ReadRichText(xml);
            else
                xml.skipCurrentElement();
        }

        QString text;
        if (type == CellType::SharedString) {
            bool ok = false;
            const int index = stored.toInt(&ok);
            if (!stored.isEmpty() && (!ok || index < 0 || index >= sharedStrings.size())) {
                fail(QCoreApplication::translate("Import", "单元格 %1 引用了不存在的共享字符串")
                         .arg(ReferenceText(rowNumber, column)));
                return;
            }
            text = stored.isEmpty() ? QString() : sharedStrings.at(index);
        } else if (type == CellType::InlineString) {
            text = inlineText;
        } else if (type == CellType::Boolean) {
            text = stored.isEmpty() ? QString() : stored == QLatin1String("1") ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
        } else if (type == CellType::Number) {
            text = stored.isEmpty() ? QString() : ShownNumber(stored);
        } else {
            text = stored; // formula strings, errors such as "#N/A", ISO dates
        }
        if (column >= kMaxColumns && CellHoldsText(text))
            sheet.columnsLeftOut = true;
        if (text.isEmpty() || column >= kMaxColumns)
            continue;
        if (text.size() > kMaxCellLength) {
            fail(QCoreApplication::translate(
                     "Import", "工作表“%1”的单元格 %2 超过 %3 个字符，超出导入的上限（每个单元格最多 %3 个字符），"
                               "未导入任何内容。")
                     .arg(sheet.name, ReferenceText(rowNumber, column))
                     .arg(kMaxCellLength));
            return;
        }
        while (row.size() <= column)
            row << QString();
        row[column] = std::move(text);
    }
}

} // namespace

ImportedTable ReadWorkbook(const QString &path)
{
    WorkbookPackage package(path);
    const QString workbookPart = TargetOfType(package.Relationships(QString()), QStringLiteral("/officeDocument"),
                                              QStringLiteral("xl/workbook.xml"));
    if (!package.Has(workbookPart))
        throw NotAWorkbook(QCoreApplication::translate("Import", "缺少工作簿内容（%1）").arg(workbookPart));

    struct SheetEntry {
        QString name;
        QString relationshipId;
    };
    QList<SheetEntry> entries;
    package.ReadPart(workbookPart, [&](QXmlStreamReader &xml) {
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement() || xml.name() != QLatin1String("sheet"))
                continue;
            SheetEntry entry;
            for (const QXmlStreamAttribute &attribute : xml.attributes()) {
                if (attribute.name() == QLatin1String("name"))
                    entry.name = attribute.value().toString();
                else if (attribute.name() == QLatin1String("id") && !attribute.prefix().isEmpty())
                    entry.relationshipId = attribute.value().toString();
            }
            entries << entry;
        }
    });

    const QList<Relationship> relationships = package.Relationships(workbookPart);
    QHash<QString, QString> worksheetParts; // relationship id -> part
    for (const Relationship &r : relationships)
        if (r.type.endsWith(QLatin1String("/worksheet")))
            worksheetParts.insert(r.id, r.target);
    const QString sharedStringsPart = TargetOfType(relationships, QStringLiteral("/sharedStrings"), QString());

    QStringList sharedStrings;
    if (!sharedStringsPart.isEmpty() && package.Has(sharedStringsPart))
        package.ReadLargePart(sharedStringsPart, [&](auto &xml) { sharedStrings = ReadSharedStrings(xml); });

    ImportedTable table;
    table.sourceNote = QCoreApplication::translate("Import", "Excel 工作簿");
    CellCounter cells;
    QHash<QString, ImportedSheet> readParts; // a damaged workbook may name one part for many sheets
    for (const SheetEntry &entry : std::as_const(entries)) {
        const QString part = worksheetParts.value(entry.relationshipId);
        if (part.isEmpty())
            continue; // chart sheets and dialog sheets hold no cells
        ImportedSheet sheet;
        cells.StartSheet();
        if (const auto read = readParts.constFind(part); read != readParts.cend()) {
            sheet = *read; // its rows shared, not copied
        } else {
            const CellCounter cellsBefore = cells;
            package.ReadLargePart(part, [&](auto &xml) {
                sheet = ImportedSheet();
                sheet.name = entry.name;
                cells = cellsBefore;
                ReadSheet(xml, sharedStrings, sheet, cells);
            });
            readParts.insert(part, sheet);
        }
        sheet.name = entry.name;
        table.sheets << sheet;
    }
    if (table.sheets.isEmpty())
        throw NotAWorkbook(QCoreApplication::translate("Import", "其中没有工作表"));
    return table;
}
