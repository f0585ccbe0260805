#include "historyrecorder.h"

#include <QMutexLocker>

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
    HistoryStore store;
    bool opened = store.Open(databasePath);
    QString openNotice = store.Notice();
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
    publish(openNotice);

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
        // The recovery message stays until something else needs saying.
        if (written && text.isEmpty())
            text = openNotice;
        else if (!written)
            openNotice.clear();
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
