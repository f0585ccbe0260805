#include "historyrecorder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QMutexLocker>

namespace {

// Each writer holds a lock file beside the database while it runs. One whose writer is
// gone tells that a program ended without closing the database (killed, crashed, power
// lost): the file is then checked through before it is used.
QString WriterLockName(const QString &databasePath, qint64 pid)
{
    return databasePath + QStringLiteral(".writer-%1").arg(pid);
}

bool ClearAbandonedWriterLocks(const QString &databasePath)
{
    const QFileInfo database(databasePath);
    bool found = false;
    const QStringList names =
        database.dir().entryList({database.fileName() + QStringLiteral(".writer-*")}, QDir::Files | QDir::Hidden);
    for (const QString &name : names) {
        QLockFile other(database.dir().filePath(name));
        // Only a lock whose process is gone counts; a living writer's lock never goes stale.
        other.setStaleLockTime(0);
        if (other.tryLock(0)) {
            found = true;
            other.unlock();
        }
    }
    return found;
}

} // namespace

HistoryRecorder::HistoryRecorder(QString databasePath, QObject *parent)
    : QObject(parent), databasePath(std::move(databasePath))
{
    thread = QThread::create([this] { Run(); });
    thread->start(QThread::LowPriority);
}

HistoryRecorder::~HistoryRecorder()
{
    {
        QMutexLocker lock(&mutex);
        stopping = true;
        wake.wakeAll();
    }
    thread->wait();
    delete thread;
}

void HistoryRecorder::Record(HistoryEntry entry)
{
    QMutexLocker lock(&mutex);
    if (queue.size() >= kMaxPending) {
        queue.removeFirst();
        // The oldest entry may be one the writer holds; it is then removed already.
        if (inFlight > 0)
            --inFlight;
    }
    queue.append(std::move(entry));
    // The writer tries again on every new draw; until it has, a Flush must wait for that
    // attempt rather than report the last refusal.
    lastWriteFailed = false;
    wake.wakeAll();
}

bool HistoryRecorder::Flush()
{
    QMutexLocker lock(&mutex);
    // A refused write leaves the queue as it was; waiting longer would not help.
    while ((writing || !queue.isEmpty()) && !lastWriteFailed)
        idle.wait(&mutex);
    return queue.isEmpty();
}

QString HistoryRecorder::Notice() const
{
    QMutexLocker lock(&mutex);
    return notice;
}

void HistoryRecorder::Run()
{
    const bool uncleanEnd = ClearAbandonedWriterLocks(databasePath);
    QLockFile running(WriterLockName(databasePath, QCoreApplication::applicationPid()));
    running.setStaleLockTime(0);
    HistoryStore store;
    bool opened = store.Open(databasePath);
    if (opened && uncleanEnd)
        store.CheckIntegrity();
    // The folder exists once the store is open.
    running.tryLock(0);
    // A rescue is said until something else needs saying.
    QString rescueNotice = store.Notice();
    auto publish = [this](const QString &text) {
        bool changed = false;
        {
            QMutexLocker lock(&mutex);
            changed = notice != text;
            notice = text;
        }
        if (changed)
            emit NoticeChanged(text);
    };
    publish(rescueNotice);

    QMutexLocker lock(&mutex);
    for (;;) {
        while (queue.isEmpty() && !stopping)
            wake.wait(&mutex);
        if (queue.isEmpty() && stopping)
            break;
        const QList<HistoryEntry> batch = queue;
        inFlight = batch.size();
        writing = true;
        lastWriteFailed = false;
        lock.unlock();

        if (!opened)
            opened = store.Open(databasePath);
        const bool written = opened && store.Append(batch);
        QString text = store.Notice();
        if (!written)
            rescueNotice.clear();
        else if (!text.isEmpty()) // the write found the file damaged and rescued it
            rescueNotice = text;
        else
            text = rescueNotice;
        publish(text);

        lock.relock();
        writing = false;
        if (written)
            queue.remove(0, inFlight);
        else
            lastWriteFailed = true;
        inFlight = 0;
        idle.wakeAll();
        // Refused: wait for the next draw (or the end) before trying again.
        if (!written) {
            if (stopping)
                break;
            wake.wait(&mutex);
        }
    }
    writing = false;
    idle.wakeAll();
}
