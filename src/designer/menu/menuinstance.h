#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

// One menu per data folder: two menus on one catalogue would each write back what the
// other renamed or deleted. The first menu holds a lock file in the data folder and
// listens on a local socket named after that folder; a later start asks it to come
// forward and ends. A lock left by a menu that crashed is taken over.
class MenuInstance : public QObject
{
    Q_OBJECT
public:
    enum class Outcome { First, Forwarded, Failed };

    explicit MenuInstance(QObject *parent = nullptr);

    // Takes the data folder's lock, or hands over to the menu that holds it. Failed, with
    // `failure` set (in Chinese), when the lock cannot be taken nor its holder reached.
    Outcome Claim(QString *failure);

    static QString LockPath();
    static QString ServerName();

signals:
    // Another start of the menu on this data folder wants the running one in front.
    void BringForwardRequested();

private:
    bool AskRunningMenuForward();

    QLockFile lock;
    QLocalServer server;
};
