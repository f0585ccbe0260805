#include "mirzonel.h"

#include <muParser.h>

#include <QHash>
#include <limits>
#include <memory>
#include <vector>
#include <QCoreApplication>

namespace {

// A parsed expression bound to its own variable variableValues. muparser compiles an
// expression on its first evaluation, so keeping the parser between calls with the
// same expression and names turns every later call into a plain evaluation.
struct BoundExpression
{
    mu::Parser parser;
    std::vector<double> variableValues;
};

// Bounded so a caller that evaluates ever new expressions does not grow memory.
constexpr int kCachedExpressionLimit = 256;

thread_local QHash<QString, std::shared_ptr<BoundExpression>> cachedExpressions;
thread_local QString lastError;

QString CacheKey(const QString &expression, const QStringList &names)
{
    // U+0001 never occurs in typed text, so distinct inputs never share a key.
    return expression + QChar(1) + names.join(QChar(1));
}

QString Describe(const mu::ParserError &error)
{
    const QString token = QString::fromStdString(error.GetToken());
    switch (error.GetCode()) {
    case mu::ecUNASSIGNABLE_TOKEN:
        return QCoreApplication::translate("Formula", "无法识别“%1”（不是已定义的变量，也不是运算符或函数）")
            .arg(token);
    case mu::ecUNEXPECTED_EOF:
        return QCoreApplication::translate("Formula", "表达式不完整");
    case mu::ecEMPTY_EXPRESSION:
        return QCoreApplication::translate("Formula", "表达式为空");
    case mu::ecMISSING_PARENS:
        return QCoreApplication::translate("Formula", "括号不配对");
    case mu::ecUNEXPECTED_PARENS:
        return QCoreApplication::translate("Formula", "括号位置有误");
    case mu::ecUNEXPECTED_OPERATOR:
    case mu::ecUNEXPECTED_ARG_SEP:
    case mu::ecUNEXPECTED_ARG:
    case mu::ecUNEXPECTED_VAL:
    case mu::ecUNEXPECTED_VAR:
    case mu::ecUNEXPECTED_FUN:
        return QCoreApplication::translate("Formula", "“%1”的位置有误").arg(token);
    case mu::ecTOO_MANY_PARAMS:
    case mu::ecTOO_FEW_PARAMS:
        return QCoreApplication::translate("Formula", "函数的参数个数有误");
    case mu::ecINVALID_NAME:
    case mu::ecNAME_CONFLICT:
        return QCoreApplication::translate("Formula", "变量名“%1”无效").arg(token);
    default:
        return QCoreApplication::translate("Formula", "无法计算（%1）").arg(QString::fromStdString(error.GetMsg()));
    }
}

std::shared_ptr<BoundExpression> Bind(const QString &expression, const QStringList &names)
{
    const QString key = CacheKey(expression, names);
    if (auto found = cachedExpressions.constFind(key); found != cachedExpressions.constEnd())
        return found.value();

    auto bound = std::make_shared<BoundExpression>();
    // Variable names are whatever the user typed (Chinese included): every byte of a
    // multi-byte UTF-8 sequence counts as a name character.
    std::string nameChars = "0123456789_abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    for (int byte = 0x80; byte <= 0xFF; ++byte)
        nameChars.push_back(static_cast<char>(byte));
    bound->parser.DefineNameChars(nameChars.c_str());
    bound->variableValues.assign(names.size(), 0.0);
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString name = names.at(i).trimmed();
        if (name.isEmpty())
            continue; // an empty name cannot be referred to
        bound->parser.DefineVar(name.toStdString(), &bound->variableValues[i]);
    }
    bound->parser.SetExpr(expression.toStdString());
    bound->parser.Eval(); // compiles now, so a rejected expression is never cached

    if (cachedExpressions.size() >= kCachedExpressionLimit)
        cachedExpressions.clear();
    cachedExpressions.insert(key, bound);
    return bound;
}

} // namespace

extern "C" long double GoCalc(const QString *expression, const QStringList *names, const QStringList *values)
{
    constexpr long double failed = std::numeric_limits<long double>::quiet_NaN();
    lastError.clear();
    if (!expression || !names || !values) {
        lastError = QCoreApplication::translate("Formula", "调用参数缺失");
        return failed;
    }
    try {
        if (names->size() < values->size()) {
            lastError = QCoreApplication::translate("Formula", "变量值比变量名多");
            return failed;
        }
        // Only as many variables as there are values take part.
        const QStringList usedNames = names->mid(0, values->size());
        std::vector<double> numbers(values->size());
        for (qsizetype i = 0; i < values->size(); ++i) {
            bool ok = false;
            numbers[i] = values->at(i).trimmed().toDouble(&ok);
            if (!ok) {
                lastError = QCoreApplication::translate("Formula", "变量“%1”的值“%2”不是数字")
                                .arg(usedNames.at(i), values->at(i));
                return failed;
            }
        }
        std::shared_ptr<BoundExpression> bound = Bind(*expression, usedNames);
        std::copy(numbers.begin(), numbers.end(), bound->variableValues.begin());
        return static_cast<long double>(bound->parser.Eval());
    } catch (const mu::ParserError &error) {
        lastError = Describe(error);
    } catch (const std::exception &error) {
        lastError = QCoreApplication::translate("Formula", "无法计算（%1）").arg(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        lastError = QCoreApplication::translate("Formula", "无法计算");
    }
    return failed;
}

extern "C" void GoCalcLastError(QString *message)
{
    if (message)
        *message = lastError;
}
