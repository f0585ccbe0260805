#include "numberpicture.h"

#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

// A non-negative decimal number: digits d1 d2 d3 ... with the decimal point after
// `pointPos` digits (negative: zeros come first; beyond the size: zeros follow).
struct Decimal
{
    std::string digits; // no leading zeros; empty for zero
    int pointPos = 0;

    bool IsZero() const { return digits.empty(); }
};

// The shortest decimal text that reads back as `value`, so 0.15 rounds as the 0.15 the
// user typed and not as the binary number just below it.
Decimal ToDecimal(double value)
{
    Decimal d;
    if (value == 0)
        return d;
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific);
    const char *ePos = std::find(buffer, end, 'e');
    for (const char *c = buffer; c != ePos; ++c)
        if (*c >= '0' && *c <= '9')
            d.digits.push_back(*c);
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    int exponent = 0;
    std::from_chars(ePos + 1 + (ePos[1] == '+'), end, exponent);
    d.pointPos = exponent + 1;
    return d;
}

// Rounds half away from zero to `decimals` digits after the point.
void RoundTo(Decimal &d, int decimals)
{
    if (d.IsZero())
        return;
    const int keep = d.pointPos + decimals;
    if (keep >= int(d.digits.size()))
        return;
    if (keep < 0) {
        d.digits.clear();
        return;
    }
    const bool roundUp = d.digits[keep] >= '5';
    d.digits.resize(keep);
    if (roundUp) {
        int i = keep - 1;
        while (i >= 0 && d.digits[i] == '9') {
            d.digits[i] = '0';
            --i;
        }
        if (i >= 0) {
            ++d.digits[i];
        } else {
            d.digits.insert(d.digits.begin(), '1');
            ++d.pointPos;
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
}

std::string IntegerDigits(const Decimal &d)
{
    std::string result;
    for (int i = 0; i < d.pointPos; ++i)
        result.push_back(i < int(d.digits.size()) ? d.digits[i] : '0');
    return result; // empty when below 1
}

std::string FractionDigits(const Decimal &d, int decimals)
{
    std::string result;
    for (int i = 0; i < decimals; ++i) {
        const int index = d.pointPos + i;
        result.push_back(index >= 0 && index < int(d.digits.size()) ? d.digits[index] : '0');
    }
    return result;
}

enum class TokenKind { IntegerDigit, Point, FractionDigit, Literal, Exponent };

struct Token
{
    TokenKind kind;
    QString text;           // literal text; exponent letter
    QChar placeholder;      // '0' or '#'
    bool alwaysSign = false; // exponent "E+"
    int exponentWidth = 0;
};

struct Picture
{
    std::vector<Token> tokens;
    int integerPlaceholders = 0;
    int minIntegerDigits = 0;
    int fractionPlaceholders = 0;
    int minFractionDigits = 0;
    bool grouping = false;
    bool scientific = false;
};

Picture ParsePicture(const QString &section)
{
    Picture p;
    bool afterPoint = false;
    bool sawZeroInInteger = false;
    for (qsizetype i = 0; i < section.size(); ++i) {
        const QChar c = section.at(i);
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            const qsizetype end = section.indexOf(c, i + 1);
            const qsizetype stop = end < 0 ? section.size() : end;
            p.tokens.push_back({TokenKind::Literal, section.mid(i + 1, stop - i - 1), {}});
            i = stop;
        } else if ((c == QLatin1Char('0') || c == QLatin1Char('#')) && !p.scientific) {
            if (afterPoint) {
                ++p.fractionPlaceholders;
                if (c == QLatin1Char('0'))
                    p.minFractionDigits = p.fractionPlaceholders;
                p.tokens.push_back({TokenKind::FractionDigit, {}, c});
            } else {
                ++p.integerPlaceholders;
                if (c == QLatin1Char('0'))
                    sawZeroInInteger = true;
                if (sawZeroInInteger)
                    ++p.minIntegerDigits;
                p.tokens.push_back({TokenKind::IntegerDigit, {}, c});
            }
        } else if (c == QLatin1Char('.') && !afterPoint && !p.scientific) {
            afterPoint = true;
            p.tokens.push_back({TokenKind::Point, {}, {}});
        } else if (c == QLatin1Char(',') && !p.scientific) {
            p.grouping = true;
        } else if ((c == QLatin1Char('E') || c == QLatin1Char('e')) && !p.scientific
                   && i + 1 < section.size()
                   && (section.at(i + 1) == QLatin1Char('+') || section.at(i + 1) == QLatin1Char('-'))) {
            Token token{TokenKind::Exponent, QString(c), {}};
            token.alwaysSign = section.at(i + 1) == QLatin1Char('+');
            i += 2;
            while (i < section.size() && section.at(i) == QLatin1Char('0') && token.exponentWidth < 4) {
                ++token.exponentWidth;
                ++i;
            }
            --i;
            p.scientific = true;
            p.tokens.push_back(token);
        } else {
            p.tokens.push_back({TokenKind::Literal, QString(c), {}});
        }
    }
    return p;
}

// Splits the picture at ";" outside quotes, at most three sections.
QStringList SplitSections(const QString &picture)
{
    QStringList sections{QString()};
    QChar quote;
    for (QChar c : picture) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            quote = c;
        } else if (c == QLatin1Char(';') && sections.size() < 3) {
            sections.append(QString());
            continue;
        }
        sections.last().append(c);
    }
    return sections;
}

