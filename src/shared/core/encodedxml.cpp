#include "encodedxml.h"

#include "suiteerror.h"
#include "textfile.h"

#include <QFile>
#include <QFileInfo>

namespace {
// The one key of every project document, in every program and both directions.
const QString kDocumentKey = QStringLiteral("W7+kTb3NpQ5x$-Hc2yLf4");

QString fileLabel(const QString &path)
{
    return QFileInfo(path).fileName();
}

QStringList readStoredLines(const QString &path)
{
    if (!QFileInfo::exists(path))
        throw SuiteError(QStringLiteral("工程文件“%1”不存在。").arg(fileLabel(path)));
    return ReadTextLines(path);
}
} // namespace

QDomDocument ParseXmlText(const QString &text, const QString &what)
{
    QDomDocument document;
    QString error;
    int line = 0;
    int column = 0;
    if (!document.setContent(text, &error, &line, &column))
        throw SuiteError(QStringLiteral("“%1”的内容不是有效的 XML 文档（第 %2 行第 %3 列：%4）。")
                             .arg(what).arg(line).arg(column).arg(error));
    return document;
}

QDomDocument LoadEncodedDocument(const QString &path)
{
    if (!IsCodecBound())
        throw SuiteError(CodecBindError());
    const QStringList stored = readStoredLines(path);
    QStringList plain;
    try {
        plain = DecodeLines(stored, kDocumentKey);
    } catch (const SuiteError &e) {
        throw SuiteError(QStringLiteral("无法打开工程文件“%1”：%2").arg(fileLabel(path), e.message()));
    }
    return ParseXmlText(plain.join(QLatin1Char('\n')), fileLabel(path));
}

void SaveEncodedDocument(const QDomDocument &document, const QString &path)
{
    if (!IsCodecBound())
        throw SuiteError(CodecBindError());
    const QStringList plain = document.toString(1).split(QLatin1Char('\n'));
    const QStringList encoded = EncodeLines(plain, kDocumentKey);
    try {
        WriteFileAtomically(path, EncodeUtf16LeWithBom(encoded));
    } catch (const SuiteError &e) {
        throw SuiteError(QStringLiteral("保存工程失败：%1").arg(e.message()));
    }
}

QDomDocument LoadProjectDocumentAnyForm(const QString &path)
{
    const QStringList lines = readStoredLines(path);
    const QString firstLine = lines.value(0).trimmed();
    if (firstLine.startsWith(QLatin1Char('<')))
        return ParseXmlText(lines.join(QLatin1Char('\n')), fileLabel(path));
    return LoadEncodedDocument(path);
}
