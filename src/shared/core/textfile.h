#pragma once

#include <QByteArrayView>
#include <QStringList>

#include <memory>

class QFile;

// The suite's one text-list reader and writer.
//
// ReadTextLines honours a byte-order mark (UTF-16 LE/BE, UTF-8; none means UTF-8) and
// splits at CR LF, LF or a lone CR; a final line break does not make an extra empty line.
// WriteTextLines writes UTF-16 LE with a byte-order mark, each line ended by CR LF, and
// replaces the file atomically: a failed write leaves the old file as it was.
// Both throw SuiteError with a message naming the file; files over 256 MB, and anything
// that is not a regular file (RequireRegularFile), are refused unread.
QStringList ReadTextLines(const QString &path);
void WriteTextLines(const QString &path, const QStringList &lines);

constexpr qint64 kMaxTextFileBytes = qint64(256) << 20;

// The whole text of a file, decoded as ReadTextLines decodes it, not split into lines.
// Files larger than `maxBytes` are refused unread.
QString ReadWholeText(const QString &path, qint64 maxBytes = kMaxTextFileBytes);
// The same file's bytes, undecoded.
QByteArray ReadWholeBytes(const QString &path, qint64 maxBytes = kMaxTextFileBytes);

// A whole file's bytes, undecoded, for a reader that is done with the file at once (the
// command line's project). A large file is mapped instead of read: its bytes stay in the
// system's file cache, with no copy and no fresh memory to fill. Refuses a file as
// ReadWholeBytes does. Bytes() of a mapped file is raw data, valid while this lives.
class WholeFileBytes
{
public:
    explicit WholeFileBytes(const QString &path, qint64 maxBytes = kMaxTextFileBytes);
    ~WholeFileBytes();
    WholeFileBytes(const WholeFileBytes &) = delete;
    WholeFileBytes &operator=(const WholeFileBytes &) = delete;

    const QByteArray &Bytes() const { return m_bytes; }

private:
    std::unique_ptr<QFile> m_file; // open while mapped
    QByteArray m_bytes;
};

// Throws SuiteError (Chinese, naming the file) unless `path` leads to a regular file: a
// missing file, a folder, a device, a pipe or a socket, a link to nothing and a loop of
// symbolic links are each named for what they are. Opens nothing, so a pipe or a device
// can neither block the program nor fill its memory.
void RequireRegularFile(const QString &path);
// Splits a text into lines as ReadTextLines does.
QStringList SplitTextLines(const QString &text);

// The same on bytes already in memory (for callers that read the file themselves).
QString DecodeText(const QByteArray &bytes);
// Decodes well-formed UTF-8 into `out` (room for one unit a byte) in one pass, several
// times faster than the general decoder on Chinese text; returns the end of what it
// wrote. Null for anything else, which the general decoder reads with its own rules:
// malformed or truncated sequences, surrogates, noncharacters.
char16_t *DecodeWellFormedUtf8Into(QByteArrayView bytes, char16_t *out);
// Where `needle` (not empty) next stands in `bytes` from `from` on, -1 if nowhere. Looks
// for its first byte with memchr: a separator or mark in a long UTF-8 text is found at
// once, where a general search of a few bytes reads the text slowly.
qsizetype FindBytes(QByteArrayView bytes, QByteArrayView needle, qsizetype from = 0);
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

// Appends the UTF-8 of `text` to `out`, as QString::toUtf8 writes it (a lone surrogate
// becomes "?") but without a QByteArray of its own: for writers of many short texts.
void AppendUtf8(QStringView text, QByteArray &out);

// Writes bytes to a file atomically (QSaveFile); throws SuiteError naming the file.
void WriteFileAtomically(const QString &path, const QByteArray &bytes);
