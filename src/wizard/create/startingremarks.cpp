#include "startingremarks.h"

#include "domutil.h"
#include "projectheader.h"
#include "suiteerror.h"
#include "valueencodings.h"

#include <QFont>

#include <QFontMetrics>
#include <QRegularExpression>

#include <algorithm>
#include <optional>

namespace {

const QString kStayOutRemark = QStringLiteral("抽中的人员不再参加后面的抽奖");
const QString kPrizeRemarkStart = QStringLiteral("依次抽出");

bool IsDrawKeyRemark(const QString &caption)
{
    static const QRegularExpression pattern(QStringLiteral("^按 \\S+ (也可以)?开始$"));
    return pattern.match(caption).hasMatch();
}

// "抽出一等奖", "依次抽出一等奖和二等奖", "依次抽出特等奖、一等奖和二等奖".
QString PrizeRemark(const QStringList &prizes)
{
    if (prizes.size() == 1)
        return QStringLiteral("抽出") + prizes.first();
    return kPrizeRemarkStart + QStringList(prizes.mid(0, prizes.size() - 1)).join(QStringLiteral("、"))
         + QStringLiteral("和") + prizes.last();
}

QString Param(int pmode, const QueryParams &params, const QString &attribute)
{
    const int index = QueryParamIndex(pmode, attribute);
    return index < 0 ? QString() : params.value(index);
}

// What the remark must say now; empty when it is to go; nothing when it is not one of
// the remarks that follow the wizard's choices.
std::optional<QString> FittedCaption(const QString &caption, const QDomElement &form, int pmode,
                                     const QueryParams &params)
{
    if (IsDrawKeyRemark(caption)) {
        const QDomElement key = FindChildElement(form, QStringLiteral("GoRandShortCut"));
        const QString shortCut = key.attribute(QStringLiteral("ShortCut"));
        if (!TextToBool(key.attribute(QStringLiteral("Enabled"))) || shortCut.isEmpty())
            return QString();
        const bool withButton =
            TextToBool(FindChildElement(form, QStringLiteral("GoRandButton")).attribute(QStringLiteral("Enabled")));
        return QStringLiteral("按 %1 %2开始").arg(shortCut, withButton ? QStringLiteral("也可以") : QString());
    }
    if (pmode == 10 && caption.startsWith(kPrizeRemarkStart)) {
        QStringList prizes = Param(pmode, params, QStringLiteral("PrizeLists")).split(QLatin1Char(','));
        prizes.removeAll(QString());
        return prizes.isEmpty() ? QString() : PrizeRemark(prizes);
    }
    if (caption == kStayOutRemark)
        return TextToBool(Param(pmode, params, QStringLiteral("AutoDel"))) ? caption : QString();
    return std::nullopt;
}

// A longer text gets the room it needs, as far as the window reaches.
void WidenForCaption(QDomElement remark, const QDomElement &form)
{
    bool ok = false;
    const int width = remark.attribute(QStringLiteral("Width")).toInt(&ok);
    FontSpec remarkFont;
    try {
        remarkFont = TextToFont(remark.attribute(QStringLiteral("Font")));
    } catch (const SuiteError &) {
        return; // the designer shows such a remark as it is
    }
    if (!ok)
        return;
    QFont font(remarkFont.face);
    font.setPointSize(std::max(remarkFont.size, 1));
    font.setBold(remarkFont.bold);
    const int needed = QFontMetrics(font).horizontalAdvance(remark.attribute(QStringLiteral("Caption"))) + 8;
    const int room = form.attribute(QStringLiteral("Width")).toInt() - remark.attribute(QStringLiteral("Left")).toInt() - 8;
    if (needed > width)
        remark.setAttribute(QStringLiteral("Width"), QString::number(std::max(width, std::min(needed, room))));
}

} // namespace

void FitChoiceRemarks(QDomDocument &document, int pmode, const QueryParams &params)
{
    const QDomElement form = FindChildElement(ProjectRootElement(document), QStringLiteral("Form"));
    QDomElement remarks = FindChildElement(form, QStringLiteral("Remarks"));
    if (remarks.isNull())
        return;
    QDomElement remark = remarks.firstChildElement(QStringLiteral("Remark"));
    while (!remark.isNull()) {
        QDomElement next = remark.nextSiblingElement(QStringLiteral("Remark"));
        const QString caption = remark.attribute(QStringLiteral("Caption"));
        const std::optional<QString> fitted = FittedCaption(caption, form, pmode, params);
        if (fitted && fitted->isEmpty()) {
            remarks.removeChild(remark);
        } else if (fitted && *fitted != caption) {
            remark.setAttribute(QStringLiteral("Caption"), *fitted);
            WidenForCaption(remark, form);
        }
        remark = next;
    }
    int count = 0;
    for (QDomElement e = remarks.firstChildElement(QStringLiteral("Remark")); !e.isNull();
         e = e.nextSiblingElement(QStringLiteral("Remark")))
        ++count;
    remarks.setAttribute(QStringLiteral("Count"), QString::number(count));
}
