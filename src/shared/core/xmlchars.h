#pragma once

#include <QtGlobal>

// What XML allows in its text, for the readers that look at the characters themselves.

bool IsXmlCharacter(char32_t c);

// Length of the UTF-8 character at `at` if it is well formed and XML allows it, else 0.
int XmlUtf8CharacterLength(const char *at, const char *end);

// An attribute value's bytes taken as they stand: no references, no blanks that XML would
// turn into spaces, no markup, well-formed UTF-8.
bool IsPlainXmlAttributeValue(const char *begin, const char *end);
