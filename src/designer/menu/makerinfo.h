#pragma once

#include <QString>

// The maker's contact points, shown in the menu's info strip and the about window.
namespace MakerInfo {
inline const QString SoftwareVersion = QStringLiteral("V2.4");
inline const QString QQGroupNumber = QStringLiteral("215367498");
inline const QString BlogAddress = QStringLiteral("https://weibo.com/zelmora");
inline const QString BlogName = QStringLiteral("@Zelmora随机工作室");
inline const QString FeedbackMail = QStringLiteral("feedback@zelmora.cn");
// Shown through QCoreApplication::translate("MakerInfo", Author).
inline constexpr char Author[] = QT_TRANSLATE_NOOP("MakerInfo", "Zelmora 随机工作室");
} // namespace MakerInfo
