#include "chineseui.h"

#include <QFont>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QStringList>

namespace {

// Faces the designer offers or the sample projects use.
const QStringList kWindowsChineseFaces = {"微软雅黑", "Microsoft YaHei", "宋体", "SimSun", "黑体",
                                          "SimHei", "楷体", "KaiTi", "仿宋", "FangSong", "新宋体"};

// Installed families that hold the Chinese characters, best first.
const QStringList kPreferredStandIns = {"WenQuanYi Micro Hei", "Noto Sans CJK SC", "Noto Sans SC",
                                        "WenQuanYi Zen Hei", "Source Han Sans SC", "Droid Sans Fallback"};

QString FindInstalledChineseFamily()
{
    const QStringList installed = QFontDatabase::families();
    for (const QString &family : kPreferredStandIns) {
        if (installed.contains(family))
            return family;
    }
    const QStringList chinese = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
    return chinese.isEmpty() ? QString() : chinese.first();
}

} // namespace

QString SubstituteMissingChineseFaces()
{
    const QString standIn = FindInstalledChineseFamily();
    if (standIn.isEmpty())
        return standIn;
    const QStringList installed = QFontDatabase::families();
    for (const QString &face : kWindowsChineseFaces) {
        if (!installed.contains(face))
            QFont::insertSubstitution(face, standIn);
    }
    return standIn;
}

void InstallToolkitChineseTexts()
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}
