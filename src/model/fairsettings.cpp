#include "fairsettings.h"

#include "domutil.h"
#include "storedvaluetext.h"

#include <QCoreApplication>

namespace {

const QString kFair = QStringLiteral("Fair");
const QString kPeriod = QStringLiteral("FairPeriod");
const QString kStrength = QStringLiteral("FairStrength");
const QString kSkip = QStringLiteral("FairSkip");
const QString kItem = QStringLiteral("FairItem");
const QString kItemName = QStringLiteral("Name");

QDomElement QueryElement(const QDomDocument &document)
{
    return FindChildElement(FindChildElement(FindChildElement(document.documentElement(), QStringLiteral("RandQuery")),
                                             QStringLiteral("Rand")),
                            QStringLiteral("Query"));
}

QString Translated(const char *text)
{
    return QCoreApplication::translate("FairSettings", text);
}

QDomElement WritableQueryElement(QDomDocument &document)
{
    return ChildElement(ChildElement(ChildElement(document.documentElement(), QStringLiteral("RandQuery")),
                                     QStringLiteral("Rand")),
                        QStringLiteral("Query"));
}

FairSettings ReadFairAttributes(const QDomElement &element)
{
    FairSettings settings;
    const int mode = FairModeTexts().indexOf(element.attribute(kFair));
    if (mode > 0)
        settings.mode = FairMode(mode);
    const int period = FairPeriodTexts().indexOf(element.attribute(kPeriod));
    if (period >= 0)
        settings.period = FairPeriod(period);
    if (element.hasAttribute(kStrength))
        settings.strength = FairStrengthPower(element.attribute(kStrength));
    bool ok = false;
    const int skip = element.attribute(kSkip).trimmed().toInt(&ok);
    settings.skip = ok && skip > 0 ? skip : 0;
    return settings;
}

void WriteFairAttributes(QDomElement &element, const FairSettings &settings)
{
    element.setAttribute(kFair, FairModeText(settings.mode));
    if (settings.mode == FairMode::Balanced) {
        element.setAttribute(kPeriod, FairPeriodText(settings.period));
        element.setAttribute(kStrength, FairStrengthText(settings.strength));
        element.setAttribute(kSkip, QString::number(settings.skip));
    } else {
        for (const QString &name : {kPeriod, kStrength, kSkip})
            element.removeAttribute(name);
    }
}

} // namespace

QStringList FairModeTexts()
{
    return {QStringLiteral("普通"), QStringLiteral("轮换"), QStringLiteral("均衡")};
}

QStringList FairPeriodTexts()
{
    return {QStringLiteral("本周"), QStringLiteral("本月"), QStringLiteral("本学期"), QStringLiteral("全部")};
}

QStringList FairStrengthTexts()
{
    return {QStringLiteral("弱"), QStringLiteral("中"), QStringLiteral("强")};
}

QString FairModeText(FairMode mode)
{
    return FairModeTexts().at(int(mode));
}

QString FairPeriodText(FairPeriod period)
{
    return FairPeriodTexts().at(int(period));
}

QString FairStrengthText(int strength)
{
    return strength <= 1 ? FairStrengthTexts().at(0) : strength >= 4 ? FairStrengthTexts().at(2) : FairStrengthTexts().at(1);
}

int FairStrengthPower(const QString &text)
{
    const int index = FairStrengthTexts().indexOf(text);
    return index == 0 ? 1 : index == 2 ? 4 : 2;
}

int FairPeriodDays(FairPeriod period)
{
    switch (period) {
    case FairPeriod::Week:
        return 7;
    case FairPeriod::Month:
        return 30;
    case FairPeriod::Term:
        return 140;
    case FairPeriod::All:
        break;
    }
    return 0;
}

FairSettings ReadFairSettings(const QDomDocument &document)
{
    return ReadFairAttributes(QueryElement(document));
}

void WriteFairSettings(QDomDocument &document, const FairSettings &settings)
{
    QDomElement query = WritableQueryElement(document);
    WriteFairAttributes(query, settings);
}

ItemFairSettings ReadItemFairSettings(const QDomDocument &document)
{
    ItemFairSettings items;
    for (QDomElement item = QueryElement(document).firstChildElement(kItem); !item.isNull();
         item = item.nextSiblingElement(kItem)) {
        const FairSettings settings = ReadFairAttributes(item);
        if (settings.mode != FairMode::Plain && !item.attribute(kItemName).isEmpty())
            items.insert(item.attribute(kItemName), settings);
    }
    return items;
}

void WriteItemFairSettings(QDomDocument &document, const ItemFairSettings &settings)
{
    QDomElement query = WritableQueryElement(document);
    while (!query.firstChildElement(kItem).isNull())
        query.removeChild(query.firstChildElement(kItem));
    for (auto item = settings.cbegin(); item != settings.cend(); ++item) {
        if (item->mode == FairMode::Plain)
            continue;
        QDomElement element = document.createElement(kItem);
        element.setAttribute(kItemName, item.key());
        WriteFairAttributes(element, *item);
        query.appendChild(element);
    }
}

bool TypeDrawsFairly(int pmode)
{
    return pmode == 2 || pmode == 3 || pmode == 7 || pmode == 9;
}

bool TypeHasFairItems(int pmode)
{
    return pmode == 0;
}

int MaxFairSkip(int distinct, int ranCount)
{
    return distinct > ranCount ? distinct - ranCount : 0;
}

QString FairFormulaText(const FairSettings &settings)
{
    const QString period = settings.period == FairPeriod::All
                               ? Translated(QT_TRANSLATE_NOOP("FairSettings", "全部历史中"))
                               : Translated(QT_TRANSLATE_NOOP("FairSettings", "%1内"))
                                     .arg(StoredValueText(FairPeriodText(settings.period)));
    QString text = Translated(QT_TRANSLATE_NOOP("FairSettings", "抽中机会 = 自身权重 × 1 /（1 + %1比抽中最少的人多抽中的次数）的 %2 次方"))
                       .arg(period)
                       .arg(settings.strength);
    if (settings.skip > 0)
        text += Translated(QT_TRANSLATE_NOOP("FairSettings", "；最近抽中的 %1 人不参加本次抽取")).arg(settings.skip);
    return text;
}
