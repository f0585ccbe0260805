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

// Writes bytes to a file atomically (QSaveFile); throws SuiteError naming the file.
void WriteFileAtomically(const QString &path, const QByteArray &bytes);
