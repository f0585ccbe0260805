#include "querysection.h"

#include "apppaths.h"
#include "domutil.h"
#include "storedvaluetext.h"
#include "suiteerror.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>

namespace {
const QString kRange = QStringLiteral("数值范围模式");
const QString kList = QStringLiteral("列举模式");
const QString kGroup = QStringLiteral("组合模式");
const QString kPicture = QStringLiteral("图片模式");
const QString kPassword = QStringLiteral("密码模式");
const QString kCalc = QStringLiteral("计算模式");
const QString kEquation = QStringLiteral("多元一次方程模式");

QString sampleImageList()
{
    QStringList paths;
    for (int i = 1; i <= 12; ++i)
        paths << QStringLiteral("[Application]Img/示例图片%1.jpg").arg(i);
    return paths.join(QLatin1Char('|'));
}

QVector<ProjectType> buildTypes()
{
    auto t = [](int pmode, const QString &caption, const QString &typeText, const QString &mode,
                QList<std::pair<QString, QString>> attributes) {
        ProjectType type{pmode, caption, typeText, mode, {}, {}};
        for (const auto &[name, value] : attributes) {
            type.attributes << name;
            type.defaults << value;
        }
        return type;
    };
    const QString yes = QStringLiteral("是");
    const QString no = QStringLiteral("否");
    using P = std::pair<QString, QString>;
    auto p = [](const char *name, const QString &value) { return P(QString::fromUtf8(name), value); };
    auto s = [](const char *text) { return QString::fromUtf8(text); };

    return {
        t(0, s("自定义"), s("自定义"), kGroup,
          {p("TypeList", {}), p("QueryList", {}), p("NameList", {}), p("AllowRepeat", yes), p("RanCount", s("1")),
           p("Format", {}), p("Spliter", s("空格"))}),
        t(1, s("生成数值型随机数"), s("生成数值型随机数"), kRange,
          {p("Min", s("1")), p("Max", s("100")), p("Pred", s("0.1")), p("Format", s("0.#")), p("RanCount", s("5")),
           p("AllowRepeat", no)}),
        t(2, s("随机点名"), s("随机点名"), kList,
          {p("PosSetAble", yes), p("Lists", s("加权&张三:2&李四 王五 赵六:1")), p("Spliter", s("空格")),
           p("RanCount", s("1")), p("AllowRepeat", no), p("AutoDel", no)}),
        t(3, s("随机排序"), s("随机排序"), kList,
          {p("Lists", s("张三 李四 王五 赵六")), p("Spliter", s("空格")), p("RanCount", s("4"))}),
        t(4, s("随机分配任务"), s("随机分配任务"), kGroup,
          {p("TaskList", s("任务A 任务B 任务C 任务D")), p("MemberList", s("张三 李四")), p("Spliter", s("空格")),
           p("TaskCountForEachMember", s("2")), p("Format", s("请[人员列表]去[任务列表]"))}),
        t(5, s("随机抽取图片"), s("随机抽取图片"), kPicture,
          {p("ImgList", sampleImageList()), p("RanCount", s("1")), p("AutoDel", no)}),
        t(6, s("随机密码"), s("随机密码"), kPassword,
          {p("PwLength", s("12")), p("PwOptions", s("小写字母|大写字母|数字|特殊符号")), p("RanCount", s("3"))}),
        t(7, s("随机抽取单词/字词"), s("随机抽取单词/字词"), kList,
          {p("List", s("teenager gossip exactly disagree grateful dislike")), p("RanCount", s("2")),
           p("Spliter", s("空格")), p("AutoDel", no)}),
        t(8, s("随机坐标"), s("随机坐标"), kGroup,
          {p("DimeCount", s("2")), p("DimeList", s("1,8,1,0,是,1|1,6,1,0,是,1")), p("RanCount", s("5")),
           p("AllowRepeat", no), p("Format", s("([第1维],[第2维])"))}),
        t(9, s("随机抽奖（单奖项）"), s("随机抽奖（单奖项）"), kList,
          {p("Lists", s("张三 李四 王五 赵六")), p("Spliter", s("空格")), p("RanCount", s("1")), p("AutoDel", yes)}),
        t(10, s("随机抽奖（多奖项）"), s("随机抽奖（多奖项）"), kGroup,
          {p("PrizeLists", s("特等奖,一等奖,二等奖,三等奖")), p("MemberLists", s("A B C D E F G")),
           p("Spliter", s("空格")), p("EveryPrizeGetMemberCount", s("1")), p("AutoDel", yes),
           p("Format", s("【[奖项列表]】[人员列表]"))}),
        t(11, s("随机四则运算"), s("随机四则运算"), kCalc,
          {p("Vars", s("a,b,c")), p("GroupFormat", s("[a]+[b]=(　)")), p("RandVars", s("a,0,9,1|b,0,9,1")),
           p("EqualVars", s("c,a+b")), p("Conditions", s("c,小于或等于,10")), p("ConditionRelat", s("且")),
           p("ConditionType", s("取当前值")), p("RanCount", s("5")), p("AllowRepeat", no)}),
        t(12, s("随机多元一次方程"), kEquation, kEquation,
          {p("TimesCount", s("2")), p("UnknownVars", s("x[1],x,1,5,1|x[2],y,1,5,1")),
           p("Factors", s("k[1],1,5,1|k[2],1,5,1")), p("EquationFormat", s("k[1]·x[1]+k[2]·x[2]=y")),
           p("RanCount", s("3")), p("AllowRepeat", no)}),
        t(13, s("随机一元二次方程"), s("随机一元二次方程"), kCalc,
          {p("Vars", s("a,b,c,x")), p("GroupFormat", s("[a]x^2+[b]x+[c]=0")),
           p("RandVars", s("a,1,5,1|b,1,5,1|x,1,5,1")), p("EqualVars", s("c,-a*x^2-b*x")), p("RanCount", s("3")),
           p("AllowRepeat", no)}),
        t(14, s("自定义运算"), s("自定义运算"), kCalc,
          {p("Vars", {}), p("GroupFormat", {}), p("RandVars", {}), p("EqualVars", {}), p("Conditions", {}),
           p("ConditionRelat", s("或")), p("ConditionType", s("重新取值")), p("RanCount", s("1")),
           p("AllowRepeat", no)}),
    };
}

// Only these attributes carry paths below the application directory.
bool holdsAppPaths(const QString &attribute)
{
    return attribute == QLatin1String("QueryList") || attribute == QLatin1String("ImgList");
}

const QString kAppMarker = QStringLiteral("[Application]");
} // namespace

