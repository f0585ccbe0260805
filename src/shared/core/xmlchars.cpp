#include "xmlchars.h"

bool IsXmlCharacter(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD)
        || (c >= 0x10000 && c <= 0x10FFFF);
}

bool IsPlainXmlAttributeValue(const char *begin, const char *end)
{
    auto continuation = [](char b) { return (uchar(b) & 0xC0) == 0x80; };
    for (const char *p = begin; p < end;) {
        const uchar c = uchar(*p);
        if (c < 0x80) {
            if (c < 0x20 || c == '<' || c == '&')
                return false;
            ++p;
        } else if (c >= 0xE1 && c <= 0xEC && end - p >= 3 && continuation(p[1]) && continuation(p[2])) {
            p += 3; // most Chinese characters: no overlong form, surrogate or noncharacter starts so
        } else {
            const int length = XmlUtf8CharacterLength(p, end);
            if (length == 0)
                return false;
            p += length;
        }
    }
    return true;
}
