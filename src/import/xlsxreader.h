#pragma once

#include "nametable.h"

// An Office Open XML workbook (.xlsx from any spreadsheet program): every worksheet in the
// workbook's order, cells as shown (shared and inline strings with their rich-text runs
// joined, numbers without exponent or trailing ".0"). A merged range holds its value in its
// first cell only, so it is read once. Throws SuiteError for a file that is no workbook, is
// damaged or encrypted, or breaks a limit; parts are unpacked through a counted reader, so
// sizes claimed in the ZIP headers are never relied on.
ImportedTable ReadWorkbook(const QString &path);
