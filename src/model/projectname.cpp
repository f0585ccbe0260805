#include "projectname.h"

namespace {
// Blanks only, or a character a file name cannot hold.
QString characterProblem(const QString &name)
{
    if (!name.isEmpty() && name.trimmed().isEmpty())
        return QStringLiteral("项目名称不能只由空格组成！");
    // The name becomes Data/Projects/<name>.rpj on every platform the suite runs on.
    static const QString forbidden = QStringLiteral("/\\<>:\"|?*");
    for (const QChar c : name) {
        if (forbidden.contains(c) || c.unicode() < 0x20)
            return QStringLiteral("项目名称中不得出现 / \\ < > : \" | ? * 等不能用于文件名的字符！");
    }
    return {};
}
} // namespace

QString ProjectNameFileProblem(const QString &name)
{
    const QString problem = characterProblem(name);
    if (!problem.isEmpty())
        return problem;
    if (name.contains(QStringLiteral("..")))
        return QStringLiteral("项目名称中不得出现“..”！");
    return {};
}

QStringList ProjectNameProblems(const QString &name, const QStringList &otherNames)
{
    QStringList problems;
    if (name.isEmpty())
        problems << QStringLiteral("项目名称不能为空！");
    if (otherNames.contains(name))
        problems << QStringLiteral("项目名称不能与现有的项目名称重复！");
    // A point also rules out ".." and any extension games with the file name.
    if (name.contains(QLatin1Char('.')))
        problems << QStringLiteral("项目名称中不得出现小数点！");
    const QString problem = characterProblem(name);
    if (!problem.isEmpty())
        problems << problem;
    return problems;
}
