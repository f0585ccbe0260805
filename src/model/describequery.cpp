#include "describequery.h"

#include "storedvaluetext.h"

#include <QCoreApplication>

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
    lines << indent + methodLabel + StoredValueText(pieces.value(0));
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
        shown << f.at(0) + QLatin1Char(' ') + StoredValueText(f.at(1)) + QLatin1Char(' ') + f.at(2);
    }
    const QString joined = shown.join(QLatin1Char(' ') + StoredValueText(relation) + QLatin1Char(' '));
    lines << kSpace
                 + QCoreApplication::translate("DescribeQuery", "当【%1】时，%2")
                       .arg(joined, StoredValueText(conditionType));
}

// Types 11, 13 and 14. `withConditions`: the query holds Conditions, ConditionRelat
// and ConditionType after EqualVars.
void describeCalculation(QStringList &lines, const QueryParams &params, bool withConditions, bool custom)
{
    lines << kSpace + QCoreApplication::translate("DescribeQuery", "变量列表：") + param(params, 1);
    lines << kSpace
                 + (custom ? QCoreApplication::translate("DescribeQuery", "编码格式：")
                           : QCoreApplication::translate("DescribeQuery", "题目格式："))
                 + param(params, 2);
    lines << kSpace + QCoreApplication::translate("DescribeQuery", "随机变量列表：");
    for (const QString &row : tableRows(param(params, 3))) {
        const QStringList f = rowFields(row, 4);
        lines << kSpace + kSpace
                     + QCoreApplication::translate("DescribeQuery", "[%1]：最小值：%2　最大值：%3　精确度：%4")
                           .arg(f.at(0), f.at(1), f.at(2), f.at(3));
    }
    lines << kSpace + QCoreApplication::translate("DescribeQuery", "关系变量列表：");
    for (const QString &row : tableRows(param(params, 4))) {
        const QStringList f = rowFields(row, 2);
        lines << kSpace + kSpace + QLatin1Char('[') + f.at(0) + QStringLiteral("]=") + f.at(1);
    }
    if (withConditions && !param(params, 5).isEmpty())
        describeCondition(lines, param(params, 5), param(params, 6), param(params, 7));
    const int countIndex = int(params.size()) - 2;
    lines << kSpace
                 + (custom ? QCoreApplication::translate("DescribeQuery", "生成的随机数数量：")
                           : QCoreApplication::translate("DescribeQuery", "题目数量："))
                 + param(params, countIndex);
    lines << kSpace + QCoreApplication::translate("DescribeQuery", "是否允许重复：")
                 + StoredValueText(param(params, countIndex + 1));
}

void describeEquation(QStringList &lines, const QueryParams &params)
{
    lines << kSpace + QCoreApplication::translate("DescribeQuery", "方程元数：") + param(params, 1);
    lines << kSpace + QCoreApplication::translate("DescribeQuery", "未知量列表：");
    for (const QString &row : tableRows(param(params, 2))) {
        const QStringList f = rowFields(row, 5);
        lines << kSpace + kSpace
                     + QCoreApplication::translate("DescribeQuery", "【%1】%2：最小值：%3　最大值：%4　精确度：%5")
                           .arg(f.at(0), f.at(1), f.at(2), f.at(3), f.at(4));
    }
    lines << kSpace + QCoreApplication::translate("DescribeQuery", "系数列表：");
    for (const QString &row : tableRows(param(params, 3))) {
        const QStringList f = rowFields(row, 4);
        lines << kSpace + kSpace
                     + QCoreApplication::translate("DescribeQuery", "【%1】：最小值：%2　最大值：%3　精确度：%4")
                           .arg(f.at(0), f.at(1), f.at(2), f.at(3));
    }
    lines << kSpace + QCoreApplication::translate("DescribeQuery", "方程表达式：") + param(params, 4);
    lines << kSpace + QCoreApplication::translate("DescribeQuery", "题目数量：") + param(params, 5);
    lines << kSpace + QCoreApplication::translate("DescribeQuery", "是否允许重复：")
                 + StoredValueText(param(params, 6));
}

