#include "password.h"

#include "queryvalues.h"
#include "suiteerror.h"
#include <QCoreApplication>

namespace {

struct CharacterClass
{
    const char *optionName;
    char first;
    int size;
};

constexpr CharacterClass kClasses[4] = {
    {"小写字母", 'a', 26},
    {"大写字母", 'A', 26},
    {"数字", '0', 10},
    {"特殊符号", '!', 15},
};

constexpr int kMaxPasswordLength = 4096;
constexpr qint64 kMaxBatchCharacters = 50'000'000;

// The group a password message is about, placed before the message; empty for a
// password project. English needs a colon after it, Chinese runs straight on.
QString OwnerPrefix(const QString &what)
{
    return what.isEmpty()
               ? QString()
               : QCoreApplication::translate("Engine", "%1", "group named before a password message").arg(what);
}

} // namespace

PasswordRule PasswordRule::Parse(const QString &lengthText, const QString &options, const QString &what)
{
    PasswordRule rule;
    rule.length = ParseCount(lengthText, QCoreApplication::translate("Engine", "%1密码长度").arg(OwnerPrefix(what)), 1,
                             kMaxPasswordLength);
    bool any = false;
    for (int c = 0; c < 4; ++c) {
        rule.classes[c] = options.contains(QString::fromUtf8(kClasses[c].optionName));
        any = any || rule.classes[c];
    }
    if (!any)
        throw SuiteError(
            QCoreApplication::translate(
                "Engine", "%1密码没有选择任何字符类型，请至少选择小写字母、大写字母、数字、特殊符号中的一种。")
                .arg(OwnerPrefix(what)));
    return rule;
}

qint64 PasswordRule::DistinctCount(qint64 cap) const
{
    qint64 alphabet = 0;
    for (int c = 0; c < 4; ++c)
        if (classes[c])
            alphabet += kClasses[c].size;
    qint64 total = 1;
    for (int i = 0; i < length && total < cap; ++i)
        total = std::min(cap, total * alphabet);
    return total;
}

void PasswordRule::CheckBatchSize(qint64 count, const QString &what) const
{
    if (qint64(length) * count > kMaxBatchCharacters)
        throw SuiteError(QCoreApplication::translate("Engine",
                                                     "%1每次生成 %2 个长度为 %3 的密码共 %4 个字符，超过上限 %5，"
                                                     "请减少生成数量或缩短密码长度。")
                             .arg(OwnerPrefix(what))
                             .arg(count)
                             .arg(length)
                             .arg(qint64(length) * count)
                             .arg(kMaxBatchCharacters));
}

QStringList PasswordDraw(const PasswordRule &rule, RandomSource &random, int count, QSet<QString> &used,
                         const QString &what)
{
    const qint64 wanted = qint64(used.size()) + count;
    if (rule.DistinctCount(wanted) < wanted)
        throw SuiteError(
            QCoreApplication::translate(
                "Engine", "%1密码长度 %2 的不同密码不足 %3 个，请增加密码长度、增加字符类型或减少生成数量。")
                .arg(OwnerPrefix(what))
                .arg(rule.length)
                .arg(wanted));
    int enabled[4];
    int enabledCount = 0;
    for (int c = 0; c < 4; ++c)
        if (rule.classes[c])
            enabled[enabledCount++] = c;

    // Repeats are only likely when nearly every password is taken; the bound keeps even
    // that case finite.
    const qint64 attemptLimit = 1'000'000 + 100 * qint64(count);
    qint64 attempts = 0;
    QStringList passwords;
    passwords.reserve(count);
    QString text;
    while (passwords.size() < count) {
        if (++attempts > attemptLimit)
            throw SuiteError(
                QCoreApplication::translate("Engine", "%1无法生成足够多的不同密码，请增加密码长度或减少生成数量。")
                    .arg(OwnerPrefix(what)));
        text.resize(rule.length);
        for (int i = 0; i < rule.length; ++i) {
            const CharacterClass &cls = kClasses[enabled[random.Below(quint64(enabledCount))]];
            text[i] = QLatin1Char(char(cls.first + int(random.Below(quint64(cls.size)))));
        }
        if (used.contains(text))
            continue;
        used.insert(text);
        passwords.append(text);
    }
    return passwords;
}
