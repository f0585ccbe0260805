#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <memory>
#include <vector>

// The entries of a list, held in one text: a list of a million names is one buffer and
// a table of offsets, not a million strings. In the text every entry ends with a NUL, so
// an entry handed out as a QString shares the text and is still terminated like any
// other. Copies of a weighted entry refer to the same characters. A list never changes
// once built, and copies of it share everything.
class ListEntries
{
    struct Span
    {
        quint32 start;
        quint32 length;
    };

public:
    ListEntries() = default;

    // The parts of `text` between the separators, as SplitText gives them (an empty text
    // is one empty entry; no separator, the whole text).
    static ListEntries Split(QStringView text, QStringView separator);

    qsizetype size() const { return m_spans ? qsizetype(m_spans->size()) : 0; }
    bool isEmpty() const { return size() == 0; }
    QStringView View(qsizetype index) const
    {
        const Span span = (*m_spans)[size_t(index)];
        return QStringView(m_text).sliced(span.start, span.length);
    }
    // The entry as a string that shares the list's text (no copy of the text).
    QString At(qsizetype index) const;
    // The entries at `positions`, in that order, as At gives them.
    QStringList Slices(const std::vector<int> &positions) const;
    QStringList ToStringList() const;

    // Builds a list part by part; the text grows once per part, never per entry.
    class Builder
    {
    public:
        // About the length of all the parts' texts and the number of entries, to
        // allocate once.
        explicit Builder(qsizetype expectedLength = 0, qsizetype expectedEntries = 0);
        // How many entries AppendParts makes of `text`.
        static qsizetype CountParts(QStringView text, QStringView separator);
        // Appends the parts of `text` between the separators, each `copies` times in a row.
        // Throws SuiteError when the text grows beyond what offsets can address.
        void AppendParts(QStringView text, QStringView separator, qint64 copies = 1);
        ListEntries Finish();

    private:
        QString m_text;
        qsizetype m_used = 0;
        std::vector<Span> m_spans;
    };

private:
    QString m_text;
    std::shared_ptr<const std::vector<Span>> m_spans;
};
