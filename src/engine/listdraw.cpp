#include "listdraw.h"

#include "querysection.h"
#include "suiteerror.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <memory>
#include <numeric>
#include <utility>
#include <QCoreApplication>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Beyond this a list takes more memory than any roll-call needs.
constexpr qint64 kMaxExpandedEntries = 20'000'000;

// Stored lists are escaped list text (the wizard escapes what the user typed): the
// entries come out as typed. With the comma as separator the escaped commas are the
// separators too; no other escape stands for a separator character.
QString UnescapedEntriesText(const QString &text)
{
    return text.contains(QLatin1Char('/')) ? UnescapeListText(text) : text;
}

} // namespace

QString RequireSpliter(const QString &spliterName)
{
    if (spliterName.isEmpty())
        throw SuiteError(QCoreApplication::translate("Engine", "项目参数中缺少名单分隔符（Spliter），请在项目参数中选择分隔符后保存。"));
    const QString separator = SpliterChar(spliterName);
    if (separator.isEmpty())
        throw SuiteError(QCoreApplication::translate("Engine", "分隔符“%1”无效，应为 空格、全角空格、半角逗号、全角逗号、半角分号、全角分号 之一，"
                                        "请在项目参数中重新选择分隔符。")
                             .arg(spliterName));
    return separator;
}

ListEntries ExpandWeights(const QString &listText, bool weighted, const QString &separator)
{
    if (!weighted)
        return ListEntries::Split(UnescapedEntriesText(listText), separator);

    const QStringList parts = listText.split(QLatin1Char('&'));
    const QString kind = parts.first();
    if (kind != QStringLiteral("加权") && kind != QStringLiteral("百分比"))
        throw SuiteError(QCoreApplication::translate("Engine", "带概率的名单应以“加权”或“百分比”开头，现在是“%1”，请重新设置名单。").arg(kind));
    const bool percentage = kind == QStringLiteral("百分比");

    struct Row
    {
        QString itemsText;
        qsizetype items;
        qint64 weight;
    };
    std::vector<Row> rows;
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const QString &part = parts.at(i);
        const qsizetype colon = part.lastIndexOf(QLatin1Char(':'));
        if (colon < 0)
            throw SuiteError(QCoreApplication::translate("Engine", "名单第 %1 行“%2”缺少概率，请重新设置名单。").arg(i).arg(part));
        bool ok = false;
        const qint64 weight = part.mid(colon + 1).trimmed().toLongLong(&ok);
        if (!ok || weight < 0 || (percentage && weight == 0))
            throw SuiteError(QCoreApplication::translate("Engine", "名单第 %1 行的%2“%3”无效：必须是%4整数，请修改。")
                                 .arg(i)
                                 .arg(percentage ? QCoreApplication::translate("Engine", "百分比") : QCoreApplication::translate("Engine", "权重"),
                                      part.mid(colon + 1),
                                      percentage ? QCoreApplication::translate("Engine", "大于 0 的") : QCoreApplication::translate("Engine", "不小于 0 的")));
        QString itemsText = UnescapedEntriesText(part.left(colon));
        const qsizetype items = ListEntries::Builder::CountParts(itemsText, separator);
        rows.push_back({std::move(itemsText), items, weight});
    }

    qint64 divisor = 1;
    if (percentage && !rows.empty()) {
        // The largest common divisor of all weights that is at most 100.
        qint64 common = 0;
        for (const Row &row : rows)
            common = std::gcd(common, row.weight);
        for (qint64 d = std::min<qint64>(common, 100); d >= 1; --d)
            if (common % d == 0) {
                divisor = d;
                break;
            }
    }

    qint64 total = 0;
    qsizetype textLength = 0;
    qsizetype partCount = 0;
    for (const Row &row : rows) {
        // Compared before multiplying: a weight near 2^63 times a few names overflows.
        const qint64 copies = row.weight / divisor;
        if (copies > (kMaxExpandedEntries - total) / row.items)
            throw SuiteError(QCoreApplication::translate("Engine", "名单的权重太大，展开后超过 %1 项，请减小权重。").arg(kMaxExpandedEntries));
        total += row.items * copies;
        textLength += row.itemsText.size() + 1;
        partCount += row.items;
    }
    // Copies of an entry share its text: a weight costs offsets, not strings.
    ListEntries::Builder entries(textLength, partCount);
    for (const Row &row : rows)
        entries.AppendParts(row.itemsText, separator, row.weight / divisor);
    return entries.Finish();
}

ListEntries ExpandWeights(const QByteArray &listUtf8, bool weighted, const QString &separator)
{
    if (weighted || listUtf8.contains('/'))
        return ExpandWeights(QString::fromUtf8(listUtf8), weighted, separator);
    return ListEntries::SplitUtf8(listUtf8, separator);
}

