#include "listentries.h"

#include "suiteerror.h"
#include "textfile.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <QStringEncoder>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>
#include <numeric>

namespace {

// Calls `found(at)` for each place of `byte` in `text`, in order; sixteen bytes are
// compared at once where the processor allows (a list has a separator every few bytes).
template <typename Found>
void ForEachByte(QByteArrayView text, char byte, Found found)
{
    qsizetype i = 0;
#if defined(__SSE2__)
    const __m128i pattern = _mm_set1_epi8(byte);
    for (; i + 16 <= text.size(); i += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i *>(text.data() + i));
        for (unsigned hits = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, pattern))); hits != 0; hits &= hits - 1)
            found(i + std::countr_zero(hits));
    }
#endif
    for (; i < text.size(); ++i)
        if (text[i] == byte)
            found(i);
}

// How many times `byte` occurs in `text`. Sixteen bytes are compared at once, each lane
// counting its matches up to 255 before the lanes are summed (the baseline processor has
// no instruction that counts a mask's bits).
qsizetype CountByte(QByteArrayView text, char byte)
{
    qsizetype count = 0;
    qsizetype i = 0;
#if defined(__SSE2__)
    const __m128i pattern = _mm_set1_epi8(byte);
    constexpr qsizetype kLaneLimit = 255 * 16;
    while (i + 16 <= text.size()) {
        const qsizetype stop = i + std::min(kLaneLimit, (text.size() - i) & ~qsizetype(15));
        __m128i lanes = _mm_setzero_si128();
        for (; i < stop; i += 16) {
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i *>(text.data() + i));
            lanes = _mm_sub_epi8(lanes, _mm_cmpeq_epi8(bytes, pattern)); // a match is -1
        }
        const __m128i sums = _mm_sad_epu8(lanes, _mm_setzero_si128());
        count += _mm_cvtsi128_si64(sums) + _mm_cvtsi128_si64(_mm_unpackhi_epi64(sums, sums));
    }
#endif
    for (; i < text.size(); ++i)
        count += text[i] == byte;
    return count;
}

// Calls `part(from, end)` for each part of `text` between the separators, in order.
template <typename Part>
void ForEachPart(QByteArrayView text, QByteArrayView separator, Part part)
{
    qsizetype from = 0;
    if (separator.size() == 1) {
        ForEachByte(text, separator.front(), [&](qsizetype at) {
            part(from, at);
            from = at + 1;
        });
        part(from, text.size());
        return;
    }
    for (;;) {
        const qsizetype at = separator.isEmpty() ? -1 : FindBytes(text, separator, from);
        part(from, at < 0 ? text.size() : at);
        if (at < 0)
            return;
        from = at + separator.size();
    }
}

// How many parts `text` splits into: a long list is counted before it is split, so its
// table of starts is allocated once.
qsizetype CountSeparated(QByteArrayView text, QByteArrayView separator)
{
    qsizetype parts = 1;
    if (separator.size() == 1)
        return parts + CountByte(text, separator.front());
    for (qsizetype at = 0; !separator.isEmpty() && (at = FindBytes(text, separator, at)) >= 0; at += separator.size())
        ++parts;
    return parts;
}

// `text` in UTF-8, allocated at its size (a general encoder asks for three bytes a unit:
// for a long list, more than the list's text in UTF-16 for a moment).
QByteArray Utf8Of(QStringView text)
{
    qsizetype size = 0;
    for (const QChar c : text)
        size += c.unicode() < 0x80 ? 1 : c.unicode() < 0x800 ? 2 : 3; // at most 3 a unit; a pair takes 4
    QByteArray bytes(size, Qt::Uninitialized);
    QStringEncoder encoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    char *const end = encoder.appendToBuffer(bytes.data(), text);
    bytes.truncate(end - bytes.constData());
    return bytes;
}

void RequireAddressable(qsizetype bytes)
{
    if (bytes > qsizetype(std::numeric_limits<quint32>::max()))
        throw SuiteError(QCoreApplication::translate("Engine", "名单太长，无法抽取，请把名单分成几个工程。"));
}

} // namespace

ListEntries ListEntries::Split(QStringView text, QStringView separator)
{
    return SplitUtf8(Utf8Of(text), separator);
}

