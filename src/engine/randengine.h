#pragma once

#include "fairsettings.h"
#include "generator.h"
#include "querysection.h"
#include "randomsource.h"
#include "suiteerror.h"

#include <QThread>

#include <memory>
#include <optional>

class RandCalThread;

// One call of the engine that changes what later batches draw: a batch that ends a draw,
// a restore of exhausted lists, or an animation frame that asked the exhausted-list
// question. A verifiable draw records these steps so that a replay can make the same calls.
struct DrawStep
{
    enum class Kind { Draw, Frame, Restore };
    Kind kind = Kind::Draw;
    // The exhausted-list questions answered during the step, in order (ListAutoRestore
    // counts as "yes").
    QList<bool> answers;
    // The batch shown (a draw; the restore of a template type draws one at once; never a frame).
    bool hasBatch = false;
    QStringList results;
    bool abandoned = false;
    // The message of a refused step.
    QString refusal;

    bool operator==(const DrawStep &) const = default;
};

class DrawStepLog
{
public:
    virtual ~DrawStepLog() = default;
    virtual void StepFinished(const DrawStep &step) = 0;
};

// The generation driver: turns the query of the open project into batches of results.
//
//   RandEngine engine;                       // OS-seeded (or RandomSources::Seeded(s))
//   engine.SetDrawSettings(settings);        // ListAutoRestore, question, display values
//   engine.PrepareInBackground(pmode, query);// start-up: RandCalThread prepares
//   Batch b = engine.Generate(true, false);  // waits for the start-up preparation
//   if (!engine.Ready()) engine.CheckRemaining();
//
// Every call but PrepareInBackground runs on the caller's thread. A refusal (a query the
// engine cannot draw from) is a SuiteError with a message for the user; a refused preparation
// leaves the engine without a generator, and Generate then throws the same message.
class RandEngine
{
public:
    explicit RandEngine(RandomSources sources = RandomSources::FromSystem());
    ~RandEngine();
    RandEngine(const RandEngine &) = delete;
    RandEngine &operator=(const RandEngine &) = delete;

    void SetDrawSettings(const DrawSettings &settings);
    const DrawSettings &Settings() const { return m_settings; }

    // Fair turns for the final batches of a list project, kept in `ledger` (the history).
    // Without a ledger draws are plain. The settings are checked against the list when
    // preparing, or at once when the engine is prepared already; a refusal then comes
    // with the next draw.
    void SetFairness(const FairSettings &settings, FairnessLedger *ledger);
    // Fair turns for the list items of a custom project, each kept in its own ledger
    // from `ledgers`; checked as SetFairness does.
    void SetItemFairness(const ItemFairSettings &settings, ItemFairnessLedgers *ledgers);
    // The fair mode the draws really use ("普通" without a ledger).
    FairMode FairnessInUse() const { return m_ledger ? m_fair.mode : FairMode::Plain; }
    // Draws one entry in place of `absent`, a result of the last batch, from the list
    // without `keep` (the batch's other results and earlier absentees). An absent entry
    // keeps its turn in a rotation. Throws SuiteError when nobody is left. `notice`: what
    // the user should know about the history.
    QString ReplaceAbsent(const QString &absent, const QSet<QString> &keep, QString *notice = nullptr);
    // From now on every batch but an animation frame takes all its values from `source`
    // (verifiable draws); the frames keep their own source, so how long an animation runs
    // never changes a result.
    void SetFinalSource(std::shared_ptr<RandomSource> source)
    {
        m_sources.draws = source;
        m_sources.passwords = std::move(source);
    }
    // Every step (see DrawStep) is reported to `log` from now on; nullptr stops it.
    // Calls made by the engine itself inside a step are part of that step.
    void SetStepLog(DrawStepLog *log);

    // Parses the query and builds the generator of the type; Ready becomes true.
    // Throws SuiteError before anything is drawn. Also restores every list.
    // `listUtf8`: a list type's list as read from its file (QuerySection::listUtf8).
    void Prepare(int pmode, const QueryParams &params, const QByteArray &listUtf8 = {});

