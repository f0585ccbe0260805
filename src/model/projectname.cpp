#include "projectname.h"

QString ProjectNameFileProblem(const QString &name)
{
    if (!name.isEmpty() && name.trimmed().isEmpty())
        return QStringLiteral("项目名称不能只由空格组成！");
    static const QString forbidden = QStringLiteral("/\\<>:\"|?*");
    for (const QChar c : name) {
        if (forbidden.contains(c) || c.unicode() < 0x20)
            return QStringLiteral("项目名称中不得出现 / \\ < > : \" | ? * 等不能用于文件名的字符！");
    }
    if (name.contains(QStringLiteral("..")))
        return QStringLiteral("项目名称中不得出现“..”！");
    return {};
}
