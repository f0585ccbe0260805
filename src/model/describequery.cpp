#include "describequery.h"

namespace {
const QString kSpace = QStringLiteral("　"); // ideographic space U+3000
const QString kYes = QStringLiteral("是");

QString param(const QueryParams &params, int index)
{
    return params.value(index);
}

// Rows of a "|"-joined table such as RandVars or DimeList; an empty text has no rows.
QStringList tableRows(const QString &text, QChar separator = QLatin1Char('|'))
{
    QStringList rows;
    for (const QString &row : text.split(separator))
        if (!row.isEmpty())
            rows << row;
    return rows;
}

// Fields of one row: the first `count - 1` commas separate, the last field keeps any
// further commas (an expression may hold them).
QStringList rowFields(const QString &row, int count)
{
    QStringList fields;
    QString rest = row;
    for (int i = 0; i < count - 1; ++i) {
        const int comma = rest.indexOf(QLatin1Char(','));
        if (comma < 0)
            break;
        fields << rest.left(comma);
        rest = rest.mid(comma + 1);
    }
    fields << rest;
    while (fields.size() < count)
        fields << QString();
    return fields;
}

// Method and rows of a weighted list text "加权&items:weight&…".
void describeWeightedList(QStringList &lines, const QString &weighted, const QString &indent,
                          const QString &methodLabel, const QString &listLabel)
{
    const QStringList pieces = weighted.split(QLatin1Char('&'));
    lines << indent + methodLabel + pieces.value(0);
    lines << indent + listLabel;
    for (int i = 1; i < pieces.size(); ++i)
        lines << indent + kSpace + UnescapeListText(pieces.at(i));
}

void describeCondition(QStringList &lines, const QString &conditions, const QString &relation,
                       const QString &conditionType)
{
    QStringList shown;
    for (const QString &row : tableRows(conditions)) {
        const QStringList f = rowFields(row, 3);
        shown << f.at(0) + QLatin1Char(' ') + f.at(1) + QLatin1Char(' ') + f.at(2);
    }
    lines << kSpace + QStringLiteral("当【") + shown.join(QLatin1Char(' ') + relation + QLatin1Char(' '))
                 + QStringLiteral("】时，") + conditionType;
}

// Types 11, 13 and 14. `withConditions`: the query holds Conditions, ConditionRelat
// and ConditionType after EqualVars.
void describeCalculation(QStringList &lines, const QueryParams &params, bool withConditions, bool custom)
{
    lines << kSpace + QStringLiteral("变量列表：") + param(params, 1);
    lines << kSpace + (custom ? QStringLiteral("编码格式：") : QStringLiteral("题目格式：")) + param(params, 2);
    lines << kSpace + QStringLiteral("随机变量列表：");
    for (const QString &row : tableRows(param(params, 3))) {
        const QStringList f = rowFields(row, 4);
        lines << kSpace + kSpace + QLatin1Char('[') + f.at(0) + QStringLiteral("]：最小值：") + f.at(1) + kSpace
                     + QStringLiteral("最大值：") + f.at(2) + kSpace + QStringLiteral("精确度：") + f.at(3);
    }
    lines << kSpace + QStringLiteral("关系变量列表：");
    for (const QString &row : tableRows(param(params, 4))) {
        const QStringList f = rowFields(row, 2);
        lines << kSpace + kSpace + QLatin1Char('[') + f.at(0) + QStringLiteral("]=") + f.at(1);
    }
    if (withConditions && !param(params, 5).isEmpty())
        describeCondition(lines, param(params, 5), param(params, 6), param(params, 7));
    const int countIndex = int(params.size()) - 2;
    lines << kSpace + (custom ? QStringLiteral("生成的随机数数量：") : QStringLiteral("题目数量："))
                 + param(params, countIndex);
    lines << kSpace + QStringLiteral("是否允许重复：") + param(params, countIndex + 1);
}

void describeEquation(QStringList &lines, const QueryParams &params)
{
    lines << kSpace + QStringLiteral("方程元数：") + param(params, 1);
    lines << kSpace + QStringLiteral("未知量列表：");
    for (const QString &row : tableRows(param(params, 2))) {
        const QStringList f = rowFields(row, 5);
        lines << kSpace + kSpace + QStringLiteral("【") + f.at(0) + QStringLiteral("】") + f.at(1)
                     + QStringLiteral("：最小值：") + f.at(2) + kSpace + QStringLiteral("最大值：") + f.at(3) + kSpace
                     + QStringLiteral("精确度：") + f.at(4);
    }
    lines << kSpace + QStringLiteral("系数列表：");
    for (const QString &row : tableRows(param(params, 3))) {
        const QStringList f = rowFields(row, 4);
        lines << kSpace + kSpace + QStringLiteral("【") + f.at(0) + QStringLiteral("】：最小值：") + f.at(1) + kSpace
                     + QStringLiteral("最大值：") + f.at(2) + kSpace + QStringLiteral("精确度：") + f.at(3);
    }
    lines << kSpace + QStringLiteral("方程表达式：") + param(params, 4);
    lines << kSpace + QStringLiteral("题目数量：") + param(params, 5);
    lines << kSpace + QStringLiteral("是否允许重复：") + param(params, 6);
}

void describeCoordinates(QStringList &lines, const QueryParams &params)
{
    lines << kSpace + QStringLiteral("坐标维数：") + param(params, 1);
    const QStringList dimensions = tableRows(param(params, 2));
    for (int i = 0; i < dimensions.size(); ++i) {
        const QStringList f = rowFields(dimensions.at(i), 6);
        lines << kSpace + QStringLiteral("第") + QString::number(i + 1) + QStringLiteral("维：");
        lines << kSpace + kSpace + QStringLiteral("最小值：") + f.at(0) + kSpace + QStringLiteral("最大值：") + f.at(1)
                     + QStringLiteral("  精确度：") + f.at(2);
        lines << kSpace + kSpace + QStringLiteral("格式：") + f.at(3);
        lines << kSpace + kSpace + QStringLiteral("是否允许重复：") + f.at(4);
    }
    lines << kSpace + QStringLiteral("生成坐标数量：") + param(params, 3);
    lines << kSpace + QStringLiteral("坐标是否允许重复：") + param(params, 4);
    lines << kSpace + QStringLiteral("编码格式：") + param(params, 5);
}

void describeCombination(QStringList &lines, const QueryParams &params)
{
    const QString typeList = param(params, 1);
    if (!typeList.isEmpty()) {
        const QStringList types = typeList.split(QStringLiteral("##"));
        const QStringList queries = SplitGroupQueries(typeList, param(params, 2));
        const QStringList names = param(params, 3).split(QStringLiteral("##"));
        for (int i = 0; i < types.size(); ++i) {
            const QString name = names.value(i);
            lines << (name.isEmpty() ? kSpace + QStringLiteral("第") + QString::number(i + 1) + QStringLiteral("组：")
                                     : QStringLiteral("  ") + name + QStringLiteral("："));
            lines << kSpace + kSpace + QStringLiteral("类型：") + types.at(i);
            lines << DescribeGroupQuery(types.at(i), queries.value(i), param(params, 7), kSpace + kSpace);
        }
    }
    lines << kSpace + QStringLiteral("是否允许重复：") + param(params, 4);
    lines << kSpace + QStringLiteral("生成的随机数数量：") + param(params, 5);
    lines << kSpace + QStringLiteral("编码格式：") + param(params, 6);
}
} // namespace

