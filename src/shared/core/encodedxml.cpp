#include "encodedxml.h"

#include "domutil.h"
#include "suiteerror.h"
#include "textfile.h"
#include "xmlchars.h"

#include <QFileInfo>

#include <algorithm>
#include <optional>
#include <vector>
#include <QCoreApplication>

namespace {
// The one key of every project document, in every program and both directions.
const QString kDocumentKey = QStringLiteral("W7+kTb3NpQ5x$-Hc2yLf4");

QString fileLabel(const QString &path)
{
    return QFileInfo(path).fileName();
}

void requireStoredFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        throw SuiteError(QCoreApplication::translate("Files", "工程文件“%1”不存在。").arg(fileLabel(path)));
}

QByteArray readStoredBytes(const QString &path)
{
    requireStoredFile(path);
    return ReadWholeBytes(path);
}

QString readStoredText(const QString &path)
{
    return DecodeText(readStoredBytes(path));
}

// Attribute values at least this long (the lists of a project) are decoded here instead
// of by the XML reader, which builds a value one character at a time: for a list of
// 100,000 names that was a quarter of a whole draw from the command line.
constexpr qsizetype kLongAttribute = 4096;
// Stands in for a long value while the rest of the document is parsed: a private-use
// character followed by the value's number. A document that holds the character anywhere,
// written as itself or as a reference in an attribute value, is parsed as it is: a value
// that reads like a mark must never be taken for one.
constexpr QChar kLiftedMark(0xE000);

// A reference "&…;" at the start of `raw`: the character it stands for and its length.
std::optional<std::pair<char32_t, qsizetype>> decodeReference(QStringView raw)
{
    const qsizetype semicolon = raw.left(12).indexOf(QLatin1Char(';'));
    if (semicolon < 2)
        return std::nullopt;
    const QStringView name = raw.sliced(1, semicolon - 1);
    char32_t c = 0;
    if (name == QLatin1String("lt"))
        c = '<';
    else if (name == QLatin1String("gt"))
        c = '>';
    else if (name == QLatin1String("amp"))
        c = '&';
    else if (name == QLatin1String("quot"))
        c = '"';
    else if (name == QLatin1String("apos"))
        c = '\'';
    else if (name.startsWith(QLatin1Char('#'))) {
        const bool hex = name.size() > 1 && name.at(1) == QLatin1Char('x');
        const QStringView digits = name.sliced(hex ? 2 : 1);
        if (digits.isEmpty())
            return std::nullopt;
        for (QChar digit : digits) {
            const int d = digit.isDigit() && digit.unicode() < 0x80 ? digit.unicode() - '0'
                        : hex && digit.toLower() >= QLatin1Char('a') && digit.toLower() <= QLatin1Char('f')
                            ? digit.toLower().unicode() - 'a' + 10
                            : -1;
            if (d < 0 || c > 0x10FFFF)
                return std::nullopt;
            c = c * (hex ? 16 : 10) + char32_t(d);
        }
        if (!IsXmlCharacter(c))
            return std::nullopt;
    } else {
        return std::nullopt; // an entity only the reader knows (or an error it must report)
    }
    return std::make_pair(c, semicolon + 1);
}

