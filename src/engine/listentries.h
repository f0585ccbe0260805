#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <memory>
#include <span>
#include <utility>
#include <vector>

// The entries of a list, held in one UTF-8 text: a list of a million names is its bytes
// and a table of offsets, not a million strings nor a second copy in UTF-16. The text may
// be the bytes the list was read from, shared: parts then end where the separator starts.
// Copies of a weighted entry refer to the same bytes. A list never changes once built,
// and copies of it share everything.
class ListEntries
{
    // Where the entries' texts start: the parts, each followed by `gap` bytes (its
    // separator, or the NUL the builder puts there), and one more start past the last. An
    // entry is a part; which one is kept only once some part stands for several entries,
    // or for none (weights other than 1).
    struct Table
    {
        std::vector<quint32> starts;
        qsizetype gap = 1;
        bool mapped = false;
        std::vector<quint32> partOf;
        bool mayHoldEmpty = true; // false once a split has seen every part hold text
    };

public:
    ListEntries() = default;

    // The parts of `text` between the separators, as SplitText gives them (an empty text
    // is one empty entry; no separator, the whole text).
    static ListEntries Split(QStringView text, QStringView separator);
    // The same parts of UTF-8 text (well formed), which the list keeps and shares instead
    // of copying it. Throws SuiteError when the text is beyond what offsets can address.
    static ListEntries SplitUtf8(const QByteArray &text, QStringView separator);

    qsizetype size() const
    {
        if (!m_table)
            return 0;
        return m_table->mapped ? qsizetype(m_table->partOf.size()) : qsizetype(m_table->starts.size()) - 1;
    }
    bool isEmpty() const { return size() == 0; }
    // False when no entry is empty (known for a list split from UTF-8); true when some
    // may be.
    bool MayHoldEmptyEntry() const { return !m_table || m_table->mayHoldEmpty; }

    // Where the entries lie, for loops over many of them: held in locals, so the tables
    // are not looked up again for each entry. Valid while the list lives.
    class Places
    {
    public:
        size_t PartOf(qsizetype index) const { return m_partOf ? m_partOf[index] : size_t(index); }
        QByteArrayView Part(size_t part) const
        {
            return QByteArrayView(m_bytes + m_starts[part], qsizetype(m_starts[part + 1] - m_starts[part]) - m_gap);
        }
        // The entry's UTF-8 bytes: equal entries have equal bytes.
        QByteArrayView View(qsizetype index) const { return Part(PartOf(index)); }
        // Ask for where an entry starts, or for its text, from memory ahead of its use.
        void PrefetchPlace(qsizetype index) const
        {
#if defined(__GNUC__)
            __builtin_prefetch(m_starts + PartOf(index));
#endif
        }
        void PrefetchText(qsizetype index) const
        {
#if defined(__GNUC__)
            __builtin_prefetch(View(index).data());
#endif
        }

    private:
        friend class ListEntries;
        const char *m_bytes = nullptr;
        const quint32 *m_starts = nullptr;
        const quint32 *m_partOf = nullptr; // none while every part is one entry
        qsizetype m_gap = 0;
    };
    Places ReadPlaces() const;

    // The entry's UTF-8 bytes: equal entries have equal bytes.
    QByteArrayView View(qsizetype index) const { return ReadPlaces().View(index); }
    QString At(qsizetype index) const;
    // The entries at `positions`, in that order, decoded into one text they all share.
    QStringList Slices(const std::vector<int> &positions) const;
    QStringList ToStringList() const;
    // Appends the entries at `positions` as UTF-8, each followed by a line break (for
    // writers of many entries).
    void AppendUtf8Lines(std::span<const int> positions, QByteArray &out) const;

    // Builds a list part by part; the text grows once per part, never per entry.
    class Builder
    {
    public:
        // About the length of all the parts' texts and their number, to allocate once.
        explicit Builder(qsizetype expectedLength = 0, qsizetype expectedParts = 0);
        // How many parts AppendParts makes of `text`.
        static qsizetype CountParts(QStringView text, QStringView separator);
        // Appends the parts of `text` between the separators, each as `copies` entries in
        // a row. Throws SuiteError when the text grows beyond what offsets can address.
        void AppendParts(QStringView text, QStringView separator, qint64 copies = 1);
        ListEntries Finish();

    private:
        QByteArray m_text;
        qsizetype m_used = 0;
        Table m_table;
    };

private:
    QByteArray m_text;
    std::shared_ptr<const Table> m_table;
};
