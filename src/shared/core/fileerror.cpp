#include "fileerror.h"

#include <QFileDevice>

namespace {
struct Translation
{
    const char *system;  // as the C library words it, possibly inside the toolkit's text
    const char *chinese;
};

const Translation kSystemErrors[] = {
    {"No such file or directory", "文件或文件夹不存在"},
    {"Permission denied", "没有访问权限"},
    {"Operation not permitted", "操作不被允许"},
    {"File name too long", "文件名太长"},
    {"No space left on device", "磁盘空间不足"},
    {"Disk quota exceeded", "超出了磁盘配额"},
    {"Read-only file system", "磁盘或文件夹只读，不能写入"},
    {"Is a directory", "同名的文件夹已存在"},
    {"Not a directory", "路径中有一部分不是文件夹"},
    {"Destination file exists", "目标文件已存在"},
    {"File exists", "目标文件已存在"},
    {"Directory not empty", "文件夹不是空的"},
    {"Too many open files", "打开的文件太多"},
    {"Input/output error", "读写磁盘时出错"},
    {"Device or resource busy", "文件正被占用"},
    {"Invalid argument", "文件名或路径无效"},
};

QString describeKind(QFileDevice::FileError error)
{
    switch (error) {
    case QFileDevice::ReadError:
        return QStringLiteral("读取时出错");
    case QFileDevice::WriteError:
        return QStringLiteral("写入时出错");
    case QFileDevice::ResourceError:
        return QStringLiteral("系统资源不足（例如磁盘已满）");
    case QFileDevice::OpenError:
        return QStringLiteral("无法打开或创建文件");
    case QFileDevice::AbortError:
        return QStringLiteral("操作被中止");
    case QFileDevice::TimeOutError:
        return QStringLiteral("操作超时");
    case QFileDevice::RemoveError:
        return QStringLiteral("无法删除文件");
    case QFileDevice::RenameError:
        return QStringLiteral("无法重命名文件");
    case QFileDevice::PositionError:
    case QFileDevice::ResizeError:
        return QStringLiteral("无法改写文件");
    case QFileDevice::PermissionsError:
        return QStringLiteral("无法更改文件权限");
    case QFileDevice::CopyError:
        return QStringLiteral("无法复制文件");
    case QFileDevice::FatalError:
    case QFileDevice::UnspecifiedError:
    case QFileDevice::NoError:
        break;
    }
    return QStringLiteral("未知的文件错误");
}
} // namespace

QString FileErrorText(const QFileDevice &file)
{
    const QString system = file.errorString();
    for (const Translation &translation : kSystemErrors) {
        if (system.contains(QLatin1String(translation.system), Qt::CaseInsensitive))
            return QString::fromUtf8(translation.chinese);
    }
    return describeKind(file.error());
}
