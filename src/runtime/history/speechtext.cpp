#include "speechtext.h"

#include <QRegularExpression>

namespace {

constexpr int kPicturesType = 5;
constexpr int kPasswordType = 6;
constexpr int kFirstCalculationType = 11; // arithmetic, equation systems, quadratics, formulas
constexpr int kLastCalculationType = 14;

bool IsChineseCharacter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x4E00 && u <= 0x9FFF) || (u >= 0x3400 && u <= 0x4DBF) || (u >= 0x3000 && u <= 0x303F)
        || (u >= 0xFF00 && u <= 0xFFEF);
}

QLocale::Language LanguageOf(const QString &text)
{
    bool latin = false;
    for (const QChar c : text) {
        if (IsChineseCharacter(c))
            return QLocale::Chinese;
        if ((c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z')))
            latin = true;
    }
    return latin ? QLocale::English : QLocale::Chinese;
}

// "3×(-4)=" → "3 乘 负4 等于": a minus right after another sign or a bracket is a sign of
// the number, not a subtraction.
QString SpeakArithmetic(const QString &text)
{
    auto word = [](const QString &name) { return QLatin1Char(' ') + name + QLatin1Char(' '); };
    QString spoken;
    bool afterOperand = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('+')) {
            spoken += word(QStringLiteral("加"));
        } else if (c == QLatin1Char('-') || c == QChar(0x2212)) {
            spoken += afterOperand ? word(QStringLiteral("减")) : QStringLiteral("负");
        } else if (c == QChar(0x00D7) || c == QLatin1Char('*')) {
            spoken += word(QStringLiteral("乘"));
        } else if (c == QChar(0x00F7) || c == QLatin1Char('/')) {
            spoken += word(QStringLiteral("除以"));
        } else if (c == QLatin1Char('=')) {
            spoken += word(QStringLiteral("等于"));
        } else if (c == QChar(0x00B2) || (c == QLatin1Char('^') && text.mid(i + 1, 1) == QStringLiteral("2"))) {
            spoken += QStringLiteral("的平方");
            if (c == QLatin1Char('^'))
                ++i;
        } else {
            spoken += c;
        }
        if (!c.isSpace())
            afterOperand = c.isLetterOrNumber() || c == QLatin1Char(')') || c == QChar(0x00B2) || c == QLatin1Char('^');
    }
    // Runs of spaces left by the words become one; other blanks (a full-width space
    // standing for the answer) stay.
    static const QRegularExpression spaces(QStringLiteral(" {2,}"));
    return spoken.replace(spaces, QStringLiteral(" ")).trimmed();
}

QString SpellOut(const QString &text)
{
    QStringList characters;
    for (const QChar c : text) {
        if (!c.isSpace())
            characters << QString(c);
    }
    return characters.join(QLatin1Char(' '));
}

} // namespace

SpokenText SpeechTextFor(int pmode, const QString &boxText, const QStringList &results)
{
    SpokenText spoken;
    if (pmode == kPicturesType) {
        spoken.text = results.join(QStringLiteral("，"));
        spoken.language = LanguageOf(spoken.text);
    } else if (pmode == kPasswordType) {
        QStringList spelled;
        for (const QString &password : results)
            spelled << SpellOut(password);
        spoken.language = LanguageOf(spelled.join(QLatin1Char(' ')));
        spoken.text = spelled.join(spoken.language == QLocale::Chinese ? QStringLiteral("，") : QStringLiteral(", "));
    } else if (pmode >= kFirstCalculationType && pmode <= kLastCalculationType) {
        // Letters here are unknowns, not words: the exercise is read in Chinese.
        spoken.text = SpeakArithmetic(boxText.trimmed());
    } else {
        spoken.text = boxText.trimmed();
        spoken.language = LanguageOf(spoken.text);
    }
    return spoken;
}
