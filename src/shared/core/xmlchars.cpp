#include "xmlchars.h"

bool IsXmlCharacter(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD)
        || (c >= 0x10000 && c <= 0x10FFFF);
}

int XmlUtf8CharacterLength(const char *at, const char *end)
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

bool IsPlainXmlAttributeValue(const char *begin, const char *end)
{
    for (const char *p = begin; p < end;) {
        const uchar c = uchar(*p);
        if (c >= 0x80) {
            const int length = XmlUtf8CharacterLength(p, end);
            if (length == 0)
                return false;
            p += length;
        } else if (c < 0x20 || c == '<' || c == '&') {
            return false;
        } else {
            ++p;
        }
    }
    return true;
}
