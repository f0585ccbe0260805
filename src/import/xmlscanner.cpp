#include "xmlscanner.h"

#include "xmlchars.h"

#include <QIODevice>
#include <QRegularExpression>

#include <cstring>
#include <string_view>

namespace {

constexpr qsizetype kChunk = 256 * 1024;
constexpr size_t kMaxAttributes = 32;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool IsNameStart(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool IsNameChar(char c)
{
    return IsNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.';
}

// Length of the qualified name at p (ASCII, at most one ":" between two parts); 0 when
// there is none, -1 when the bytes end inside it. `colon`: where its ":" is, -1 without.
qsizetype NameLength(const char *p, const char *end, qsizetype *colon)
{
    const char *q = p;
    *colon = -1;
    for (;;) {
        if (q == end)
            return -1;
        if (!IsNameStart(*q))
            return 0;
        while (++q < end && IsNameChar(*q)) {
        }
        if (q == end)
            return -1;
        if (*q != ':')
            return q - p;
        if (*colon >= 0)
            return 0;
        *colon = q - p;
        ++q;
    }
}

// The character a reference at p ("&amp;", "&#20013;", "&#x4E2D;") stands for, and its
// length; 0 for anything else (undeclared entities, characters XML does not allow).
qsizetype Reference(const char *p, const char *end, char32_t *character)
{
    const auto *semicolon = static_cast<const char *>(std::memchr(p, ';', size_t(qMin<qsizetype>(end - p, 12))));
    if (!semicolon)
        return 0;
    const std::string_view body(p + 1, size_t(semicolon - p - 1));
    const qsizetype length = semicolon - p + 1;
    static constexpr std::pair<std::string_view, char> named[] = {
        {"lt", '<'}, {"gt", '>'}, {"amp", '&'}, {"quot", '"'}, {"apos", '\''}};
    for (const auto &[name, c] : named) {
        if (body == name) {
            *character = char32_t(c);
            return length;
        }
    }
    if (body.size() < 2 || body[0] != '#')
        return 0;
    const bool hex = body[1] == 'x';
    const std::string_view digits = body.substr(hex ? 2 : 1);
    if (digits.empty() || digits.size() > 8)
        return 0;
    char32_t value = 0;
    for (char c : digits) {
        const int digit = c >= '0' && c <= '9'           ? c - '0'
                        : hex && c >= 'a' && c <= 'f' ? c - 'a' + 10
                        : hex && c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                      : -1;
        if (digit < 0)
            return 0;
        value = value * (hex ? 16 : 10) + char32_t(digit);
    }
    if (!IsXmlCharacter(value))
        return 0;
    *character = value;
    return length;
}

// Version 1.0, UTF-8 or no encoding named, any standalone.
bool IsPlainDeclaration(QByteArrayView declaration)
{
    static const QRegularExpression plain(QStringLiteral(
        "^<\\?xml[ \\t\\r\\n]+version[ \\t\\r\\n]*=[ \\t\\r\\n]*([\"'])1\\.0\\1"
        "([ \\t\\r\\n]+encoding[ \\t\\r\\n]*=[ \\t\\r\\n]*([\"'])(?i:utf-8)\\3)?"
        "([ \\t\\r\\n]+standalone[ \\t\\r\\n]*=[ \\t\\r\\n]*([\"'])(yes|no)\\5)?[ \\t\\r\\n]*\\?>$"));
    return plain.match(QString::fromLatin1(declaration)).hasMatch();
}

// Where the prefix of a name ends, -1 without one (names are short: a plain loop is fastest).
qsizetype ColonIn(QByteArrayView qualifiedName)
{
    for (qsizetype i = 0; i < qualifiedName.size(); ++i)
        if (qualifiedName[i] == ':')
            return i;
    return -1;
}

// Equality of two names, inline: names are a few bytes, a library call costs more than the loop.
bool SameName(QByteArrayView a, QByteArrayView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i] != b[i])
            return false;
    return true;
}

QLatin1StringView LocalName(QByteArrayView qualifiedName)
{
    return QLatin1StringView(qualifiedName.sliced(ColonIn(qualifiedName) + 1));
}

} // namespace

