#include "groupstatistics.h"

#include "querysection.h"
#include "trangenumsetform.h"
#include "yesno.h"

#include <QCoreApplication>
#include <QLocale>
#include <cmath>

namespace {
bool toFloat(const QString &text, float &value)
{
    bool ok = false;
    value = QLocale::c().toFloat(text.trimmed(), &ok);
    return ok && std::isfinite(value);
}

qint64 toCount(const QString &text)
{
    bool ok = false;
    const qint64 value = text.trimmed().toLongLong(&ok);
    return ok ? value : 0;
}
} // namespace

int ListItemCount(const QString &text, const QString &spliterName)
{
    return int(SplitText(text, SpliterChar(spliterName)).size());
}

qint64 RangeGridSize(const QString &minText, const QString &maxText, const QString &predText)
{
    float min = 0, max = 0, pred = 0;
    if (!toFloat(minText, min) || !toFloat(maxText, max) || !toFloat(predText, pred))
        return -1;
    return NumberGridSize(min, max, pred);
}

QString RangeRowProblem(const QString &minText, const QString &maxText, const QString &predText)
{
    const qint64 size = RangeGridSize(minText, maxText, predText);
    if (size < 0)
        return QCoreApplication::translate("GroupStatistics", "最小值、最大值和精确度必须是有效的数字！");
    if (QLocale::c().toFloat(maxText) < QLocale::c().toFloat(minText))
        return QCoreApplication::translate("GroupStatistics", "最大值不能小于最小值！");
    if (size == 0)
        return QCoreApplication::translate("GroupStatistics", "当前精确度下无法生成随机数，请重新设置相关参数！");
    return {};
}

GroupStatistics StatisticsOfGroup(const QString &groupType, const QString &groupQuery, const QString &spliterName)
{
    const QStringList f = SplitGroupFields(groupQuery);
    GroupStatistics s;
    if (groupType == kGroupRange) {
        s.possible = qMax<qint64>(0, RangeGridSize(f.value(0), f.value(1), f.value(2)));
        s.repeatsAllowed = f.value(4) == kYes;
        s.wanted = toCount(f.value(5));
    } else if (groupType == kGroupList) {
        if (f.value(0) == kYes) {
            const QStringList rows = SplitText(f.value(1), QStringLiteral("&"));
            for (int i = 1; i < rows.size(); ++i)
                s.possible += ListItemCount(UnescapeListText(rows.at(i).section(QLatin1Char(':'), 0, 0)), spliterName);
        } else {
            s.possible = ListItemCount(UnescapeListText(f.value(1)), spliterName);
        }
        s.repeatsAllowed = f.value(2) == kYes;
        s.wanted = toCount(f.value(4));
    } else if (groupType == kGroupPicture) {
        s.possible = f.value(0).isEmpty() ? 0 : int(SplitText(f.value(0), QStringLiteral("|")).size());
        s.wanted = toCount(f.value(2));
    } else if (groupType == kGroupPassword) {
        s.inexhaustible = true;
        s.repeatsAllowed = true;
        s.wanted = toCount(f.value(2));
    }
    return s;
}
