#pragma once

// A phone for the tests: a WebSocket client of the remote's page that keeps what the
// server says.
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QTest>
#include <QUrl>
#include <QWebSocket>

#include <optional>

inline QUrl WithPath(QUrl url, const QString &path)
{
    url.setPath(path);
    return url;
}

inline QString Origin(const QUrl &page)
{
    return QStringLiteral("http://%1:%2").arg(page.host()).arg(page.port());
}

// A phone: a WebSocket to the page's socket that keeps what the server says.
class Phone
{
public:
    explicit Phone(const QUrl &page, const QString &origin = {}) : m_socket(origin.isNull() ? Origin(page) : origin)
    {
        QObject::connect(&m_socket, &QWebSocket::textMessageReceived,
                         [this](const QString &text) { messages << QJsonDocument::fromJson(text.toUtf8()).object(); });
        m_url = WithPath(page, page.path() + QStringLiteral("/ws"));
        m_url.setScheme(QStringLiteral("ws"));
        m_socket.open(m_url);
    }
    // Like the page: a connection turned away (too many at once) is tried again.
    bool WaitConnectedTryingAgain()
    {
        return QTest::qWaitFor([this] {
            if (m_socket.state() == QAbstractSocket::UnconnectedState)
                m_socket.open(m_url);
            return m_socket.state() == QAbstractSocket::ConnectedState;
        }, 20'000);
    }
    bool WaitConnected()
    {
        return QTest::qWaitFor([this] { return m_socket.state() == QAbstractSocket::ConnectedState; }, 10'000);
    }
    bool WaitClosed()
    {
        return QTest::qWaitFor([this] { return m_socket.state() == QAbstractSocket::UnconnectedState; }, 10'000);
    }
    void Send(const QJsonObject &message)
    {
        m_socket.sendTextMessage(QString::fromUtf8(QJsonDocument(message).toJson(QJsonDocument::Compact)));
    }
    void Hello(const QString &device) { Send({{"type", "hello"}, {"device", device}}); }
    // Connects, says hello as `device` and waits to be let in (the first state).
    bool Greet(const QString &device)
    {
        if (!WaitConnected())
            return false;
        Hello(device);
        return WaitFor("state");
    }
    bool WaitFor(const QString &type)
    {
        return QTest::qWaitFor([&] { return Last(type).has_value(); }, 10'000);
    }
    std::optional<QJsonObject> Last(const QString &type) const
    {
        for (auto it = messages.crbegin(); it != messages.crend(); ++it) {
            if (it->value("type").toString() == type)
                return *it;
        }
        return std::nullopt;
    }
    QWebSocket &Socket() { return m_socket; }

    QList<QJsonObject> messages;

private:
    QWebSocket m_socket;
    QUrl m_url;
};