namespace {

quint64 Read8(const char *bytes)
{
    quint64 word;
    std::memcpy(&word, bytes, 8);
    return word;
}

quint64 Read4(const char *bytes)
{
    quint32 word;
    std::memcpy(&word, bytes, 4);
    return word;
}

// The two halves of the 128-bit product, folded: one multiplication mixes every bit of
// both words.
quint64 FoldedProduct(quint64 a, quint64 b)
{
#if defined(__SIZEOF_INT128__)
    const unsigned __int128 product = static_cast<unsigned __int128>(a) * b;
    return quint64(product) ^ quint64(product >> 64);
#else
    // 32-bit processors: the same product from four partial ones.
    const quint64 lowLow = (a & 0xFFFFFFFFu) * (b & 0xFFFFFFFFu);
    const quint64 lowHigh = (a & 0xFFFFFFFFu) * (b >> 32);
    const quint64 highLow = (a >> 32) * (b & 0xFFFFFFFFu);
    const quint64 middle = (lowLow >> 32) + (lowHigh & 0xFFFFFFFFu) + (highLow & 0xFFFFFFFFu);
    const quint64 high = (a >> 32) * (b >> 32) + (lowHigh >> 32) + (highLow >> 32) + (middle >> 32);
    return ((middle << 32) | (lowLow & 0xFFFFFFFFu)) ^ high;
#endif
}

// A hash of the UTF-8 bytes. Most names are at most sixteen bytes: they are read as two
// words that may overlap, never past the text, and mixed by one multiplication. Lists
// are typed by users, not crafted against the hash.
quint64 TextHash(QByteArrayView text)
{
    constexpr quint64 kOdd1 = 0xa0761d6478bd642full;
    constexpr quint64 kOdd2 = 0xe7037ed1a0b428dbull;
    const char *const bytes = text.data();
    const size_t length = size_t(text.size());
    // The usual length first, apart: the general steps below give the same value, but
    // compiled as one they took half again as long over a list of names.
    if (length - 8 <= 8) [[likely]]
        return FoldedProduct(Read8(bytes) ^ kOdd1, Read8(bytes + length - 8) ^ kOdd2 ^ length);
    quint64 seed = length;
    quint64 first = 0;
    quint64 last = 0;
    if (length >= 8) {
        size_t i = 0;
        for (; i + 16 < length; i += 16)
            seed = FoldedProduct(Read8(bytes + i) ^ kOdd1, Read8(bytes + i + 8) ^ seed);
        first = Read8(bytes + std::min(i, length - 8));
        last = Read8(bytes + length - 8);
    } else if (length >= 4) {
        first = Read4(bytes);
        last = Read4(bytes + length - 4);
    } else if (length > 0) {
        first = quint64(uchar(bytes[0])) << 16 | quint64(uchar(bytes[length / 2])) << 8 | uchar(bytes[length - 1]);
    }
    return FoldedProduct(first ^ kOdd1, last ^ kOdd2 ^ seed);
}

// The table of texts seen (DrawList::KnownCopies) in groups of slots.
constexpr size_t kGroupSlots = 16;
constexpr quint8 kFreeSlot = 0x80; // a taken slot's byte is below 0x80

struct GroupSlots
{
    quint32 matching = 0; // bit i: slot i holds `tag`
    quint32 free = 0;     // bit i: slot i is free
};

// `tag` is a byte value held in a whole word: a byte kept on the stack and read back as
// part of a word stalled each look-up.
GroupSlots ReadGroup(const quint8 *slotTags, quint32 tag)
{
#if defined(__SSE2__)
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i *>(slotTags));
    const __m128i pattern = _mm_set1_epi32(int(tag * 0x01010101u));
    return {quint32(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, pattern))), quint32(_mm_movemask_epi8(bytes))};
#else
    GroupSlots group;
    for (size_t i = 0; i < kGroupSlots; ++i) {
        group.matching |= quint32(slotTags[i] == tag) << i;
        group.free |= quint32(slotTags[i] == kFreeSlot) << i;
    }
    return group;
#endif
}

} // namespace

DrawList::DrawList(const ListEntries &entries) : m_shape(std::make_shared<Shape>()), m_entryCount(int(entries.size()))
{
    m_shape->entries = entries;
    if (!entries.MayHoldEmptyEntry()) {
        m_everyEntryAlive = true;
        return;
    }
    const ListEntries::Places places = entries.ReadPlaces();
    int position = 0;
    while (position < m_entryCount && !places.View(position).isEmpty())
        ++position;
    m_everyEntryAlive = position == m_entryCount;
    if (m_everyEntryAlive)
        return;
    m_alive.reserve(size_t(m_entryCount));
    for (position = 0; position < m_entryCount; ++position)
        if (!places.View(position).isEmpty())
            m_alive.push_back(position);
}

