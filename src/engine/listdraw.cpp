#include "listdraw.h"

#include "querysection.h"
#include "suiteerror.h"

#include <algorithm>
#include <numeric>
#include <QCoreApplication>

namespace {

// Beyond this a list takes more memory than any roll-call needs.
constexpr qint64 kMaxExpandedEntries = 20'000'000;

// Stored lists are escaped list text (the wizard escapes what the user typed): the
// entries come out as typed. With the comma as separator the escaped commas are the
// separators too; no other escape stands for a separator character.
QStringList SplitEntries(const QString &text, const QString &separator)
{
    return SplitText(text.contains(QLatin1Char('/')) ? UnescapeListText(text) : text, separator);
}

} // namespace

QString RequireSpliter(const QString &spliterName)
{
    if (spliterName.isEmpty())
        throw SuiteError(QCoreApplication::translate(
            "Engine", "项目参数中缺少名单分隔符（Spliter），请在项目参数中选择分隔符后保存。"));
    const QString separator = SpliterChar(spliterName);
    if (separator.isEmpty())
        throw SuiteError(QCoreApplication::translate(
                             "Engine",
                             "分隔符“%1”无效，应为 空格、全角空格、半角逗号、全角逗号、半角分号、全角分号 之一，"
                             "请在项目参数中重新选择分隔符。")
                             .arg(spliterName));
    return separator;
}

QStringList ExpandWeights(const QString &listText, bool weighted, const QString &separator)
{
    if (!weighted)
        return SplitEntries(listText, separator);

    const QStringList parts = listText.split(QLatin1Char('&'));
    const QString kind = parts.first();
    if (kind != QStringLiteral("加权") && kind != QStringLiteral("百分比"))
        throw SuiteError(
            QCoreApplication::translate("Engine", "带概率的名单应以“加权”或“百分比”开头，现在是“%1”，请重新设置名单。")
                .arg(kind));
    const bool percentage = kind == QStringLiteral("百分比");

    struct Row
    {
        QStringList items;
        qint64 weight;
    };
    std::vector<Row> rows;
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const QString &part = parts.at(i);
        const qsizetype colon = part.lastIndexOf(QLatin1Char(':'));
        if (colon < 0)
            throw SuiteError(
                QCoreApplication::translate("Engine", "名单第 %1 行“%2”缺少概率，请重新设置名单。").arg(i).arg(part));
        bool ok = false;
        const qint64 weight = part.mid(colon + 1).trimmed().toLongLong(&ok);
        if (!ok || weight < 0 || (percentage && weight == 0))
            throw SuiteError(QCoreApplication::translate("Engine", "名单第 %1 行的%2“%3”无效：必须是%4整数，请修改。")
                                 .arg(i)
                                 .arg(percentage ? QCoreApplication::translate("Engine", "百分比")
                                                 : QCoreApplication::translate("Engine", "权重"),
                                      part.mid(colon + 1),
                                      percentage ? QCoreApplication::translate("Engine", "大于 0 的")
                                                 : QCoreApplication::translate("Engine", "不小于 0 的")));
        rows.push_back({SplitEntries(part.left(colon), separator), weight});
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
    for (const Row &row : rows) {
        // Compared before multiplying: a weight near 2^63 times a few names overflows.
        const qint64 copies = row.weight / divisor;
        if (!row.items.isEmpty() && copies > (kMaxExpandedEntries - total) / row.items.size())
            throw SuiteError(QCoreApplication::translate("Engine", "名单的权重太大，展开后超过 %1 项，请减小权重。")
                                 .arg(kMaxExpandedEntries));
        total += row.items.size() * copies;
    }
    QStringList entries;
    entries.reserve(total);
    for (const Row &row : rows)
        for (const QString &item : row.items)
            for (qint64 copy = 0; copy < row.weight / divisor; ++copy)
                entries.append(item);
    return entries;
}

namespace {

// FNV-1a over the UTF-16 units, folded: lists are typed by users, not crafted.
size_t TextHash(const QString &text)
{
    quint64 hash = 0xcbf29ce484222325ull;
    for (QChar c : text)
        hash = (hash ^ c.unicode()) * 0x100000001b3ull;
    return size_t(hash ^ (hash >> 29));
}

} // namespace