ListEntries ListEntries::SplitUtf8(const QByteArray &text, QStringView separator)
{
    const QByteArray separatorBytes = separator.toUtf8();
    Table table;
    table.gap = separatorBytes.size();
    RequireAddressable(text.size() + table.gap);
    table.starts.resize(size_t(CountSeparated(text, separatorBytes)) + 1);
    // Written through a local pointer: a vector's end, kept in memory, would make each
    // start wait for the one before.
    quint32 *start = table.starts.data();
    bool empty = false;
    ForEachPart(text, separatorBytes, [&start, &empty](qsizetype from, qsizetype end) {
        *start++ = quint32(from);
        empty |= from == end;
    });
    *start = quint32(text.size() + table.gap);
    table.mayHoldEmpty = empty;
    ListEntries entries;
    entries.m_text = text;
    entries.m_table = std::make_shared<const Table>(std::move(table));
    return entries;
}

ListEntries::Places ListEntries::ReadPlaces() const
{
    Places places;
    if (!m_table)
        return places;
    places.m_bytes = m_text.constData();
    places.m_starts = m_table->starts.data();
    places.m_partOf = m_table->mapped ? m_table->partOf.data() : nullptr;
    places.m_gap = m_table->gap;
    return places;
}

QString ListEntries::At(qsizetype index) const
{
    return QString::fromUtf8(View(index));
}

