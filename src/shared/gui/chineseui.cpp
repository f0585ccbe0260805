#include "chineseui.h"

#include "interfacelanguage.h"

#include <QFont>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QHash>
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

// A function, not a global: a QLocale made before main() would read the system's
// locale before UseInterfaceLanguage has set it.
QLocale Chinese()
{
    return QLocale(QLocale::Chinese, QLocale::China);
}

// Words of the toolkit that its installed Chinese translation does not hold.
class MissingToolkitWords : public QTranslator
{
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        static const QHash<QByteArray, QString> fileKinds = {
            {"Folder", QStringLiteral("文件夹")},     {"File Folder", QStringLiteral("文件夹")},
            {"Drive", QStringLiteral("驱动器")},      {"Unknown", QStringLiteral("未知")},
            {"Alias", QStringLiteral("别名")},        {"Shortcut", QStringLiteral("快捷方式")},
        };
        if (qstrcmp(context, "QAbstractFileIconProvider") != 0)
            return QString();
        return fileKinds.value(QByteArray(sourceText));
    }
};

// The locale name the user asked messages in, kept before UseInterfaceLanguage changes
// the environment.
QString &SystemMessagesLocaleName()
{
    static QString name;
    return name;
}

void InstallToolkitChineseTexts()
{
    QCoreApplication *application = QCoreApplication::instance();
    // Installed first, asked last: the toolkit's own translation wins where it has a word.
    QCoreApplication::installTranslator(new MissingToolkitWords(application));
    auto *translator = new QTranslator(application);
    if (translator->load(Chinese(), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

// Chosen once the application object exists: its arguments may name the data folder.
void InstallLanguageTexts()
{
    if (ChooseStartLanguage(QCoreApplication::arguments(), SystemMessagesLocaleName()) == InterfaceLanguage::English)
        InstallEnglishTranslation();
    else
        InstallToolkitChineseTexts();
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

void UseInterfaceLanguage()
{
    SystemMessagesLocaleName() = MessagesLocaleName();
    // The system's locale for dates follows LC_TIME unless LC_ALL overrides every
    // category; the rest keeps what LC_ALL said through LANG. Set before any QLocale is
    // made: the toolkit reads the environment once.
    const QByteArray all = qgetenv("LC_ALL");
    if (!all.isEmpty()) {
        qputenv("LANG", all);
        qunsetenv("LC_ALL");
    }
    qputenv("LC_TIME", "zh_CN.UTF-8");
    QLocale::setDefault(Chinese());
    // Run while the application object is made, or at once when it exists already.
    qAddPreRoutine(InstallLanguageTexts);
}
