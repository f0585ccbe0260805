#include "textfile.h"

#include "fileerror.h"
#include "suiteerror.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>
#include <QStringDecoder>

#include <algorithm>
#include <cstring>
#include <optional>
#include <QCoreApplication>

char16_t *DecodeWellFormedUtf8Into(QByteArrayView bytes, char16_t *out)
{
    const auto *in = reinterpret_cast<const uchar *>(bytes.data());
    const uchar *const end = in + bytes.size();
    auto continuation = [](uchar b) { return (b & 0xC0) == 0x80; };
    while (in != end) {
        const uchar lead = *in;
        if (lead < 0x80) {
            *out++ = lead;
            ++in;
        } else if (lead >= 0xC2 && lead <= 0xDF && end - in >= 2 && continuation(in[1])) {
            *out++ = char16_t(((lead & 0x1F) << 6) | (in[1] & 0x3F));
            in += 2;
        } else if (lead >= 0xE0 && lead <= 0xEF && end - in >= 3 && continuation(in[1]) && continuation(in[2])) {
            const char16_t c = char16_t(((lead & 0x0F) << 12) | ((in[1] & 0x3F) << 6) | (in[2] & 0x3F));
            if (c < 0x800 || QChar::isSurrogate(c) || QChar::isNonCharacter(c))
                return nullptr;
            *out++ = c;
            in += 3;
        } else if (lead >= 0xF0 && lead <= 0xF4 && end - in >= 4 && continuation(in[1]) && continuation(in[2])
                   && continuation(in[3])) {
            const char32_t c = ((lead & 0x07) << 18) | ((in[1] & 0x3F) << 12) | ((in[2] & 0x3F) << 6) | (in[3] & 0x3F);
            if (c < 0x10000 || c > 0x10FFFF || QChar::isNonCharacter(c))
                return nullptr;
            *out++ = QChar::highSurrogate(c);
            *out++ = QChar::lowSurrogate(c);
            in += 4;
        } else {
            return nullptr;
        }
    }
    return out;
}

qsizetype FindBytes(QByteArrayView bytes, QByteArrayView needle, qsizetype from)
{
    const char *const end = bytes.end();
    const size_t restSize = size_t(needle.size() - 1);
    for (const char *p = bytes.begin() + from; end - p >= needle.size(); ++p) {
        p = static_cast<const char *>(std::memchr(p, needle.front(), size_t(end - p)));
        if (!p || end - p < needle.size())
            return -1;
        // Compared in place: no call for each place memchr finds (a separator follows every name).
        if (restSize == 0 || std::memcmp(p + 1, needle.data() + 1, restSize) == 0)
            return p - bytes.begin();
    }
    return -1;
}

namespace {

// Well-formed UTF-8 after an optional byte-order mark; nothing for other bytes (see
// DecodeWellFormedUtf8Into).
std::optional<QString> DecodeWellFormedUtf8(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    QString text(bytes.size(), Qt::Uninitialized); // never more units than bytes
    char16_t *const begin = reinterpret_cast<char16_t *>(text.data());
    const char16_t *const end = DecodeWellFormedUtf8Into(bytes, begin);
    if (!end)
        return std::nullopt;
    text.truncate(end - begin);
    return text;
}

} // namespace

QString DecodeText(const QByteArray &bytes)
{
    auto encoding = QStringConverter::encodingForData(bytes);
    std::optional<QString> decoded;
    if (encoding.value_or(QStringConverter::Utf8) == QStringConverter::Utf8)
        decoded = DecodeWellFormedUtf8(bytes);
    if (!decoded) {
        QStringDecoder decoder(encoding.value_or(QStringConverter::Utf8), QStringDecoder::Flag::Stateless);
        decoded = decoder.decode(bytes);
    }
    QString text = std::move(*decoded);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

namespace {

// Lines that hold Chinese (three-byte UTF-8) in well-formed UTF-8 next to lines that are
// no UTF-8 at all: a file pieced together from exports in different encodings. A line of
// GB18030 text is well-formed UTF-8 by chance only for a character or two, so two such
// characters are asked for.
bool MixesUtf8WithOtherLines(QByteArrayView bytes)
{
    bool utf8Chinese = false;
    bool otherEncoding = false;
    qsizetype start = 0;
    while (start < bytes.size() && !(utf8Chinese && otherEncoding)) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        const QByteArrayView line = bytes.sliced(start, end - start);
        if (const auto text = DecodeWellFormedUtf8(line)) {
            const auto wide = std::count_if(text->cbegin(), text->cend(), [](QChar c) { return c.unicode() >= 0x800; });
            utf8Chinese = utf8Chinese || wide >= 2;
        } else {
            otherEncoding = true;
        }
        start = end + 1;
    }
    return utf8Chinese && otherEncoding;
}

// UTF-32 without a byte-order mark: every character's top byte is 0 and the next is at
// most 0x10, in the first characters at least.
bool LooksLikeUnmarkedUtf32(const QByteArray &bytes)
{
    if (bytes.size() < 8 || bytes.size() % 4 != 0)
        return false;
    auto unitsFit = [&bytes](int top, int next) {
        for (qsizetype at = 0; at + 3 < qMin(bytes.size(), qsizetype(256)); at += 4)
            if (bytes.at(at + top) != 0 || quint8(bytes.at(at + next)) > 0x10)
                return false;
        return true;
    };
    return unitsFit(3, 2) || unitsFit(0, 1);
}

} // namespace

