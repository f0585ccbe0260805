#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>

#include "historystore.h"

#include <memory>

class DrawSession;
class HistoryRecorder;
struct Batch;

// What a draw's results are called in the history and when spoken: pictures by their
// file names without folder and extension, everything else by its results.
QStringList DrawnNames(int pmode, const QStringList &results, const QStringList &picturePaths);

// Keeps every finished draw of a session in the draw history (Data/history.db): the
// results, for pictures their names; draws of more than kMaxHistoryResults results are
// not kept. The window's writer runs on its own thread, so a draw never waits for the disk.
class SessionHistory : public QObject
{
    Q_OBJECT
public:
    enum class Opening {
        AtOnce,       // the window: a damaged file is put aside and reported at start
        // The command line: draws are written at Finish (and every kPendingBatch draws)
        // as pending files the next reader of the history takes in, so a run neither
        // opens the database nor waits for it; a run that keeps nothing writes nothing.
        Pending
    };
    static constexpr int kPendingBatch = 10'000;
    // `source`: kSourceWindow, kSourceCommandLine or kSourceQuickDraw.
    SessionHistory(DrawSession &session, QString source, Opening opening);
    ~SessionHistory() override;

    // When the last draw was kept: its key in the history (marks refer to it). Invalid
    // before the first.
    QDateTime LastDrawTime() const { return m_lastDrawTime; }
    // Keeps one result drawn in place of an absent one, as a draw of its own with the
    // number of the draw it belongs to.
    void KeepReplacement(const QString &result);

    // Null until the file is opened.
    HistoryRecorder *Recorder() const { return m_recorder.get(); }
    // Waits for the writes (pending draws: writes them to disk); returns a message for
    // the user when some were refused or the file needed repair, "" otherwise.
    QString Finish();

signals:
    // A draw handed to the history (it may reach the database later).
    void Kept(const HistoryEntry &entry);

private:
    void Keep(const Batch &batch, int drawNumber);
    void WritePending();

    DrawSession &m_session;
    QString m_source;
    std::unique_ptr<HistoryRecorder> m_recorder;
    QDateTime m_lastDrawTime;
    bool m_keepsPending = false;
    QList<HistoryEntry> m_pending;
    QString m_pendingFailure;
};
