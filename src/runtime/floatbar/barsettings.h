#pragma once

#include "softsettings.h"

#include <QPoint>
#include <QString>

#include <optional>

// The quick-draw bar's settings in Soft.ini, section [QuickDraw]. Every write goes to the
// file at once (IniFile keeps the other keys); reads and writes throw IniAccessError.
struct QuickDrawSettings
{
    int opacityPercent = 90;  // 30 … 100
    int barHeight = 60;       // the pill's height; its width is twice that
    int showSeconds = 5;      // how long a result stays before it fades
    QString key = QStringLiteral("Ctrl+Alt+R"); // the global draw key, portable text
};

namespace QuickDrawIni {
inline const QString kSection = QStringLiteral("QuickDraw");
inline const QString kOpacity = QStringLiteral("Opacity");
inline const QString kSize = QStringLiteral("Size");
inline const QString kShowSeconds = QStringLiteral("ShowSeconds");
inline const QString kKey = QStringLiteral("Key");
} // namespace QuickDrawIni

// Out-of-range numbers read as the nearest allowed value.
QuickDrawSettings ReadQuickDrawSettings(const QString &iniPath = SoftIniPath());
void WriteQuickDrawSetting(const QString &key, const QString &value, const QString &iniPath = SoftIniPath());

// The bar's place for one arrangement of screens (ScreenLayoutKey), "x,y".
std::optional<QPoint> ReadBarPlace(const QString &layoutKey, const QString &iniPath = SoftIniPath());
void WriteBarPlace(const QString &layoutKey, const QPoint &place, const QString &iniPath = SoftIniPath());