    // Starts the start-up preparation on a RandCalThread. The next call of any other
    // member waits for it; a draw then rethrows its refusal.
    void PrepareInBackground(int pmode, const QueryParams &params, const QByteArray &listUtf8 = {});

    // Draws one batch. `finalDraw`: the batch that ends a draw (stopped animation, or a
    // draw without animation: pass true); it makes removals permanent even while `inDraw`
    // is still set. `inDraw`: an animation is running; its other frames remove nothing and
    // draw from the sources' `frames`.
    // Returns the batch; `abandoned` when an exhausted list's reset was declined (Ready is
    // then false).
    // After a list batch that left fewer entries than a batch needs, the exhausted-list
    // check runs at once (restore or ask).
    Batch Generate(bool finalDraw, bool inDraw);

    // The exhausted-list check: with ListAutoRestore on, restore the lists without asking;
    // otherwise ask the question. Ready becomes true only when the lists were restored.
    // For the template types (0, 4, 8, 10) a restore draws a new batch at once, returned.
    std::optional<Batch> CheckRemaining();

    bool Ready();
    int RanCount();
    QStringList Extra();
    // The last batch's results.
    QStringList Results();
    int ProjectType() const { return m_pmode; }

private:
    class AnswerRecorder : public RemainingQuestion
    {
    public:
        explicit AnswerRecorder(RandEngine &engine) : m_engine(engine) {}
        bool AskReset(const QString &caption, const QString &text) override;

    private:
        RandEngine &m_engine;
    };

    void FinishBackgroundPreparation();
    void RequireGenerator();
    GenerationContext Context(bool finalDraw, bool inDraw);
    // The generator of the type, with the fair settings applied.
    static std::unique_ptr<Generator> Build(int pmode, const QueryParams &params, const QByteArray &listUtf8,
                                            const FairSettings &fair, const ItemFairSettings &itemFair);
    // Applies the fair settings to the prepared generator; a refusal leaves the engine
    // without it.
    void ApplyFairness();
    Batch GenerateBatch(bool finalDraw, bool inDraw);
    std::optional<Batch> RestoreLists();
    template<typename Call>
    std::optional<Batch> RunStep(DrawStep::Kind kind, Call call);
    void UpdateGenerationSettings();

    RandomSources m_sources;
    DrawSettings m_settings;
    // What the generators read: m_settings, or with a step log the same settings with
    // every exhausted-list question passing through m_answerRecorder.
    DrawSettings m_generationSettings;
    AnswerRecorder m_answerRecorder{*this};
    DrawStepLog *m_stepLog = nullptr;
    int m_stepDepth = 0;
    DrawStep m_step;
    int m_pmode = -1;
    QueryParams m_params;
    QByteArray m_listUtf8;
    FairSettings m_fair;
    FairnessLedger *m_ledger = nullptr;
    ItemFairSettings m_itemFair;
    ItemFairnessLedgers *m_itemLedgers = nullptr;
    std::unique_ptr<Generator> m_generator;
    std::optional<SuiteError> m_refusal;
    bool m_ready = false;
    QStringList m_results;
    std::shared_ptr<const CompactResults> m_compactResults; // instead of m_results
    std::unique_ptr<RandCalThread> m_thread;

    friend class RandCalThread;
};

// The worker thread of the start-up preparation (named "CalRand"). A refusal is kept in
// the engine, which rethrows it on the caller's thread at the next draw.
class RandCalThread : public QThread
{
    Q_OBJECT
public:
    RandCalThread(RandEngine &engine, int pmode, QueryParams params, QByteArray listUtf8, FairSettings fair,
                  ItemFairSettings itemFair);

protected:
    void run() override;

private:
    RandEngine &m_engine;
    int m_pmode;
    QueryParams m_params;
    QByteArray m_listUtf8;
    FairSettings m_fair;
    ItemFairSettings m_itemFair;
};
