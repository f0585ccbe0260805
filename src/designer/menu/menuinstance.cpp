#include "menuinstance.h"

#include "apppaths.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QThread>

namespace {
// The holder locks before it listens: a second start may come in between, so it tries
// the socket a few times before it gives up (about two seconds in all).
constexpr int kConnectAttempts = 8;
constexpr int kConnectWaitMs = 250;
} // namespace

MenuInstance::MenuInstance(QObject *parent) : QObject(parent), lock(LockPath())
{
    // A lock is stale only when its owner is gone, never because of its age: a menu may
    // stay open for days.
    lock.setStaleLockTime(0);
    connect(&server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = server.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            socket->disconnectFromServer();
        }
        emit BringForwardRequested();
    });
}

QString MenuInstance::LockPath()
{
    return TempDir() + QStringLiteral("Varnel.lock");
}

QString MenuInstance::ServerName()
{
    const QString folder = QFileInfo(AppDir()).canonicalFilePath();
    const QByteArray digest = QCryptographicHash::hash(folder.toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
    return QStringLiteral("zelmora-menu-") + QString::fromLatin1(digest);
}

MenuInstance::Outcome MenuInstance::Claim(QString *failure)
{
    QDir().mkpath(TempDir());
    if (lock.tryLock(0)) {
        // A socket file left by a crashed menu would make listen() fail.
        QLocalServer::removeServer(ServerName());
        server.setSocketOptions(QLocalServer::UserAccessOption);
        if (!server.listen(ServerName())) {
            // Still the only menu; a later start just cannot bring it forward.
            qWarning("menu: cannot listen on %s: %s", qPrintable(ServerName()), qPrintable(server.errorString()));
        }
        return Outcome::First;
    }
    if (lock.error() == QLockFile::LockFailedError) {
        if (AskRunningMenuForward())
            return Outcome::Forwarded;
        *failure = tr("另一个 Varnel 已在使用数据文件夹“%1”，但没有响应。请关闭它后再启动。")
                       .arg(QDir::toNativeSeparators(AppDir()));
        return Outcome::Failed;
    }
    *failure = tr("无法在文件夹“%1”中建立锁文件，请检查该文件夹是否可写。")
                   .arg(QDir::toNativeSeparators(TempDir()));
    return Outcome::Failed;
}

bool MenuInstance::AskRunningMenuForward()
{
    for (int attempt = 0; attempt < kConnectAttempts; ++attempt) {
        QLocalSocket socket;
        socket.connectToServer(ServerName());
        if (socket.waitForConnected(kConnectWaitMs)) {
            socket.disconnectFromServer();
            return true;
        }
        if (socket.error() != QLocalSocket::ServerNotFoundError && socket.error() != QLocalSocket::ConnectionRefusedError)
            break;
        QThread::msleep(kConnectWaitMs);
    }
    return false;
}
