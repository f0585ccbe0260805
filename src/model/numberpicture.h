#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

// Formats a number with a number picture, the one formatter of the suite:
//   "0"  a digit, always shown       "#"  a digit, shown when significant
//   "."  the decimal point            ","  thousands grouping (anywhere before the point)
//   "E+" "E-" "e+" "e-"  scientific notation; the digits after it give the exponent's width
//   'text' "text"  quoted literal text; any other character is copied as it stands
//   up to three sections separated by ";": positive; negative; zero. The negative section
//   prints the absolute value (it supplies its own sign or brackets); an empty section
//   falls back to the first.
// Rounding is half away from zero at the picture's last decimal. An empty picture gives
// the shortest general form. The decimal point is "." and the group separator ","
// whatever the locale.
QString FormatFloat(const QString &picture, double value);

// A picture parsed once, for formatting many numbers with it.
class NumberPicture
{
public:
    explicit NumberPicture(const QString &picture);
    QString Format(double value) const;
    // Appends Format(value) as UTF-8, without a QString for the common whole numbers.
    void AppendUtf8(double value, QByteArray &out) const;

private:
    // A whole number of a picture of digits only, written without the general path.
    bool PrintsDirectly(double value) const;

    struct Compiled;
    std::shared_ptr<const Compiled> m_compiled;
};