// Decodes the raw text of an attribute value as the XML reader does: references replaced,
// a literal tab, line feed, carriage return or CR LF becomes one space. Nothing for a value
// the reader would refuse or judge otherwise.
std::optional<QString> decodeAttributeValue(QStringView raw)
{
    QString value(raw.size(), Qt::Uninitialized); // never longer than the raw text
    char16_t *const begin = reinterpret_cast<char16_t *>(value.data());
    char16_t *out = begin;
    const char16_t *const in = raw.utf16();
    const qsizetype size = raw.size();
    auto standsForItself = [](char16_t c) {
        return char16_t(c - 0x20) < 0xD800 - 0x20 ? c != u'&' && c != u'<' : c >= 0xE000 && c < 0xFFFE;
    };
    qsizetype i = 0;
    while (i < size) {
        // Runs of characters that stand for themselves, by far the most, are copied whole.
        qsizetype runEnd = i;
        while (runEnd < size && standsForItself(in[runEnd]))
            ++runEnd;
        out = std::copy(in + i, in + runEnd, out);
        i = runEnd;
        if (i == size)
            break;
        const char16_t c = in[i];
        if (c == u'\t' || c == u'\n') {
            *out++ = u' ';
        } else if (c == u'\r') {
            if (i + 1 < size && in[i + 1] == u'\n')
                ++i;
            *out++ = u' ';
        } else if (c == u'&') {
            const auto reference = decodeReference(raw.sliced(i));
            if (!reference)
                return std::nullopt;
            const char32_t code = reference->first;
            if (QChar::requiresSurrogates(code)) {
                *out++ = QChar::highSurrogate(code);
                *out++ = QChar::lowSurrogate(code);
            } else {
                *out++ = char16_t(code);
            }
            i += reference->second - 1;
        } else if (QChar::isHighSurrogate(c) && i + 1 < size && QChar::isLowSurrogate(in[i + 1])) {
            *out++ = c;
            *out++ = in[++i];
        } else {
            return std::nullopt; // "<", a control character, a lone surrogate, U+FFFE/U+FFFF
        }
        ++i;
    }
    value.truncate(out - begin);
    return value;
}

// The markup the walkers below look for is ASCII: the same code reads UTF-16 text and
// UTF-8 bytes.
qsizetype findAscii(QStringView text, QLatin1StringView what, qsizetype from)
{
    return text.indexOf(what, from);
}
qsizetype findAscii(QByteArrayView text, QLatin1StringView what, qsizetype from)
{
    return text.indexOf(QByteArrayView(what.data(), what.size()), from);
}
bool startsWithAscii(QStringView text, QLatin1StringView what)
{
    return text.startsWith(what);
}
bool startsWithAscii(QByteArrayView text, QLatin1StringView what)
{
    return text.startsWith(QByteArrayView(what.data(), what.size()));
}
char32_t unitAt(QStringView text, qsizetype i)
{
    return text.at(i).unicode();
}
char32_t unitAt(QByteArrayView text, qsizetype i)
{
    return uchar(text.at(i));
}

// Markup that holds no tags: a comment, a CDATA section or a processing instruction
// starting at `i` ("<" there). Returns the index past it, -1 when it does not close, or
// `i` itself when the markup there is something else.
template <typename View>
qsizetype skipMarkupWithoutTags(View text, qsizetype i)
{
    const View rest = text.sliced(i);
    auto skipPast = [&](QLatin1StringView end, qsizetype from) {
        const qsizetype at = findAscii(text, end, from);
        return at < 0 ? qsizetype(-1) : at + end.size();
    };
    if (startsWithAscii(rest, QLatin1StringView("<!--")))
        return skipPast(QLatin1StringView("-->"), i + 4);
    if (startsWithAscii(rest, QLatin1StringView("<![CDATA[")))
        return skipPast(QLatin1StringView("]]>"), i + 9);
    if (startsWithAscii(rest, QLatin1StringView("<?")))
        return skipPast(QLatin1StringView("?>"), i + 2);
    return i;
}

// The XML text as decoded text: long values are decoded as the reader would.
struct Utf16Form
{
    using View = QStringView;
    using Text = QString;
    using Value = QString;
    static bool holdsMark(QStringView text) { return text.contains(kLiftedMark); }
    static std::optional<QString> longValue(QStringView raw) { return decodeAttributeValue(raw); }
    static void appendMark(QString &text, size_t index)
    {
        text += kLiftedMark;
        text += QString::number(index);
    }
};

// The XML text as UTF-8 bytes: only values that need no decoding are lifted, as they stand.
struct Utf8Form
{
    using View = QByteArrayView;
    using Text = QByteArray;
    using Value = QByteArrayView;
    static constexpr QByteArrayView kMark{"\xEE\x80\x80"}; // kLiftedMark in UTF-8
    static bool holdsMark(QByteArrayView text) { return FindBytes(text, kMark) >= 0; }
    static std::optional<QByteArrayView> longValue(QByteArrayView raw)
    {
        if (!IsPlainXmlAttributeValue(raw.begin(), raw.end()))
            return std::nullopt;
        return raw;
    }
    static void appendMark(QByteArray &text, size_t index)
    {
        text += kMark;
        text += QByteArray::number(qulonglong(index));
    }
};

