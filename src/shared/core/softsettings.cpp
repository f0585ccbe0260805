#include "softsettings.h"

#include "apppaths.h"
#include "inifile.h"
#include "suiteerror.h"

#include <algorithm>

namespace {
const QString kApplicationPrefix = QStringLiteral("Application:");

int WidthPixels(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::clamp(value, SoftSettings::MinBorderWidth, SoftSettings::MaxBorderWidth) : 1;
}
} // namespace

int SoftSettings::RBorderWidthPixels() const
{
    return WidthPixels(rBorderWidth);
}

int SoftSettings::ImgBorderWidthPixels() const
{
    return WidthPixels(imgBorderWidth);
}

QString SoftIniPath()
{
    return AppDir() + QStringLiteral("Soft.ini");
}

QString ExpandApplicationPrefix(const QString &storedPath)
{
    QString path = storedPath;
    // A file written on Windows separates folders with "\".
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return ExpandAppMarker(path, kApplicationPrefix);
}

QString CollapseApplicationPrefix(const QString &path)
{
    return CollapseAppMarker(path, kApplicationPrefix);
}

SoftSettings ReadSoftSettings(const QString &iniPath)
{
    using namespace SoftIni;
    const IniFile ini(iniPath);
    SoftSettings s;
    s.wallpaperPath = ExpandApplicationPrefix(ini.ReadString(kGuideBackground, kPath, DefaultWallpaperSetting));
    s.randSpliter = ini.ReadString(kRand, kRandSpliter);
    s.listAutoRestore = ini.ReadBool(kRand, kListAutoRestore, false);
    s.randLabelBorder = ini.ReadBool(kShow, kRandLabelBorder, false);
    s.rBorderWidth = ini.ReadString(kShow, kRBorderWidth, s.rBorderWidth);
    s.rBorderColor = ini.ReadString(kShow, kRBorderColor, s.rBorderColor);
    s.imgBorder = ini.ReadBool(kShow, kImgBorder, false);
    s.imgBorderWidth = ini.ReadString(kShow, kImgBorderWidth, s.imgBorderWidth);
    s.imgBorderColor = ini.ReadString(kShow, kImgBorderColor, s.imgBorderColor);
    s.show3D = ini.ReadBool(kFrequency, kShow3D, true);
    s.frequencyStyle = ini.ReadString(kFrequency, kStyle, s.frequencyStyle);
    const QString keep = ini.ReadString(kHistory, kKeep).trimmed();
    s.keepHistory = keep != QStringLiteral("否") && keep != QStringLiteral("0");
    s.language = ini.ReadString(kInterface, kLanguage, s.language);
    s.highContrast = ini.ReadBool(kInterface, kHighContrast, false);
    return s;
}

SoftSettings ReadStartSoftSettings(const QStringList &arguments)
{
    const qsizetype at = arguments.indexOf(QStringLiteral("--appdir"));
    const QString dataDir = at >= 0 && at + 1 < arguments.size() ? arguments.at(at + 1) + QLatin1Char('/')
                                                                 : ChooseDataDir(InstallDir(), UserDataDir());
    try {
        return ReadSoftSettings(dataDir + QStringLiteral("Soft.ini"));
    } catch (const SuiteError &) {
        return SoftSettings{};
    }
}

void WriteWallpaperPath(const QString &path, const QString &iniPath)
{
    IniFile ini(iniPath);
    ini.WriteString(SoftIni::kGuideBackground, SoftIni::kPath, CollapseApplicationPrefix(path));
}

void WriteRandShowSettings(const SoftSettings &s, const QString &iniPath)
{
    using namespace SoftIni;
    IniFile ini(iniPath);
    ini.WriteString(kRand, kRandSpliter, s.randSpliter);
    ini.WriteBool(kRand, kListAutoRestore, s.listAutoRestore);
    ini.WriteBool(kShow, kRandLabelBorder, s.randLabelBorder);
    ini.WriteString(kShow, kRBorderWidth, s.rBorderWidth);
    ini.WriteString(kShow, kRBorderColor, s.rBorderColor);
    ini.WriteBool(kShow, kImgBorder, s.imgBorder);
    ini.WriteString(kShow, kImgBorderWidth, s.imgBorderWidth);
    ini.WriteString(kShow, kImgBorderColor, s.imgBorderColor);
}

void WriteLanguageSetting(const QString &language, const QString &iniPath)
{
    IniFile ini(iniPath);
    ini.WriteString(SoftIni::kInterface, SoftIni::kLanguage, language);
}

void WriteHighContrastSetting(bool on, const QString &iniPath)
{
    IniFile ini(iniPath);
    ini.WriteBool(SoftIni::kInterface, SoftIni::kHighContrast, on);
}

std::optional<QString> RandSpliterCharacters(const QString &name)
{
    if (name == QStringLiteral("双空格"))
        return QStringLiteral("  ");
    if (name == QStringLiteral("全角空格"))
        return QStringLiteral("\u3000");
    if (name == QStringLiteral("全角逗号"))
        return QStringLiteral("\uFF0C");
    if (name == QStringLiteral("全角分号"))
        return QStringLiteral("\uFF1B");
    if (name == QStringLiteral("半角分号"))
        return QStringLiteral(";");
    return std::nullopt;
}
