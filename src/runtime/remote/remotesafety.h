#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHostAddress>
#include <QList>
#include <QString>

#include <optional>

// The small rules that keep the phone remote safe, apart from the server so each can be
// checked on its own.

// A fresh pairing code: 16 bytes (128 bits) from the system's random source, as 22
// characters of unpadded base64url, so it can stand in a path as it is.
QByteArray NewPairingCode();

// Whether `offered` is `expected`, in time that does not depend on where they differ
// (only the length, which is public, is compared first).
bool SamePairingCode(QByteArrayView offered, QByteArrayView expected);

// A token bucket: up to `burst` actions at once, refilled at `perSecond`. Times are
// milliseconds from any fixed start (a QElapsedTimer), so tests can pass their own.
class ActionBudget
{
public:
    ActionBudget(int burst, int perSecond) : m_burst(burst), m_perSecond(perSecond), m_tokens(burst) {}
    // Takes one action's token; false when the budget is spent for now.
    bool Take(qint64 nowMs);

private:
    int m_burst;
    int m_perSecond;
    double m_tokens;
    qint64 m_lastMs = -1;
};

// The name a browser gives itself, shortened for the window's phone sign: the device
// model of an Android phone, "iPhone", "iPad", or the browser's name; "手机" otherwise.
QString DeviceNameFromUserAgent(const QString &userAgent);

// The one address of this computer that a phone on the same network reaches, chosen
// among `candidates` (the machine's addresses by default): a private IPv4 address first,
// then any other global IPv4 address. Loopback, link-local and IPv6 addresses are left
// out. None when the computer is on no network.
std::optional<QHostAddress> LocalNetworkAddress(const QList<QHostAddress> &candidates);
std::optional<QHostAddress> LocalNetworkAddress();