ForeignText DecodeForeignText(const QByteArray &bytes)
{
    const auto marked = QStringConverter::encodingForData(bytes);
    if (marked && bytes.startsWith("\xEF\xBB\xBF"))
        return {DecodeText(bytes), QStringLiteral("UTF-8")};
    if (marked == QStringConverter::Utf16LE || marked == QStringConverter::Utf16BE) {
        if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
            return {DecodeText(bytes), QStringLiteral("UTF-16")};
    }
    if (marked == QStringConverter::Utf32LE || marked == QStringConverter::Utf32BE) {
        QStringDecoder decoder(*marked);
        QString text = decoder.decode(bytes);
        if (decoder.hasError())
            throw SuiteError(QCoreApplication::translate(
                "Files", "文件标明是 UTF-32 文本，但其中有无效的字符，文件可能已损坏。请另存为 UTF-8 后再导入。"));
        return {std::move(text), QStringLiteral("UTF-32")};
    }
    if (LooksLikeUnmarkedUtf32(bytes))
        throw SuiteError(QCoreApplication::translate(
            "Files", "文件似乎是没有字节顺序标记的 UTF-32 文本，无法判断其编码。请在表格软件或文本编辑器中另存为 UTF-8 "
                     "后再导入。"));
    if (bytes.contains('\0'))
        throw SuiteError(QCoreApplication::translate(
            "Files", "文件中含有二进制数据，不是文本文件（没有字节顺序标记的 UTF-16 文本也读不了，请另存为 UTF-8）。"));
    if (auto text = DecodeWellFormedUtf8(bytes))
        return {std::move(*text), QStringLiteral("UTF-8")};
    if (MixesUtf8WithOtherLines(bytes))
        throw SuiteError(QCoreApplication::translate(
            "Files", "文件中混有不同编码的文字（一部分是 UTF-8，一部分是其他编码），无法正确读取。"
                     "请在表格软件中打开后统一另存为 UTF-8 或 GB18030 编码的 CSV 文件。"));
    QStringDecoder decoder("GB18030", QStringDecoder::Flag::Stateless);
    if (!decoder.isValid())
        throw SuiteError(QCoreApplication::translate(
            "Files", "本机缺少 GB18030 编码的支持，无法读取这个文件，请把它另存为 UTF-8 编码后再导入。"));
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        throw SuiteError(QCoreApplication::translate("Files",
                                                     "文件的文字编码无法识别（既不是 UTF-8、UTF-16，也不是 GB18030）。"
                                                     "请在表格软件中另存为 UTF-8 编码的 CSV 文件。"));
    return {std::move(text), QStringLiteral("GB18030")};
}

QStringList SplitTextLines(const QString &text)
{
    QStringList lines;
    const QChar *const begin = text.constData();
    const QChar *const end = begin + text.size();
    const QChar *start = begin;
    for (const QChar *c = begin; c != end; ++c) {
        if (*c == QLatin1Char('\n') || *c == QLatin1Char('\r')) {
            lines.append(QString(start, c - start));
            if (*c == QLatin1Char('\r') && c + 1 != end && c[1] == QLatin1Char('\n'))
                ++c;
            start = c + 1;
        }
    }
    if (start != end)
        lines.append(QString(start, end - start));
    return lines;
}

namespace {

// Follows a chain of symbolic links that does not lead to anything: true when it comes
// back to a link already passed (or runs longer than the system would follow).
bool SymbolicLinksLoop(const QString &path)
{
    QSet<QString> passed;
    QFileInfo link(path);
    for (int step = 0; step < 64; ++step) {
        if (!link.isSymLink())
            return false;
        if (passed.contains(link.absoluteFilePath()))
            return true;
        passed.insert(link.absoluteFilePath());
        link = QFileInfo(link.symLinkTarget());
    }
    return true;
}

} // namespace

void RequireRegularFile(const QString &path)
{
    const QFileInfo info(path);
    const QString name = info.fileName();
    if (!info.exists()) {
        if (!info.isSymLink())
            throw SuiteError(QCoreApplication::translate("Files", "文件“%1”不存在。").arg(name));
        if (SymbolicLinksLoop(path))
            throw SuiteError(QCoreApplication::translate(
                                 "Files", "“%1”是循环的符号链接（链接最终又指回链接本身），不是可以读取的文件。")
                                 .arg(name));
        throw SuiteError(QCoreApplication::translate("Files", "“%1”是符号链接，但它指向的“%2”不存在。")
                             .arg(name, info.symLinkTarget()));
    }
    if (info.isDir())
        throw SuiteError(QCoreApplication::translate("Files", "“%1”是一个文件夹，不是文件。").arg(name));
    if (!info.isFile())
        throw SuiteError(
            QCoreApplication::translate("Files", "“%1”不是普通文件（而是设备、管道或套接字之类），不能作为文件读取。")
                .arg(name));
}

