#pragma once

#include <QHostAddress>
#include <QObject>
#include <QStringList>
#include <QUrl>

#include <memory>

// What the phone page shows of the drawing window: nothing of the project beyond its
// title and the latest results as the result box shows them.
struct RemoteState
{
    QString title;
    bool drawing = false;
    QString results;
    // The latest results a phone may mark absent, one a slot; empty when the window
    // keeps no marks for this project.
    QStringList markable;
};

// What a phone may ask for: the draw key's two commands, and marking one result of the
// latest draw absent (that slot is drawn again, as the window's own mark does).
enum class RemoteCommand { Start, Stop, MarkAbsent };

// The phone remote's server: one page and one WebSocket on one address, reachable only
// through the address that holds the pairing code.
//
// Safety: listens only while started, on the one address given, at a random free port;
// a new 128-bit pairing code at each start, compared in constant time, and without it
// every request is refused (403, no page); the Host header must name the address
// listened on and an Origin must be this server's, so neither another site's page nor
// a DNS-rebinding page can drive it; requests are limited in size, number per second
// and idle time, commands to a few a second; one phone at a time unless several are
// allowed; nothing is read from disk or written anywhere (the code and the port live
// only in memory).
class RemoteServer : public QObject
{
    Q_OBJECT
public:
    explicit RemoteServer(QObject *parent = nullptr);
    ~RemoteServer() override;

    // Listens on `address` at a random free port with a new pairing code (a running
    // remote is stopped first). False with `failure` (in Chinese) when it cannot listen.
    bool Start(const QHostAddress &address, QString *failure);
    // Drops every phone and stops listening; the pairing code is forgotten.
    void Stop();
    bool IsRunning() const;
    // http://<address>:<port>/r/<pairing code>; empty while stopped.
    QUrl PageUrl() const;

    // The state every phone sees; sent to them at once when it changes.
    void SetState(const RemoteState &state);
    // Several phones at once, or (the default) one: then a second one is refused.
    void SetSeveralDevicesAllowed(bool allowed);
    bool SeveralDevicesAllowed() const;
    // The names the connected phones' browsers give (see DeviceNameFromUserAgent).
    QStringList DeviceNames() const;
    // Tells every connected phone why a command was not taken.
    void TellDevices(const QString &text);

signals:
    // `slot`: the result marked absent (MarkAbsent only; -1 otherwise).
    void CommandReceived(RemoteCommand command, int slot);
    void DevicesChanged(const QStringList &names);

private:
    class Private;
    std::unique_ptr<Private> d;
};
