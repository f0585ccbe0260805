#include "templategenerator.h"

#include "numberpicture.h"
#include "querysection.h"
#include "queryvalues.h"
#include "suiteerror.h"

#include <QElapsedTimer>
#include <QSet>

#include <algorithm>
#include <limits>
#include <QCoreApplication>

namespace {

const QString kNumberingMark = QStringLiteral("[编号]");
constexpr qint64 kMaxAttempts = 1'000'000;
constexpr qint64 kMaxMilliseconds = 2000;

QStringList SymbolList(const QString &format)
{
    static const QHash<QString, QString> symbols = {
        {QStringLiteral("①,②,③..."), QStringLiteral("①,②,③,④,⑤,⑥,⑦,⑧,⑨,⑩")},
        {QStringLiteral("⑴,⑵,⑶..."), QStringLiteral("⑴,⑵,⑶,⑷,⑸,⑹,⑺,⑻,⑼,⑽,⑾,⑿,⒀,⒁,⒂,⒃,⒄,⒅,⒆,⒇")},
        {QStringLiteral("Ⅰ,Ⅱ,Ⅲ..."), QStringLiteral("Ⅰ,Ⅱ,Ⅲ,Ⅳ,Ⅴ,Ⅵ,Ⅶ,Ⅷ,Ⅸ,Ⅹ,Ⅺ,Ⅻ")},
        {QStringLiteral("㈠,㈡,㈢..."), QStringLiteral("㈠,㈡,㈢,㈣,㈤,㈥,㈦,㈧,㈨,㈩")},
        {QStringLiteral("α,β,γ..."), QStringLiteral("α,β,γ,δ,ε,ζ,η,θ,ι,κ,λ,μ,ν,ξ,ο,π,ρ,σ,τ,υ,φ,χ,ψ,ω")},
        {QStringLiteral("a,b,c..."), QStringLiteral("a,b,c,d,e,f,g,h,i,j,k,l,m,n,o,p,q,r,s,t,u,v,w,x,y,z")},
        {QStringLiteral("A,B,C..."), QStringLiteral("A,B,C,D,E,F,G,H,I,J,K,L,M,N,O,P,Q,R,S,T,U,V,W,X,Y,Z")},
    };
    const auto found = symbols.constFind(format);
    return found == symbols.constEnd() ? QStringList() : found->split(QLatin1Char(','));
}

bool IsDecimalNumbering(const QString &format)
{
    return format == QStringLiteral("1,2,3...") || format == QStringLiteral("[1],[2],[3]...");
}

bool IsCustomNumbering(const QString &format)
{
    return !IsDecimalNumbering(format) && SymbolList(format).isEmpty();
}

// Letters do not begin again after z: two results of one batch would carry one label.
bool IsLetterNumbering(const QString &format)
{
    return format == QStringLiteral("a,b,c...") || format == QStringLiteral("A,B,C...");
}

qint64 SaturatingPower(qint64 base, int exponent)
{
    qint64 power = 1;
    for (int i = 0; i < exponent && power < std::numeric_limits<qint64>::max(); ++i)
        power = SaturatingProduct(power, base);
    return power;
}

QString PictureShownAs(const QString &path, const QString &setting)
{
    const qsizetype slash = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    const QString fileName = path.mid(slash + 1);
    if (setting == QStringLiteral("图片名称+扩展名"))
        return fileName;
    if (setting == QStringLiteral("仅图片名称"))
        return fileName.section(QLatin1Char('.'), 0, 0);
    return path;
}

QString GroupWhat(const QString &name)
{
    return QCoreApplication::translate("Engine", "“%1”组").arg(name);
}

} // namespace

QString NumberingLabel(qint64 resultIndex, const QString &format, qint64 start, const QStringList &customLabels)
{
    if (format == QStringLiteral("1,2,3..."))
        return QString::number(start + resultIndex);
    if (format == QStringLiteral("[1],[2],[3]..."))
        return QStringLiteral("[%1]").arg(start + resultIndex);
    const QStringList symbols = SymbolList(format);
    if (!symbols.isEmpty())
        return symbols.at((std::max<qint64>(start, 1) - 1 + resultIndex) % symbols.size());
    if (customLabels.isEmpty())
        return QString();
    return customLabels.at(resultIndex % customLabels.size());
}