const DrawList::Copies &DrawList::KnownCopies() const
{
    if (m_shape->copies)
        return *m_shape->copies;
    const ListEntries::Places places = m_shape->entries.ReadPlaces();
    const int count = m_entryCount;
    Copies copies;
    int distinct = 0;
    // Texts seen so far: a table of the position of each text's last copy, so no text is
    // hashed twice, in groups of sixteen slots. Each slot has a byte that is free or holds
    // seven bits of its text's hash; a group's bytes are compared at once, so a text is
    // placed or found without a guess at each slot. A slot keeps more bits of the hash
    // above the position, so other texts are passed without reading them: they lie
    // anywhere in a long list, and reading one costs more than the rest of a look-up.
    const size_t groupCount = std::bit_ceil((size_t(count) * 8 / 7) / kGroupSlots + 1);
    const size_t groupMask = groupCount - 1;
    const quint32 positionMask = (quint32(1) << std::bit_width(quint32(count))) - 1;
    const auto moreBitsOf = [positionMask](quint64 hash) { return quint32(hash >> 33) & ~positionMask; };
    std::vector<quint8> tagTable(groupCount * kGroupSlots, kFreeSlot);
    const std::unique_ptr<quint32[]> entryTable(new quint32[groupCount * kGroupSlots]); // read only where tagged
    // Plain pointers: a byte written through a table's own pointer would make the
    // compiler read every other pointer again after it.
    quint8 *const slotTags = tagTable.data();
    quint32 *const slotEntries = entryTable.get();
    // The groups of a block of entries are asked for ahead of their use: a long list's
    // table is larger than the nearest cache.
    constexpr int kBlock = 256;
    // An empty entry is no text: it keeps a hash no text has (theirs are at least 1), so
    // the look-ups below read a text only where a slot matches.
    constexpr quint64 kEmptyText = 0;
    std::array<quint64, kBlock> blockHashes;
    for (int blockStart = 0; blockStart < count; blockStart += kBlock) {
        const int blockEnd = std::min(count, blockStart + kBlock);
        for (int position = blockStart; position < blockEnd; ++position) {
            const QByteArrayView text = places.View(position);
            const quint64 hash = text.isEmpty() ? kEmptyText : std::max<quint64>(TextHash(text), 1);
            blockHashes[size_t(position - blockStart)] = hash;
#if defined(__GNUC__)
            __builtin_prefetch(&slotTags[((hash >> 7) & groupMask) * kGroupSlots]);
#endif
        }
        for (int position = blockStart; position < blockEnd; ++position) {
            const quint64 hash = blockHashes[size_t(position - blockStart)];
            if (hash == kEmptyText)
                continue;
            const quint32 tag = quint32(hash & 0x7F);
            const quint32 moreBits = moreBitsOf(hash);
            // The slot among `matches` of the group at `first` that holds this text; -1 if
            // none. In a list of distinct names a tag rarely matches: asked only then, the
            // usual way through the loop below stays short and spares its registers.
            const auto slotOfText = [&](size_t first, quint32 matches) -> qsizetype {
                for (; matches != 0; matches &= matches - 1) {
                    const size_t slot = first + size_t(std::countr_zero(matches));
                    const quint32 entry = slotEntries[slot];
                    if ((entry & ~positionMask) == moreBits && places.View(entry & positionMask) == places.View(position))
                        return qsizetype(slot);
                }
                return -1;
            };
            int last = -1;
            for (size_t group = (hash >> 7) & groupMask;; group = (group + 1) & groupMask) {
                const size_t first = group * kGroupSlots;
                const GroupSlots inGroup = ReadGroup(&slotTags[first], tag);
                if (inGroup.matching != 0) [[unlikely]] {
                    if (const qsizetype slot = slotOfText(first, inGroup.matching); slot >= 0) {
                        last = int(slotEntries[slot] & positionMask);
                        slotEntries[slot] = moreBits | quint32(position);
                        break;
                    }
                }
                if (inGroup.free == 0)
                    continue; // a full group: the text may be further on
                const size_t slot = first + size_t(std::countr_zero(inGroup.free));
                slotTags[slot] = quint8(tag);
                slotEntries[slot] = moreBits | quint32(position);
                break;
            }
            if (last < 0) {
                ++distinct;
            } else { // insert into the ring after the last copy seen; made at the first copy met
                if (copies.nextSame.empty()) {
                    copies.nextSame.resize(size_t(count));
                    std::iota(copies.nextSame.begin(), copies.nextSame.end(), 0);
                }
                copies.nextSame[size_t(position)] = copies.nextSame[size_t(last)];
                copies.nextSame[size_t(last)] = position;
                copies.hasCopies = true;
            }
        }
    }
    copies.distinct = distinct;
    m_shape->copies = std::move(copies);
    return *m_shape->copies;
}

