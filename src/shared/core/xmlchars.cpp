#include "xmlchars.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

bool IsXmlCharacter(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD)
        || (c >= 0x10000 && c <= 0x10FFFF);
}

namespace {

// Checks the characters from `p` (a character's start) until one ends at or past `stop`;
// `p` is left at the next character's start.
bool CheckPlainCharacters(const char *&p, const char *stop, const char *end)
{
    auto continuation = [](char b) { return (uchar(b) & 0xC0) == 0x80; };
    while (p < stop) {
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

#if defined(__SSE2__)
// The positions of the sixteen bytes at `p` that are printable ASCII other than "<" and
// "&", continuation bytes, and leads of three-byte characters E1..EC (always well formed
// and allowed once their two continuation bytes follow), one bit each.
struct ByteClasses
{
    unsigned printable;
    unsigned continuation;
    unsigned lead;
};
ByteClasses ClassifyBytes(const char *p)
{
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
    // Compared as signed bytes: 0x20..0x7F are 32..127, 0x80..0xBF are -128..-65,
    // 0xE1..0xEC are -31..-20.
    const __m128i markup = _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('<')), _mm_cmpeq_epi8(bytes, _mm_set1_epi8('&')));
    const __m128i printable = _mm_andnot_si128(markup, _mm_cmpgt_epi8(bytes, _mm_set1_epi8(0x1F)));
    const __m128i continuation = _mm_cmplt_epi8(bytes, _mm_set1_epi8(-64));
    const __m128i lead = _mm_and_si128(_mm_cmpgt_epi8(bytes, _mm_set1_epi8(-32)), _mm_cmplt_epi8(bytes, _mm_set1_epi8(-19)));
    return {unsigned(_mm_movemask_epi8(printable)), unsigned(_mm_movemask_epi8(continuation)),
            unsigned(_mm_movemask_epi8(lead))};
}
#endif

} // namespace

bool IsPlainXmlAttributeValue(const char *begin, const char *end)
{
    const char *p = begin;
#if defined(__SSE2__)
    // Sixteen bytes at a time, the leads of one block expecting continuations in the
    // next; a block holding anything else is checked character by character.
    unsigned pendingLeads = 0; // of the block before, shifted to where their continuations fall
    // Back to the start of a character the block before cut off.
    auto backToCharacterStart = [&] { p -= pendingLeads == 0 ? 0 : pendingLeads == 1 ? 2 : 1; };
    while (end - p >= 16) {
        const ByteClasses classes = ClassifyBytes(p);
        const unsigned expected = ((classes.lead << 1) | (classes.lead << 2) | pendingLeads) & 0xFFFF;
        if ((classes.printable | classes.continuation | classes.lead) == 0xFFFF && classes.continuation == expected) {
            pendingLeads = ((classes.lead << 1) | (classes.lead << 2)) >> 16;
            p += 16;
            continue;
        }
        backToCharacterStart();
        pendingLeads = 0;
        if (!CheckPlainCharacters(p, p + 16, end))
            return false;
    }
    backToCharacterStart();
#endif
    return CheckPlainCharacters(p, end, end);
}