TemplateGenerator::TemplateGenerator(int pmode, const QueryParams &params) : m_pmode(pmode)
{
    switch (pmode) {
    case 0:
        PrepareCustom(params);
        break;
    case 4:
        PrepareTasks(params);
        break;
    case 8:
        PrepareCoordinates(params);
        break;
    case 10:
        PreparePrizes(params);
        break;
    default:
        throw SuiteError(QCoreApplication::translate("Engine", "项目类型 %1 不是组合类型。").arg(pmode));
    }
    // An empty result format would draw empty results that look like a fault.
    if (m_template.trimmed().isEmpty())
        throw SuiteError(
            QCoreApplication::translate("Engine", "结果格式（Format）为空，无法组成结果。请在参数设置中填写结果格式，"
                                                  "用“[组名]”表示各组抽到的内容。"));
    CheckCapacity();
    CheckDistinctResults();
}

TemplateGenerator::Item &TemplateGenerator::AddListItem(const QString &name, const QString &what, bool weighted,
                                                        const QString &listText, bool allowRepeat,
                                                        bool removeDrawn, const QString &perResult)
{
    Item item;
    item.name = name;
    item.what = what;
    item.kind = ItemKind::List;
    item.perResult =
        ParseCount(perResult, QCoreApplication::translate("Engine", "%1的抽取数量").arg(what), 1, kMaxRanCount);
    item.allowRepeat = allowRepeat;
    item.removeDrawn = removeDrawn;
    if (m_separator.isNull())
        throw SuiteError(QCoreApplication::translate("Engine", "缺少名单分隔符。"));
    item.entries = ExpandWeights(listText, weighted, m_separator);
    item.workList = DrawList(item.entries);
    item.savedList = item.workList;
    m_items.push_back(std::move(item));
    return m_items.back();
}

void TemplateGenerator::PrepareCustom(const QueryParams &p)
{
    RequireQuerySize(p, 7);
    const QStringList types = p.at(1).isEmpty() ? QStringList() : p.at(1).split(QStringLiteral("##"));
    const QStringList groups = SplitGroupQueries(p.at(1), p.at(2));
    const QStringList names = p.at(3).split(QStringLiteral("##"));
    m_allowRepeat = IsYes(p.at(4));
    m_ranCount = ParseCount(p.at(5), QCoreApplication::translate("Engine", "生成数量"), 1, kMaxRanCount);
    m_template = p.at(6);
    if (groups.isEmpty())
        throw SuiteError(QCoreApplication::translate("Engine", "自定义项目没有任何组，请至少添加一组。"));
    if (types.contains(QStringLiteral("列举模式")))
        m_separator = RequireSpliter(p.at(7));

    for (int g = 0; g < groups.size(); ++g) {
        const QString type = types.at(g);
        const QStringList f = SplitGroupFields(groups.at(g));
        const QString name = g < names.size() && !names.at(g).isEmpty() ? names.at(g)
                                                                          : QStringLiteral("第%1组").arg(g + 1);
        const QString what = GroupWhat(name);
        if (type == QStringLiteral("编号")) {
            Item item;
            item.name = name;
            item.what = what;
            item.kind = ItemKind::Numbering;
            item.numberingFormat = f.at(0);
            if (IsCustomNumbering(item.numberingFormat)) {
                item.customLabels = f.at(1).split(QLatin1Char(','));
            } else {
                item.start = ParseCount(f.at(1), QCoreApplication::translate("Engine", "%1的编号起始值").arg(what),
                                        -1'000'000'000, 1'000'000'000);
            }
            m_items.push_back(std::move(item));
        } else if (type == QStringLiteral("数值范围模式")) {
            Item item;
            item.name = name;
            item.what = what;
            item.kind = ItemKind::Range;
            item.range = NumberRange::Parse(f.at(0), f.at(1), f.at(2), what);
            item.numberFormat = NumberPicture(f.at(3));
            item.allowRepeat = IsYes(f.at(4));
            item.perResult =
                ParseCount(f.at(5), QCoreApplication::translate("Engine", "%1的生成数量").arg(what), 1, kMaxRanCount);
            m_items.push_back(std::move(item));
        } else if (type == QStringLiteral("列举模式")) {
            AddListItem(name, what, IsYes(f.at(0)), f.at(1), IsYes(f.at(2)), IsYes(f.at(3)), f.at(4));
        } else if (type == QStringLiteral("图片模式")) {
            Item item;
            item.name = name;
            item.what = what;
            item.kind = ItemKind::Picture;
            item.entries = ListEntries::Split(f.at(0), u"|");
            item.removeDrawn = IsYes(f.at(1));
            item.perResult =
                ParseCount(f.at(2), QCoreApplication::translate("Engine", "%1的抽取数量").arg(what), 1, kMaxRanCount);
            item.workList = DrawList(item.entries);
            item.savedList = item.workList;
            m_items.push_back(std::move(item));
        } else { // "密码模式"; SplitGroupQueries refused every other type
            Item item;
            item.name = name;
            item.what = what;
            item.kind = ItemKind::Password;
            item.password = PasswordRule::Parse(f.at(0), f.at(1), what);
            item.perResult =
                ParseCount(f.at(2), QCoreApplication::translate("Engine", "%1的生成数量").arg(what), 1, kMaxRanCount);
            m_items.push_back(std::move(item));
        }
    }
}