// The document with its long attribute values replaced by marks, and the values in order.
template <typename Form>
struct LiftedDocument
{
    typename Form::Text text;
    std::vector<typename Form::Value> values;
};

// Whether a short value may stand for the mark: only through a reference.
bool shortValueMayHoldMark(QStringView raw)
{
    if (!raw.contains(QLatin1Char('&')))
        return false;
    const std::optional<QString> value = decodeAttributeValue(raw);
    return !value || value->contains(kLiftedMark);
}
bool shortValueMayHoldMark(QByteArrayView raw)
{
    return raw.contains('&') && shortValueMayHoldMark(QString::fromUtf8(raw));
}

// Walks the markup of `text` (comments, CDATA sections and processing instructions are
// skipped whole) and lifts the long attribute values out of its tags. Nothing when there
// is nothing to lift, or anything the reader must see as it is: a document type
// declaration (it may declare entities), markup that does not close, a value the form
// does not take as it is.
template <typename Form>
std::optional<LiftedDocument<Form>> liftLongAttributes(typename Form::View text)
{
    using View = typename Form::View;
    if (text.size() < kLongAttribute)
        return std::nullopt;
    LiftedDocument<Form> lifted;
    qsizetype copiedUpTo = 0;
    // Copies the text that stays, up to `end`; false when it holds the mark. Only that
    // text must not: a value lifted is given back whole, whatever it holds.
    const auto keepUpTo = [&](qsizetype end) {
        const View kept = text.sliced(copiedUpTo, end - copiedUpTo);
        if (Form::holdsMark(kept))
            return false;
        lifted.text += kept;
        return true;
    };
    qsizetype i = 0;
    const qsizetype n = text.size();
    while ((i = text.indexOf('<', i)) >= 0) {
        const View rest = text.sliced(i);
        if (const qsizetype past = skipMarkupWithoutTags(text, i); past != i) {
            i = past;
        } else if (startsWithAscii(rest, QLatin1StringView("<!"))) {
            return std::nullopt;
        } else if (startsWithAscii(rest, QLatin1StringView("</"))) {
            const qsizetype close = text.indexOf('>', i + 2);
            i = close < 0 ? close : close + 1;
        } else { // a start tag: values are quoted, and ">" ends the tag outside quotes
            qsizetype j = i + 1;
            for (;;) {
                if (j >= n)
                    return std::nullopt;
                const char32_t c = unitAt(text, j);
                if (c == '>') {
                    i = j + 1;
                    break;
                }
                if (c == '<')
                    return std::nullopt;
                if (c != '"' && c != '\'') {
                    ++j;
                    continue;
                }
                const qsizetype close = text.indexOf(char(c), j + 1);
                if (close < 0)
                    return std::nullopt;
                const View raw = text.sliced(j + 1, close - j - 1);
                if (raw.size() < kLongAttribute) {
                    if (shortValueMayHoldMark(raw))
                        return std::nullopt;
                } else {
                    auto value = Form::longValue(raw);
                    if (!value)
                        return std::nullopt;
                    if (!keepUpTo(j + 1))
                        return std::nullopt;
                    Form::appendMark(lifted.text, lifted.values.size());
                    lifted.values.push_back(std::move(*value));
                    copiedUpTo = close;
                }
                j = close + 1;
            }
        }
        if (i < 0)
            return std::nullopt;
    }
    if (lifted.values.empty() || !keepUpTo(n))
        return std::nullopt;
    return lifted;
}

// Hands each attribute that holds a lifted value's mark to `restore` with the value's
// index; whether every value found its mark.
template <typename Restore>
bool restoreLiftedValues(QDomDocument &document, size_t valueCount, Restore restore)
{
    size_t restored = 0;
    QDomNode node = document.documentElement();
    while (!node.isNull() && restored < valueCount) {
        const QDomNamedNodeMap attributes = node.attributes();
        for (int a = 0; a < attributes.count(); ++a) {
            QDomAttr attribute = attributes.item(a).toAttr();
            const QString value = attribute.value();
            if (!value.startsWith(kLiftedMark))
                continue;
            bool ok = false;
            const size_t index = value.sliced(1).toULong(&ok);
            if (!ok || index >= valueCount)
                continue;
            restore(attribute, index);
            ++restored;
        }
        // Depth first through the elements.
        QDomNode next = node.firstChildElement();
        while (next.isNull() && !node.isNull()) {
            next = node.nextSiblingElement();
            if (next.isNull())
                node = node.parentNode();
        }
        node = next;
    }
    return restored == valueCount;
}

