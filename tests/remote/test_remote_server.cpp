// The phone remote's server against real connections on 127.0.0.1: every refusal, the
// limits, and a flood that must not hold up the window's frames.
#include "remotephone.h"
#include "remotesafety.h"
#include "remoteserver.h"

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkRequest>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QRegularExpression>
#include <QWebSocket>

#include <memory>
#include <vector>

namespace {

struct Reply
{
    int status = 0; // 0: closed without an answer
    QByteArray head;
    QByteArray body;
};

// The status, head and body once the whole answer is there; nullopt while it is not.
std::optional<Reply> ParseReply(const QByteArray &bytes)
{
    const qsizetype end = bytes.indexOf("\r\n\r\n");
    if (end < 0)
        return std::nullopt;
    Reply reply;
    reply.head = bytes.left(end);
    reply.status = reply.head.mid(9, 3).toInt();
    qsizetype length = 0;
    for (const QByteArray &line : reply.head.split('\n')) {
        if (line.toLower().startsWith("content-length:"))
            length = line.mid(15).trimmed().toLongLong();
    }
    if (bytes.size() < end + 4 + length)
        return std::nullopt;
    reply.body = bytes.mid(end + 4, length);
    return reply;
}

// Sends `request` as it is on a connection of its own and waits for the answer.
Reply Exchange(quint16 port, const QByteArray &request)
{
    QTcpSocket socket;
    QByteArray received;
    QObject::connect(&socket, &QTcpSocket::readyRead, [&] { received += socket.readAll(); });
    socket.connectToHost(QHostAddress::LocalHost, port);
    socket.write(request);
    // A connection closed without an answer is Reply{}: the caller's check fails.
    (void)QTest::qWaitFor(
        [&] { return ParseReply(received) || socket.state() == QAbstractSocket::UnconnectedState; }, 10'000);
    return ParseReply(received).value_or(Reply{});
}

QByteArray Get(const QUrl &url, const QByteArray &extraHeaders = {}, const QByteArray &host = {})
{
    return "GET " + url.path(QUrl::FullyEncoded).toLatin1() + " HTTP/1.1\r\nHost: "
        + (host.isEmpty() ? QStringLiteral("%1:%2").arg(url.host()).arg(url.port()).toLatin1() : host) + "\r\n"
        + extraHeaders + "Connection: close\r\n\r\n";
}

} // namespace

class TestRemoteServer : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<RemoteServer> m_server;
    QUrl m_page;

private slots:
    void init()
    {
        m_server = std::make_unique<RemoteServer>();
        QString failure;
        QVERIFY2(m_server->Start(QHostAddress::LocalHost, &failure), qPrintable(failure));
        m_page = m_server->PageUrl();
    }
    void cleanup() { m_server.reset(); }

    void pairingCodeAndAddressRules()
    {
        const QByteArray code = NewPairingCode();
        QCOMPARE(QByteArray::fromBase64(code, QByteArray::Base64UrlEncoding).size(), 16);
        QVERIFY(code != NewPairingCode());
        QVERIFY(SamePairingCode(code, code));
        QVERIFY(!SamePairingCode(code.left(21), code));
        QVERIFY(!SamePairingCode(QByteArray(), QByteArray()));

        ActionBudget budget(2, 4);
        QVERIFY(budget.Take(0) && budget.Take(0));
        QVERIFY(!budget.Take(100));
        QVERIFY(budget.Take(250));

        // Never loopback, link-local or IPv6; a private address before a public one.
        const QList<QHostAddress> addresses{QHostAddress("127.0.0.1"), QHostAddress("169.254.3.4"),
                                            QHostAddress("fe80::1"), QHostAddress("203.0.113.7"),
                                            QHostAddress("192.168.1.20")};
        QCOMPARE(LocalNetworkAddress(addresses), QHostAddress("192.168.1.20"));
        QCOMPARE(LocalNetworkAddress(addresses.mid(0, 4)), QHostAddress("203.0.113.7"));
        QVERIFY(!LocalNetworkAddress(addresses.mid(0, 3)));

        QCOMPARE(DeviceNameFromUserAgent("Mozilla/5.0 (Linux; Android 13; Pixel 7 Build/TQ3A) Chrome/120 Mobile"),
                 QStringLiteral("Pixel 7"));
        QCOMPARE(DeviceNameFromUserAgent("Mozilla/5.0 (iPhone; CPU iPhone OS 17_0 like Mac OS X) Safari/604.1"),
                 QStringLiteral("iPhone"));
    }