struct Rounded
{
    Decimal mantissa;
    int exponent = 0;
};

Rounded RoundForPicture(double magnitude, const Picture &p)
{
    Rounded r;
    r.mantissa = ToDecimal(magnitude);
    if (p.scientific && !r.mantissa.IsZero()) {
        const int integerDigits = std::max(1, p.integerPlaceholders);
        r.exponent = r.mantissa.pointPos - integerDigits;
        r.mantissa.pointPos = integerDigits;
        RoundTo(r.mantissa, p.fractionPlaceholders);
        if (r.mantissa.pointPos > integerDigits) { // 9.99 became 10.0
            r.exponent += r.mantissa.pointPos - integerDigits;
            r.mantissa.pointPos = integerDigits;
        }
    } else {
        RoundTo(r.mantissa, p.fractionPlaceholders);
    }
    return r;
}

QString Render(const Picture &p, const Rounded &r, bool showBareNumber = true)
{
    std::string integer = IntegerDigits(r.mantissa);
    if (int(integer.size()) < p.minIntegerDigits)
        integer.insert(0, p.minIntegerDigits - integer.size(), '0');
    std::string fraction = FractionDigits(r.mantissa, p.fractionPlaceholders);
    while (int(fraction.size()) > p.minFractionDigits && fraction.back() == '0')
        fraction.pop_back();
    // A value that rounds to nothing visible still shows one digit.
    if (integer.empty() && fraction.empty())
        integer = "0";

    const int length = int(integer.size());
    QString out;
    auto emitIntegerDigit = [&](int index) {
        out.append(QLatin1Char(integer[index]));
        const int fromRight = length - 1 - index;
        if (p.grouping && fromRight > 0 && fromRight % 3 == 0)
            out.append(QLatin1Char(','));
    };
    int integerSlot = 0;
    int fractionSlot = 0;
    bool integerEmitted = false;
    for (const Token &t : p.tokens) {
        switch (t.kind) {
        case TokenKind::IntegerDigit: {
            // Digits fill the placeholders from the right; extra ones go to the first.
            const int index = length - p.integerPlaceholders + integerSlot;
            if (integerSlot == 0)
                for (int i = 0; i < std::min(index, length); ++i)
                    emitIntegerDigit(i);
            if (index >= 0)
                emitIntegerDigit(index);
            ++integerSlot;
            integerEmitted = true;
            break;
        }
        case TokenKind::Point:
            if (!integerEmitted && p.integerPlaceholders == 0) {
                for (int i = 0; i < length; ++i)
                    emitIntegerDigit(i);
                integerEmitted = true;
            }
            if (!fraction.empty())
                out.append(QLatin1Char('.'));
            break;
        case TokenKind::FractionDigit:
            if (fractionSlot < int(fraction.size()))
                out.append(QLatin1Char(fraction[fractionSlot]));
            ++fractionSlot;
            break;
        case TokenKind::Literal:
            out.append(t.text);
            break;
        case TokenKind::Exponent: {
            if (!integerEmitted) {
                for (int i = 0; i < length; ++i)
                    emitIntegerDigit(i);
                integerEmitted = true;
            }
            out.append(t.text);
            if (r.exponent < 0)
                out.append(QLatin1Char('-'));
            else if (t.alwaysSign)
                out.append(QLatin1Char('+'));
            out.append(QString::number(std::abs(r.exponent)).rightJustified(t.exponentWidth, QLatin1Char('0')));
            break;
        }
        }
    }
    // A picture without digit placeholders still shows the number after its text.
    if (showBareNumber && !integerEmitted && p.integerPlaceholders == 0 && p.fractionPlaceholders == 0) {
        QString digits = QString::fromStdString(integer);
        out.append(digits);
    }
    return out;
}