void describeCoordinates(QStringList &lines, const QueryParams &params)
{
    lines << kSpace + QCoreApplication::translate("DescribeQuery", "坐标维数：") + param(params, 1);
    const QStringList dimensions = tableRows(param(params, 2));
    for (int i = 0; i < dimensions.size(); ++i) {
        const QStringList f = rowFields(dimensions.at(i), 6);
        lines << kSpace + QCoreApplication::translate("DescribeQuery", "第%1维：").arg(i + 1);
        lines << kSpace + kSpace + QCoreApplication::translate("DescribeQuery", "最小值：") + f.at(0) + kSpace
                     + QCoreApplication::translate("DescribeQuery", "最大值：") + f.at(1)
                     + QCoreApplication::translate("DescribeQuery", "  精确度：") + f.at(2);
        lines << kSpace + kSpace + QCoreApplication::translate("DescribeQuery", "格式：") + f.at(3);
        lines << kSpace + kSpace + QCoreApplication::translate("DescribeQuery", "是否允许重复：")
                     + StoredValueText(f.at(4));
    }
    lines << kSpace + QCoreApplication::translate("DescribeQuery", "生成坐标数量：") + param(params, 3);
    lines << kSpace + QCoreApplication::translate("DescribeQuery", "坐标是否允许重复：")
                 + StoredValueText(param(params, 4));
    lines << kSpace + QCoreApplication::translate("DescribeQuery", "编码格式：") + param(params, 5);
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
            lines << (name.isEmpty()
                          ? kSpace + QCoreApplication::translate("DescribeQuery", "第%1组：").arg(i + 1)
                          : QStringLiteral("  ") + QCoreApplication::translate("DescribeQuery", "%1：").arg(name));
            lines << kSpace + kSpace + QCoreApplication::translate("DescribeQuery", "类型：")
                         + StoredValueText(types.at(i));
            lines << DescribeGroupQuery(types.at(i), queries.value(i), param(params, 7), kSpace + kSpace);
        }
    }
    lines << kSpace + QCoreApplication::translate("DescribeQuery", "是否允许重复：")
                 + StoredValueText(param(params, 4));
    lines << kSpace + QCoreApplication::translate("DescribeQuery", "生成的随机数数量：") + param(params, 5);
    lines << kSpace + QCoreApplication::translate("DescribeQuery", "编码格式：") + param(params, 6);
}
} // namespace