namespace {

// Opens `file` at `path` for reading it whole, refusing what ReadWholeBytes refuses.
void OpenWholeFile(QFile &file, const QString &path, qint64 maxBytes)
{
    RequireRegularFile(path);
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly))
        throw SuiteError(QCoreApplication::translate("Files", "无法读取文件“%1”：%2")
                             .arg(QFileInfo(path).fileName(), FileErrorText(file)));
    // Decoding takes about four times the file's size in memory: a damaged file of some
    // gigabytes would take the machine's memory before it is refused.
    if (file.size() > maxBytes)
        throw SuiteError(
            QCoreApplication::translate("Files", "文件“%1”太大（%2 MB，最多 %3 MB），不是本软件能读取的文件。")
                .arg(QFileInfo(path).fileName())
                .arg(file.size() >> 20)
                .arg(std::max<qint64>(maxBytes >> 20, 1)));
}

} // namespace

QByteArray ReadWholeBytes(const QString &path, qint64 maxBytes)
{
    QFile file;
    OpenWholeFile(file, path, maxBytes);
    return file.readAll();
}

WholeFileBytes::WholeFileBytes(const QString &path, qint64 maxBytes) : m_file(std::make_unique<QFile>())
{
    // Below this, reading costs less than setting up a mapping.
    constexpr qint64 kMappedFrom = 256 << 10;
    OpenWholeFile(*m_file, path, maxBytes);
    const qint64 size = m_file->size();
    if (size >= kMappedFrom) {
        if (const uchar *mapped = m_file->map(0, size)) {
            m_bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(mapped), size);
            return;
        }
    }
    m_bytes = m_file->readAll();
    m_file.reset();
}

WholeFileBytes::~WholeFileBytes() = default;

QString ReadWholeText(const QString &path, qint64 maxBytes)
{
    return DecodeText(ReadWholeBytes(path, maxBytes));
}

QStringList ReadTextLines(const QString &path)
{
    return SplitTextLines(ReadWholeText(path));
}

QByteArray EncodeUtf16LeWithBom(const QStringList &lines)
{
    QString text;
    qsizetype size = 1;
    for (const QString &line : lines)
        size += line.size() + 2;
    text.reserve(size);
    text.append(QChar(0xFEFF));
    for (const QString &line : lines) {
        text.append(line);
        text.append(QLatin1String("\r\n"));
    }
    QStringEncoder encoder(QStringConverter::Utf16LE);
    return encoder.encode(text);
}

void WriteFileAtomically(const QString &path, const QByteArray &bytes)
{
    const QString name = QFileInfo(path).fileName();
    if (QFileInfo(path).isDir())
        throw SuiteError(QCoreApplication::translate("Files", "无法保存文件“%1”：同名的文件夹已存在。").arg(name));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw SuiteError(QCoreApplication::translate("Files", "无法保存文件“%1”：%2").arg(name, FileErrorText(file)));
    if (file.write(bytes) != bytes.size()) {
        const QString reason = FileErrorText(file);
        file.cancelWriting();
        throw SuiteError(QCoreApplication::translate("Files", "无法保存文件“%1”：%2").arg(name, reason));
    }
    if (!file.commit())
        throw SuiteError(QCoreApplication::translate("Files", "无法保存文件“%1”：%2").arg(name, FileErrorText(file)));
}

void WriteTextLines(const QString &path, const QStringList &lines)
{
    WriteFileAtomically(path, EncodeUtf16LeWithBom(lines));
}

void AppendUtf8(QStringView text, QByteArray &out)
{
    const qsizetype used = out.size();
    out.resize(used + text.size() * 3); // at most three bytes a UTF-16 unit
    char *write = out.data() + used;
    const char16_t *in = text.utf16();
    const qsizetype size = text.size();
    qsizetype i = 0;
    while (i < size && in[i] < 0x80) // ASCII, the whole of most numbers
        *write++ = char(in[i++]);
    for (; i < size; ++i) {
        char32_t c = in[i];
        if (c < 0x80) {
            *write++ = char(c);
            continue;
        }
        if (c < 0x800) {
            *write++ = char(0xC0 | (c >> 6));
            *write++ = char(0x80 | (c & 0x3F));
            continue;
        }
        if (QChar::isSurrogate(c)) {
            if (QChar::isHighSurrogate(c) && i + 1 < size && QChar::isLowSurrogate(in[i + 1])) {
                c = QChar::surrogateToUcs4(char16_t(c), in[++i]);
                *write++ = char(0xF0 | (c >> 18));
                *write++ = char(0x80 | ((c >> 12) & 0x3F));
                *write++ = char(0x80 | ((c >> 6) & 0x3F));
                *write++ = char(0x80 | (c & 0x3F));
                continue;
            }
            *write++ = '?';
            continue;
        }
        *write++ = char(0xE0 | (c >> 12));
        *write++ = char(0x80 | ((c >> 6) & 0x3F));
        *write++ = char(0x80 | (c & 0x3F));
    }
    out.resize(write - out.constData());
}