void TemplateGenerator::PrepareTasks(const QueryParams &p)
{
    RequireQuerySize(p, 5);
    m_separator = RequireSpliter(p.at(3));
    m_template = p.at(5);
    m_allowRepeat = true;
    AddListItem(QStringLiteral("任务列表"), QCoreApplication::translate("Engine", "任务列表"), false, p.at(1), false,
                false, p.at(4));
    // Drawing the members without repeats names each once within a batch; they are not
    // removed across batches, so every assignment starts from the whole team again.
    const Item &members = AddListItem(QStringLiteral("人员列表"), QCoreApplication::translate("Engine", "人员列表"),
                                      false, p.at(2), false, false, QStringLiteral("1"));
    // One result per member, every member named once.
    m_ranCount = members.workList.DistinctRemaining();
    if (m_ranCount == 0)
        throw SuiteError(QCoreApplication::translate("Engine", "人员列表是空的，请至少填写一名人员。"));
}

void TemplateGenerator::PrepareCoordinates(const QueryParams &p)
{
    RequireQuerySize(p, 5);
    const QStringList dimensions = p.at(2).split(QLatin1Char('|'));
    for (int i = 0; i < dimensions.size(); ++i) {
        const QStringList f = dimensions.at(i).split(QLatin1Char(','));
        Item item;
        item.name = QStringLiteral("第%1维").arg(i + 1);
        item.what = QCoreApplication::translate("Engine", "第%1维").arg(i + 1);
        if (f.size() < 6)
            throw SuiteError(QCoreApplication::translate("Engine", "%1的设置“%2”不完整，请重新设置坐标。")
                                 .arg(item.what, dimensions.at(i)));
        item.kind = ItemKind::Range;
        item.range = NumberRange::Parse(f.at(0), f.at(1), f.at(2), item.what);
        item.numberFormat = NumberPicture(f.at(3));
        item.allowRepeat = IsYes(f.at(4));
        item.perResult =
            ParseCount(f.at(5), QCoreApplication::translate("Engine", "%1的生成数量").arg(item.what), 1, kMaxRanCount);
        m_items.push_back(std::move(item));
    }
    m_ranCount = ParseCount(p.at(3), QCoreApplication::translate("Engine", "生成数量"), 1, kMaxRanCount);
    m_allowRepeat = IsYes(p.at(4));
    m_template = p.at(5);
}

