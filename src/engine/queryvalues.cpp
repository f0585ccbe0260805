#include "queryvalues.h"

#include "suiteerror.h"

#include <cmath>
#include <QCoreApplication>

int ParseCount(const QString &text, const QString &field, int minimum, int maximum)
{
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok);
    if (!ok || value < minimum || value > maximum)
        throw SuiteError(
            QCoreApplication::translate("Engine", "“%1”必须是 %2 到 %3 之间的整数，现在是“%4”，请修改项目参数。")
                .arg(field)
                .arg(minimum)
                .arg(maximum)
                .arg(text));
    return int(value);
}

double ParseNumber(const QString &text, const QString &field)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        throw SuiteError(
            QCoreApplication::translate("Engine", "“%1”必须是数字，现在是“%2”，请修改项目参数。").arg(field, text));
    return value;
}

void RequireQuerySize(const QStringList &params, int attributeCount)
{
    if (params.size() < attributeCount + 1)
        throw SuiteError(QCoreApplication::translate(
                             "Engine", "项目参数不完整（应有 %1 项，只有 %2 项），请在参数编辑器中重新保存项目参数。")
                             .arg(attributeCount)
                             .arg(std::max<qsizetype>(0, params.size() - 1)));
}
