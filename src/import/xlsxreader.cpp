#include "xlsxreader.h"

#include "suiteerror.h"

#include <quazip.h>
#include <quazipfile.h>
#include <quazipfileinfo.h>

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QXmlStreamReader>

#include <cmath>

using namespace ImportLimits;

namespace {

// A workbook has tens of parts; a package of many thousands is no workbook.
constexpr int kMaxPackageEntries = 10'000;

SuiteError NotAWorkbook(const QString &detail)
{
    return SuiteError(QStringLiteral("该文件不是有效的 Excel 工作簿（.xlsx），可能已损坏，或是别的文件改了扩展名：%1。"
                                     "未导入任何内容。")
                          .arg(detail));
}

SuiteError UnpackedTooMuch()
{
    return SuiteError(QStringLiteral("工作簿解压后的内容超过 %1 MB，超出导入的上限（解压后最多 %1 MB）。"
                                     "文件可能已损坏，或是恶意构造的压缩文件，未导入任何内容。")
                          .arg(kMaxUnpackedBytes >> 20));
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
        if (!zip.open(QuaZip::mdUnzip))
            throw NotAWorkbook(QStringLiteral("无法作为压缩包打开"));
        if (zip.getEntriesCount() > kMaxPackageEntries)
            throw NotAWorkbook(QStringLiteral("压缩包中的文件多达 %1 个").arg(zip.getEntriesCount()));
        for (const QString &name : zip.getFileNameList())
            entries.insert(name.toLower(), name);
    }

    bool Has(const QString &part) const { return entries.contains(part.toLower()); }

