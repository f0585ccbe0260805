#pragma once

#include "nametable.h"

// Delimited text as spreadsheet programs write it (RFC 4180): fields in double quotes may
// hold the separator, line breaks and doubled quotes; rows end at CR LF, LF or CR.

// The separator of a text: among ",", tab, ";" and "，" the one that splits most rows into
// the same number of fields; "," when none splits any row.
QChar GuessSeparator(QStringView text);

// The rows of the text as a sheet named `sheetName`, without rows that hold no text, each
// with its record number; fields right of ImportLimits::kMaxColumns are left out. Throws
// SuiteError (with the line) for a cell over the length limit, a quote left open, more rows
// than allowed, or more cells than `cells` allows.
ImportedSheet ParseDelimitedText(QStringView text, QChar separator, const QString &sheetName, CellCounter &cells);

// A .csv or .txt file: decoded as exports of other programs are (see DecodeForeignText),
// an Excel "sep=" first line honoured, else the separator guessed.
ImportedTable ReadDelimitedFile(const QString &path);