// The XML reader takes time quadratic in the nesting depth and in the attributes of one
// element: a damaged file of one megabyte kept a load busy for minutes. No document of
// ours comes near these bounds.
constexpr int kMaxElementDepth = 256;
constexpr int kMaxAttributesPerElement = 64;

// Counts nesting and attributes along the tags; anything malformed is left to the reader.
void checkDocumentShape(const QString &text, const QString &what)
{
    int depth = 0;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i >= 0 && (i = text.indexOf(QLatin1Char('<'), i)) >= 0) {
        const QStringView rest = QStringView(text).sliced(i);
        if (const qsizetype past = skipMarkupWithoutTags(QStringView(text), i); past != i) {
            i = past;
        } else if (rest.startsWith(QLatin1String("<!"))) {
            i += 2; // declarations hold no elements
        } else if (rest.startsWith(QLatin1String("</"))) {
            depth = std::max(0, depth - 1);
            i += 2;
        } else {
            int attributes = 0;
            qsizetype j = i + 1;
            while (j < n && text.at(j) != QLatin1Char('>') && text.at(j) != QLatin1Char('<')) {
                const QChar c = text.at(j);
                if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
                    const qsizetype close = text.indexOf(c, j + 1);
                    if (close < 0)
                        return;
                    if (++attributes > kMaxAttributesPerElement)
                        throw SuiteError(
                            QCoreApplication::translate("Files", "“%1”中有元素的属性超过 %2 个，文件可能已损坏。")
                                .arg(what)
                                .arg(kMaxAttributesPerElement));
                    j = close;
                }
                ++j;
            }
            if (j >= n || text.at(j) != QLatin1Char('>'))
                return;
            if (text.at(j - 1) != QLatin1Char('/') && ++depth > kMaxElementDepth)
                throw SuiteError(QCoreApplication::translate("Files", "“%1”中的元素嵌套超过 %2 层，文件可能已损坏。")
                                     .arg(what)
                                     .arg(kMaxElementDepth));
            i = j + 1;
        }
    }
}

QDomDocument parseWholeText(const QString &text, const QString &what)
{
    QDomDocument document;
    QString error;
    int line = 0;
    int column = 0;
    if (!document.setContent(text, &error, &line, &column))
        throw SuiteError(QCoreApplication::translate("Files", "“%1”的内容不是有效的 XML 文档（第 %2 行第 %3 列：%4）。")
                             .arg(what)
                             .arg(line)
                             .arg(column)
                             .arg(error));
    return document;
}

QDomDocument decodeStoredDocument(const QStringList &stored, const QString &path)
{
    QStringList plain;
    try {
        plain = DecodeLines(stored, kDocumentKey);
    } catch (const SuiteError &e) {
        throw SuiteError(
            QCoreApplication::translate("Files", "无法打开工程文件“%1”：%2").arg(fileLabel(path), e.message()));
    }
    return ParseXmlText(plain.join(QLatin1Char('\n')), fileLabel(path));
}
} // namespace

QDomDocument ParseXmlText(const QString &text, const QString &what)
{
    checkDocumentShape(text, what);
    std::optional<LiftedDocument<Utf16Form>> lifted = liftLongAttributes<Utf16Form>(text);
    if (!lifted)
        return parseWholeText(text, what);
    QDomDocument document;
    const auto restore = [&](QDomAttr &attribute, size_t index) { attribute.setValue(std::move(lifted->values[index])); };
    if (!document.setContent(lifted->text) || !restoreLiftedValues(document, lifted->values.size(), restore))
        return parseWholeText(text, what); // its message names the place in the text as given
    return document;
}

