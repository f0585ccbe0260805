#pragma once

#include <QByteArray>
#include <QLatin1StringView>
#include <QString>

#include <string>
#include <vector>

class QIODevice;

// A pull reader over the bytes of the plain UTF-8 XML that spreadsheet programs write:
// elements, attributes, text and character references. Where it reads, it reads as
// QXmlStreamReader does (local names, texts with line ends normalised, the same tokens),
// several times faster; it offers the few calls of QXmlStreamReader the workbook reader
// uses, so one piece of code drives either. On anything it does not know for certain --
// comments, CDATA, a DTD, another encoding, damaged or unusual markup -- it stops and
// says so with Unsupported(): the caller then reads the part with QXmlStreamReader, which
// gives the general answer or the exact error.
class XmlScanner
{
public:
    explicit XmlScanner(QIODevice *source);

    bool atEnd() const { return token == Token::EndDocument || token == Token::Stopped; }
    void readNext();
    bool isStartElement() const { return token == Token::StartElement; }
    bool isEndElement() const { return token == Token::EndElement; }
    // The local name of the element the current start or end tag belongs to.
    QLatin1StringView name() const { return localName; }
    // The raw value of an attribute of the current start tag ("" when absent). Values that
    // need entity or blank normalisation are Unsupported, so raw is what QXmlStreamReader gives.
    QLatin1StringView attribute(QLatin1StringView qualifiedName) const;
    // The text up to the end of the current element, which must hold no elements.
    QString readElementText();
    void skipCurrentElement();

    void raiseError(const QString &message);
    bool hasError() const { return !error.isEmpty(); }
    QString errorString() const { return error; }
    bool Unsupported() const { return unsupported; }

private:
    enum class Token { None, StartElement, EndElement, Characters, EndDocument, Stopped };
    enum class Parse { Done, NeedMore, Unsupported };
    struct Attribute
    {
        qsizetype name, nameLength, colon, value, valueLength; // offsets into the buffer; colon in the name, -1 without
    };

    void Refill();
    Parse ParseToken();
    Parse ParseDeclaration();
    // The name of the tag at the current position, after its `markup` characters ("<", "</").
    Parse TagName(qsizetype markup, QByteArrayView *name, qsizetype *colon) const;
    Parse ParseStartTag();
    Parse ParseEndTag();
    Parse ParseText();
    bool PrefixDeclared(QByteArrayView prefix) const;
    void Stop();

    QIODevice *source;
    QByteArray buffer;
    qsizetype position = 0;
    bool sourceDone = false;
    bool started = false;       // past the byte-order mark and the XML declaration
    bool rootSeen = false;
    bool closePending = false;  // the current start tag ended in "/>"
    bool unsupported = false;
    QString error;

    Token token = Token::None;
    QLatin1StringView localName;
    std::vector<Attribute> attributes;
    qsizetype textStart = 0, textLength = 0;
    bool textPlain = true;      // no references or CRs: the bytes are the text

    std::vector<std::string> openElements; // qualified names; [0, depth) are open
    size_t depth = 0;
    std::vector<std::string> declaredPrefixes; // on the root element
};