    void pageOnlyWithTheCodeFromThisHost()
    {
        const Reply page = Exchange(m_page.port(), Get(m_page));
        QCOMPARE(page.status, 200);
        QVERIFY(page.body.contains("<html"));
        QVERIFY(page.head.contains("Content-Security-Policy: default-src 'none'"));

        const QString code = m_page.path().mid(3);
        QString wrong = code;
        wrong[5] = wrong[5] == 'A' ? 'B' : 'A';
        const QList<QByteArray> refused{
            Get(WithPath(m_page, "/")),
            Get(WithPath(m_page, "/r/")),
            Get(WithPath(m_page, "/r/" + wrong)),
            Get(WithPath(m_page, "/r/" + code.left(code.size() - 1))),
            Get(WithPath(m_page, "/r/" + code + "x")),
            Get(WithPath(m_page, "/remotepage.html")),
            Get(m_page, {}, "attacker.example:80"),                              // DNS rebinding
            Get(m_page, {}, "localhost:" + QByteArray::number(m_page.port())), // another name
            Get(m_page, "Origin: http://attacker.example\r\n"),
        };
        for (const QByteArray &request : refused) {
            const Reply reply = Exchange(m_page.port(), request);
            QVERIFY2(reply.status == 403, request.constData());
            QVERIFY(!reply.body.contains("<html"));
        }
        QCOMPARE(Exchange(m_page.port(), "POST " + m_page.path().toLatin1() + " HTTP/1.1\r\nHost: 127.0.0.1:"
                                             + QByteArray::number(m_page.port()) + "\r\nContent-Length: 2\r\n\r\n{}")
                     .status,
                 405);

        // A new start is a new code: the old address is refused.
        QString failure;
        QVERIFY(m_server->Start(QHostAddress::LocalHost, &failure));
        QVERIFY(m_server->PageUrl() != m_page);
        QCOMPARE(Exchange(m_server->PageUrl().port(), Get(WithPath(m_server->PageUrl(), m_page.path()))).status, 403);
    }

    // The page speaks the running program's language; without a translation it is the
    // compiled-in Chinese page.
    void pageInTheInterfaceLanguage()
    {
        QTranslator english;
        QVERIFY(english.load(QStringLiteral(SUITE_APP_DIR "/translations/zelmora_en.qm")));
        QCoreApplication::installTranslator(&english);
        const QString page = QString::fromUtf8(Exchange(m_page.port(), Get(m_page)).body);
        QCoreApplication::removeTranslator(&english);
        QVERIFY(page.contains(QStringLiteral("<html lang=\"en\">")));
        QVERIFY(page.contains(QStringLiteral("Press “Start” to draw")));
        QVERIFY(page.contains(QStringLiteral("\"Mark “%1” absent and draw that place again?\".replace(\"%1\", name)")));
        QVERIFY2(!page.contains(QRegularExpression(QStringLiteral("\\p{Han}"))), qPrintable(page));

        const QString chinese = QString::fromUtf8(Exchange(m_page.port(), Get(m_page)).body);
        QVERIFY(chinese.contains(QStringLiteral("按下“开始”抽取")));
    }