QStringList DescribeGroupQuery(const QString &groupType, const QString &groupQuery, const QString &spliterName,
                               const QString &indent)
{
    const QStringList f = SplitGroupFields(groupQuery);
    auto field = [&f](int i) { return f.value(i); };
    QStringList lines;
    if (groupType == QStringLiteral("编号")) {
        lines << indent + QCoreApplication::translate("DescribeQuery", "编号类型：") + StoredValueText(field(0));
        if (field(0) == QStringLiteral("自定义"))
            lines << indent + QCoreApplication::translate("DescribeQuery", "编号列表：") + UnescapeListText(field(1));
        else
            lines << indent + QCoreApplication::translate("DescribeQuery", "编号起始值：") + field(1);
    } else if (groupType == QStringLiteral("数值范围模式")) {
        // Inside a combination the precision stands two ideographic spaces off.
        const QString predGap = indent.isEmpty() ? kSpace : kSpace + kSpace;
        lines << indent + QCoreApplication::translate("DescribeQuery", "最小值：") + field(0) + kSpace
                     + QCoreApplication::translate("DescribeQuery", "最大值：") + field(1) + predGap
                     + QCoreApplication::translate("DescribeQuery", "精确度：") + field(2);
        lines << indent + QCoreApplication::translate("DescribeQuery", "格式：") + field(3);
        lines << indent + QCoreApplication::translate("DescribeQuery", "是否允许重复：") + StoredValueText(field(4));
        lines << indent + QCoreApplication::translate("DescribeQuery", "随机数数量：") + field(5);
    } else if (groupType == QStringLiteral("列举模式")) {
        lines << indent + QCoreApplication::translate("DescribeQuery", "是否设置概率：") + StoredValueText(field(0));
        if (field(0) == kYes)
            describeWeightedList(lines, field(1), indent,
                                 QCoreApplication::translate("DescribeQuery", "概率设置方式："),
                                 QCoreApplication::translate("DescribeQuery", "名单："));
        else
            lines << indent + QCoreApplication::translate("DescribeQuery", "名单：") + UnescapeListText(field(1));
        lines << indent + QCoreApplication::translate("DescribeQuery", "分隔符：") + StoredValueText(spliterName);
        lines << indent + QCoreApplication::translate("DescribeQuery", "是否允许重复：") + StoredValueText(field(2));
        if (field(3) == kYes)
            lines << indent + QCoreApplication::translate("DescribeQuery", "生成随机数后，自动排除已生成的随机数");
        lines << indent + QCoreApplication::translate("DescribeQuery", "随机数数量：") + field(4);
    } else if (groupType == QStringLiteral("密码模式")) {
        lines << indent + QCoreApplication::translate("DescribeQuery", "密码长度：") + field(0);
        lines << indent + QCoreApplication::translate("DescribeQuery", "密码选项：")
                     + StoredValueListText(field(1), QLatin1Char('|'));
        // The group editor's preview (no indent) speaks of passwords as its dialog does.
        lines << indent
                     + (indent.isEmpty() ? QCoreApplication::translate("DescribeQuery", "密码数量：")
                                         : QCoreApplication::translate("DescribeQuery", "随机数数量："))
                     + field(2);
    } else if (groupType == QStringLiteral("图片模式")) {
        lines << indent + QCoreApplication::translate("DescribeQuery", "图片列表：");
        for (const QString &path : tableRows(field(0)))
            lines << indent + kSpace + path;
        if (field(1) == kYes)
            lines << indent + QCoreApplication::translate("DescribeQuery", "抽取图片后，自动排除已抽取的照片");
        lines << indent + QCoreApplication::translate("DescribeQuery", "抽取图片数量：") + field(2);
    }
    return lines;
}

