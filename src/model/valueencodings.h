#pragma once

#include <QDomElement>
#include <QString>
#include <QVector>

// Text forms of the values stored in a project's display section, and strict readers of
// attributes that name the element and attribute when a stored value is malformed.
// Plain data only: the windows turn Rgb/FontSpec into QColor/QFont themselves.

struct Rgb
{
    int r = 0;
    int g = 0;
    int b = 0;
    friend bool operator==(const Rgb &, const Rgb &) = default;
};

struct FontSpec
{
    Rgb colour;
    QString face = QStringLiteral("微软雅黑");
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int size = 12; // points
    friend bool operator==(const FontSpec &, const FontSpec &) = default;
};

// Stored booleans: "是" is true, any other text false.
QString BoolToText(bool value);
bool TextToBool(const QString &text);

// "r,g,b". Reading masks each part to 8 bits; fewer than three parts or a non-numeric
// part throws SuiteError.
QString ColourToText(const Rgb &colour);
Rgb TextToColour(const QString &text);

// "colour|face|styles|size", styles = "fsBold" "fsItalic" "fsUnderline" "fsStrikeOut"
// concatenated. Fewer than four fields, a bad colour or a non-numeric size throws.
QString FontToText(const FontSpec &font);
FontSpec TextToFont(const QString &text);

// Paths under the application directory are stored with "[Application]" in its place.
// ToAppPath replaces the first occurrence of AppDir(), or else of InstallDir()
// (case-sensitive); FromAppPath replaces every "[Application]" as ExpandAppMarker does, so
// an installed picture is found when the data folder has no copy of it.
QString ToAppPath(const QString &path);
QString FromAppPath(const QString &storedPath);

// Text alignment inside a box: "左对齐", "居中对齐", "右对齐".
enum class TextAlignment { Left, Centre, Right };
QString AlignmentToText(TextAlignment alignment);
// Unknown text reads as Left.
TextAlignment TextToAlignment(const QString &text);

// Colour lists of the box colour cycles: Colour texts joined by "|", no trailing bar.
QString ColourListToText(const QVector<Rgb> &colours);
QVector<Rgb> TextToColourList(const QString &text);

// Strict decimal integer (optional sign, no blanks); throws SuiteError.
int TextToInt(const QString &text);

// Object alignment ("Align" of a position block).
inline const QString kAlignCustom = QStringLiteral("自定义");
inline const QString kAlignLeft = QStringLiteral("左对齐");
inline const QString kAlignCentre = QStringLiteral("居中对齐");
inline const QString kAlignRight = QStringLiteral("右对齐");

// Position block of a visible object: Top, Left, Width, Height and optional Align.
struct Position
{
    int top = 0;
    int left = 0;
    int width = 0;
    int height = 0;
    QString align; // empty: Align is not written; ReadPosition gives "自定义" when absent
    friend bool operator==(const Position &, const Position &) = default;
};

// Sets Top, Left, Width, Height (in this order) and Align when `align` is not empty.
void WritePosition(QDomElement element, const Position &position);
// Throws SuiteError naming element and attribute for a non-numeric value.
Position ReadPosition(const QDomElement &element);

// Left edge of a placed object in a window of the given client width.
int PlacedLeft(const Position &position, int clientWidth);
// Text alignment a label takes from its object alignment.
TextAlignment LabelTextAlignment(const QString &align);

// Attribute readers for section code. Missing attributes read as empty text, so a
// number, colour or font that is missing or malformed throws SuiteError naming the
// element path (e.g. "Form/RandBox") and the attribute.
QString ElementPath(const QDomElement &element);
int ReadIntAttribute(const QDomElement &element, const QString &attribute);
// An integer attribute that places or sizes a control, limited to ±2^24: larger values
// overflow the toolkit's rectangle arithmetic, and no screen comes near them.
int ReadCoordinateAttribute(const QDomElement &element, const QString &attribute);
bool ReadBoolAttribute(const QDomElement &element, const QString &attribute);
Rgb ReadColourAttribute(const QDomElement &element, const QString &attribute);
FontSpec ReadFontAttribute(const QDomElement &element, const QString &attribute);
