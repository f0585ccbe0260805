#include "listgenerator.h"

#include "querysection.h"
#include "queryvalues.h"
#include "suiteerror.h"
#include <QCoreApplication>

namespace {

struct ListQuery
{
    QString listText;
    QString spliterName; // not used by pictures
    QString ranCount;
    bool weighted = false;
    bool allowRepeat = false;
    bool autoDel = false;
};

ListQuery ReadListQuery(int pmode, const QueryParams &p)
{
    switch (pmode) {
    case 2:
        RequireQuerySize(p, 6);
        return {p.at(2), p.at(3), p.at(4), IsYes(p.at(1)), IsYes(p.at(5)), IsYes(p.at(6))};
    case 3:
        RequireQuerySize(p, 3);
        return {p.at(1), p.at(2), p.at(3), false, false, false};
    case 5:
        RequireQuerySize(p, 3);
        return {p.at(1), QString(), p.at(2), false, false, IsYes(p.at(3))};
    case 7:
        RequireQuerySize(p, 4);
        return {p.at(1), p.at(3), p.at(2), false, false, IsYes(p.at(4))};
    case 9:
        RequireQuerySize(p, 4);
        return {p.at(1), p.at(2), p.at(3), false, false, IsYes(p.at(4))};
    default:
        throw SuiteError(QCoreApplication::translate("Engine", "项目类型 %1 不是名单类型。").arg(pmode));
    }
}

// Entries drawn from a list, kept as their positions in it.
class ListResults : public CompactResults
{
public:
    ListResults(ListEntries entries, std::vector<int> positions)
        : m_entries(std::move(entries)), m_positions(std::move(positions))
    {
    }
    qsizetype Size() const override { return qsizetype(m_positions.size()); }
    void AppendUtf8Lines(qsizetype from, qsizetype count, QByteArray &out) const override
    {
        m_entries.AppendUtf8Lines(std::span(m_positions).subspan(size_t(from), size_t(count)), out);
    }
    QStringList Texts() const override { return m_entries.Slices(m_positions); }

private:
    ListEntries m_entries;
    std::vector<int> m_positions;
};

QString ListName(int pmode)
{
    return pmode == 5 ? QCoreApplication::translate("Engine", "图片列表")
                      : QCoreApplication::translate("Engine", "名单");
}

} // namespace

ListContents ReadListContents(int pmode, const QueryParams &params, const QByteArray &listUtf8)
{
    const ListQuery query = ReadListQuery(pmode, params);
    ListContents contents;
    // Picture paths are joined by "|" and are not escaped list text: they stay as stored.
    if (pmode == 5)
        contents.entries = ListEntries::Split(query.listText, u"|");
    else if (!listUtf8.isNull())
        contents.entries = ExpandWeights(listUtf8, query.weighted, RequireSpliter(query.spliterName));
    else
        contents.entries = ExpandWeights(query.listText, query.weighted, RequireSpliter(query.spliterName));
    contents.ranCount = ParseCount(query.ranCount, QCoreApplication::translate("Engine", "抽取数量"), 1, kMaxRanCount);
    return contents;
}

ListGenerator::ListGenerator(int pmode, const QueryParams &params, const QByteArray &listUtf8) : m_pmode(pmode)
{
    const ListQuery query = ReadListQuery(pmode, params);
    const auto [entries, ranCount] = ReadListContents(pmode, params, listUtf8);
    m_ranCount = ranCount;
    m_allowRepeat = query.allowRepeat;
    m_autoDel = query.autoDel;
    m_workList = DrawList(entries);
    m_entries = entries;

    if (m_workList.Remaining() == 0)
        throw SuiteError(QCoreApplication::translate("Engine", "%1是空的，请至少填写一项。").arg(ListName(pmode)));
    if (!m_allowRepeat && !m_workList.HasDistinct(m_ranCount))
        throw SuiteError(QCoreApplication::translate(
                             "Engine", "%1只有 %2 个不同的条目，少于每次抽取的数量 %3。请增加条目、减少抽取数量%4。")
                             .arg(ListName(pmode))
                             .arg(m_workList.DistinctRemaining())
                             .arg(m_ranCount)
                             .arg(pmode == 2 ? QCoreApplication::translate("Engine", "或允许重复") : QString()));
    m_savedList = m_workList;
}

void ListGenerator::UseFairness(const FairSettings &settings)
{
    m_fair.reset();
    if (settings.mode != FairMode::Plain && TypeDrawsFairly(m_pmode))
        m_fair.emplace(settings, DistinctEntries(m_entries.ToStringList()), m_ranCount);
}

QString ListGenerator::ReplaceAbsent(const GenerationContext &context, const QString &absent, const QSet<QString> &keep,
                                     QString *notice)
{
    const FairChooser plain(FairSettings{}, DistinctEntries(m_entries.ToStringList()), m_ranCount);
    const FairChooser &chooser = m_fair ? *m_fair : plain;
    const FairChooser::Choice choice =
        chooser.Replace(context.fairness, context.draws, QDate::currentDate(), absent, keep);
    if (notice)
        *notice = choice.notice;
    return choice.results.first();
}

Batch ListGenerator::Generate(const GenerationContext &context)
{
    Batch batch;
    if (context.finalDraw && m_fair && context.fairness) {
        const FairChooser::Choice choice = m_fair->Choose(*context.fairness, context.draws, QDate::currentDate());
        batch.results = choice.results;
        batch.newRound = choice.newRound;
        batch.fairNotice = choice.notice;
        m_workList = m_savedList;
        return batch;
    }
    std::vector<int> positions =
        ListDrawPositions(m_workList, context.draws, m_allowRepeat, m_ranCount, ListName(m_pmode));
    // Pictures keep their texts: they are the paths of the pictures to show as well.
    if (GivesCompactResults(context) && m_pmode != 5)
        batch.compact = std::make_shared<ListResults>(m_entries, std::move(positions));
    else
        batch.results = m_entries.Slices(positions);
    if (m_pmode == 5)
        batch.picturePaths = batch.results;

    // The batch that ends a draw commits its removals even if the animation flag is
    // still up; an intermediate frame never removes anything.
    const bool intermediate = context.inDraw && !context.finalDraw;
    if (!m_autoDel || intermediate) {
        m_workList = m_savedList;
    } else {
        if (context.finalDraw)
            m_savedList = m_workList;
        // Counted in distinct texts: the next batch removes texts, not copies.
        batch.remainingShort = !m_allowRepeat && !m_workList.HasDistinct(m_ranCount);
    }
    return batch;
}