void TemplateGenerator::PreparePrizes(const QueryParams &p)
{
    RequireQuerySize(p, 6);
    m_separator = RequireSpliter(p.at(3));
    m_template = p.at(6);
    m_allowRepeat = true;
    Item prizes;
    prizes.name = QStringLiteral("奖项列表");
    prizes.what = QCoreApplication::translate("Engine", "奖项列表");
    prizes.kind = ItemKind::Numbering;
    prizes.numberingFormat = QStringLiteral("自定义");
    prizes.customLabels = p.at(1).split(QLatin1Char(','));
    m_ranCount = int(prizes.customLabels.size());
    if (p.at(1).isEmpty())
        throw SuiteError(QCoreApplication::translate("Engine", "奖项列表是空的，请至少填写一个奖项。"));
    m_items.push_back(std::move(prizes));
    AddListItem(QStringLiteral("人员列表"), QCoreApplication::translate("Engine", "人员列表"), false, p.at(2), false,
                IsYes(p.at(5)), p.at(4));
}

void TemplateGenerator::UseItemFairness(const ItemFairSettings &settings)
{
    for (Item &item : m_items) {
        item.fair.reset();
        const FairSettings fair = settings.value(item.name);
        if (!TypeHasFairItems(m_pmode) || item.kind != ItemKind::List || fair.mode == FairMode::Plain)
            continue;
        try {
            item.fair.emplace(fair, DistinctEntries(item.entries.ToStringList()), item.perResult * m_ranCount);
        } catch (const SuiteError &error) {
            throw SuiteError(QCoreApplication::translate("Engine", "%1：%2").arg(item.what, error.message()));
        }
    }
}

std::optional<ListContents> TemplateGenerator::ListItemContents(const QString &name) const
{
    for (const Item &item : m_items) {
        if (item.name == name && item.kind == ItemKind::List)
            return ListContents{item.entries, item.perResult * m_ranCount};
    }
    return std::nullopt;
}

std::vector<QStringList> TemplateGenerator::DrawFairItems(const GenerationContext &context, Batch &batch)
{
    std::vector<QStringList> values(m_items.size());
    if (!context.finalDraw || !context.itemFairness)
        return values;
    for (size_t i = 0; i < m_items.size(); ++i) {
        const Item &item = m_items[i];
        FairnessLedger *ledger = item.fair ? context.itemFairness->ForItem(item.name) : nullptr;
        if (!ledger)
            continue;
        const FairChooser::Choice choice = item.fair->Choose(*ledger, context.draws, QDate::currentDate());
        values[i] = choice.results;
        batch.newRound = batch.newRound || choice.newRound;
        if (!choice.notice.isEmpty())
            batch.fairNotice = choice.notice;
    }
    return values;
}

// Refuses, before anything is drawn, every item that cannot give a whole batch.
void TemplateGenerator::CheckCapacity() const
{
    for (const Item &item : m_items) {
        const qint64 needed = qint64(item.perResult) * m_ranCount;
        if (needed > kMaxRanCount)
            throw SuiteError(QCoreApplication::translate("Engine", "%1每批需要 %2 个值，超过上限 %3，请减少数量。")
                                 .arg(item.what)
                                 .arg(needed)
                                 .arg(kMaxRanCount));
        switch (item.kind) {
        case ItemKind::Numbering:
            if (IsCustomNumbering(item.numberingFormat) && item.customLabels.join(QString()).isEmpty())
                throw SuiteError(
                    QCoreApplication::translate("Engine", "%1的编号列表是空的，请填写编号。").arg(item.what));
            if (IsLetterNumbering(item.numberingFormat)) {
                const qint64 labels = SymbolList(item.numberingFormat).size();
                const qint64 first = std::max<qint64>(item.start, 1);
                if (first - 1 + m_ranCount > labels)
                    throw SuiteError(QCoreApplication::translate(
                                         "Engine",
                                         "%1的编号“%2”只有 %3 个编号，从第 %4 个开始编号时每批最多 %5 个结果，"
                                         "现在要生成 %6 个。请减少生成数量、减小编号起始值或改用数字编号。")
                                         .arg(item.what, item.numberingFormat)
                                         .arg(labels)
                                         .arg(first)
                                         .arg(std::max<qint64>(labels - first + 1, 0))
                                         .arg(m_ranCount));
            }
            break;
        case ItemKind::Range:
            if (!item.allowRepeat && needed > item.range->Count())
                throw SuiteError(QCoreApplication::translate(
                                     "Engine",
                                     "%1不允许重复，但 %2 到 %3（精度 %4）只有 %5 个不同的数，每批需要 %6 个。"
                                     "请扩大范围、减小精度、减少数量或允许重复。")
                                     .arg(item.what, ShortestNumberText(item.range->Min()),
                                          ShortestNumberText(item.range->Max()), ShortestNumberText(item.range->Pred()))
                                     .arg(item.range->Count())
                                     .arg(needed));
            break;
        case ItemKind::List:
        case ItemKind::Picture:
            if (item.savedList.Remaining() == 0)
                throw SuiteError(QCoreApplication::translate("Engine", "%1是空的，请至少填写一项。").arg(item.what));
            if (!item.allowRepeat && needed > item.savedList.DistinctRemaining())
                throw SuiteError(QCoreApplication::translate(
                                     "Engine",
                                     "%1只有 %2 个不同的条目，每批需要 %3 个（每个结果 %4 个，共 %5 个结果）。"
                                     "请增加条目、减少数量或允许重复。")
                                     .arg(item.what)
                                     .arg(item.savedList.DistinctRemaining())
                                     .arg(needed)
                                     .arg(item.perResult)
                                     .arg(m_ranCount));
            break;
        case ItemKind::Password:
            item.password.CheckBatchSize(needed, item.what);
            if (item.password.DistinctCount(needed) < needed)
                throw SuiteError(QCoreApplication::translate(
                                     "Engine", "%1长度为 %2 的不同密码不足 %3 个，请增加密码长度或字符类型。")
                                     .arg(item.what)
                                     .arg(item.password.length)
                                     .arg(needed));
            break;
        }
    }
}