XmlScanner::XmlScanner(QIODevice *source) : source(source)
{
}

void XmlScanner::Refill()
{
    buffer.remove(0, position);
    position = 0;
    // A token longer than the buffer doubles it, so a long one is scanned a few times only.
    const qsizetype want = qMax(kChunk, buffer.size());
    const qsizetype had = buffer.size();
    buffer.resize(had + want);
    qsizetype filled = had;
    while (filled < buffer.size()) { // a device may hand over less than asked for
        const qint64 got = source->read(buffer.data() + filled, buffer.size() - filled);
        if (got <= 0) {
            sourceDone = true;
            break;
        }
        filled += got;
    }
    buffer.resize(filled);
}

void XmlScanner::Stop()
{
    token = Token::Stopped;
}

void XmlScanner::readNext()
{
    if (atEnd())
        return;
    for (;;) {
        switch (ParseToken()) {
        case Parse::Done:
            return;
        case Parse::Unsupported:
            unsupported = true;
            Stop();
            return;
        case Parse::NeedMore:
            if (sourceDone) { // the part ends inside markup
                unsupported = true;
                Stop();
                return;
            }
            Refill(); // more bytes, or the news that there are none: parse again either way
            break;
        }
    }
}

XmlScanner::Parse XmlScanner::ParseToken()
{
    if (closePending) {
        closePending = false;
        --depth;
        localName = LocalName(QByteArrayView(openElements[depth]));
        token = Token::EndElement;
        return Parse::Done;
    }
    if (!started) {
        if (const Parse declaration = ParseDeclaration(); declaration != Parse::Done)
            return declaration;
    }
    if (position == buffer.size()) {
        if (!sourceDone)
            return Parse::NeedMore;
        if (!rootSeen || depth > 0)
            return Parse::Unsupported;
        token = Token::EndDocument;
        return Parse::Done;
    }
    const char *at = buffer.constData() + position;
    if (*at != '<')
        return ParseText();
    if (buffer.size() - position < 2)
        return Parse::NeedMore;
    if (at[1] == '/')
        return ParseEndTag();
    if (at[1] == '!' || at[1] == '?') // comments, CDATA, DTDs, processing instructions
        return Parse::Unsupported;
    return ParseStartTag();
}

XmlScanner::Parse XmlScanner::ParseDeclaration()
{
    const QByteArrayView rest(buffer.constData() + position, buffer.size() - position);
    if (rest.size() < 5 && !sourceDone)
        return Parse::NeedMore;
    const qsizetype bom = rest.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    const QByteArrayView text = rest.sliced(bom);
    qsizetype declaration = 0;
    if (text.startsWith("<?")) {
        const qsizetype close = text.indexOf("?>");
        if (close < 0)
            return Parse::NeedMore;
        declaration = close + 2;
        if (!IsPlainDeclaration(text.first(declaration)))
            return Parse::Unsupported;
    }
    position += bom + declaration;
    started = true;
    return Parse::Done;
}

XmlScanner::Parse XmlScanner::TagName(qsizetype markup, QByteArrayView *name, qsizetype *colon) const
{
    const char *start = buffer.constData() + position + markup;
    const qsizetype length = NameLength(start, buffer.constData() + buffer.size(), colon);
    if (length <= 0)
        return length < 0 ? Parse::NeedMore : Parse::Unsupported;
    *name = QByteArrayView(start, length);
    return Parse::Done;
}

