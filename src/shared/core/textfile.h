#pragma once

#include <QStringList>

// The suite's one text-list reader and writer.
//
// ReadTextLines honours a byte-order mark (UTF-16 LE/BE, UTF-8; none means UTF-8) and
// splits at CR LF, LF or a lone CR; a final line break does not make an extra empty line.
// WriteTextLines writes UTF-16 LE with a byte-order mark, each line ended by CR LF, and
// replaces the file atomically: a failed write leaves the old file as it was.
// Both throw SuiteError with a message naming the file; files over 256 MB are refused unread.
QStringList ReadTextLines(const QString &path);
void WriteTextLines(const QString &path, const QStringList &lines);

// The whole text of a file, decoded as ReadTextLines decodes it, not split into lines.
QString ReadWholeText(const QString &path);
// Splits a text into lines as ReadTextLines does.
QStringList SplitTextLines(const QString &text);

// The same on bytes already in memory (for callers that read the file themselves).
QString DecodeText(const QByteArray &bytes);
QByteArray EncodeUtf16LeWithBom(const QStringList &lines);

// Text written by other programs (lists exported by spreadsheet programs): a byte-order
// mark (UTF-8, UTF-16 LE/BE) decides; without one, well-formed UTF-8 is UTF-8 and
// anything else GB18030, what Chinese spreadsheet programs write. `encodingName` says
// which was used. Throws SuiteError for bytes that are no text in either encoding (NUL
// bytes without a UTF-16 mark, invalid GB18030) and for a file that mixes lines of UTF-8
// with lines in another encoding, which no single decoding would read right.
struct ForeignText
{
    QString text;
    QString encodingName;
};
ForeignText DecodeForeignText(const QByteArray &bytes);

// Writes bytes to a file atomically (QSaveFile); throws SuiteError naming the file.
void WriteFileAtomically(const QString &path, const QByteArray &bytes);