// Without project repeats every result of a batch must differ. An item the template shows
// that does not repeat within a batch makes every result differ by itself; otherwise the
// results can differ only as far as the values of the items the template shows combine
// (numbering labels are put in after the results are compared). Refused before drawing
// when that is fewer than a batch needs.
void TemplateGenerator::CheckDistinctResults() const
{
    if (m_allowRepeat)
        return;
    qint64 combinations = 1;
    for (const Item &item : m_items) {
        if (item.kind == ItemKind::Numbering
            || !m_template.contains(QLatin1Char('[') + item.name + QLatin1Char(']')))
            continue;
        qint64 values = 0;
        switch (item.kind) {
        case ItemKind::Range:
            values = item.range->Count();
            break;
        case ItemKind::List:
            values = item.savedList.DistinctRemaining();
            break;
        case ItemKind::Numbering:
        case ItemKind::Picture: // pictures and passwords never repeat within a batch
        case ItemKind::Password:
            return;
        }
        if (!item.allowRepeat)
            return;
        combinations = SaturatingProduct(combinations, SaturatingPower(values, item.perResult));
    }
    if (combinations < m_ranCount)
        throw SuiteError(QCoreApplication::translate(
                             "Engine", "结果不允许重复，但各组的取值最多只能组成 %1 个互不相同的结果，少于生成数量 %2。"
                                       "请扩大各组的取值范围、减少生成数量或允许结果重复。")
                             .arg(combinations)
                             .arg(m_ranCount));
}

QStringList TemplateGenerator::DrawItem(Item &item, int count, const GenerationContext &context,
                                        UniqueIndexSampler *sampler, QSet<QString> &usedPasswords,
                                        QStringList &picturePaths)
{
    QStringList values;
    switch (item.kind) {
    case ItemKind::Numbering:
        for (int i = 0; i < count; ++i)
            values.append(kNumberingMark);
        break;
    case ItemKind::Range:
        for (double value : RangeDraw(*item.range, context.draws, item.allowRepeat, count, sampler, item.what))
            values.append(item.numberFormat.Format(value));
        break;
    case ItemKind::List:
        values = ListDraw(item.workList, context.draws, item.allowRepeat, count, item.what);
        break;
    case ItemKind::Picture:
        for (const QString &path : ListDraw(item.workList, context.draws, item.allowRepeat, count, item.what)) {
            picturePaths.append(path);
            values.append(PictureShownAs(path, context.settings.pictureNameSetting));
        }
        break;
    case ItemKind::Password:
        values = PasswordDraw(item.password, context.passwords, count, usedPasswords, item.what);
        break;
    }
    return values;
}