const QVector<ProjectType> &ProjectTypes()
{
    static const QVector<ProjectType> types = buildTypes();
    return types;
}

const ProjectType &ProjectTypeAt(int pmode)
{
    Q_ASSERT(pmode >= 0 && pmode < kProjectTypeCount);
    return ProjectTypes().at(pmode);
}

QString ProjectTypeCaption(int pmode)
{
    return StoredValueText(ProjectTypeAt(pmode).caption);
}

QueryParams DefaultQueryParams(int pmode)
{
    const ProjectType &type = ProjectTypeAt(pmode);
    QueryParams params{type.mode};
    for (const QString &value : type.defaults)
        params << (holdsAppPaths(type.attributes.at(params.size() - 1)) ? ExpandAppMarker(value, kAppMarker) : value);
    return params;
}

int QueryParamIndex(int pmode, const QString &attribute)
{
    const int i = ProjectTypeAt(pmode).attributes.indexOf(attribute);
    return i < 0 ? -1 : i + 1;
}

void WriteQuerySection(QDomDocument &document, const QueryParams &params, int pmode)
{
    const ProjectType &type = ProjectTypeAt(pmode);
    QDomElement rand = ChildElement(ChildElement(document.documentElement(), QStringLiteral("RandQuery")),
                                    QStringLiteral("Rand"));
    rand.setAttribute(QStringLiteral("Mode"), params.value(0));
    QDomElement query = ChildElement(rand, QStringLiteral("Query"));
    rand.setAttribute(QStringLiteral("PMode"), QString::number(pmode));
    rand.setAttribute(QStringLiteral("Type"), type.typeText);
    for (int i = 0; i < type.attributes.size(); ++i) {
        QString value = params.value(i + 1);
        if (holdsAppPaths(type.attributes.at(i)))
            value = CollapseAppMarker(value, kAppMarker);
        query.setAttribute(type.attributes.at(i), value);
    }
}

