#include "sessionhistory.h"

#include "apppaths.h"
#include "drawsession.h"
#include "historyrecorder.h"
#include "pendingdraws.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>

namespace {
constexpr int kPicturesType = 5;
} // namespace

QStringList DrawnNames(int pmode, const QStringList &results, const QStringList &picturePaths)
{
    if (pmode != kPicturesType)
        return results;
    QStringList names;
    for (const QString &path : picturePaths)
        names << QFileInfo(path).completeBaseName();
    return names;
}

SessionHistory::SessionHistory(DrawSession &session, QString source, Opening opening)
    : m_session(session), m_source(std::move(source))
{
    if (opening == Opening::AtOnce)
        m_recorder = std::make_unique<HistoryRecorder>(HistoryDatabasePath());
    m_keepsPending = opening == Opening::Pending;
    connect(&session, &DrawSession::BatchFinal, this, &SessionHistory::Keep);
}

SessionHistory::~SessionHistory() = default;

void SessionHistory::Keep(const Batch &batch, int drawNumber)
{
    const int pmode = m_session.Project().pmode;
    if ((pmode == kPicturesType ? batch.picturePaths : batch.results).size() > kMaxHistoryResults)
        return;
    m_lastDrawTime = QDateTime::currentDateTime();
    HistoryEntry entry{0, m_lastDrawTime, m_session.Project().name, drawNumber, m_source,
                       DrawnNames(pmode, batch.results, batch.picturePaths)};
    emit Kept(entry);
    if (!m_keepsPending) {
        m_recorder->Record(std::move(entry));
        return;
    }
    m_pending.append(std::move(entry));
    if (m_pending.size() >= kPendingBatch)
        WritePending();
}

void SessionHistory::KeepReplacement(const QString &result)
{
    Batch batch;
    batch.results = {result};
    Keep(batch, m_session.DrawsFinished());
}

void SessionHistory::WritePending()
{
    if (m_pending.isEmpty())
        return;
    if (const QString failure = WritePendingDraws(HistoryDatabasePath(), m_pending); !failure.isEmpty())
        m_pendingFailure = failure;
    m_pending.clear();
}

QString SessionHistory::Finish()
{
    if (m_keepsPending) {
        WritePending();
        return m_pendingFailure.isEmpty() ? QString() : QCoreApplication::translate("DrawSession", "抽取结果未能记入历史：%1").arg(m_pendingFailure);
    }
    if (!m_recorder)
        return QString();
    const bool written = m_recorder->Flush();
    const QString notice = m_recorder->Notice();
    if (written)
        return notice; // e.g. a damaged file put aside
    return QCoreApplication::translate("DrawSession", "抽取结果未能记入历史：%1").arg(notice);
}
