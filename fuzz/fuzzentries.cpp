#include "fuzzentries.h"

#include "delimitedtext.h"
#include "encodedxml.h"
#include "historystore.h"
#include "projectname.h"
#include "projectpackage.h"
#include "suiteerror.h"
#include "textfile.h"
#include "xlsxreader.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

namespace fuzz {
namespace {

// One folder for the files the readers take by path, for the whole run.
QString ScratchPath(const QString &name)
{
    static QTemporaryDir dir;
    return dir.filePath(name);
}

QString WriteScratch(const QString &name, const uint8_t *data, size_t size)
{
    const QString path = ScratchPath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort(); // the harness itself is broken
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    return path;
}

// Elements with their attributes in name order, text and CDATA as text: what a document says.
void Describe(const QDomNode &node, QString &out)
{
    for (QDomNode child = node.firstChild(); !child.isNull(); child = child.nextSibling()) {
        if (child.isElement()) {
            const QDomElement element = child.toElement();
            out += QLatin1Char('<') + element.tagName();
            const QDomNamedNodeMap attributes = element.attributes();
            QStringList pairs;
            for (int i = 0; i < attributes.count(); ++i) {
                const QDomAttr attribute = attributes.item(i).toAttr();
                pairs << attribute.name() + QLatin1Char('=') + attribute.value();
            }
            pairs.sort();
            out += pairs.join(QLatin1Char('\x01')) + QLatin1Char('>');
            Describe(child, out);
            out += QLatin1String("</>");
        } else if (child.isCharacterData()) {
            out += child.nodeValue();
        }
    }
}

} // namespace

void Workbook(const uint8_t *data, size_t size)
{
    try {
        ReadWorkbook(WriteScratch(QStringLiteral("input.xlsx"), data, size));
    } catch (const SuiteError &) {
    }
}

void DelimitedText(const uint8_t *data, size_t size)
{
    try {
        ReadDelimitedFile(WriteScratch(QStringLiteral("input.csv"), data, size));
    } catch (const SuiteError &) {
    }
}

void Package(const uint8_t *data, size_t size)
{
    const QString text = DecodeText(QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)));
    for (const PackedProject &packed : SplitPackage(text))
        if (packed.problem.isEmpty())
            ProjectNameFileProblem(packed.name);
}

void GuardedXml(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    QDomDocument plain;
    const bool wellFormed = bool(plain.setContent(text));
    QDomDocument guarded;
    try {
        guarded = ParseXmlText(text, QStringLiteral("fuzz.xml"));
    } catch (const SuiteError &) {
        return; // refused: not well formed, or a shape no document of ours has
    }
    QString expected;
    QString got;
    Describe(plain, expected);
    Describe(guarded, got);
    if (!wellFormed || expected != got)
        std::abort();
}

void HistoryFile(const uint8_t *data, size_t size)
{
    const QString path = ScratchPath(QStringLiteral("history.db"));
    for (const QString &suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm"), QStringLiteral(".damaged"),
                                  QStringLiteral(".damaged-wal"), QStringLiteral(".damaged-shm")})
        QFile::remove(path + suffix);
    WriteScratch(QStringLiteral("history.db"), data, size);
    HistoryStore store;
    if (!store.Open(path))
        return;
    const HistoryFilter all;
    store.CountDraws(all);
    for (const QString &project : store.Projects())
        store.CountDraws({project, {}, {}});
    store.Draws(all, 100);
    store.DrawsOldestFirst(all);
    store.Counts(all);
}

Entry EntryNamed(const QString &target)
{
    if (target == QLatin1String("workbook"))
        return &Workbook;
    if (target == QLatin1String("csv"))
        return &DelimitedText;
    if (target == QLatin1String("package"))
        return &Package;
    if (target == QLatin1String("xml"))
        return &GuardedXml;
    if (target == QLatin1String("history"))
        return &HistoryFile;
    return nullptr;
}

} // namespace fuzz
