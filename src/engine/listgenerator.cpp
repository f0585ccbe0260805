#include "listgenerator.h"

#include "querysection.h"
#include "queryvalues.h"
#include "suiteerror.h"

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
        throw SuiteError(QStringLiteral("项目类型 %1 不是名单类型。").arg(pmode));
    }
}

QString ListName(int pmode)
{
    return pmode == 5 ? QStringLiteral("图片列表") : QStringLiteral("名单");
}

} // namespace

ListGenerator::ListGenerator(int pmode, const QueryParams &params) : m_pmode(pmode)
{
    const ListQuery query = ReadListQuery(pmode, params);
    // Picture paths are joined by "|" and are not escaped list text: they stay as stored.
    const QStringList entries = pmode == 5 ? SplitText(query.listText, QStringLiteral("|"))
                                           : ExpandWeights(query.listText, query.weighted,
                                                           RequireSpliter(query.spliterName));
    m_ranCount = ParseCount(query.ranCount, QStringLiteral("抽取数量"), 1, kMaxRanCount);
    m_allowRepeat = query.allowRepeat;
    m_autoDel = query.autoDel;
    m_workList = DrawList(entries);

    if (m_workList.Remaining() == 0)
        throw SuiteError(QStringLiteral("%1是空的，请至少填写一项。").arg(ListName(pmode)));
    if (!m_allowRepeat && m_workList.DistinctRemaining() < m_ranCount)
        throw SuiteError(QStringLiteral("%1只有 %2 个不同的条目，少于每次抽取的数量 %3。请增加条目、减少抽取数量%4。")
                             .arg(ListName(pmode))
                             .arg(m_workList.DistinctRemaining())
                             .arg(m_ranCount)
                             .arg(pmode == 2 ? QStringLiteral("或允许重复") : QString()));
    m_savedList = m_workList;
}

Batch ListGenerator::Generate(const GenerationContext &context)
{
    Batch batch;
    batch.results = ListDraw(m_workList, context.draws, m_allowRepeat, m_ranCount, ListName(m_pmode));
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
        batch.remainingShort = !m_allowRepeat && m_workList.DistinctRemaining() < m_ranCount;
    }
    return batch;
}