const QStringList &QueryElementPath()
{
    static const QStringList path{QStringLiteral("RandQuery"), QStringLiteral("Rand"), QStringLiteral("Query")};
    return path;
}

QuerySection ReadQuerySection(const QDomDocument &document)
{
    return ReadQuerySection(document, {});
}

QuerySection ReadQuerySection(const QDomDocument &document, const KeptAttributeBytes &keptQueryValues)
{
    const QDomElement section = FindChildElement(document.documentElement(), QueryElementPath().at(0));
    if (section.isNull())
        throw SuiteError(QCoreApplication::translate("Model", "工程文件缺少随机数参数部分（RandQuery）。"));
    const QDomElement rand = FindChildElement(section, QueryElementPath().at(1));
    const QString pmodeText = rand.attribute(QStringLiteral("PMode"));
    bool ok = false;
    const int pmode = pmodeText.trimmed().toInt(&ok);
    if (!ok)
        throw SuiteError(
            QCoreApplication::translate("Model", "随机数参数中的项目类型（PMode）“%1”不是整数。").arg(pmodeText));
    if (pmode < 0 || pmode >= kProjectTypeCount)
        throw SuiteError(
            QCoreApplication::translate("Model", "随机数参数中的项目类型（PMode）“%1”超出范围，应为 0 到 14。")
                .arg(pmodeText));

    const ProjectType &type = ProjectTypeAt(pmode);
    // The list the list types draw their texts from (pictures keep paths in theirs).
    const bool textList = pmode == 2 || pmode == 3 || pmode == 7 || pmode == 9;
    const QString listAttribute = pmode == 7 ? QStringLiteral("List") : QStringLiteral("Lists");
    const QDomElement query = FindChildElement(rand, QueryElementPath().at(2));
    QuerySection result;
    result.pmode = pmode;
    result.params << type.mode;
    for (const QString &attribute : type.attributes) {
        const auto kept = keptQueryValues.constFind(attribute);
        if (kept != keptQueryValues.cend() && textList && attribute == listAttribute) {
            result.listUtf8 = *kept;
            result.params << QString();
            continue;
        }
        QString value = kept != keptQueryValues.cend() ? QString::fromUtf8(*kept) : query.attribute(attribute);
        if (holdsAppPaths(attribute))
            value = ExpandAppMarker(value, kAppMarker);
        result.params << value;
    }
    return result;
}

namespace {
const std::pair<const char *, const char *> kEscapes[] = {
    {":", "/colon/"}, {"&", "/add/"}, {"|", "/or/"}, {",", "/comma/"}, {"#", "/sharp/"},
};
} // namespace

bool ReadVerifiableOption(const QDomDocument &document)
{
    const QDomElement rand =
        FindChildElement(FindChildElement(document.documentElement(), QStringLiteral("RandQuery")), QStringLiteral("Rand"));
    return rand.attribute(QStringLiteral("Verifiable")) == QStringLiteral("是")
           && rand.attribute(QStringLiteral("PMode")) != QStringLiteral("6");
}

void WriteVerifiableOption(QDomDocument &document, bool verifiable)
{
    QDomElement rand = ChildElement(ChildElement(document.documentElement(), QStringLiteral("RandQuery")),
                                    QStringLiteral("Rand"));
    if (verifiable)
        rand.setAttribute(QStringLiteral("Verifiable"), QStringLiteral("是"));
    else
        rand.removeAttribute(QStringLiteral("Verifiable"));
}

