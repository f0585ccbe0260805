#include "mediacheck.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>
#include <QMimeDatabase>

namespace {

// Why a file cannot be opened at all, or "".
QString FileProblem(const QString &path)
{
    const QFileInfo file(path);
    if (!file.exists())
        return QCoreApplication::translate("MediaCheck", "文件不存在");
    if (!file.isFile())
        return QCoreApplication::translate("MediaCheck", "不是文件");
    if (!file.isReadable())
        return QCoreApplication::translate("MediaCheck", "没有读取权限");
    return {};
}

} // namespace

QString UnusableMediaCaption()
{
    return QCoreApplication::translate("MediaCheck", "文件无法使用");
}

QString BackgroundPictureProblem(const QString &path)
{
    QString problem = FileProblem(path);
    if (problem.isEmpty() && !QImageReader(path).canRead())
        problem = QCoreApplication::translate("MediaCheck", "不是可以显示的图片");
    return problem.isEmpty() ? QString() : QCoreApplication::translate("MediaCheck", "背景图片无法读取：%1（%2）").arg(path, problem);
}

QStringList BackgroundMusicProblems(const QStringList &paths)
{
    static const QMimeDatabase mimeTypes;
    QStringList problems;
    for (const QString &path : paths) {
        QString problem = FileProblem(path);
        if (problem.isEmpty()) {
            const QMimeType type = mimeTypes.mimeTypeForFile(path);
            // Some players' files (.wma, .mid) are typed as video or by extension only.
            if (!type.name().startsWith(QStringLiteral("audio/")) && !type.name().startsWith(QStringLiteral("video/")))
                problem = QCoreApplication::translate("MediaCheck", "不是音乐文件");
        }
        if (!problem.isEmpty())
            problems << QCoreApplication::translate("MediaCheck", "背景音乐无法播放：%1（%2）").arg(path, problem);
    }
    return problems;
}