void DescribeQuery(QStringList &lines, const QueryParams &params, int pmode)
{
    if (pmode < 0 || pmode >= kProjectTypeCount)
        return;
    const QString mode = pmode == 10 ? QStringLiteral("列举模式") : ProjectTypeAt(pmode).mode;
    lines << QCoreApplication::translate("DescribeQuery", "生成模式：") + StoredValueText(mode);
    lines << QCoreApplication::translate("DescribeQuery", "详细参数：");
    auto line = [&lines](const char *label, const QString &value) {
        lines << kSpace + QCoreApplication::translate("DescribeQuery", label) + value;
    };
    auto note = [&lines](bool shown, const char *text) {
        if (shown)
            lines << kSpace + QCoreApplication::translate("DescribeQuery", text);
    };
    auto p = [&params](int i) { return param(params, i); };
    // Stored words (yes/no, separator names, password kinds) are shown in the interface language.
    auto word = [&params](int i) { return StoredValueText(param(params, i)); };
    auto shownList = [&params](int i) { return UnescapeListText(param(params, i)); };

    switch (pmode) {
    case 0:
        describeCombination(lines, params);
        break;
    case 1:
        lines << kSpace + QCoreApplication::translate("DescribeQuery", "最小值：") + p(1) + kSpace
                     + QCoreApplication::translate("DescribeQuery", "最大值：") + p(2) + kSpace
                     + QCoreApplication::translate("DescribeQuery", "精确度：") + p(3);
        line(QT_TRANSLATE_NOOP("DescribeQuery", "格式："), p(4));
        line(QT_TRANSLATE_NOOP("DescribeQuery", "随机数数量："), p(5));
        line(QT_TRANSLATE_NOOP("DescribeQuery", "是否允许重复："), word(6));
        break;
    case 2:
        line(QT_TRANSLATE_NOOP("DescribeQuery", "是否设置概率："), word(1));
        if (p(1) == kYes)
            describeWeightedList(lines, p(2), kSpace, QCoreApplication::translate("DescribeQuery", "概率设置方式："),
                                 QCoreApplication::translate("DescribeQuery", "名单："));
        else
            line(QT_TRANSLATE_NOOP("DescribeQuery", "名单："), shownList(2));
        line(QT_TRANSLATE_NOOP("DescribeQuery", "分隔符："), word(3));
        line(QT_TRANSLATE_NOOP("DescribeQuery", "每次点名数量："), p(4));
        line(QT_TRANSLATE_NOOP("DescribeQuery", "是否允许重复："), word(5));
        note(p(6) == kYes, QT_TRANSLATE_NOOP("DescribeQuery", "生成随机数后，自动排除已生成的随机数"));
        break;
    case 3:
        line(QT_TRANSLATE_NOOP("DescribeQuery", "名单："), shownList(1));
        line(QT_TRANSLATE_NOOP("DescribeQuery", "分隔符："), word(2));
        break;
    case 4:
        line(QT_TRANSLATE_NOOP("DescribeQuery", "任务列表："), shownList(1));
        line(QT_TRANSLATE_NOOP("DescribeQuery", "人员列表："), shownList(2));
        line(QT_TRANSLATE_NOOP("DescribeQuery", "分隔符："), word(3));
        line(QT_TRANSLATE_NOOP("DescribeQuery", "每人分配任务数量："), p(4));
        line(QT_TRANSLATE_NOOP("DescribeQuery", "编码格式："), p(5));
        break;
    case 5:
        line(QT_TRANSLATE_NOOP("DescribeQuery", "图片列表："), {});
        for (const QString &path : tableRows(p(1)))
            lines << kSpace + kSpace + path;
        line(QT_TRANSLATE_NOOP("DescribeQuery", "抽取图片数量："), p(2));
        note(p(3) == kYes, QT_TRANSLATE_NOOP("DescribeQuery", "抽取图片后，自动排除已抽取的照片"));
        break;
    case 6:
        line(QT_TRANSLATE_NOOP("DescribeQuery", "密码长度："), p(1));
        line(QT_TRANSLATE_NOOP("DescribeQuery", "密码选项："), StoredValueListText(p(2), QLatin1Char('|')));
        line(QT_TRANSLATE_NOOP("DescribeQuery", "密码数量："), p(3));
        break;
    case 7:
        line(QT_TRANSLATE_NOOP("DescribeQuery", "单词/字词列表："), {});
        lines << kSpace + kSpace + shownList(1);
        line(QT_TRANSLATE_NOOP("DescribeQuery", "分隔符："), word(3));
        line(QT_TRANSLATE_NOOP("DescribeQuery", "每次抽取单词/字词数量："), p(2));
        note(p(4) == kYes, QT_TRANSLATE_NOOP("DescribeQuery", "抽取一个单词/字词后，自动排除该单词/字词"));
        break;
    case 8:
        describeCoordinates(lines, params);
        break;
    case 9:
        line(QT_TRANSLATE_NOOP("DescribeQuery", "抽奖人员名单："), shownList(1));
        line(QT_TRANSLATE_NOOP("DescribeQuery", "分隔符："), word(2));
        line(QT_TRANSLATE_NOOP("DescribeQuery", "每次抽奖人数："), p(3));
        note(p(4) == kYes, QT_TRANSLATE_NOOP("DescribeQuery", "抽奖后，排除已抽过的人员"));
        break;
    case 10:
        line(QT_TRANSLATE_NOOP("DescribeQuery", "奖项列表："), shownList(1));
        line(QT_TRANSLATE_NOOP("DescribeQuery", "人员列表："), shownList(2));
        line(QT_TRANSLATE_NOOP("DescribeQuery", "分隔符："), word(3));
        line(QT_TRANSLATE_NOOP("DescribeQuery", "每个奖项获得人数："), p(4));
        note(p(5) == kYes, QT_TRANSLATE_NOOP("DescribeQuery", "抽奖后，排除已抽过的人员"));
        line(QT_TRANSLATE_NOOP("DescribeQuery", "编码格式："), p(6));
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