QStringList ListEntries::Slices(const std::vector<int> &positions) const
{
    QStringList slices;
    slices.reserve(qsizetype(positions.size())); // nothing below can throw
    if (positions.empty())
        return slices;
    // The entries are decoded into one text, each ended by a NUL (a shuffle hands out
    // 100,000 of them: one allocation, not one each); UTF-8 never takes fewer bytes than
    // UTF-16 takes units. Each slice holds a reference on the text (all taken at once):
    // narrowed to its entry, a slice keeps the text alive while it lives and, as the text
    // is shared, copies itself before any change.
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const Places places = ReadPlaces();
    auto decodePart = [&](size_t part, char16_t *out) {
        const QByteArrayView bytes = places.Part(part);
        char16_t *const end = DecodeWellFormedUtf8Into(bytes, out);
        if (end) // else a noncharacter, say: the general decoder reads it
            return end;
        return reinterpret_cast<char16_t *>(decoder.appendToBuffer(reinterpret_cast<QChar *>(out), bytes));
    };
    auto share = [&](QString &text) {
        QString::DataPointer &shared = text.data_ptr();
        shared.d_ptr()->ref_.fetchAndAddRelaxed(int(positions.size()));
        return shared.d_ptr();
    };
    const size_t parts = m_table->starts.size() - 1;
    if (2 * positions.size() >= parts) {
        // Most of the list (a shuffle): every part decoded in order reads the text once,
        // front to back, instead of all over.
        QString text(m_text.size() + 1, Qt::Uninitialized);
        char16_t *const begin = reinterpret_cast<char16_t *>(text.data());
        std::vector<quint32> unitStarts(parts + 1);
        char16_t *out = begin;
        for (size_t part = 0; part < parts; ++part) {
            unitStarts[part] = quint32(out - begin);
            out = decodePart(part, out);
            *out++ = u'\0';
        }
        unitStarts[parts] = quint32(out - begin);
        auto *const shared = share(text);
        for (const int position : positions) {
            const size_t part = places.PartOf(position);
            slices.append(QString(QString::DataPointer(shared, begin + unitStarts[part],
                                                       qsizetype(unitStarts[part + 1] - unitStarts[part]) - 1)));
        }
        return slices;
    }
    qsizetype bytes = 0;
    for (const int position : positions)
        bytes += places.View(position).size() + 1;
    QString text(bytes, Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    auto *const shared = share(text);
    for (const int position : positions) {
        char16_t *const start = out;
        out = decodePart(places.PartOf(position), start);
        slices.append(QString(QString::DataPointer(shared, start, out - start)));
        *out++ = u'\0';
    }
    return slices;
}

void ListEntries::AppendUtf8Lines(std::span<const int> positions, QByteArray &out) const
{
    if (positions.empty())
        return;
    // A shuffle reads entries all over a long list: where an entry starts is asked for
    // from memory some entries ahead of its turn, and its text half as far ahead, so the
    // waits for memory overlap instead of following one another.
    constexpr size_t kTextAhead = 16;
    constexpr size_t kStartAhead = 2 * kTextAhead;
    // Most names are short: they are copied sixteen bytes at a time, the bytes past a
    // name overwritten by what follows, so no copy of a few bytes costs a call.
    constexpr qsizetype kShort = 16;
    // Room for entries of the list's mean length; a longer run of entries grows it.
    const qsizetype meanEntry = m_text.size() / qsizetype(m_table->starts.size()) + 1;
    qsizetype used = out.size();
    out.resize(used + qsizetype(positions.size()) * meanEntry + kShort);
    const char *const textEnd = m_text.constData() + m_text.size();
    const Places places = ReadPlaces();
    // Written through a local pointer, taken again only where the output grows: the
    // array's own would be asked for (and checked for sharing) at every entry.
    char *base = out.data();
    qsizetype room = out.size();
    for (size_t i = 0; i < positions.size(); ++i) {
        if (i + kStartAhead < positions.size())
            places.PrefetchPlace(positions[i + kStartAhead]);
        if (i + kTextAhead < positions.size())
            places.PrefetchText(positions[i + kTextAhead]);
        const QByteArrayView entry = places.View(positions[i]);
        if (used + entry.size() + 1 + kShort > room) {
            out.resize(std::max(2 * room, used + entry.size() + 1 + kShort));
            base = out.data();
            room = out.size();
        }
        char *const write = base + used;
        if (entry.size() <= kShort && textEnd - entry.data() >= kShort)
            std::memcpy(write, entry.data(), kShort);
        else
            std::memcpy(write, entry.data(), size_t(entry.size()));
        write[entry.size()] = '\n';
        used += entry.size() + 1;
    }
    out.resize(used);
}

QStringList ListEntries::ToStringList() const
{
    std::vector<int> all(static_cast<size_t>(size()));
    std::iota(all.begin(), all.end(), 0);
    return Slices(all);
}

ListEntries::Builder::Builder(qsizetype expectedLength, qsizetype expectedParts)
{
    m_text.reserve(expectedLength);
    m_table.starts.reserve(size_t(expectedParts) + 1);
}

qsizetype ListEntries::Builder::CountParts(QStringView text, QStringView separator)
{
    if (separator.size() == 1) // every separator name stands for one character
        return text.count(separator.front()) + 1;
    return separator.isEmpty() ? 1 : text.count(separator) + 1;
}

void ListEntries::Builder::AppendParts(QStringView text, QStringView separator, qint64 copies)
{
    const QByteArray bytes = Utf8Of(text);
    // Each part ends with a NUL where a separator was: one byte more at most.
    const qsizetype needed = m_used + bytes.size() + 1;
    RequireAddressable(needed);
    if (needed > m_text.size())
        m_text.resize(std::max(needed, 2 * m_text.size()));
    char *const out = m_text.data();
    ForEachPart(bytes, separator.toUtf8(), [&](qsizetype from, qsizetype end) {
        const quint32 part = quint32(m_table.starts.size());
        m_table.starts.push_back(quint32(m_used));
        std::copy(bytes.constData() + from, bytes.constData() + end, out + m_used);
        m_used += end - from;
        out[m_used++] = '\0';
        if (copies != 1 && !m_table.mapped) { // every part so far was one entry
            m_table.mapped = true;
            m_table.partOf.resize(part);
            std::iota(m_table.partOf.begin(), m_table.partOf.end(), 0u);
        }
        if (m_table.mapped)
            m_table.partOf.insert(m_table.partOf.end(), size_t(copies), part);
    });
}

ListEntries ListEntries::Builder::Finish()
{
    ListEntries entries;
    m_text.truncate(m_used);
    m_table.starts.push_back(quint32(m_used)); // every part already ends with its NUL
    entries.m_text = std::move(m_text);
    entries.m_table = std::make_shared<const Table>(std::move(m_table));
    m_table = {};
    m_used = 0;
    return entries;
}
