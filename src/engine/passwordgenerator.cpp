#include "passwordgenerator.h"

#include "queryvalues.h"
#include "suiteerror.h"
#include <QCoreApplication>

PasswordGenerator::PasswordGenerator(const QueryParams &params)
{
    RequireQuerySize(params, 3);
    m_rule = PasswordRule::Parse(params.at(1), params.at(2), QString());
    m_ranCount = ParseCount(params.at(3), QCoreApplication::translate("Engine", "生成数量"), 1, kMaxRanCount);
    m_rule.CheckBatchSize(m_ranCount, QString());
    if (m_rule.DistinctCount(m_ranCount) < m_ranCount)
        throw SuiteError(QCoreApplication::translate(
                             "Engine", "长度为 %1 的不同密码不足 %2 个，请增加密码长度、增加字符类型或减少生成数量。")
                             .arg(m_rule.length)
                             .arg(m_ranCount));
}

Batch PasswordGenerator::Generate(const GenerationContext &context)
{
    Batch batch;
    QSet<QString> used;
    batch.results = PasswordDraw(m_rule, context.passwords, m_ranCount, used, QString());
    return batch;
}
