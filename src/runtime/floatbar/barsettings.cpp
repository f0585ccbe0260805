#include "barsettings.h"

#include "inifile.h"

#include <QStringList>

#include <algorithm>

namespace {
QString PlaceKey(const QString &layoutKey)
{
    return QStringLiteral("Place@") + layoutKey;
}
} // namespace

QuickDrawSettings ReadQuickDrawSettings(const QString &iniPath)
{
    using namespace QuickDrawIni;
    const IniFile ini(iniPath);
    QuickDrawSettings settings;
    settings.opacityPercent = std::clamp(ini.ReadInteger(kSection, kOpacity, settings.opacityPercent), 30, 100);
    settings.barHeight = std::clamp(ini.ReadInteger(kSection, kSize, settings.barHeight), 32, 160);
    settings.showSeconds = std::clamp(ini.ReadInteger(kSection, kShowSeconds, settings.showSeconds), 1, 60);
    settings.key = ini.ReadString(kSection, kKey, settings.key);
    return settings;
}

void WriteQuickDrawSetting(const QString &key, const QString &value, const QString &iniPath)
{
    IniFile(iniPath).WriteString(QuickDrawIni::kSection, key, value);
}

std::optional<QPoint> ReadBarPlace(const QString &layoutKey, const QString &iniPath)
{
    const QStringList parts =
        IniFile(iniPath).ReadString(QuickDrawIni::kSection, PlaceKey(layoutKey)).split(QLatin1Char(','));
    bool xOk = false;
    bool yOk = false;
    if (parts.size() != 2)
        return std::nullopt;
    const QPoint place(parts.at(0).trimmed().toInt(&xOk), parts.at(1).trimmed().toInt(&yOk));
    if (!xOk || !yOk)
        return std::nullopt;
    return place;
}

void WriteBarPlace(const QString &layoutKey, const QPoint &place, const QString &iniPath)
{
    WriteQuickDrawSetting(PlaceKey(layoutKey), QStringLiteral("%1,%2").arg(place.x()).arg(place.y()), iniPath);
}
