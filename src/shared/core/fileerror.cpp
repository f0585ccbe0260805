#include "fileerror.h"

#include <QFileDevice>
#include <QCoreApplication>

namespace {
struct Translation
{
    const char *system;  // as the C library words it, possibly inside the toolkit's text
    const char *described; // our own words, translated when shown
};

const Translation kSystemErrors[] = {
    {"No such file or directory", QT_TRANSLATE_NOOP("Files", "文件或文件夹不存在")},
    {"Permission denied", QT_TRANSLATE_NOOP("Files", "没有访问权限")},
    {"Operation not permitted", QT_TRANSLATE_NOOP("Files", "操作不被允许")},
    {"File name too long", QT_TRANSLATE_NOOP("Files", "文件名太长")},
    {"No space left on device", QT_TRANSLATE_NOOP("Files", "磁盘空间不足")},
    {"Disk quota exceeded", QT_TRANSLATE_NOOP("Files", "超出了磁盘配额")},
    {"Read-only file system", QT_TRANSLATE_NOOP("Files", "磁盘或文件夹只读，不能写入")},
    {"Is a directory", QT_TRANSLATE_NOOP("Files", "同名的文件夹已存在")},
    {"Not a directory", QT_TRANSLATE_NOOP("Files", "路径中有一部分不是文件夹")},
    {"Destination file exists", QT_TRANSLATE_NOOP("Files", "目标文件已存在")},
    {"File exists", QT_TRANSLATE_NOOP("Files", "目标文件已存在")},
    {"Directory not empty", QT_TRANSLATE_NOOP("Files", "文件夹不是空的")},
    {"Too many open files", QT_TRANSLATE_NOOP("Files", "打开的文件太多")},
    {"Input/output error", QT_TRANSLATE_NOOP("Files", "读写磁盘时出错")},
    {"Device or resource busy", QT_TRANSLATE_NOOP("Files", "文件正被占用")},
    {"Invalid argument", QT_TRANSLATE_NOOP("Files", "文件名或路径无效")},
};

QString describeKind(QFileDevice::FileError error)
{
    switch (error) {
    case QFileDevice::ReadError:
        return QCoreApplication::translate("Files", "读取时出错");
    case QFileDevice::WriteError:
        return QCoreApplication::translate("Files", "写入时出错");
    case QFileDevice::ResourceError:
        return QCoreApplication::translate("Files", "系统资源不足（例如磁盘已满）");
    case QFileDevice::OpenError:
        return QCoreApplication::translate("Files", "无法打开或创建文件");
    case QFileDevice::AbortError:
        return QCoreApplication::translate("Files", "操作被中止");
    case QFileDevice::TimeOutError:
        return QCoreApplication::translate("Files", "操作超时");
    case QFileDevice::RemoveError:
        return QCoreApplication::translate("Files", "无法删除文件");
    case QFileDevice::RenameError:
        return QCoreApplication::translate("Files", "无法重命名文件");
    case QFileDevice::PositionError:
    case QFileDevice::ResizeError:
        return QCoreApplication::translate("Files", "无法改写文件");
    case QFileDevice::PermissionsError:
        return QCoreApplication::translate("Files", "无法更改文件权限");
    case QFileDevice::CopyError:
        return QCoreApplication::translate("Files", "无法复制文件");
    case QFileDevice::FatalError:
    case QFileDevice::UnspecifiedError:
    case QFileDevice::NoError:
        break;
    }
    return QCoreApplication::translate("Files", "未知的文件错误");
}
} // namespace

QString FileErrorText(const QFileDevice &file)
{
    const QString system = file.errorString();
    for (const Translation &translation : kSystemErrors) {
        if (system.contains(QLatin1String(translation.system), Qt::CaseInsensitive))
            return QCoreApplication::translate("Files", translation.described);
    }
    return describeKind(file.error());
}
