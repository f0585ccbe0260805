#pragma once

#include "nametable.h"

// Delimited text as spreadsheet programs write it (RFC 4180): fields in double quotes may
// hold the separator, line breaks and doubled quotes; rows end at CR LF, LF or CR.

// The separator of a text: among ",", tab, ";" and "，" the one that splits most rows into
// the same number of fields; "," when none splits any row.
QChar GuessSeparator(QStringView text);

// Rows of the text, without rows that hold no text. Throws SuiteError (with the row
// number) for a cell over the length limit, a quote left open, or more rows than allowed.
QList<QStringList> ParseDelimitedText(QStringView text, QChar separator);

// A .csv or .txt file: decoded as exports of other programs are (see DecodeForeignText),
// an Excel "sep=" first line honoured, else the separator guessed.
ImportedTable ReadDelimitedFile(const QString &path);