Batch TemplateGenerator::Generate(const GenerationContext &context)
{
    Batch batch;
    const bool intermediate = context.inDraw && !context.finalDraw;

    // Every generation draws from the lists as they stood before the draw began.
    bool listsShort = false;
    for (Item &item : m_items) {
        item.workList = item.savedList;
        if (item.removeDrawn && !item.allowRepeat
            && item.workList.DistinctRemaining() < qint64(item.perResult) * m_ranCount)
            listsShort = true;
    }
    if (listsShort) {
        batch.stopAnimation = true;
        if (!MayRestoreLists(context)) {
            batch.abandoned = true;
            return batch;
        }
        for (Item &item : m_items)
            if (item.removeDrawn) {
                item.workList = DrawList(item.entries);
                item.savedList = item.workList;
            }
    }

    const int perPass = m_allowRepeat ? m_ranCount : 1;
    std::vector<std::optional<UniqueIndexSampler>> samplers(m_items.size());
    std::vector<QSet<QString>> usedPasswords(m_items.size());
    for (size_t i = 0; i < m_items.size(); ++i)
        if (m_items[i].kind == ItemKind::Range && !m_items[i].allowRepeat)
            samplers[i].emplace(m_items[i].range->Count());

    // Fair items give the batch's values at once; each pass takes its share of them.
    const std::vector<QStringList> fairValues = DrawFairItems(context, batch);
    std::vector<qsizetype> fairTaken(m_items.size(), 0);
    QSet<QString> made;
    QElapsedTimer clock;
    clock.start();
    qint64 attempts = 0;
    batch.results.reserve(m_ranCount);
    std::vector<QStringList> values(m_items.size());
    while (batch.results.size() < m_ranCount) {
        // The clock is read every pass: one pass may draw millions of values.
        if (++attempts > kMaxAttempts || clock.elapsed() > kMaxMilliseconds)
            throw SuiteError(QCoreApplication::translate(
                                 "Engine", "尝试 %1 次后仍无法得到 %2 个互不相同的结果，请扩大各组的取值范围、"
                                           "减少生成数量或允许结果重复。")
                                 .arg(attempts - 1)
                                 .arg(m_ranCount));
        QStringList passPictures;
        for (size_t i = 0; i < m_items.size(); ++i) {
            Item &item = m_items[i];
            if (m_allowRepeat)
                usedPasswords[i].clear(); // with repeats only one call's passwords must differ
            const int count = item.perResult * perPass;
            values[i] = !fairValues[i].isEmpty()
                            ? fairValues[i].mid(fairTaken[i], count)
                            : DrawItem(item, count, context, samplers[i] ? &*samplers[i] : nullptr, usedPasswords[i],
                                       passPictures);
        }
        bool accepted = true;
        for (int r = 0; r < perPass; ++r) {
            QString text = m_template;
            for (size_t i = 0; i < m_items.size(); ++i) {
                const Item &item = m_items[i];
                text.replace(QLatin1Char('[') + item.name + QLatin1Char(']'),
                             values[i].mid(qsizetype(item.perResult) * r, item.perResult).join(QLatin1Char(',')));
            }
            if (perPass == 1) {
                if (made.contains(text)) {
                    accepted = false;
                    break;
                }
                made.insert(text);
            }
            batch.results.append(text);
        }
        if (accepted) {
            batch.picturePaths += passPictures;
            for (size_t i = 0; i < m_items.size(); ++i) {
                if (!fairValues[i].isEmpty())
                    fairTaken[i] += values[i].size();
            }
        }
    }

    const auto numbering = std::find_if(m_items.begin(), m_items.end(),
                                        [](const Item &item) { return item.kind == ItemKind::Numbering; });
    if (numbering != m_items.end())
        for (qsizetype v = 0; v < batch.results.size(); ++v)
            batch.results[v].replace(kNumberingMark, NumberingLabel(v, numbering->numberingFormat, numbering->start,
                                                                    numbering->customLabels));

    if (!intermediate)
        for (Item &item : m_items)
            if (item.removeDrawn)
                item.savedList = item.workList;
    return batch;
}
