#pragma once

#include "querysection.h"

// Template-based project types that can become a custom type: 4, 8 and 10 become the
// combination type 0, 11 and 13 the custom calculation type 14.
bool CanConvertToCustom(int pmode);

// The custom query that draws what the given query draws. `pmode` must be one of the
// convertible types.
QuerySection ConvertToCustomQuery(int pmode, const QueryParams &params);

// Replaces the project's query in `document` by `section`: the old Query element goes
// with every attribute of the old type.
void ReplaceQuerySection(QDomDocument &document, const QuerySection &section);
