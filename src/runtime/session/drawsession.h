#pragma once

#include "generator.h"
#include "querysection.h"
#include "randomsource.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QTimer;
class RandEngine;

// What paces the frames of an animated draw. The session starts it when a draw begins
// and stops it when the draw ends; every Tick is one frame. Tests give the session a
// clock they tick by hand, so a draw runs headless without waiting.
class FrameClock : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    virtual void Start(int intervalMs) = 0;
    virtual void Stop() = 0;

signals:
    void Tick();
};

// The clock of real draws: a precise timer, named "InRandTimer" as the window's frame
// timer always was.
class TimerFrameClock : public FrameClock
{
    Q_OBJECT
public:
    explicit TimerFrameClock(QObject *parent = nullptr);
    void Start(int intervalMs) override;
    void Stop() override;

private:
    QTimer *m_timer;
};

// How a draw runs. Without animation every Start draws one final batch at once (the
// command line, a window without in-draw animation).
struct DrawAnimation
{
    bool enabled = false;
    int frameIntervalMs = 20;
    // Above 0 the draw stops by itself after that many frames; the next batch is the
    // result. 0: only Stop() ends it.
    int stopAfterFrames = 0;
};

// A project as the session draws it: read from the project file and Soft.ini by the view
// that opens it.
struct DrawProject
{
    QString name;  // the project's name (history, certificates)
    int pmode = 0; // the project type, 0..14
    QueryParams query;
    QByteArray listUtf8; // QuerySection::listUtf8
    DrawAnimation animation;
    // Soft.ini's ListAutoRestore: an exhausted list is restored without asking.
    bool listAutoRestore = false;
    // Display values the generators read (see DrawSettings).
    QString pictureNameSetting;
    QString resultSeparator;
};

// One draw path for every way of drawing: the drawing window, the command line, the
// quick-draw bar and the phone remote are views that send Start/Stop and listen to the
// signals; the history, speech, the record and the certificate are listeners. It knows
// nothing of widgets.
//
//   DrawSession session(RandomSources::Seeded(42));
//   session.SetResetQuestion(...);           // optional: without it an exhausted list stays so
//   connect(&session, &DrawSession::BatchFinal, ...);
//   session.Open(project);                   // prepares in the background
//   session.Start();                         // a batch at once, or frames until Stop()
//
// The cycle: Start() while Idle draws a final batch at once (animation off), or enters
// Drawing: StateChanged(Drawing), then a frame per clock tick (FrameShown) until Stop(),
// the frame count or a list that ran short ends it: StateChanged(Idle), then the final
// batch (BatchFinal). A refusal (a query the engine cannot draw from) ends a running draw
// without a result and emits Refused. When a batch leaves a list too short for the next
// one, the reset question is asked at once (or the list restored, with ListAutoRestore);
// declined, the next Start() asks again and, declined again, emits ListExhausted.
//
// Several views may watch one session: a command from any of them changes the one state
// all of them see. Signals are emitted on the caller's thread, synchronously.
class DrawSession : public QObject
{
    Q_OBJECT
public:
    enum class State { Idle, Drawing };
    Q_ENUM(State)

    // The exhausted-list question: caption and text to show; true only for "reset".
    using ResetQuestion = std::function<bool(const QString &caption, const QString &text)>;

    // `sources`: OS-seeded for real draws, RandomSources::Seeded for repeatable ones.
    // The frames of an animated draw draw from a source of their own, so the results of
    // a seeded run do not depend on how many frames were shown.
    explicit DrawSession(RandomSources sources = RandomSources::FromSystem(), QObject *parent = nullptr);
    ~DrawSession() override;

    // Replaces the frame clock; the session takes it over. Only while Idle.
    void SetFrameClock(FrameClock *clock);
    void SetResetQuestion(ResetQuestion question);
    // Final batches of lists and numbers bring Batch::compact in place of their texts,
    // from the next Open on: for a view that writes many results when no listener
    // reads texts (the command line without history).
    void SetCompactResults(bool compact) { m_compactResults = compact; }

    // Takes the project and prepares the engine: in the background (a window's start-up;
    // a refusal is then reported by the first Start) or at once (throws SuiteError).
    enum class Preparation { InBackground, Now };
    void Open(const DrawProject &project, Preparation preparation = Preparation::InBackground);

    const DrawProject &Project() const { return m_project; }
    State CurrentState() const { return m_state; }
    bool InDraw() const { return m_state == State::Drawing; }
    // Frames shown by the running or the last animated draw (the final batch not counted).
    int FramesShown() const { return m_framesShown; }
    // Frames left before a draw that stops by count stops by itself.
    int FramesLeft() const { return m_framesLeft; }
    // Final batches drawn since Open (the how-manieth draw of the run).
    int DrawsFinished() const { return m_drawsFinished; }
    // The engine, for values the display reads (a number project's format).
    RandEngine &Engine() { return *m_engine; }

public slots:
    // The draw request: ignored while a draw runs.
    void Start();
    // Ends a running animated draw; its final batch is the result. Ignored while Idle.
    void Stop();
    // Ends a running draw without a result (the window closes).
    void Cancel();

signals:
    void StateChanged(DrawSession::State state);
    // One frame of a running draw; nothing of it is kept.
    void FrameShown(const Batch &batch);
    // The result of a draw, once per draw; `drawNumber` counts the draws since Open.
    void BatchFinal(const Batch &batch, int drawNumber);
    // The draw was refused; the message says what to change.
    void Refused(const QString &message);
    // A draw was asked for, but the list ran out and was not reset: nothing was drawn.
    void ListExhausted();

private:
    class Question;

    void BeginAnimation();
    void EndAnimation();
    void OnTick();
    void DrawFinal();
    void Finish(const Batch &batch);
    // False when the batch was refused or the list's reset declined (signalled, the
    // draw ended).
    bool Generate(bool finalDraw, Batch &batch);

    DrawProject m_project;
    std::unique_ptr<Question> m_question;
    std::unique_ptr<RandEngine> m_engine;
    FrameClock *m_clock = nullptr;
    State m_state = State::Idle;
    // A generation may ask the exhausted-list question and so run a nested event loop:
    // ticks and commands that arrive meanwhile must not start another one.
    bool m_generating = false;
    bool m_stopRequested = false;
    bool m_compactResults = false;
    int m_framesShown = 0;
    int m_framesLeft = 0;
    int m_drawsFinished = 0;
};