    void oversizeRequestsRefused()
    {
        const QByteArray host = "Host: 127.0.0.1:" + QByteArray::number(m_page.port()) + "\r\n";
        const QByteArray bigBody = "POST " + m_page.path().toLatin1() + " HTTP/1.1\r\n" + host
            + "Content-Length: 100000\r\n\r\n" + QByteArray(100000, 'x');
        QCOMPARE(Exchange(m_page.port(), bigBody).status, 413);
        const QByteArray bigHead = "GET " + m_page.path().toLatin1() + " HTTP/1.1\r\n" + host + "X-Filler: "
            + QByteArray(40000, 'y') + "\r\n\r\n";
        QCOMPARE(Exchange(m_page.port(), bigHead).status, 413);
        // The server is still there for the phone.
        QCOMPARE(Exchange(m_page.port(), Get(m_page)).status, 200);
    }

    // A client that never finishes its request is closed (about ten seconds); meanwhile
    // the phone is served.
    void slowClientClosed()
    {
        QTcpSocket slow;
        slow.connectToHost(QHostAddress::LocalHost, m_page.port());
        slow.write("GET " + m_page.path().toLatin1() + " HTTP/1.1\r\nHost: 127.0.0.1");
        QVERIFY(slow.waitForBytesWritten(5'000));
        QCOMPARE(Exchange(m_page.port(), Get(m_page)).status, 200);
        QVERIFY(QTest::qWaitFor([&] { return slow.state() == QAbstractSocket::UnconnectedState; }, 30'000));
        QVERIFY(slow.readAll().isEmpty());
    }

    // 1,000 requests, ten at a time: each is answered (the page or 429) and a 20 ms
    // frame timer beside the server keeps its beat.
    void burstAnsweredWhileFramesKeepTime()
    {
        constexpr int kRequests = 1000;
        constexpr int kInFlight = 10;
        QElapsedTimer sinceFrame;
        qint64 longestGap = 0;
        QTimer frames;
        frames.setTimerType(Qt::PreciseTimer);
        frames.setInterval(20);
        QObject::connect(&frames, &QTimer::timeout, [&] {
            longestGap = qMax(longestGap, sinceFrame.restart());
        });

        int sent = 0, ok = 0, tooMany = 0, other = 0;
        std::vector<std::unique_ptr<QTcpSocket>> sockets;
        std::function<void()> sendNext = [&] {
            if (sent >= kRequests)
                return;
            ++sent;
            auto socket = std::make_unique<QTcpSocket>();
            auto *raw = socket.get();
            auto received = std::make_shared<QByteArray>();
            QObject::connect(raw, &QTcpSocket::readyRead, raw, [&, raw, received] {
                *received += raw->readAll();
                if (const auto reply = ParseReply(*received)) {
                    (reply->status == 200 ? ok : reply->status == 429 ? tooMany : other)++;
                    raw->disconnect();
                    raw->abort();
                    sendNext();
                }
            });
            // Closed without an answer (the readyRead handler disconnects first otherwise).
            QObject::connect(raw, &QTcpSocket::disconnected, raw, [&, raw] {
                ++other;
                raw->disconnect();
                sendNext();
            });
            raw->connectToHost(QHostAddress::LocalHost, m_page.port());
            raw->write(Get(m_page));
            sockets.push_back(std::move(socket));
        };
        sinceFrame.start();
        frames.start();
        for (int i = 0; i < kInFlight; ++i)
            sendNext();
        QVERIFY(QTest::qWaitFor([&] { return ok + tooMany + other == kRequests; }, 60'000));
        frames.stop();
        qInfo("burst: %d pages, %d refused with 429, longest frame gap %lld ms", ok, tooMany, longestGap);
        QCOMPARE(other, 0);
        QVERIFY(ok > 0 && tooMany > 0);
        QVERIFY2(longestGap < 250, qPrintable(QStringLiteral("a frame waited %1 ms").arg(longestGap)));
    }

    void webSocketsOnlyFromThePageWithTheCode()
    {
        Phone foreign(m_page, QStringLiteral("http://attacker.example"));
        QVERIFY(foreign.WaitClosed());
        QVERIFY(foreign.messages.isEmpty());

        QString wrong = m_page.path();
        wrong[6] = wrong[6] == 'A' ? 'B' : 'A';
        Phone noCode(WithPath(m_page, wrong));
        QVERIFY(noCode.WaitClosed());
        QVERIFY(noCode.messages.isEmpty());

        // Until the page says hello it hears nothing; a message that is no hello ends it.
        Phone silent(m_page);
        QVERIFY(silent.WaitConnected());
        silent.Send({{"type", "command"}, {"command", "start"}});
        QVERIFY(silent.WaitClosed());
        QVERIFY(silent.messages.isEmpty());
    }

    void onePhoneAtATimeAndItsCommands()
    {
        QSignalSpy commands(m_server.get(), &RemoteServer::CommandReceived);
        QSignalSpy devices(m_server.get(), &RemoteServer::DevicesChanged);
        m_server->SetState({QStringLiteral("课堂点名"), false, QStringLiteral("张三")});

        Phone first(m_page);
        QVERIFY(first.Greet("first-phone-0001"));
        QCOMPARE(first.Last("state")->value("results").toString(), QStringLiteral("张三"));
        QCOMPARE(m_server->DeviceNames().size(), 1);

        Phone second(m_page);
        QVERIFY(second.WaitConnected());
        second.Hello("second-phone-002");
        QVERIFY(second.WaitFor("refused"));
        QCOMPARE(second.Last("refused")->value("text").toString(), QStringLiteral("已有设备在遥控"));
        QVERIFY(second.WaitClosed());
        QVERIFY(!second.Last("state"));

        // The first phone back from sleep replaces its old connection.
        Phone again(m_page);
        QVERIFY(again.Greet("first-phone-0001"));
        QVERIFY(first.WaitClosed());
        QCOMPARE(m_server->DeviceNames().size(), 1);

        // A few commands a second are taken; the rest are answered 429.
        for (int i = 0; i < 10; ++i)
            again.Send({{"type", "command"}, {"command", i % 2 ? "stop" : "start"}});
        QVERIFY(again.WaitFor("notice"));
        QCOMPARE(again.Last("notice")->value("code").toInt(), 429);
        QCOMPARE(commands.size(), 4);
        QCOMPARE(commands.first().first().value<RemoteCommand>(), RemoteCommand::Start);

        // State changes reach the phone.
        m_server->SetState({QStringLiteral("课堂点名"), true, QString()});
        QVERIFY(QTest::qWaitFor([&] { return again.Last("state")->value("drawing").toBool(); }, 10'000));

        // Allowed in the window, a second phone is welcome.
        m_server->SetSeveralDevicesAllowed(true);
        Phone third(m_page);
        QVERIFY(third.Greet("third-phone-0003"));
        QCOMPARE(m_server->DeviceNames().size(), 2);

        m_server->Stop();
        QVERIFY(again.WaitClosed() && third.WaitClosed());
        QVERIFY(m_server->DeviceNames().isEmpty());
        QVERIFY(devices.last().first().toStringList().isEmpty());
    }

    // Connections that come and go leave nothing behind: the phone still gets in.
    void hundredWebSocketsOpenedAndDropped()
    {
        for (int round = 0; round < 10; ++round) {
            std::vector<std::unique_ptr<Phone>> phones;
            for (int i = 0; i < 10; ++i)
                phones.push_back(std::make_unique<Phone>(m_page));
            for (auto &phone : phones)
                QVERIFY(phone->WaitConnectedTryingAgain());
            for (auto &phone : phones)
                phone->Socket().abort();
        }
        Phone phone(m_page);
        QVERIFY(phone.WaitConnectedTryingAgain());
        phone.Hello("the-real-phone-1");
        QVERIFY(phone.WaitFor("state"));
        QCOMPARE(m_server->DeviceNames().size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestRemoteServer)
#include "test_remote_server.moc"