QStringList DescribeGroupQuery(const QString &groupType, const QString &groupQuery, const QString &spliterName,
                               const QString &indent)
{
    const QStringList f = SplitGroupFields(groupQuery);
    auto field = [&f](int i) { return f.value(i); };
    QStringList lines;
    if (groupType == QStringLiteral("编号")) {
        lines << indent + QStringLiteral("编号类型：") + field(0);
        if (field(0) == QStringLiteral("自定义"))
            lines << indent + QStringLiteral("编号列表：") + UnescapeListText(field(1));
        else
            lines << indent + QStringLiteral("编号起始值：") + field(1);
    } else if (groupType == QStringLiteral("数值范围模式")) {
        // Inside a combination the precision stands two ideographic spaces off.
        const QString predGap = indent.isEmpty() ? kSpace : kSpace + kSpace;
        lines << indent + QStringLiteral("最小值：") + field(0) + kSpace + QStringLiteral("最大值：") + field(1) + predGap
                     + QStringLiteral("精确度：") + field(2);
        lines << indent + QStringLiteral("格式：") + field(3);
        lines << indent + QStringLiteral("是否允许重复：") + field(4);
        lines << indent + QStringLiteral("随机数数量：") + field(5);
    } else if (groupType == QStringLiteral("列举模式")) {
        lines << indent + QStringLiteral("是否设置概率：") + field(0);
        if (field(0) == kYes)
            describeWeightedList(lines, field(1), indent, QStringLiteral("概率设置方式："), QStringLiteral("名单："));
        else
            lines << indent + QStringLiteral("名单：") + UnescapeListText(field(1));
        lines << indent + QStringLiteral("分隔符：") + spliterName;
        lines << indent + QStringLiteral("是否允许重复：") + field(2);
        if (field(3) == kYes)
            lines << indent + QStringLiteral("生成随机数后，自动排除已生成的随机数");
        lines << indent + QStringLiteral("随机数数量：") + field(4);
    } else if (groupType == QStringLiteral("密码模式")) {
        lines << indent + QStringLiteral("密码长度：") + field(0);
        lines << indent + QStringLiteral("密码选项：") + field(1);
        // The group editor's preview (no indent) speaks of passwords as its dialog does.
        lines << indent + (indent.isEmpty() ? QStringLiteral("密码数量：") : QStringLiteral("随机数数量：")) + field(2);
    } else if (groupType == QStringLiteral("图片模式")) {
        lines << indent + QStringLiteral("图片列表：");
        for (const QString &path : tableRows(field(0)))
            lines << indent + kSpace + path;
        if (field(1) == kYes)
            lines << indent + QStringLiteral("抽取图片后，自动排除已抽取的照片");
        lines << indent + QStringLiteral("抽取图片数量：") + field(2);
    }
    return lines;
}