XmlScanner::Parse XmlScanner::ParseStartTag()
{
    if (rootSeen && depth == 0)
        return Parse::Unsupported; // a second root
    QByteArrayView qualifiedName;
    qsizetype colon;
    if (const Parse name = TagName(1, &qualifiedName, &colon); name != Parse::Done)
        return name;
    const char *base = buffer.constData();
    const char *end = base + buffer.size();
    const char *p = qualifiedName.end();
    attributes.clear();
    bool empty = false;
    for (;;) {
        const char *blanks = p;
        while (p < end && IsBlank(*p))
            ++p;
        if (p == end)
            return Parse::NeedMore;
        if (*p == '>') {
            ++p;
            break;
        }
        if (*p == '/') {
            if (p + 1 == end)
                return Parse::NeedMore;
            if (p[1] != '>')
                return Parse::Unsupported;
            p += 2;
            empty = true;
            break;
        }
        if (p == blanks || attributes.size() == kMaxAttributes)
            return Parse::Unsupported;
        qsizetype attributeColon;
        const qsizetype attributeLength = NameLength(p, end, &attributeColon);
        if (attributeLength <= 0)
            return attributeLength < 0 ? Parse::NeedMore : Parse::Unsupported;
        const char *attributeName = p;
        p += attributeLength;
        while (p < end && IsBlank(*p))
            ++p;
        if (p == end)
            return Parse::NeedMore;
        if (*p++ != '=')
            return Parse::Unsupported;
        while (p < end && IsBlank(*p))
            ++p;
        if (p == end)
            return Parse::NeedMore;
        const char quote = *p++;
        if (quote != '"' && quote != '\'')
            return Parse::Unsupported;
        const auto *close = static_cast<const char *>(std::memchr(p, quote, size_t(end - p)));
        if (!close)
            return Parse::NeedMore;
        if (!IsPlainXmlAttributeValue(p, close))
            return Parse::Unsupported;
        attributes.push_back({attributeName - base, attributeLength, attributeColon, p - base, close - p});
        p = close + 1;
    }

    // Namespaces: declared on the root only (where the root's own prefix may be declared
    // after its use); every prefix used is declared.
    if (!rootSeen) {
        for (const Attribute &a : attributes) {
            const QByteArrayView name(base + a.name, a.nameLength);
            if (a.colon == 5 && name.startsWith("xmlns")) {
                const QByteArrayView prefix = name.sliced(6);
                if (a.valueLength == 0 || prefix == "xml" || prefix == "xmlns")
                    return Parse::Unsupported;
                declaredPrefixes.emplace_back(prefix.data(), size_t(prefix.size()));
            }
        }
    }
    if (colon >= 0 && !PrefixDeclared(qualifiedName.first(colon)))
        return Parse::Unsupported;
    for (auto a = attributes.cbegin(); a != attributes.cend(); ++a) {
        const QByteArrayView name(base + a->name, a->nameLength);
        const bool declaration = a->colon < 0 ? name == "xmlns" : a->colon == 5 && name.startsWith("xmlns");
        if ((declaration && rootSeen) || (!declaration && a->colon >= 0 && !PrefixDeclared(name.first(a->colon))))
            return Parse::Unsupported;
        // The same local name twice is redefined, or bound to one namespace twice: left to the general reader.
        const QByteArrayView local = name.sliced(a->colon + 1);
        for (auto b = attributes.cbegin(); b != a; ++b)
            if (SameName(QByteArrayView(base + b->name + b->colon + 1, b->nameLength - b->colon - 1), local))
                return Parse::Unsupported;
    }

    if (depth == openElements.size())
        openElements.emplace_back();
    openElements[depth].assign(qualifiedName.data(), size_t(qualifiedName.size()));
    ++depth;
    rootSeen = true;
    localName = QLatin1StringView(qualifiedName.sliced(colon + 1));
    closePending = empty;
    token = Token::StartElement;
    position = p - base;
    return Parse::Done;
}

bool XmlScanner::PrefixDeclared(QByteArrayView prefix) const
{
    if (prefix == "xml")
        return true;
    return std::any_of(declaredPrefixes.cbegin(), declaredPrefixes.cend(),
                       [prefix](const std::string &declared) { return QByteArrayView(declared) == prefix; });
}

XmlScanner::Parse XmlScanner::ParseEndTag()
{
    QByteArrayView qualifiedName;
    qsizetype colon;
    if (const Parse name = TagName(2, &qualifiedName, &colon); name != Parse::Done)
        return name;
    const char *base = buffer.constData();
    const char *end = base + buffer.size();
    const char *close = qualifiedName.end();
    while (close < end && IsBlank(*close))
        ++close;
    if (close == end)
        return Parse::NeedMore;
    if (*close != '>' || depth == 0 || !SameName(QByteArrayView(openElements[depth - 1]), qualifiedName))
        return Parse::Unsupported;
    --depth;
    localName = LocalName(QByteArrayView(openElements[depth]));
    token = Token::EndElement;
    position = close + 1 - base;
    return Parse::Done;
}