// The decimal digits of a whole number, at the end of `digits`.
struct WholeDigits
{
    char digits[20];
    int count = 0;
    bool negative = false;
};

// Below 2^53 every double that is a whole number is exact; llround rounds halves away
// from zero, as the general path does.
WholeDigits DigitsOfWhole(double value)
{
    WholeDigits whole;
    const long long rounded = std::llround(value);
    whole.negative = rounded < 0;
    quint64 magnitude = quint64(std::llabs(rounded));
    do {
        whole.digits[19 - whole.count++] = char('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    return whole;
}

// Writes the number `width` digits wide at least (leading zeros); returns the end.
template<typename Char>
Char *WriteWhole(const WholeDigits &whole, int width, Char *out)
{
    if (whole.negative)
        *out++ = Char('-');
    out = std::fill_n(out, width - whole.count, Char('0'));
    return std::copy_n(whole.digits + 20 - whole.count, whole.count, out);
}

} // namespace

struct NumberPicture::Compiled
{
    QString picture;
    std::vector<std::optional<Picture>> sections; // none for an empty section
    // One section of digit placeholders only ("0", "#", "000"): whole numbers print
    // directly, the commonest case by far.
    bool digitsOnly = false;
};

NumberPicture::NumberPicture(const QString &picture)
{
    auto compiled = std::make_shared<Compiled>();
    compiled->picture = picture;
    for (const QString &section : SplitSections(picture))
        compiled->sections.push_back(section.isEmpty() ? std::nullopt : std::optional<Picture>(ParsePicture(section)));
    const auto &first = compiled->sections.front();
    compiled->digitsOnly = compiled->sections.size() == 1 && first && !first->grouping
                           && std::all_of(first->tokens.begin(), first->tokens.end(),
                                          [](const Token &t) { return t.kind == TokenKind::IntegerDigit; });
    m_compiled = std::move(compiled);
}

QString NumberPicture::Format(double value) const
{
    if (!std::isfinite(value))
        return QString::number(value);
    if (m_compiled->picture.isEmpty())
        return QString::number(value, 'g', QLocale::FloatingPointShortest);
    const auto &sections = m_compiled->sections;
    if (PrintsDirectly(value)) {
        // Written straight into the result: one allocation per number.
        const WholeDigits whole = DigitsOfWhole(value);
        const int width = std::max(whole.count, sections.front()->minIntegerDigits);
        QString text(width + (whole.negative ? 1 : 0), Qt::Uninitialized);
        WriteWhole(whole, width, reinterpret_cast<char16_t *>(text.data()));
        return text;
    }

    const bool negative = value < 0;
    const double magnitude = std::fabs(value);
    const int sectionIndex = negative && sections.size() > 1 && sections[1] ? 1 : 0;
    const Picture empty;
    const Picture &chosen = sections[sectionIndex] ? *sections[sectionIndex] : empty;
    const Rounded rounded = RoundForPicture(magnitude, chosen);
    if (rounded.mantissa.IsZero()) {
        if (sections.size() > 2 && sections[2])
            return Render(*sections[2], RoundForPicture(0, *sections[2]), false); // a zero section may be text alone
        // A negative value that rounds to zero prints as zero.
        const Picture &positive = sections[0] ? *sections[0] : empty;
        return Render(positive, RoundForPicture(0, positive));
    }
    const QString text = Render(chosen, rounded);
    return negative && sectionIndex == 0 ? QLatin1Char('-') + text : text;
}

bool NumberPicture::PrintsDirectly(double value) const
{
    return m_compiled->digitsOnly && std::fabs(value) < 9007199254740992.0;
}

void NumberPicture::AppendUtf8(double value, QByteArray &out) const
{
    if (!PrintsDirectly(value)) {
        out += Format(value).toUtf8();
        return;
    }
    const WholeDigits whole = DigitsOfWhole(value);
    const int width = std::max(whole.count, m_compiled->sections.front()->minIntegerDigits);
    const qsizetype used = out.size();
    out.resize(used + width + (whole.negative ? 1 : 0));
    WriteWhole(whole, width, out.data() + used);
}

QString FormatFloat(const QString &picture, double value)
{
    return NumberPicture(picture).Format(value);
}