    // Runs `parse` over the part's XML; a part that is damaged or too large is refused.
    template <typename Parse>
    void ReadPart(const QString &part, Parse parse)
    {
        const QString name = entries.value(part.toLower());
        if (name.isEmpty() || !zip.setCurrentFile(name))
            throw NotAWorkbook(QStringLiteral("缺少 %1").arg(part));
        QuaZipFileInfo64 info;
        if (zip.getCurrentFileInfo(&info)) {
            if (info.flags & 1)
                throw SuiteError(QStringLiteral("该工作簿已加密，无法读取。请在表格软件中取消密码后另存为 .xlsx 或 .csv，"
                                                "未导入任何内容。"));
            if (qint64(info.uncompressedSize) > budget)
                throw UnpackedTooMuch();
        }
        QuaZipFile file(&zip);
        if (!file.open(QIODevice::ReadOnly))
            throw NotAWorkbook(QStringLiteral("%1 无法解压").arg(part));
        CountedReader counted(&file, &budget);
        QXmlStreamReader xml(&counted);
        parse(xml);
        if (counted.exceeded)
            throw UnpackedTooMuch();
        if (xml.hasError() && xml.error() != QXmlStreamReader::CustomError)
            throw NotAWorkbook(QStringLiteral("%1 已损坏（%2）").arg(part, xml.errorString()));
        if (xml.hasError())
            throw SuiteError(xml.errorString());
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

// The text of a shared or inline string: its runs joined, phonetic guides left out.
QString ReadRichText(QXmlStreamReader &xml)
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

QStringList ReadSharedStrings(QXmlStreamReader &xml)
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
    bool ok = false;
    const double value = stored.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return stored;
    if (value == 0)
        return QStringLiteral("0");
    return QString::number(value, 'f', QLocale::FloatingPointShortest);
}

// Column index of a cell reference such as "AB12" (0-based), or -1 without letters.
int ColumnOfReference(QStringView reference)
{
    int column = 0;
    int letters = 0;
    for (QChar c : reference) {
        if (c < QLatin1Char('A') || c > QLatin1Char('Z'))
            break;
        column = column * 26 + (c.unicode() - 'A' + 1);
        if (++letters > 3)
            return kMaxColumns; // beyond any real sheet: left out like other far columns
    }
    return letters == 0 ? -1 : column - 1;
}

QString ReferenceText(int row, int column)
{
    return ColumnLetters(column) + QString::number(row);
}

void ReadSheet(QXmlStreamReader &xml, const QStringList &sharedStrings, ImportedSheet &sheet)
{
    QStringList row;
    int rowNumber = 0;
    int column = -1;
    auto fail = [&xml](const QString &message) { xml.raiseError(message); };

    while (!xml.atEnd() && !xml.hasError()) {
        xml.readNext();
        if (xml.isEndElement()) {
            if (xml.name() == QLatin1String("row")) {
                if (std::any_of(row.cbegin(), row.cend(), [](const QString &cell) { return !cell.trimmed().isEmpty(); })) {
                    if (sheet.rows.size() >= kMaxRows) {
                        fail(QStringLiteral("工作表“%1”超过 %2 行，超出导入的上限（每个工作表最多 %2 行有内容的行），"
                                            "未导入任何内容。请只保留名单所在的行后再导入。")
                                 .arg(sheet.name)
                                 .arg(kMaxRows));
                        return;
                    }
                    sheet.rows << row;
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
            const int r = xml.attributes().value(QLatin1String("r")).toInt(&numbered);
            rowNumber = numbered ? r : rowNumber + 1;
            continue;
        }
        if (xml.name() != QLatin1String("c"))
            continue;

        const QXmlStreamAttributes attributes = xml.attributes();
        const int referenced = ColumnOfReference(attributes.value(QLatin1String("r")));
        column = referenced >= 0 ? referenced : column + 1;
        const QString type = attributes.value(QLatin1String("t")).toString();
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
        if (type == QLatin1String("s")) {
            bool ok = false;
            const int index = stored.toInt(&ok);
            if (!stored.isEmpty() && (!ok || index < 0 || index >= sharedStrings.size())) {
                fail(QStringLiteral("单元格 %1 引用了不存在的共享字符串").arg(ReferenceText(rowNumber, column)));
                return;
            }
            text = stored.isEmpty() ? QString() : sharedStrings.at(index);
        } else if (type == QLatin1String("inlineStr")) {
            text = inlineText;
        } else if (type == QLatin1String("b")) {
            text = stored.isEmpty() ? QString() : stored == QLatin1String("1") ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
        } else if (type == QLatin1String("n") || type.isEmpty()) {
            text = stored.isEmpty() ? QString() : ShownNumber(stored);
        } else {
            text = stored; // formula strings, errors such as "#N/A", ISO dates
        }
        if (text.isEmpty() || column >= kMaxColumns)
            continue;
        if (text.size() > kMaxCellLength) {
            fail(QStringLiteral("工作表“%1”的单元格 %2 超过 %3 个字符，超出导入的上限（每个单元格最多 %3 个字符），"
                                "未导入任何内容。")
                     .arg(sheet.name, ReferenceText(rowNumber, column))
                     .arg(kMaxCellLength));
            return;
        }
        while (row.size() <= column)
            row << QString();
        row[column] = text;
    }
}

} // namespace

ImportedTable ReadWorkbook(const QString &path)
{
    WorkbookPackage package(path);
    const QString workbookPart = TargetOfType(package.Relationships(QString()), QStringLiteral("/officeDocument"),
                                              QStringLiteral("xl/workbook.xml"));
    if (!package.Has(workbookPart))
        throw NotAWorkbook(QStringLiteral("缺少工作簿内容（%1）").arg(workbookPart));

    struct SheetEntry
    {
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
        package.ReadPart(sharedStringsPart, [&](QXmlStreamReader &xml) { sharedStrings = ReadSharedStrings(xml); });

    ImportedTable table;
    table.sourceNote = QStringLiteral("Excel 工作簿");
    for (const SheetEntry &entry : std::as_const(entries)) {
        const QString part = worksheetParts.value(entry.relationshipId);
        if (part.isEmpty())
            continue; // chart sheets and dialog sheets hold no cells
        ImportedSheet sheet;
        sheet.name = entry.name;
        package.ReadPart(part, [&](QXmlStreamReader &xml) { ReadSheet(xml, sharedStrings, sheet); });
        table.sheets << sheet;
    }
    if (table.sheets.isEmpty())
        throw NotAWorkbook(QStringLiteral("其中没有工作表"));
    return table;
}
