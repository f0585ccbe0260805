#include "remoteserver.h"

#include "remotesafety.h"

#include <QAbstractHttpServer>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QWebSocket>

#include <functional>
#include <vector>

namespace {

// One request's head and body together; the page's requests are a few hundred bytes.
constexpr qint64 kMaxRequestBytes = 16 * 1024;
// A connection that completes no request for this long is closed (slow clients).
constexpr int kIdleMs = 10'000;
constexpr int kMaxHttpConnections = 32;
constexpr int kMaxWebSockets = 16;
// A phone's messages are a few dozen bytes.
constexpr quint64 kMaxMessageBytes = 1024;
// Every request of all clients together; a page load is one or two.
constexpr int kRequestBurst = 50;
constexpr int kRequestsPerSecond = 25;
// Commands of one phone: a few presses a second.
constexpr int kCommandBurst = 4;
constexpr int kCommandsPerSecond = 4;
// A phone says who it is right after connecting; one that stops answering pings is gone.
constexpr int kHeartbeatMs = 5'000;
constexpr qint64 kGreetingMs = 5'000;
constexpr qint64 kSilenceMs = 20'000;

QString ServerText(const char *text)
{
    return QCoreApplication::translate("RemoteServer", text);
}

QString AnotherDeviceText() { return ServerText(QT_TRANSLATE_NOOP("RemoteServer", "已有设备在遥控")); }
QString TooFastText() { return ServerText(QT_TRANSLATE_NOOP("RemoteServer", "操作太频繁，请稍候再试")); }
QString UnknownMessageText() { return ServerText(QT_TRANSLATE_NOOP("RemoteServer", "无法识别的指令")); }

// The phone page's own texts, longest first: a shorter text inside a longer one is only
// put into the interface language once the longer one has been.
const char *const kPageTexts[] = {
    QT_TRANSLATE_NOOP("RemotePage", "将“%1”标记为缺席，并为该位置重新抽取？"),
    QT_TRANSLATE_NOOP("RemotePage", "有人缺席？点他的名字，该位置重新抽取"),
    QT_TRANSLATE_NOOP("RemotePage", "连接已断开，正在重新连接…"),
    QT_TRANSLATE_NOOP("RemotePage", "按下“开始”抽取"),
    QT_TRANSLATE_NOOP("RemotePage", "正在连接电脑…"),
    QT_TRANSLATE_NOOP("RemotePage", "正在连接…"),
    QT_TRANSLATE_NOOP("RemotePage", "手机遥控"),
    QT_TRANSLATE_NOOP("RemotePage", "随机抽取"),
    QT_TRANSLATE_NOOP("RemotePage", "抽取中…"),
    QT_TRANSLATE_NOOP("RemotePage", "已连接"),
    QT_TRANSLATE_NOOP("RemotePage", "开始"),
    QT_TRANSLATE_NOOP("RemotePage", "停止"),
};

// The page is compiled in with Chinese texts; a run in another language serves it with
// that language's texts (and says so in its lang attribute). The texts stand in HTML and
// in script strings alike, so their translations hold no quotes, '<' or '&'.
QByteArray PageHtml()
{
    static const QByteArray chinesePage = [] {
        QFile file(QStringLiteral(":/remote/remotepage.html"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    QString html;
    for (const char *text : kPageTexts) {
        const QString shown = QCoreApplication::translate("RemotePage", text);
        if (shown == QString::fromUtf8(text))
            continue;
        if (html.isEmpty())
            html = QString::fromUtf8(chinesePage).replace(QStringLiteral("<html lang=\"zh-CN\">"),
                                                          QStringLiteral("<html lang=\"en\">"));
        html.replace(QString::fromUtf8(text), shown);
    }
    return html.isEmpty() ? chinesePage : html.toUtf8();
}

// Watches one HTTP connection before the HTTP server reads it: a request larger than
// kMaxRequestBytes gets 413 and the connection is closed; a connection idle for
// kIdleMs is closed.
class ConnectionGuard : public QObject
{
public:
    explicit ConnectionGuard(QTcpSocket *socket) : QObject(socket), m_socket(socket)
    {
        m_idle.setSingleShot(true);
        m_idle.setInterval(kIdleMs);
        connect(&m_idle, &QTimer::timeout, this, [this] { m_socket->abort(); });
        connect(socket, &QTcpSocket::readyRead, this, &ConnectionGuard::CountArrivedBytes);
        m_idle.start();
    }

    void RequestHandled()
    {
        m_bytes = 0;
        m_idle.start();
    }

private:
    void CountArrivedBytes()
    {
        m_bytes += m_socket->bytesAvailable();
        if (m_bytes <= kMaxRequestBytes || m_refused)
            return;
        m_refused = true;
        const QByteArray body = ServerText(QT_TRANSLATE_NOOP("RemoteServer", "请求过大")).toUtf8();
        m_socket->write("HTTP/1.1 413 Payload Too Large\r\nContent-Type: text/plain; charset=utf-8\r\n"
                        "Connection: close\r\nContent-Length: "
                        + QByteArray::number(body.size()) + "\r\n\r\n" + body);
        // The rest is never parsed: the HTTP server sees nothing more of this request.
        m_socket->readAll();
        m_socket->disconnectFromHost();
    }

    QTcpSocket *m_socket;
    QTimer m_idle;
    qint64 m_bytes = 0;
    bool m_refused = false;
};

// Accepts at most kMaxHttpConnections connections at a time and guards each.
class GuardedTcpServer : public QTcpServer
{
public:
    using QTcpServer::QTcpServer;

    ConnectionGuard *GuardOf(QTcpSocket *socket) const { return m_guards.value(socket); }

    // A connection the WebSocket took over is the WebSocket's: its guard goes.
    void ReleaseConnection(const QHostAddress &peer, quint16 peerPort)
    {
        Prune();
        for (auto it = m_guards.begin(); it != m_guards.end();) {
            if (it.key()->peerPort() == peerPort && it.key()->peerAddress() == peer) {
                delete it.value().data();
                it = m_guards.erase(it);
            } else {
                ++it;
            }
        }
    }

protected:
    void incomingConnection(qintptr descriptor) override
    {
        auto *socket = new QTcpSocket(this);
        if (!socket->setSocketDescriptor(descriptor)) {
            delete socket;
            return;
        }
        Prune();
        if (m_guards.size() >= kMaxHttpConnections) {
            socket->abort();
            socket->deleteLater();
            return;
        }
        m_guards.insert(socket, new ConnectionGuard(socket));
        addPendingConnection(socket);
    }

private:
    // A guard goes with its socket.
    void Prune()
    {
        m_guards.removeIf([](const auto &entry) { return entry.value().isNull(); });
    }

    QHash<QTcpSocket *, QPointer<ConnectionGuard>> m_guards;
};

class PageHttpServer : public QAbstractHttpServer
{
public:
    // Returns false to leave the request to the HTTP server (a WebSocket upgrade).
    using Handler = std::function<bool(const QHttpServerRequest &, QTcpSocket *)>;
    PageHttpServer(Handler handler, QObject *parent) : QAbstractHttpServer(parent), m_handler(std::move(handler)) {}

    using QAbstractHttpServer::makeResponder;

protected:
    bool handleRequest(const QHttpServerRequest &request, QTcpSocket *socket) override
    {
        return m_handler(request, socket);
    }
    void missingHandler(const QHttpServerRequest &, QTcpSocket *) override {}

private:
    Handler m_handler;
};

bool IsWebSocketUpgrade(const QHttpServerRequest &request)
{
    return request.value("Upgrade").compare("websocket", Qt::CaseInsensitive) == 0;
}

QByteArray JsonText(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

} // namespace

struct Phone
{
    QWebSocket *socket = nullptr;
    QString deviceId; // empty until the page said hello
    QString name;
    ActionBudget commands{kCommandBurst, kCommandsPerSecond};
    qint64 connectedMs = 0;
    qint64 lastHeardMs = 0;
};

class RemoteServer::Private
{
public:
    explicit Private(RemoteServer *owner) : q(owner) {}

    bool HandleRequest(const QHttpServerRequest &request, QTcpSocket *socket);
    // Answers with `text`; returns what handleRequest returns for it.
    bool Respond(const QHttpServerRequest &request, QTcpSocket *socket, QHttpServerResponder::StatusCode status,
                 const QString &text);
    // The pairing code the path /r/<code>[/rest] holds, and the rest.
    bool PathHoldsCode(const QString &path, QString *rest) const;
    bool HostAndOriginAllowed(const QByteArray &host, const QByteArray &origin) const;

    void TakeWebSockets();
    void Greet(Phone &phone, const QJsonObject &message);
    void ReadMessage(QWebSocket *socket, const QString &text);
    void Heartbeat();
    void Drop(QWebSocket *socket);
    Phone *PhoneOf(QWebSocket *socket);
    void Send(QWebSocket *socket, const QJsonObject &message) { socket->sendTextMessage(QString::fromUtf8(JsonText(message))); }
    QJsonObject StateMessage() const;
    void AnnounceDevices();

    RemoteServer *q;
    PageHttpServer *http = nullptr;
    GuardedTcpServer *tcp = nullptr;
    QByteArray code;
    QByteArray host;   // "<address>:<port>", as a browser sends it
    QByteArray origin; // "http://<address>:<port>"
    QElapsedTimer clock;
    ActionBudget requests{kRequestBurst, kRequestsPerSecond};
    std::vector<Phone> phones;
    QTimer heartbeat;
    RemoteState state;
    bool severalAllowed = false;
};

bool RemoteServer::Private::Respond(const QHttpServerRequest &request, QTcpSocket *socket,
                                    QHttpServerResponder::StatusCode status, const QString &text)
{
    PageHttpServer::makeResponder(request, socket)
        .write(text.toUtf8(), {{"Content-Type", "text/plain; charset=utf-8"}, {"Cache-Control", "no-store"}}, status);
    // A WebSocket request reported as handled would be upgraded all the same; reported
    // as not handled, the HTTP server closes the connection after the answer.
    return !IsWebSocketUpgrade(request);
}

bool RemoteServer::Private::PathHoldsCode(const QString &path, QString *rest) const
{
    static const QRegularExpression pattern(QStringLiteral("^/r/([^/]+)(/.*)?$"));
    const QRegularExpressionMatch match = pattern.match(path);
    if (!match.hasMatch())
        return false;
    *rest = match.captured(2);
    return SamePairingCode(match.captured(1).toLatin1(), code);
}

bool RemoteServer::Private::HostAndOriginAllowed(const QByteArray &requestHost, const QByteArray &requestOrigin) const
{
    return requestHost.compare(host, Qt::CaseInsensitive) == 0
        && (requestOrigin.isEmpty() || requestOrigin.compare(origin, Qt::CaseInsensitive) == 0);
}

bool RemoteServer::Private::HandleRequest(const QHttpServerRequest &request, QTcpSocket *socket)
{
    using Status = QHttpServerResponder::StatusCode;
    if (ConnectionGuard *guard = tcp->GuardOf(socket))
        guard->RequestHandled();
    if (!requests.Take(clock.elapsed()))
        return Respond(request, socket, Status::TooManyRequests, ServerText(QT_TRANSLATE_NOOP("RemoteServer", "请求太频繁，请稍候再试")));
    const bool upgrade = IsWebSocketUpgrade(request);
    QString rest;
    // A browser always names the page's origin when it opens a WebSocket.
    if (!HostAndOriginAllowed(request.value("Host"), request.value("Origin"))
        || (upgrade && request.value("Origin").isEmpty())
        || !PathHoldsCode(request.url().path(QUrl::FullyEncoded), &rest))
        return Respond(request, socket, Status::Forbidden, ServerText(QT_TRANSLATE_NOOP("RemoteServer", "禁止访问")));
    if (request.method() != QHttpServerRequest::Method::Get)
        return Respond(request, socket, Status::MethodNotAllowed, ServerText(QT_TRANSLATE_NOOP("RemoteServer", "不支持的请求")));
    if (upgrade && rest == QLatin1String("/ws")) {
        if (phones.size() >= size_t(kMaxWebSockets))
            return Respond(request, socket, Status::ServiceUnavailable, ServerText(QT_TRANSLATE_NOOP("RemoteServer", "连接太多")));
        // Handled without an answer: the HTTP server hands the connection to its
        // WebSocket server, which answers the upgrade.
        return true;
    }
    if (!rest.isEmpty() && rest != QLatin1String("/"))
        return Respond(request, socket, Status::NotFound, ServerText(QT_TRANSLATE_NOOP("RemoteServer", "没有这个页面")));
    PageHttpServer::makeResponder(request, socket)
        .write(PageHtml(),
               {{"Content-Type", "text/html; charset=utf-8"},
                {"Cache-Control", "no-store"},
                {"Referrer-Policy", "no-referrer"},
                {"X-Content-Type-Options", "nosniff"},
                {"X-Frame-Options", "DENY"},
                {"Content-Security-Policy",
                 "default-src 'none'; style-src 'unsafe-inline'; script-src 'unsafe-inline'; connect-src 'self'; "
                 "img-src data:; base-uri 'none'; form-action 'none'; frame-ancestors 'none'"}},
               Status::Ok);
    return true;
}

void RemoteServer::Private::TakeWebSockets()
{
    while (http && http->hasPendingWebSocketConnections()) {
        QWebSocket *socket = http->nextPendingWebSocketConnection().release();
        socket->setParent(q);
        // HandleRequest let only requests with the code, from this page, be upgraded.
        tcp->ReleaseConnection(socket->peerAddress(), socket->peerPort());
        const QNetworkRequest &handshake = socket->request();
        socket->setMaxAllowedIncomingMessageSize(kMaxMessageBytes);
        socket->setMaxAllowedIncomingFrameSize(kMaxMessageBytes);
        Phone phone;
        phone.socket = socket;
        phone.name = DeviceNameFromUserAgent(QString::fromUtf8(handshake.rawHeader("User-Agent")));
        phone.connectedMs = phone.lastHeardMs = clock.elapsed();
        phones.push_back(phone);
        QObject::connect(socket, &QWebSocket::textMessageReceived, q,
                         [this, socket](const QString &text) { ReadMessage(socket, text); });
        QObject::connect(socket, &QWebSocket::binaryMessageReceived, q, [this, socket] { Drop(socket); });
        QObject::connect(socket, &QWebSocket::pong, q, [this, socket] {
            if (Phone *known = PhoneOf(socket))
                known->lastHeardMs = clock.elapsed();
        });
        QObject::connect(socket, &QWebSocket::disconnected, q, [this, socket] { Drop(socket); });
    }
}

Phone *RemoteServer::Private::PhoneOf(QWebSocket *socket)
{
    for (Phone &phone : phones) {
        if (phone.socket == socket)
            return &phone;
    }
    return nullptr;
}

void RemoteServer::Private::Drop(QWebSocket *socket)
{
    const auto found = std::find_if(phones.begin(), phones.end(), [socket](const Phone &p) { return p.socket == socket; });
    if (found == phones.end())
        return;
    const bool wasGreeted = !found->deviceId.isEmpty();
    phones.erase(found);
    socket->disconnect(q);
    socket->abort();
    socket->deleteLater();
    if (wasGreeted)
        AnnounceDevices();
}

void RemoteServer::Private::Greet(Phone &phone, const QJsonObject &message)
{
    static const QRegularExpression deviceId(QStringLiteral("^[A-Za-z0-9_-]{8,64}$"));
    const QString id = message.value(QStringLiteral("device")).toString();
    QWebSocket *socket = phone.socket;
    if (!deviceId.match(id).hasMatch())
        return Drop(socket);
    // The same phone back from sleep replaces its old connection, which may not have
    // noticed yet that it is gone.
    std::vector<QWebSocket *> replaced;
    bool another = false;
    for (const Phone &other : phones) {
        if (other.socket == socket || other.deviceId.isEmpty())
            continue;
        if (other.deviceId == id)
            replaced.push_back(other.socket);
        else
            another = true;
    }
    if (another && !severalAllowed) {
        Send(socket, {{QStringLiteral("type"), QStringLiteral("refused")}, {QStringLiteral("text"), AnotherDeviceText()}});
        socket->close(QWebSocketProtocol::CloseCodePolicyViolated, AnotherDeviceText());
        return;
    }
    phone.deviceId = id;
    Send(socket, StateMessage());
    for (QWebSocket *old : replaced)
        Drop(old);
    AnnounceDevices();
}

void RemoteServer::Private::ReadMessage(QWebSocket *socket, const QString &text)
{
    Phone *phone = PhoneOf(socket);
    if (!phone)
        return;
    phone->lastHeardMs = clock.elapsed();
    const QJsonObject message = QJsonDocument::fromJson(text.toUtf8()).object();
    const QString type = message.value(QStringLiteral("type")).toString();
    if (phone->deviceId.isEmpty()) {
        if (type == QLatin1String("hello"))
            Greet(*phone, message);
        else
            Drop(socket);
        return;
    }
    if (type != QLatin1String("command"))
        return Send(socket, {{QStringLiteral("type"), QStringLiteral("notice")}, {QStringLiteral("text"), UnknownMessageText()}});
    const QString command = message.value(QStringLiteral("command")).toString();
    const bool start = command == QLatin1String("start");
    const bool absent = command == QLatin1String("absent");
    // A slot the page was not offered (a stale page, a forged message) is not obeyed.
    const int slot = absent ? message.value(QStringLiteral("slot")).toInt(-1) : -1;
    if ((!start && !absent && command != QLatin1String("stop")) || (absent && (slot < 0 || slot >= state.markable.size())))
        return Send(socket, {{QStringLiteral("type"), QStringLiteral("notice")}, {QStringLiteral("text"), UnknownMessageText()}});
    if (!phone->commands.Take(clock.elapsed())) {
        return Send(socket, {{QStringLiteral("type"), QStringLiteral("notice")},
                             {QStringLiteral("code"), 429},
                             {QStringLiteral("text"), TooFastText()}});
    }
    emit q->CommandReceived(absent ? RemoteCommand::MarkAbsent : start ? RemoteCommand::Start : RemoteCommand::Stop, slot);
}

void RemoteServer::Private::Heartbeat()
{
    const qint64 now = clock.elapsed();
    std::vector<QWebSocket *> gone;
    for (const Phone &phone : phones) {
        const bool silent = phone.deviceId.isEmpty() ? now - phone.connectedMs > kGreetingMs
                                                      : now - phone.lastHeardMs > kSilenceMs;
        if (silent)
            gone.push_back(phone.socket);
        else
            phone.socket->ping();
    }
    for (QWebSocket *socket : gone)
        Drop(socket);
}

QJsonObject RemoteServer::Private::StateMessage() const
{
    return {{QStringLiteral("type"), QStringLiteral("state")},
            {QStringLiteral("title"), state.title},
            {QStringLiteral("drawing"), state.drawing},
            {QStringLiteral("results"), state.results},
            {QStringLiteral("markable"), QJsonArray::fromStringList(state.markable)}};
}

void RemoteServer::Private::AnnounceDevices()
{
    emit q->DevicesChanged(q->DeviceNames());
}

RemoteServer::RemoteServer(QObject *parent) : QObject(parent), d(std::make_unique<Private>(this))
{
    d->clock.start();
    d->heartbeat.setInterval(kHeartbeatMs);
    connect(&d->heartbeat, &QTimer::timeout, this, [this] { d->Heartbeat(); });
}

RemoteServer::~RemoteServer()
{
    Stop();
}

bool RemoteServer::Start(const QHostAddress &address, QString *failure)
{
    Stop();
    auto *tcp = new GuardedTcpServer;
    if (!tcp->listen(address, 0)) {
        *failure = tr("无法在地址 %1 上开启手机遥控：%2").arg(address.toString(), tcp->errorString());
        delete tcp;
        return false;
    }
    d->http = new PageHttpServer([this](const QHttpServerRequest &request, QTcpSocket *socket) {
        return d->HandleRequest(request, socket);
    }, this);
    d->http->bind(tcp);
    d->tcp = tcp;
    connect(d->http, &QAbstractHttpServer::newWebSocketConnection, this, [this] { d->TakeWebSockets(); });
    d->code = NewPairingCode();
    const QString shownAddress = address.protocol() == QAbstractSocket::IPv6Protocol
        ? QStringLiteral("[%1]").arg(address.toString())
        : address.toString();
    d->host = QStringLiteral("%1:%2").arg(shownAddress).arg(tcp->serverPort()).toLatin1();
    d->origin = "http://" + d->host;
    d->heartbeat.start();
    return true;
}

void RemoteServer::Stop()
{
    const bool hadPhones = std::any_of(d->phones.begin(), d->phones.end(),
                                       [](const Phone &phone) { return !phone.deviceId.isEmpty(); });
    for (const Phone &phone : d->phones) {
        phone.socket->disconnect(this);
        phone.socket->abort();
        phone.socket->deleteLater();
    }
    d->phones.clear();
    d->heartbeat.stop();
    delete d->http; // closes the listening socket and every open connection
    d->http = nullptr;
    d->tcp = nullptr;
    d->code.clear();
    d->host.clear();
    d->origin.clear();
    if (hadPhones)
        d->AnnounceDevices();
}

bool RemoteServer::IsRunning() const
{
    return d->http != nullptr;
}

QUrl RemoteServer::PageUrl() const
{
    if (!IsRunning())
        return {};
    return QUrl(QString::fromLatin1(d->origin + "/r/" + d->code));
}

void RemoteServer::SetState(const RemoteState &state)
{
    d->state = state;
    const QJsonObject message = d->StateMessage();
    for (const Phone &phone : d->phones) {
        if (!phone.deviceId.isEmpty())
            d->Send(phone.socket, message);
    }
}

void RemoteServer::SetSeveralDevicesAllowed(bool allowed)
{
    d->severalAllowed = allowed;
}

bool RemoteServer::SeveralDevicesAllowed() const
{
    return d->severalAllowed;
}

QStringList RemoteServer::DeviceNames() const
{
    QStringList names;
    for (const Phone &phone : d->phones) {
        if (!phone.deviceId.isEmpty())
            names << phone.name;
    }
    return names;
}

void RemoteServer::TellDevices(const QString &text)
{
    for (const Phone &phone : d->phones) {
        if (!phone.deviceId.isEmpty())
            d->Send(phone.socket, {{QStringLiteral("type"), QStringLiteral("notice")}, {QStringLiteral("text"), text}});
    }
}
