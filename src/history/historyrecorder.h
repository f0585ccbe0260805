#pragma once

#include "historystore.h"

#include <QMutex>
#include <QObject>
#include <QThread>
#include <QWaitCondition>

// Writes draws to the history on a thread of its own, so a draw never waits for the
// disk. Record() only queues; the thread writes what has gathered in one transaction.
// Entries the database refuses (locked, read-only, full disk) stay queued and are
// written with the next draw; Notice() says what went wrong meanwhile.
class HistoryRecorder : public QObject
{
    Q_OBJECT
public:
    // Entries kept in memory while the database refuses them; older ones are dropped
    // beyond this.
    static constexpr int kMaxPending = 100'000;

    explicit HistoryRecorder(QString databasePath, QObject *parent = nullptr);
    // Writes what is queued, then ends the thread.
    ~HistoryRecorder() override;

    void Record(HistoryEntry entry);
    // Waits until every queued entry has been written or refused. Returns true when
    // nothing is left queued.
    bool Flush();
    // The store's message about the last open or write ("" when all is well).
    QString Notice() const;

signals:
    // Emitted from the writer thread whenever Notice() changes.
    void NoticeChanged(const QString &notice);

private:
    void Run();

    QString databasePath;
    QThread *thread;
    mutable QMutex mutex;
    QWaitCondition wake;
    QWaitCondition idle;
    QList<HistoryEntry> queue;
    bool writing = false;
    qsizetype inFlight = 0; // queued entries the writer is writing now
    bool stopping = false;
    bool lastWriteFailed = false;
    QString notice;
};
