#include "valueencodings.h"

#include "apppaths.h"
#include "suiteerror.h"

#include <QStringList>

#include <algorithm>
#include <QCoreApplication>

namespace {
const QString kYes = QStringLiteral("是");
const QString kNo = QStringLiteral("否");
const QString kBar = QStringLiteral("|");
const QString kApplication = QStringLiteral("[Application]");

struct StyleName
{
    const char *name;
    bool FontSpec::*flag;
};
// Written in this order, tested by substring when read.
const StyleName kStyles[] = {
    {"fsBold", &FontSpec::bold},
    {"fsItalic", &FontSpec::italic},
    {"fsUnderline", &FontSpec::underline},
    {"fsStrikeOut", &FontSpec::strikeOut},
};

// Rethrows a value error with the element and attribute it came from.
template <typename Read>
auto readNamed(const QDomElement &element, const QString &attribute, Read read)
{
    const QString text = element.attribute(attribute);
    try {
        return read(text);
    } catch (const SuiteError &e) {
        throw SuiteError(QCoreApplication::translate("Model", "工程文件有误：%1 的属性 %2 的值“%3”无效（%4）")
                             .arg(ElementPath(element), attribute, text, e.message()));
    }
}
} // namespace

QString BoolToText(bool value)
{
    return value ? kYes : kNo;
}

bool TextToBool(const QString &text)
{
    return text == kYes;
}

int TextToInt(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok)
        throw SuiteError(QCoreApplication::translate("Model", "“%1”不是整数").arg(text));
    return value;
}

QString ColourToText(const Rgb &colour)
{
    return QStringLiteral("%1,%2,%3").arg(colour.r).arg(colour.g).arg(colour.b);
}

Rgb TextToColour(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() < 3)
        throw SuiteError(QCoreApplication::translate("Model", "颜色应为以“,”分隔的三个整数"));
    try {
        return Rgb{TextToInt(parts[0]) & 0xFF, TextToInt(parts[1]) & 0xFF, TextToInt(parts[2]) & 0xFF};
    } catch (const SuiteError &) {
        throw SuiteError(QCoreApplication::translate("Model", "颜色应为以“,”分隔的三个整数"));
    }
}

QString FontToText(const FontSpec &font)
{
    QString styles;
    for (const StyleName &style : kStyles) {
        if (font.*style.flag)
            styles += QLatin1String(style.name);
    }
    return QStringList{ColourToText(font.colour), font.face, styles, QString::number(font.size)}.join(kBar);
}

FontSpec TextToFont(const QString &text)
{
    const QStringList fields = text.split(kBar);
    if (fields.size() < 4)
        throw SuiteError(QCoreApplication::translate("Model", "字体应为以“|”分隔的颜色、字体名、样式、字号四项"));
    FontSpec font;
    font.colour = TextToColour(fields[0]);
    font.face = fields[1];
    for (const StyleName &style : kStyles)
        font.*style.flag = fields[2].contains(QLatin1String(style.name));
    try {
        font.size = TextToInt(fields[3]);
    } catch (const SuiteError &) {
        throw SuiteError(QCoreApplication::translate("Model", "字号应为整数"));
    }
    return font;
}

QString ToAppPath(const QString &path)
{
    // A picture chosen from the installation folder is stored like one in the data folder.
    for (const QString &dir : {AppDir(), InstallDir()}) {
        const int at = path.indexOf(dir, 0, Qt::CaseSensitive);
        if (at >= 0)
            return QString(path).replace(at, dir.size(), kApplication);
    }
    return path;
}

QString FromAppPath(const QString &storedPath)
{
    return ExpandAppMarker(storedPath, kApplication);
}

QString AlignmentToText(TextAlignment alignment)
{
    switch (alignment) {
    case TextAlignment::Centre:
        return kAlignCentre;
    case TextAlignment::Right:
        return kAlignRight;
    case TextAlignment::Left:
        break;
    }
    return kAlignLeft;
}

TextAlignment TextToAlignment(const QString &text)
{
    if (text == kAlignCentre)
        return TextAlignment::Centre;
    if (text == kAlignRight)
        return TextAlignment::Right;
    return TextAlignment::Left;
}

QString ColourListToText(const QVector<Rgb> &colours)
{
    QStringList texts;
    for (const Rgb &colour : colours)
        texts << ColourToText(colour);
    return texts.join(kBar);
}

QVector<Rgb> TextToColourList(const QString &text)
{
    QVector<Rgb> colours;
    if (text.isEmpty())
        return colours;
    for (const QString &part : text.split(kBar))
        colours << TextToColour(part);
    return colours;
}

void WritePosition(QDomElement element, const Position &position)
{
    element.setAttribute(QStringLiteral("Top"), QString::number(position.top));
    element.setAttribute(QStringLiteral("Left"), QString::number(position.left));
    element.setAttribute(QStringLiteral("Width"), QString::number(position.width));
    element.setAttribute(QStringLiteral("Height"), QString::number(position.height));
    if (!position.align.isEmpty())
        element.setAttribute(QStringLiteral("Align"), position.align);
}

Position ReadPosition(const QDomElement &element)
{
    Position position;
    position.top = ReadCoordinateAttribute(element, QStringLiteral("Top"));
    position.left = ReadCoordinateAttribute(element, QStringLiteral("Left"));
    position.width = ReadCoordinateAttribute(element, QStringLiteral("Width"));
    position.height = ReadCoordinateAttribute(element, QStringLiteral("Height"));
    position.align = element.hasAttribute(QStringLiteral("Align")) ? element.attribute(QStringLiteral("Align"))
                                                                    : kAlignCustom;
    return position;
}

int PlacedLeft(const Position &position, int clientWidth)
{
    if (position.align == kAlignLeft)
        return 0;
    if (position.align == kAlignRight)
        return clientWidth - position.width;
    if (position.align == kAlignCentre)
        return clientWidth / 2 - position.width / 2; // C++ division truncates toward zero
    return position.left;
}

TextAlignment LabelTextAlignment(const QString &align)
{
    if (align == kAlignCentre)
        return TextAlignment::Centre;
    if (align == kAlignRight)
        return TextAlignment::Right;
    return TextAlignment::Left;
}

QString ElementPath(const QDomElement &element)
{
    QStringList names;
    // Stop below the document element: its name is never looked at.
    for (QDomElement e = element; !e.isNull() && e.parentNode().isElement(); e = e.parentNode().toElement())
        names.prepend(e.tagName());
    if (names.isEmpty())
        names << element.tagName();
    return names.join(QLatin1Char('/'));
}

int ReadIntAttribute(const QDomElement &element, const QString &attribute)
{
    return readNamed(element, attribute, TextToInt);
}

int ReadCoordinateAttribute(const QDomElement &element, const QString &attribute)
{
    constexpr int kMaxCoordinate = 1 << 24;
    return std::clamp(ReadIntAttribute(element, attribute), -kMaxCoordinate, kMaxCoordinate);
}

bool ReadBoolAttribute(const QDomElement &element, const QString &attribute)
{
    return TextToBool(element.attribute(attribute));
}

Rgb ReadColourAttribute(const QDomElement &element, const QString &attribute)
{
    return readNamed(element, attribute, TextToColour);
}

FontSpec ReadFontAttribute(const QDomElement &element, const QString &attribute)
{
    return readNamed(element, attribute, TextToFont);
}