QDomDocument LoadXmlFile(const QString &path, qint64 maxBytes)
{
    return ParseXmlText(ReadWholeText(path, maxBytes), fileLabel(path));
}

QDomDocument LoadEncodedDocument(const QString &path)
{
    if (!IsCodecBound())
        throw SuiteError(CodecBindError());
    return decodeStoredDocument(SplitTextLines(readStoredText(path)), path);
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
        throw SuiteError(QCoreApplication::translate("Files", "保存工程失败：%1").arg(e.message()));
    }
}

namespace {

// A project document's text, encoded or plain XML; binds the codec if encoded text needs it.
QDomDocument parseProjectText(QString text, const QString &path)
{
    qsizetype lineEnd = text.size();
    for (QLatin1Char lineBreak : {QLatin1Char('\n'), QLatin1Char('\r')}) {
        const qsizetype at = text.indexOf(lineBreak);
        if (at >= 0)
            lineEnd = std::min(lineEnd, at);
    }
    if (QStringView(text).left(lineEnd).trimmed().startsWith(QLatin1Char('<'))) {
        // Line breaks as the reader of lines gives them.
        if (text.contains(QLatin1Char('\r')))
            text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
        return ParseXmlText(text, fileLabel(path));
    }
    if (!IsCodecBound() && !BindCodec())
        throw SuiteError(CodecBindError());
    return decodeStoredDocument(SplitTextLines(text), path);
}

// Bytes that are XML in UTF-8 from the start: a byte-order mark at most, blanks, "<".
bool startsAsUtf8Xml(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    qsizetype i = 0;
    while (i < bytes.size() && (bytes[i] == ' ' || bytes[i] == '\t'))
        ++i;
    return i < bytes.size() && bytes[i] == '<';
}

// `part` of `whole` as a byte array that shares whole's bytes instead of copying them.
QByteArray sharedPart(const QByteArray &whole, QByteArrayView part)
{
    QByteArray::DataPointer &data = const_cast<QByteArray &>(whole).data_ptr();
    if (!data.d_ptr()) // a mapped file's raw bytes: their owner keeps them
        return QByteArray::fromRawData(part.data(), part.size());
    Q_ASSERT(data.d_ptr() && part.data() >= whole.constData() && part.end() <= whole.constEnd());
    data.d_ptr()->ref_.ref();
    return QByteArray(QByteArray::DataPointer(data.d_ptr(), const_cast<char *>(part.data()), part.size()));
}

} // namespace

QDomDocument LoadProjectDocumentAnyForm(const QString &path)
{
    return parseProjectText(readStoredText(path), path);
}

QDomDocument LoadProjectDocumentKeepingBytes(const QString &path, const QStringList &keptPath, KeptAttributeBytes *kept)
{
    kept->clear();
    kept->file.reset();
    requireStoredFile(path);
    const auto file = std::make_shared<const WholeFileBytes>(path);
    const QByteArray &bytes = file->Bytes();
    std::optional<LiftedDocument<Utf8Form>> lifted;
    if (startsAsUtf8Xml(bytes))
        lifted = liftLongAttributes<Utf8Form>(bytes);
    if (lifted) {
        try {
            // The rest decodes as the whole would: the values lifted are well-formed UTF-8.
            QDomDocument document = parseProjectText(DecodeText(lifted->text), path);
            QDomElement keptElement = document.documentElement();
            for (const QString &name : keptPath)
                keptElement = FindChildElement(keptElement, name);
            const auto restore = [&](QDomAttr &attribute, size_t index) {
                const QByteArrayView value = lifted->values[index];
                if (!keptElement.isNull() && attribute.ownerElement() == keptElement) {
                    kept->insert(attribute.name(), sharedPart(bytes, value));
                    kept->file = file;
                    attribute.setValue(QString());
                } else {
                    attribute.setValue(QString::fromUtf8(value));
                }
            };
            if (restoreLiftedValues(document, lifted->values.size(), restore))
                return document;
        } catch (const SuiteError &) {
            // Read again as a whole below: the message then names the place as the file has it.
        }
        kept->clear();
        kept->file.reset();
    }
    return parseProjectText(DecodeText(bytes), path);
}