DrawList::DrawList(const QStringList &entries)
{
    auto shape = std::make_shared<Shape>();
    shape->entries = entries;
    // Texts seen so far: an open-addressing table (at most half full) of the position of
    // each text's last copy, so no text is copied or hashed twice.
    size_t capacity = 16;
    while (capacity < size_t(entries.size()) * 2)
        capacity *= 2;
    const size_t mask = capacity - 1;
    std::vector<int> lastPositionOf(capacity, -1);
    std::vector<int> nextSame(entries.size(), -1);
    m_alive.reserve(entries.size());
    int distinct = 0;
    for (int position = 0; position < entries.size(); ++position) {
        const QString &text = entries.at(position);
        if (text.isEmpty())
            continue;
        m_alive.push_back(position);
        size_t slot = TextHash(text) & mask;
        while (lastPositionOf[slot] != -1 && entries.at(lastPositionOf[slot]) != text)
            slot = (slot + 1) & mask;
        int &last = lastPositionOf[slot];
        if (last == -1) {
            nextSame[position] = position;
            ++distinct;
        } else { // insert into the ring after the last copy seen
            nextSame[position] = nextSame[last];
            nextSame[last] = position;
            shape->hasCopies = true;
        }
        last = position;
    }
    m_distinctRemaining = distinct;
    if (shape->hasCopies) {
        shape->nextSame = std::move(nextSame);
        m_aliveIndex.assign(entries.size(), -1);
        for (int index = 0; index < int(m_alive.size()); ++index)
            m_aliveIndex[m_alive[index]] = index;
    }
    m_shape = std::move(shape);
}

QStringList DrawList::Draw(RandomSource &random, bool remove, int count)
{
    std::vector<int> positions(size_t(std::max(count, 0)));
    for (int &position : positions)
        position = DrawPosition(random, remove);
    // The texts are fetched once every position is known, the memory of those a few
    // draws ahead asked for early: a long list's texts lie all over the heap, and
    // waiting for each in turn is most of a shuffle's time.
    const QStringList &entries = m_shape->entries;
    constexpr size_t kAhead = 16;
    QStringList drawn;
    drawn.reserve(count);
    for (size_t i = 0; i < positions.size(); ++i) {
#if defined(__GNUC__)
        if (i + 2 * kAhead < positions.size())
            __builtin_prefetch(&entries.at(positions[i + 2 * kAhead]));
        if (i + kAhead < positions.size())
            // The reference count the copy below raises sits just before the text.
            __builtin_prefetch(reinterpret_cast<const char *>(entries.at(positions[i + kAhead]).constData())
                                   - sizeof(QArrayData),
                               1);
#endif
        drawn.append(entries.at(positions[i]));
    }
    return drawn;
}

int DrawList::DrawPosition(RandomSource &random, bool remove)
{
    const int pick = int(random.Below(m_alive.size()));
    const int position = m_alive[pick];
    if (!remove)
        return position;
    --m_distinctRemaining;
    if (!m_shape->hasCopies) {
        m_alive[pick] = m_alive.back();
        m_alive.pop_back();
        return position;
    }
    int same = position;
    do {
        const int index = m_aliveIndex[same];
        const int last = m_alive.back();
        m_alive[index] = last;
        m_aliveIndex[last] = index;
        m_alive.pop_back();
        m_aliveIndex[same] = -1;
        same = m_shape->nextSame[same];
    } while (same != position);
    return position;
}

QStringList ListDraw(DrawList &list, RandomSource &random, bool allowRepeat, int count, const QString &what)
{
    const int available = allowRepeat ? (list.Remaining() > 0 ? count : 0) : list.DistinctRemaining();
    if (count > 0 && available < count)
        throw SuiteError(QCoreApplication::translate("Engine", "%1中可抽取的不同条目只剩 %2 个，本次需要 %3 个。"
                                                               "请增加名单条目、减少抽取数量或允许重复。")
                             .arg(what)
                             .arg(list.DistinctRemaining())
                             .arg(count));
    return list.Draw(random, !allowRepeat, count);
}