int DrawList::Remaining() const
{
    if (!m_shape)
        return 0;
    Settle();
    return m_everyEntryAlive ? m_entryCount : int(m_alive.size());
}

int DrawList::DistinctRemaining() const
{
    if (!m_shape)
        return 0;
    Settle();
    return m_distinctRemaining >= 0 ? m_distinctRemaining : KnownCopies().distinct;
}

void DrawList::ListAliveEntries() const
{
    if (!m_everyEntryAlive)
        return;
    m_alive.resize(size_t(m_entryCount));
    std::iota(m_alive.begin(), m_alive.end(), 0);
    m_everyEntryAlive = false;
}

void DrawList::RemoveAlive(size_t index) const
{
    m_alive[index] = m_alive.back();
    m_alive.pop_back();
}

void DrawList::Settle() const
{
    if (m_pendingRemoval < 0)
        return;
    const int pick = std::exchange(m_pendingRemoval, -1);
    const Copies &copies = KnownCopies();
    if (m_distinctRemaining < 0)
        m_distinctRemaining = copies.distinct;
    --m_distinctRemaining;
    ListAliveEntries();
    if (!copies.hasCopies) {
        RemoveAlive(size_t(pick));
        return;
    }
    if (m_aliveIndex.empty()) {
        m_aliveIndex.assign(size_t(m_entryCount), -1);
        for (int index = 0; index < int(m_alive.size()); ++index)
            m_aliveIndex[m_alive[index]] = index;
    }
    const int position = m_alive[pick];
    int same = position;
    do {
        const int index = m_aliveIndex[same];
        const int last = m_alive.back();
        m_alive[index] = last;
        m_aliveIndex[last] = index;
        m_alive.pop_back();
        m_aliveIndex[same] = -1;
        same = copies.nextSame[same];
    } while (same != position);
}

std::vector<int> DrawList::DrawPositions(RandomSource &random, bool remove, int count)
{
    if (remove && count > 1 && !KnownCopies().hasCopies) {
        // Every text once (a shuffle, say): each draw takes one entry out of the table
        // of entries still there, as below but without asking about copies each time.
        Settle();
        if (m_distinctRemaining < 0)
            m_distinctRemaining = KnownCopies().distinct;
        ListAliveEntries();
        // As RemoveAlive, through locals the random source's calls cannot change, except
        // that the entry drawn takes the place of the one moved into its own: the table's
        // end collects the draws, last first, and no second table is written.
        int *const alive = m_alive.data();
        size_t left = m_alive.size();
        for (int drawn = 0; drawn < count; ++drawn) {
            const size_t pick = size_t(random.Below(left));
            std::swap(alive[pick], alive[--left]);
        }
        m_distinctRemaining -= count;
        std::vector<int> positions;
        if (left == 0) { // the whole table was drawn (a shuffle): it becomes the draws
            positions = std::exchange(m_alive, {});
        } else {
            positions.assign(m_alive.begin() + qsizetype(left), m_alive.end());
            m_alive.resize(left);
        }
        std::reverse(positions.begin(), positions.end());
        return positions;
    }
    std::vector<int> positions(size_t(std::max(count, 0)));
    for (int &position : positions) {
        const int remaining = Remaining(); // settles the removal of the entry before
        const int pick = int(random.Below(remaining));
        position = m_everyEntryAlive ? pick : m_alive[pick];
        if (remove)
            m_pendingRemoval = pick;
    }
    return positions;
}

QStringList ListDraw(DrawList &list, RandomSource &random, bool allowRepeat, int count, const QString &what)
{
    return list.Entries().Slices(ListDrawPositions(list, random, allowRepeat, count, what));
}

std::vector<int> ListDrawPositions(DrawList &list, RandomSource &random, bool allowRepeat, int count,
                                   const QString &what)
{
    const bool enough = allowRepeat ? list.Remaining() > 0 : list.HasDistinct(count);
    if (count > 0 && !enough)
        throw SuiteError(QCoreApplication::translate("Engine", "%1中可抽取的不同条目只剩 %2 个，本次需要 %3 个。"
                                        "请增加名单条目、减少抽取数量或允许重复。")
                             .arg(what)
                             .arg(list.DistinctRemaining())
                             .arg(count));
    return list.DrawPositions(random, !allowRepeat, count);
}