void DescribeQuery(QStringList &lines, const QueryParams &params, int pmode)
{
    if (pmode < 0 || pmode >= kProjectTypeCount)
        return;
    const QString mode = pmode == 10 ? QStringLiteral("列举模式") : ProjectTypeAt(pmode).mode;
    lines << QStringLiteral("生成模式：") + mode;
    lines << QStringLiteral("详细参数：");
    auto line = [&lines](const char *label, const QString &value) {
        lines << kSpace + QString::fromUtf8(label) + value;
    };
    auto note = [&lines](bool shown, const char *text) {
        if (shown)
            lines << kSpace + QString::fromUtf8(text);
    };
    auto p = [&params](int i) { return param(params, i); };
    auto shownList = [&params](int i) { return UnescapeListText(param(params, i)); };

    switch (pmode) {
    case 0:
        describeCombination(lines, params);
        break;
    case 1:
        lines << kSpace + QStringLiteral("最小值：") + p(1) + kSpace + QStringLiteral("最大值：") + p(2) + kSpace
                     + QStringLiteral("精确度：") + p(3);
        line("格式：", p(4));
        line("随机数数量：", p(5));
        line("是否允许重复：", p(6));
        break;
    case 2:
        line("是否设置概率：", p(1));
        if (p(1) == kYes)
            describeWeightedList(lines, p(2), kSpace, QStringLiteral("概率设置方式："), QStringLiteral("名单："));
        else
            line("名单：", shownList(2));
        line("分隔符：", p(3));
        line("每次点名数量：", p(4));
        line("是否允许重复：", p(5));
        note(p(6) == kYes, "生成随机数后，自动排除已生成的随机数");
        break;
    case 3:
        line("名单：", shownList(1));
        line("分隔符：", p(2));
        break;
    case 4:
        line("任务列表：", shownList(1));
        line("人员列表：", shownList(2));
        line("分隔符：", p(3));
        line("每人分配任务数量：", p(4));
        line("编码格式：", p(5));
        break;
    case 5:
        line("图片列表：", {});
        for (const QString &path : tableRows(p(1)))
            lines << kSpace + kSpace + path;
        line("抽取图片数量：", p(2));
        note(p(3) == kYes, "抽取图片后，自动排除已抽取的照片");
        break;
    case 6:
        line("密码长度：", p(1));
        line("密码选项：", p(2));
        line("密码数量：", p(3));
        break;
    case 7:
        line("单词/字词列表：", {});
        lines << kSpace + kSpace + shownList(1);
        line("分隔符：", p(3));
        line("每次抽取单词/字词数量：", p(2));
        note(p(4) == kYes, "抽取一个单词/字词后，自动排除该单词/字词");
        break;
    case 8:
        describeCoordinates(lines, params);
        break;
    case 9:
        line("抽奖人员名单：", shownList(1));
        line("分隔符：", p(2));
        line("每次抽奖人数：", p(3));
        note(p(4) == kYes, "抽奖后，排除已抽过的人员");
        break;
    case 10:
        line("奖项列表：", shownList(1));
        line("人员列表：", shownList(2));
        line("分隔符：", p(3));
        line("每个奖项获得人数：", p(4));
        note(p(5) == kYes, "抽奖后，排除已抽过的人员");
        line("编码格式：", p(6));
        break;
    case 11:
        describeCalculation(lines, params, true, false);
        break;
    case 12:
        describeEquation(lines, params);
        break;
    case 13:
        describeCalculation(lines, params, false, false);
        break;
    case 14:
        if (!p(1).isEmpty())
            describeCalculation(lines, params, true, true);
        break;
    }
}
