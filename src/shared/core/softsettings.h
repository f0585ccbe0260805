#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Soft.ini: the settings that belong to no project. Every key is optional; a missing
// key takes the default given here.
struct SoftSettings
{
    // [GuideBackground] Path, with "Application:" already expanded (ExpandAppMarker).
    QString wallpaperPath;
    // [Rand] RandSpliter: a separator name, empty when the key is missing (the
    // runtime's reading; the settings dialog shows SettingsDialogDefaultSpliter then).
    QString randSpliter;
    bool listAutoRestore = false;
    // [Show]
    bool randLabelBorder = false;
    QString rBorderWidth = QStringLiteral("1");  // the number box's text as stored
    QString rBorderColor = QStringLiteral("0,0,0");
    bool imgBorder = false;
    QString imgBorderWidth = QStringLiteral("1");
    QString imgBorderColor = QStringLiteral("0,0,0");
    // [Frequency]: set by hand or by the installed file only.
    bool show3D = true;
    QString frequencyStyle = QStringLiteral("Bars");
    // [History] Keep: "否" (or "0") turns the draw history off; anything else keeps it.
    bool keepHistory = true;
    // [Interface] Language: "自动", "中文" or "English" (interfacelanguage.h); read at
    // each program's start.
    QString language = QStringLiteral("自动");
    // [Interface] HighContrast: the high-contrast look of the windows, read at each
    // program's start.
    bool highContrast = false;

    // The widths the settings dialog accepts.
    static constexpr int MinBorderWidth = 1;
    static constexpr int MaxBorderWidth = 50;
    // Border widths as the runtime uses them: the stored integer kept within those limits,
    // 1 when not a number.
    int RBorderWidthPixels() const;
    int ImgBorderWidthPixels() const;
};

// Section and key names as they appear in the file.
namespace SoftIni {
inline const QString kGuideBackground = QStringLiteral("GuideBackground");
inline const QString kPath = QStringLiteral("Path");
inline const QString kRand = QStringLiteral("Rand");
inline const QString kRandSpliter = QStringLiteral("RandSpliter");
inline const QString kListAutoRestore = QStringLiteral("ListAutoRestore");
inline const QString kShow = QStringLiteral("Show");
inline const QString kRandLabelBorder = QStringLiteral("RandLabelBorder");
inline const QString kRBorderWidth = QStringLiteral("RBorderWidth");
inline const QString kRBorderColor = QStringLiteral("RBorderColor");
inline const QString kImgBorder = QStringLiteral("ImgBorder");
inline const QString kImgBorderWidth = QStringLiteral("ImgBorderWidth");
inline const QString kImgBorderColor = QStringLiteral("ImgBorderColor");
inline const QString kFrequency = QStringLiteral("Frequency");
inline const QString kShow3D = QStringLiteral("Show3D");
inline const QString kStyle = QStringLiteral("Style");
inline const QString kHistory = QStringLiteral("History");
inline const QString kKeep = QStringLiteral("Keep");
inline const QString kInterface = QStringLiteral("Interface");
inline const QString kLanguage = QStringLiteral("Language");
inline const QString kHighContrast = QStringLiteral("HighContrast");
} // namespace SoftIni

inline const QString SettingsDialogDefaultSpliter = QStringLiteral("双空格");
inline const QString DefaultWallpaperSetting = QStringLiteral("Application:Img/背景图片.jpg");

// AppDir() + "Soft.ini".
QString SoftIniPath();

// Reads every key; throws IniAccessError when the file exists but cannot be read.
SoftSettings ReadSoftSettings(const QString &iniPath = SoftIniPath());

// Soft.ini of the data folder a starting program will use: --appdir's among its
// arguments, or the one PrepareDataDir will choose. Nothing is created; an unreadable
// file reads as the defaults.
SoftSettings ReadStartSoftSettings(const QStringList &arguments);

// The menu's wallpaper commands: stores `path` with every occurrence of AppDir()
// replaced by "Application:" (case-sensitive). Throws IniAccessError.
void WriteWallpaperPath(const QString &path, const QString &iniPath = SoftIniPath());

// The settings dialog's confirm: writes the eight [Rand] and [Show] keys, one at a
// time, leaving [GuideBackground] and [Frequency] alone. Throws IniAccessError.
void WriteRandShowSettings(const SoftSettings &settings, const QString &iniPath = SoftIniPath());

// The settings dialog's language choice. Throws IniAccessError.
void WriteLanguageSetting(const QString &language, const QString &iniPath = SoftIniPath());
// The settings dialog's high-contrast choice. Throws IniAccessError.
void WriteHighContrastSetting(bool on, const QString &iniPath = SoftIniPath());

// "Application:" <-> the data folder (or the installation folder for installed pictures)
// in wallpaper paths.
QString ExpandApplicationPrefix(const QString &storedPath);
QString CollapseApplicationPrefix(const QString &path);

// The characters put between the values of one generation for a separator name
// ("双空格" two spaces, "全角空格", "全角逗号", "全角分号", "半角分号"); nothing for any
// other text, which leaves the runtime's separator as it was.
std::optional<QString> RandSpliterCharacters(const QString &name);
