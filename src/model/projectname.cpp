#include "projectname.h"
#include <QCoreApplication>

namespace {
constexpr int kMaxNameLength = 100;

bool isControl(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

// What is wrong with the characters of a name, in the order the user is told.
QStringList characterProblems(const QString &name)
{
    if (!name.isEmpty() && name.trimmed().isEmpty())
        return {QCoreApplication::translate("Model", "项目名称不能只由空格组成！")};
    QStringList problems;
    if (!name.isEmpty() && (name.front().isSpace() || name.back().isSpace()))
        problems << QCoreApplication::translate("Model", "项目名称的开头和结尾不能是空格！");
    // The name becomes Data/Projects/<name>.rpj on every platform the suite runs on.
    static const QString forbidden = QStringLiteral("/\\<>:\"|?*");
    bool control = false;
    bool unfit = false;
    for (const char32_t c : name.toUcs4()) {
        control = control || isControl(c);
        unfit = unfit || (c < 0x80 && forbidden.contains(QChar(c)));
    }
    if (control)
        problems << QCoreApplication::translate("Model", "项目名称中不得出现换行符、制表符等控制字符！");
    if (unfit)
        problems << QCoreApplication::translate("Model",
                                                "项目名称中不得出现 / \\ < > : \" | ? * 等不能用于文件名的字符！");
    if (name.toUcs4().size() > kMaxNameLength)
        problems << QCoreApplication::translate("Model", "项目名称不能超过%1个字符！").arg(kMaxNameLength);
    return problems;
}
} // namespace

QString ProjectNameFileProblem(const QString &name)
{
    const QStringList problems = characterProblems(name);
    if (!problems.isEmpty())
        return problems.first();
    if (name.contains(QStringLiteral("..")))
        return QCoreApplication::translate("Model", "项目名称中不得出现“..”！");
    return {};
}

QStringList ProjectNameProblems(const QString &name, const QStringList &otherNames)
{
    QStringList problems;
    if (name.isEmpty())
        problems << QCoreApplication::translate("Model", "项目名称不能为空！");
    if (otherNames.contains(name))
        problems << QCoreApplication::translate("Model", "项目名称不能与现有的项目名称重复！");
    // A point also rules out ".." and any extension games with the file name.
    if (name.contains(QLatin1Char('.')))
        problems << QCoreApplication::translate("Model", "项目名称中不得出现小数点！");
    problems << characterProblems(name);
    return problems;
}
