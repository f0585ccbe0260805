#include "remotesafety.h"

#include <QCoreApplication>
#include <QNetworkInterface>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <sodium.h>

#include <algorithm>
#include <array>

QByteArray NewPairingCode()
{
    std::array<quint32, 4> words;
    QRandomGenerator::system()->fillRange(words.data(), qsizetype(words.size()));
    const QByteArray bytes(reinterpret_cast<const char *>(words.data()), qsizetype(sizeof(words)));
    return bytes.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
}

bool SamePairingCode(QByteArrayView offered, QByteArrayView expected)
{
    if (expected.isEmpty() || offered.size() != expected.size())
        return false;
    return sodium_memcmp(offered.data(), expected.data(), size_t(expected.size())) == 0;
}

bool ActionBudget::Take(qint64 nowMs)
{
    if (m_lastMs >= 0 && nowMs > m_lastMs)
        m_tokens = std::min<double>(m_burst, m_tokens + double(nowMs - m_lastMs) * m_perSecond / 1000.0);
    m_lastMs = std::max(m_lastMs, nowMs);
    if (m_tokens < 1.0)
        return false;
    m_tokens -= 1.0;
    return true;
}

QString DeviceNameFromUserAgent(const QString &userAgent)
{
    // "Mozilla/5.0 (Linux; Android 13; Pixel 7) ..." names the model after the version;
    // newer Chrome reduces it to "K", which says nothing.
    static const QRegularExpression android(QStringLiteral(R"(Android[^;)]*;\s*([^;)]+?)(?:\s+Build/[^;)]*)?\s*[;)])"));
    if (const QRegularExpressionMatch match = android.match(userAgent); match.hasMatch()) {
        const QString model = match.captured(1).trimmed();
        return model.size() > 1 ? model.left(40) : QCoreApplication::translate("RemoteServer", "Android 手机");
    }
    for (const char *device : {"iPhone", "iPad"}) {
        if (userAgent.contains(QLatin1String(device)))
            return QString::fromLatin1(device);
    }
    // Order matters: Edge and Chrome also name Safari, Edge also names Chrome.
    for (const auto &[token, name] : {std::pair{"Edg/", "Edge"}, {"Firefox/", "Firefox"}, {"Chrome/", "Chrome"},
                                      {"Safari/", "Safari"}}) {
        if (userAgent.contains(QLatin1String(token)))
            return QString::fromLatin1(name);
    }
    return QCoreApplication::translate("RemoteServer", "手机");
}

namespace {

bool IsPrivateIPv4(const QHostAddress &address)
{
    for (const auto &[network, prefix] : {std::pair{"10.0.0.0", 8}, {"172.16.0.0", 12}, {"192.168.0.0", 16}}) {
        if (address.isInSubnet(QHostAddress(QString::fromLatin1(network)), prefix))
            return true;
    }
    return false;
}

} // namespace

std::optional<QHostAddress> LocalNetworkAddress(const QList<QHostAddress> &candidates)
{
    std::optional<QHostAddress> global;
    for (const QHostAddress &address : candidates) {
        if (address.protocol() != QAbstractSocket::IPv4Protocol || address.isLoopback() || address.isLinkLocal()
            || address.isMulticast() || address.isBroadcast() || address == QHostAddress::AnyIPv4)
            continue;
        if (IsPrivateIPv4(address))
            return address;
        if (!global)
            global = address;
    }
    return global;
}

std::optional<QHostAddress> LocalNetworkAddress()
{
    QList<QHostAddress> addresses;
    for (const QNetworkInterface &interface : QNetworkInterface::allInterfaces()) {
        const auto flags = interface.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp) || !flags.testFlag(QNetworkInterface::IsRunning)
            || flags.testFlag(QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry &entry : interface.addressEntries())
            addresses << entry.ip();
    }
    return LocalNetworkAddress(addresses);
}
