#include "customconversion.h"

#include "domutil.h"
#include "groupstatistics.h"
#include "yesno.h"

namespace {
QueryParams combination(const QString &typeList, const QString &queryList, const QString &nameList,
                        const QString &allowRepeat, const QString &ranCount, const QString &format,
                        const QString &spliter)
{
    return {ProjectTypeAt(0).mode, typeList, queryList, nameList, allowRepeat, ranCount, format, spliter};
}

} // namespace

bool CanConvertToCustom(int pmode)
{
    return pmode == 4 || pmode == 8 || pmode == 10 || pmode == 11 || pmode == 13;
}

QuerySection ConvertToCustomQuery(int pmode, const QueryParams &p)
{
    switch (pmode) {
    case 4: {
        // TaskList, MemberList, Spliter, TaskCountForEachMember, Format
        const QString queries = QStringLiteral("否||") + p.value(2) + QStringLiteral("||否||是||1") + kGroupSeparator
                                + QStringLiteral("否||") + p.value(1) + QStringLiteral("||否||是||") + p.value(4);
        const int tasks = ListItemCount(UnescapeListText(p.value(2)), p.value(3));
        return {0, combination(QStringLiteral("列举模式##列举模式"), queries, QStringLiteral("人员列表##任务列表"), kNo,
                               QString::number(tasks), p.value(5), p.value(3))};
    }
    case 8: {
        // DimeCount, DimeList, RanCount, AllowRepeat, Format
        QStringList types, queries, names;
        QStringList dimensions = SplitText(p.value(2), QStringLiteral("|"));
        dimensions.removeAll(QString());
        for (int i = 0; i < dimensions.size(); ++i) {
            types << kGroupRange;
            queries << QString(dimensions.at(i)).replace(QLatin1Char(','), QStringLiteral("||"));
            names << QStringLiteral("第%1维").arg(i + 1);
        }
        return {0, combination(types.join(kGroupSeparator), queries.join(kGroupSeparator), names.join(kGroupSeparator),
                               p.value(4), p.value(3), p.value(5), QStringLiteral("空格"))};
    }
    case 10: {
        // PrizeLists, MemberLists, Spliter, EveryPrizeGetMemberCount, AutoDel, Format
        const QString queries = QStringLiteral("自定义||") + p.value(1) + kGroupSeparator + QStringLiteral("否||")
                                + p.value(2) + QStringLiteral("||否||") + p.value(5) + QStringLiteral("||") + p.value(4);
        const qsizetype prizes = SplitText(p.value(1), QStringLiteral(",")).size();
        return {0, combination(QStringLiteral("编号##列举模式"), queries, QStringLiteral("奖项列表##人员列表"), kNo,
                               QString::number(prizes), p.value(6), p.value(3))};
    }
    case 11:
        return {14, p};
    case 13:
        // Vars, GroupFormat, RandVars, EqualVars, RanCount, AllowRepeat
        return {14, {ProjectTypeAt(14).mode, p.value(1), p.value(2), p.value(3), p.value(4), QString(),
                     QStringLiteral("或"), QStringLiteral("重新取值"), p.value(5), p.value(6)}};
    default:
        return {pmode, p};
    }
}

void ReplaceQuerySection(QDomDocument &document, const QuerySection &section)
{
    QDomElement root = document.documentElement();
    QDomElement rand = ChildElement(ChildElement(root, QStringLiteral("RandQuery")), QStringLiteral("Rand"));
    QDomElement oldQuery = FindChildElement(rand, QStringLiteral("Query"));
    if (!oldQuery.isNull())
        rand.removeChild(oldQuery);
    rand.appendChild(document.createElement(QStringLiteral("Query")));
    WriteQuerySection(document, section.params, section.pmode);
}
