#include "listentries.h"

#include "suiteerror.h"
#include "textfile.h"

#include <algorithm>
#include <limits>
#include <numeric>
#include <QCoreApplication>

ListEntries ListEntries::Split(QStringView text, QStringView separator)
{
    Builder builder(text.size() + 1, Builder::CountParts(text, separator));
    builder.AppendParts(text, separator);
    return builder.Finish();
}

QString ListEntries::At(qsizetype index) const
{
    return Slices({int(index)}).front();
}

QStringList ListEntries::Slices(const std::vector<int> &positions) const
{
    QStringList slices;
    slices.reserve(qsizetype(positions.size())); // nothing below can throw
    if (positions.empty())
        return slices;
    // Each slice holds a reference on the text (all taken at once: a shuffle makes
    // 100,000 slices). Narrowed to its entry, a slice keeps the text alive while it lives
    // and, as the text is shared, copies itself before any change.
    QString::DataPointer &text = const_cast<QString &>(m_text).data_ptr();
    auto *const shared = text.d_ptr();
    Q_ASSERT(shared); // every entry ends with a NUL: the text is never empty
    shared->ref_.fetchAndAddRelaxed(int(positions.size()));
    for (const int position : positions) {
        const auto [start, length] = Place(position);
        slices.append(QString(QString::DataPointer(shared, text.data() + start, length)));
    }
    return slices;
}

void ListEntries::AppendUtf8Lines(std::span<const int> positions, QByteArray &out) const
{
    // A shuffle reads entries all over a long list's text: each is asked for from memory
    // some entries ahead of its turn, so the waits for memory overlap.
    constexpr size_t kAhead = 16;
    for (size_t i = 0; i < positions.size(); ++i) {
#if defined(__GNUC__)
        if (i + kAhead < positions.size())
            __builtin_prefetch(View(positions[i + kAhead]).data());
#endif
        AppendUtf8(View(positions[i]), out);
        out.append('\n');
    }
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
    // Each part ends with a NUL where a separator was: one character more at most.
    const qsizetype needed = m_used + text.size() + 1;
    if (needed > qsizetype(std::numeric_limits<quint32>::max()))
        throw SuiteError(QCoreApplication::translate("Engine", "名单太长，无法抽取，请把名单分成几个工程。"));
    if (needed > m_text.size())
        m_text.resize(std::max(needed, 2 * m_text.size()));
    char16_t *const out = reinterpret_cast<char16_t *>(m_text.data());
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = separator.size() == 1 ? text.indexOf(separator.front(), from)
                           : separator.isEmpty()   ? -1
                                                   : text.indexOf(separator, from);
        const qsizetype end = at < 0 ? text.size() : at;
        const quint32 part = quint32(m_table.starts.size());
        m_table.starts.push_back(quint32(m_used));
        std::copy(text.utf16() + from, text.utf16() + end, out + m_used);
        m_used += end - from;
        out[m_used++] = u'\0';
        if (copies != 1 && !m_table.mapped) { // every part so far was one entry
            m_table.mapped = true;
            m_table.partOf.resize(part);
            std::iota(m_table.partOf.begin(), m_table.partOf.end(), 0u);
        }
        if (m_table.mapped)
            m_table.partOf.insert(m_table.partOf.end(), size_t(copies), part);
        if (at < 0)
            break;
        from = at + separator.size();
    }
}

ListEntries ListEntries::Builder::Finish()
{
    ListEntries entries;
    m_text.truncate(m_used);
    m_table.starts.push_back(quint32(m_used));
    entries.m_text = std::move(m_text);
    entries.m_table = std::make_shared<const Table>(std::move(m_table));
    m_table = {};
    m_used = 0;
    return entries;
}
