#pragma once

#include <QtGlobal>

// What XML allows in its text, for the readers that look at the characters themselves.

bool IsXmlCharacter(char32_t c);

// Length of the UTF-8 character at `at` if it is well formed and XML allows it, else 0.
// Inline: the readers call it for every character of a long text.
inline int XmlUtf8CharacterLength(const char *at, const char *end)
{
    const auto *p = reinterpret_cast<const uchar *>(at);
    const uchar lead = p[0];
    const int length = lead < 0xC2 ? 0 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF5 ? 4 : 0;
    if (length == 0 || end - at < length)
        return 0;
    for (int i = 1; i < length; ++i)
        if ((p[i] & 0xC0) != 0x80)
            return 0;
    if (length == 3
        && ((lead == 0xE0 && p[1] < 0xA0) || (lead == 0xED && p[1] >= 0xA0) // overlong, surrogates
            || (lead == 0xEF && p[1] == 0xBF && p[2] >= 0xBE)))              // U+FFFE, U+FFFF
        return 0;
    if (length == 4 && ((lead == 0xF0 && p[1] < 0x90) || (lead == 0xF4 && p[1] >= 0x90)))
        return 0;
    return length;
}

// An attribute value's bytes taken as they stand: no references, no blanks that XML would
// turn into spaces, no markup, well-formed UTF-8.
bool IsPlainXmlAttributeValue(const char *begin, const char *end);
