#include "drawsession.h"

#include "randengine.h"
#include "suiteerror.h"

#include <QScopedValueRollback>
#include <QTimer>

TimerFrameClock::TimerFrameClock(QObject *parent) : FrameClock(parent), m_timer(new QTimer(this))
{
    m_timer->setObjectName(QStringLiteral("InRandTimer"));
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &FrameClock::Tick);
}

void TimerFrameClock::Start(int intervalMs)
{
    m_timer->start(qMax(1, intervalMs));
}

void TimerFrameClock::Stop()
{
    m_timer->stop();
}

// The engine's question, answered by whatever the view supplied (no view: "No").
class DrawSession::Question : public RemainingQuestion
{
public:
    bool AskReset(const QString &caption, const QString &text) override { return ask && ask(caption, text); }

    ResetQuestion ask;
};

DrawSession::DrawSession(RandomSources sources, QObject *parent)
    : QObject(parent), m_question(std::make_unique<Question>()),
      m_engine(std::make_unique<RandEngine>(std::move(sources)))
{
    SetFrameClock(new TimerFrameClock);
    DrawSettings settings;
    settings.question = m_question.get();
    m_engine->SetDrawSettings(settings);
}

DrawSession::~DrawSession() = default;

void DrawSession::SetFrameClock(FrameClock *clock)
{
    if (InDraw() || !clock)
        return;
    delete m_clock;
    m_clock = clock;
    m_clock->setParent(this);
    connect(m_clock, &FrameClock::Tick, this, &DrawSession::OnTick);
}

void DrawSession::SetResetQuestion(ResetQuestion question)
{
    m_question->ask = std::move(question);
}

void DrawSession::Open(const DrawProject &project, Preparation preparation)
{
    Cancel();
    m_project = project;
    m_framesShown = 0;
    m_framesLeft = 0;
    m_drawsFinished = 0;
    DrawSettings settings;
    settings.listAutoRestore = project.listAutoRestore;
    settings.question = m_question.get();
    settings.pictureNameSetting = project.pictureNameSetting;
    settings.resultSeparator = project.resultSeparator;
    settings.compactResults = m_compactResults;
    m_engine->SetDrawSettings(settings);
    if (preparation == Preparation::Now)
        m_engine->Prepare(project.pmode, project.query, project.listUtf8);
    else
        m_engine->PrepareInBackground(project.pmode, project.query, project.listUtf8);
}

void DrawSession::Start()
{
    if (InDraw() || m_generating)
        return;
    try {
        if (!m_engine->Ready()) {
            // The list ran out earlier and was not reset: ask (or restore) now. Types
            // whose restore draws at once bring their batch; the others draw next time.
            std::optional<Batch> batch;
            {
                const QScopedValueRollback<bool> busy(m_generating, true);
                batch = m_engine->CheckRemaining();
            }
            if (!m_engine->Ready())
                emit ListExhausted();
            else if (batch && !batch->abandoned)
                Finish(*batch);
            return;
        }
    } catch (const SuiteError &error) {
        emit Refused(error.message());
        return;
    }
    if (m_project.animation.enabled)
        BeginAnimation();
    else
        DrawFinal();
}

void DrawSession::Stop()
{
    if (!InDraw())
        return;
    if (m_generating) {
        // A frame is waiting for the exhausted-list question; the draw stops after it.
        m_stopRequested = true;
        return;
    }
    EndAnimation();
    DrawFinal();
}

void DrawSession::Cancel()
{
    if (InDraw())
        EndAnimation();
}

void DrawSession::BeginAnimation()
{
    m_state = State::Drawing;
    m_framesShown = 0;
    m_framesLeft = m_project.animation.stopAfterFrames;
    m_stopRequested = false;
    emit StateChanged(m_state);
    // A listener may have stopped the draw already.
    if (InDraw())
        m_clock->Start(m_project.animation.frameIntervalMs);
}

void DrawSession::EndAnimation()
{
    m_state = State::Idle;
    m_stopRequested = false;
    m_clock->Stop();
    emit StateChanged(m_state);
}

void DrawSession::OnTick()
{
    if (!InDraw() || m_generating)
        return;
    Batch batch;
    if (!Generate(false, batch) || !InDraw())
        return;
    ++m_framesShown;
    const bool countsFrames = m_project.animation.stopAfterFrames > 0;
    if (countsFrames)
        --m_framesLeft;
    emit FrameShown(batch);
    if (InDraw() && (batch.stopAnimation || m_stopRequested || (countsFrames && m_framesLeft <= 0)))
        Stop();
}

void DrawSession::DrawFinal()
{
    Batch batch;
    if (Generate(true, batch))
        Finish(batch);
}

void DrawSession::Finish(const Batch &batch)
{
    ++m_drawsFinished;
    emit BatchFinal(batch, m_drawsFinished);
}

bool DrawSession::Generate(bool finalDraw, Batch &batch)
{
    try {
        const QScopedValueRollback<bool> busy(m_generating, true);
        batch = m_engine->Generate(finalDraw, InDraw());
    } catch (const SuiteError &error) {
        // End the draw first: a running clock would refuse again every frame.
        Cancel();
        emit Refused(error.message());
        return false;
    }
    if (batch.abandoned) {
        Cancel();
        emit ListExhausted();
        return false;
    }
    return true;
}