XmlScanner::Parse XmlScanner::ParseText()
{
    const char *begin = buffer.constData() + position;
    const char *end = buffer.constData() + buffer.size();
    const auto *markup = static_cast<const char *>(std::memchr(begin, '<', size_t(end - begin)));
    const char *stop = markup ? markup : end;
    if (!markup && !sourceDone) {
        // A long text goes out in pieces, each cut after a blank (never inside a character,
        // a reference or a CR LF), so no buffer grows to the size of a blown-up part.
        if (end - begin < kChunk)
            return Parse::NeedMore;
        while (stop > begin && stop[-1] != ' ' && stop[-1] != '\n')
            --stop;
        if (stop == begin)
            return Parse::NeedMore;
    }
    bool plain = true;
    bool blank = true;
    for (const char *p = begin; p < stop;) {
        const uchar c = uchar(*p);
        if (c >= 0x80) {
            const int length = XmlUtf8CharacterLength(p, stop);
            if (length == 0)
                return Parse::Unsupported;
            p += length;
            blank = false;
            continue;
        }
        switch (c) {
        case ' ':
        case '\t':
        case '\n':
            ++p;
            continue;
        case '\r':
            plain = false;
            ++p;
            continue;
        case '&': {
            char32_t character;
            const qsizetype length = Reference(p, stop, &character);
            if (length == 0)
                return Parse::Unsupported;
            p += length;
            plain = false;
            blank = false;
            continue;
        }
        case ']':
            if (stop - p >= 3 && p[1] == ']' && p[2] == '>')
                return Parse::Unsupported;
            break;
        default:
            if (c < 0x20)
                return Parse::Unsupported;
        }
        blank = false;
        ++p;
    }
    if (depth == 0 && !blank)
        return Parse::Unsupported; // text outside the root element
    textStart = position;
    textLength = stop - begin;
    textPlain = plain;
    token = Token::Characters;
    position = stop - buffer.constData();
    return Parse::Done;
}

QLatin1StringView XmlScanner::attribute(QLatin1StringView qualifiedName) const
{
    const char *base = buffer.constData();
    for (const Attribute &a : attributes)
        if (SameName(QByteArrayView(base + a.name, a.nameLength), QByteArrayView(qualifiedName.data(), qualifiedName.size())))
            return QLatin1StringView(base + a.value, a.valueLength);
    return QLatin1StringView("");
}

QString XmlScanner::readElementText()
{
    QString text;
    if (token != Token::StartElement)
        return text;
    for (;;) {
        readNext();
        if (token == Token::EndElement)
            return text;
        if (token != Token::Characters) {
            if (token == Token::StartElement) { // QXmlStreamReader's error to give
                unsupported = true;
                Stop();
            }
            return text;
        }
        const char *bytes = buffer.constData() + textStart;
        if (textPlain) {
            text += QString::fromUtf8(bytes, textLength);
            continue;
        }
        // Line ends as XML reads them (CR LF and lone CR become LF), references replaced.
        QByteArray decoded;
        decoded.reserve(textLength);
        for (const char *p = bytes, *end = bytes + textLength; p < end;) {
            if (*p == '\r') {
                decoded += '\n';
                p += p + 1 < end && p[1] == '\n' ? 2 : 1;
            } else if (*p == '&') {
                char32_t character = 0;
                p += Reference(p, end, &character);
                decoded += QStringView(QChar::fromUcs4(character)).toUtf8();
            } else {
                decoded += *p++;
            }
        }
        text += QString::fromUtf8(decoded);
    }
}

void XmlScanner::skipCurrentElement()
{
    for (int open = 1; open > 0 && !atEnd();) {
        readNext();
        if (token == Token::StartElement)
            ++open;
        else if (token == Token::EndElement)
            --open;
    }
}

void XmlScanner::raiseError(const QString &message)
{
    error = message;
    Stop();
}