QString EscapeListText(const QString &text)
{
    QString out = text;
    for (const auto &[plain, escaped] : kEscapes)
        out.replace(QLatin1String(plain), QLatin1String(escaped));
    return out;
}

QString UnescapeListText(const QString &text)
{
    QString out = text;
    for (const auto &[plain, escaped] : kEscapes)
        out.replace(QLatin1String(escaped), QLatin1String(plain));
    return out;
}

QString SpliterChar(const QString &spliterName)
{
    static const QHash<QString, QString> separators{
        {QStringLiteral("空格"), QStringLiteral(" ")},     {QStringLiteral("全角空格"), QStringLiteral("\u3000")},
        {QStringLiteral("半角逗号"), QStringLiteral(",")}, {QStringLiteral("全角逗号"), QStringLiteral("\uFF0C")},
        {QStringLiteral("半角分号"), QStringLiteral(";")}, {QStringLiteral("全角分号"), QStringLiteral("\uFF1B")},
    };
    return separators.value(spliterName);
}

QStringList SplitText(const QString &text, const QString &separator)
{
    if (separator.isEmpty())
        return {text};
    if (separator.size() != 1)
        return text.split(separator, Qt::KeepEmptyParts);
    // Every separator name stands for one character: lists of 100,000 names split in one
    // pass, the list allocated once.
    const char16_t split = separator.front().unicode();
    const char16_t *const begin = reinterpret_cast<const char16_t *>(text.constData());
    const char16_t *const end = begin + text.size();
    QStringList parts;
    parts.reserve(std::count(begin, end, split) + 1);
    const char16_t *start = begin;
    for (const char16_t *c = begin; c != end; ++c)
        if (*c == split) {
            parts.append(QString(reinterpret_cast<const QChar *>(start), c - start));
            start = c + 1;
        }
    parts.append(QString(reinterpret_cast<const QChar *>(start), end - start));
    return parts;
}

int GroupFieldCount(const QString &groupType)
{
    if (groupType == QStringLiteral("编号"))
        return 2;
    if (groupType == kRange)
        return 6;
    if (groupType == kList)
        return 5;
    if (groupType == kPassword || groupType == kPicture)
        return 3;
    return 0;
}

QStringList SplitGroupFields(const QString &groupQuery)
{
    return groupQuery.split(QStringLiteral("||"), Qt::KeepEmptyParts);
}

QStringList SplitGroupQueries(const QString &typeList, const QString &queryList)
{
    if (typeList.isEmpty() && queryList.isEmpty())
        return {};
    const QStringList types = typeList.split(QStringLiteral("##"), Qt::KeepEmptyParts);
    const QString fieldSeparator = QStringLiteral("||");
    const QString groupSeparator = QStringLiteral("##");
    auto malformed = [] {
        return SuiteError(QCoreApplication::translate(
            "Model", "自定义项目的组参数（QueryList）与组类型（TypeList）不符，工程文件可能已损坏。"));
    };

    // Every field but a group's last is ended by "||"; the last, a count or a start
    // value, never holds "#", so the next "##" ends the group.
    QStringList groups;
    qsizetype pos = 0;
    for (int g = 0; g < types.size(); ++g) {
        const int fields = GroupFieldCount(types.at(g));
        if (fields == 0)
            throw SuiteError(QCoreApplication::translate("Model", "自定义项目含有未知的组类型“%1”。").arg(types.at(g)));
        const qsizetype start = pos;
        for (int f = 0; f < fields - 1; ++f) {
            const qsizetype at = queryList.indexOf(fieldSeparator, pos);
            if (at < 0)
                throw malformed();
            pos = at + fieldSeparator.size();
        }
        const bool lastGroup = g == types.size() - 1;
        const qsizetype end = lastGroup ? queryList.size() : queryList.indexOf(groupSeparator, pos);
        if (end < 0)
            throw malformed();
        groups << queryList.mid(start, end - start);
        pos = end + (lastGroup ? 0 : groupSeparator.size());
    }
    return groups;
}
