#include "randengine.h"

#include "equationgenerator.h"
#include "listgenerator.h"
#include "numbergenerator.h"
#include "passwordgenerator.h"
#include "templategenerator.h"
#include <QCoreApplication>

std::unique_ptr<Generator> CreateGenerator(int pmode, const QueryParams &params, const QByteArray &listUtf8)
{
    switch (pmode) {
    case 0:
    case 4:
    case 8:
    case 10:
        return std::make_unique<TemplateGenerator>(pmode, params);
    case 1:
        return std::make_unique<NumberGenerator>(params);
    case 2:
    case 3:
    case 5:
    case 7:
    case 9:
        return std::make_unique<ListGenerator>(pmode, params, listUtf8);
    case 6:
        return std::make_unique<PasswordGenerator>(params);
    case 11:
    case 13:
    case 14:
        return CreateCalcGenerator(pmode, params);
    case 12:
        return std::make_unique<EquationGenerator>(params);
    default:
        throw SuiteError(
            QCoreApplication::translate("Engine", "未知的项目类型 %1（应为 0 到 14），工程文件可能已损坏。")
                .arg(pmode));
    }
}

QString RemainingQuestionCaption()
{
    return QCoreApplication::translate("Engine", "随机数名单剩余数量不足");
}

QString RemainingQuestionText(int pmode)
{
    if (pmode == 5)
        return QCoreApplication::translate(
            "Engine", "图片列表中剩余的图片数量不足，是否重置名单？如不重置名单，将无法继续抽取图片。");
    return QCoreApplication::translate("Engine",
                                       "随机数名单剩余数量不足，是否重置名单？如不重置名单，将无法继续生成随机数。");
}

QString Generator::ReplaceAbsent(const GenerationContext &, const QString &, const QSet<QString> &, QString *)
{
    throw SuiteError(QCoreApplication::translate("Engine", "这类项目不是从名单中抽取，不能为缺席者重新抽取。"));
}

namespace {

bool MayRestoreLists(const DrawSettings &settings, int pmode)
{
    if (settings.listAutoRestore)
        return true;
    return settings.question && settings.question->AskReset(RemainingQuestionCaption(), RemainingQuestionText(pmode));
}

} // namespace

bool MayRestoreLists(const GenerationContext &context)
{
    return MayRestoreLists(context.settings, context.pmode);
}

RandEngine::RandEngine(RandomSources sources) : m_sources(std::move(sources)) {}

void RandEngine::SetDrawSettings(const DrawSettings &settings)
{
    m_settings = settings;
    UpdateGenerationSettings();
}

void RandEngine::SetStepLog(DrawStepLog *log)
{
    m_stepLog = log;
    UpdateGenerationSettings();
}

void RandEngine::UpdateGenerationSettings()
{
    m_generationSettings = m_settings;
    if (m_stepLog) {
        m_generationSettings.listAutoRestore = false;
        m_generationSettings.question = &m_answerRecorder;
        // The log records every batch's texts.
        m_generationSettings.compactResults = false;
    }
}

bool RandEngine::AnswerRecorder::AskReset(const QString &caption, const QString &text)
{
    const DrawSettings &settings = m_engine.m_settings;
    const bool answer = settings.listAutoRestore || (settings.question && settings.question->AskReset(caption, text));
    m_engine.m_step.answers.append(answer);
    return answer;
}

template<typename Call>
std::optional<Batch> RandEngine::RunStep(DrawStep::Kind kind, Call call)
{
    if (!m_stepLog || m_stepDepth > 0)
        return call();
    m_step = DrawStep{};
    m_step.kind = kind;
    std::optional<Batch> batch;
    ++m_stepDepth;
    try {
        batch = call();
    } catch (const SuiteError &error) {
        --m_stepDepth;
        m_step.refusal = error.message();
        m_stepLog->StepFinished(m_step);
        throw;
    }
    --m_stepDepth;
    // A frame's values come from the frame stream: only what it did to the lists counts.
    if (batch) {
        m_step.abandoned = batch->abandoned;
        m_step.hasBatch = !batch->abandoned && kind != DrawStep::Kind::Frame;
        if (m_step.hasBatch)
            m_step.results = batch->results;
    }
    // A frame matters to later batches only when it restored (or gave up) the lists.
    if (kind != DrawStep::Kind::Frame || !m_step.answers.isEmpty())
        m_stepLog->StepFinished(m_step);
    return batch;
}

RandEngine::~RandEngine()
{
    if (m_thread)
        m_thread->wait();
}

std::unique_ptr<Generator> RandEngine::Build(int pmode, const QueryParams &params, const QByteArray &listUtf8,
                                             const FairSettings &fair, const ItemFairSettings &itemFair)
{
    std::unique_ptr<Generator> generator = CreateGenerator(pmode, params, listUtf8);
    if (fair.mode != FairMode::Plain)
        generator->UseFairness(fair);
    if (!itemFair.isEmpty())
        generator->UseItemFairness(itemFair);
    return generator;
}

void RandEngine::ApplyFairness()
{
    // Set after a preparation (the window's start-up): the lists are checked now.
    if (!m_generator)
        return;
    try {
        m_generator->UseFairness(m_fair);
        m_generator->UseItemFairness(m_itemFair);
    } catch (const SuiteError &error) {
        m_generator.reset();
        m_refusal = error;
        m_ready = false;
    }
}

void RandEngine::SetFairness(const FairSettings &settings, FairnessLedger *ledger)
{
    FinishBackgroundPreparation();
    m_fair = ledger ? settings : FairSettings{};
    m_ledger = ledger;
    ApplyFairness();
}

void RandEngine::SetItemFairness(const ItemFairSettings &settings, ItemFairnessLedgers *ledgers)
{
    FinishBackgroundPreparation();
    m_itemFair = ledgers ? settings : ItemFairSettings{};
    m_itemLedgers = ledgers;
    ApplyFairness();
}

GenerationContext RandEngine::Context(bool finalDraw, bool inDraw)
{
    const bool frame = inDraw && !finalDraw && m_sources.frames;
    RandomSource &draws = frame ? *m_sources.frames : *m_sources.draws;
    RandomSource &passwords = frame ? *m_sources.frames : *m_sources.passwords;
    return {draws, passwords, m_generationSettings, m_pmode, finalDraw, inDraw, m_ledger, m_itemLedgers};
}

QString RandEngine::ReplaceAbsent(const QString &absent, const QSet<QString> &keep, QString *notice)
{
    RequireGenerator();
    return m_generator->ReplaceAbsent(Context(true, false), absent, keep, notice);
}

void RandEngine::Prepare(int pmode, const QueryParams &params, const QByteArray &listUtf8)
{
    FinishBackgroundPreparation();
    m_pmode = pmode;
    m_params = params;
    m_listUtf8 = listUtf8;
    m_generator.reset();
    m_refusal.reset();
    m_ready = false;
    try {
        m_generator = Build(pmode, params, listUtf8, m_fair, m_itemFair);
    } catch (const SuiteError &error) {
        m_refusal = error;
        throw;
    }
    m_ready = true;
}

void RandEngine::PrepareInBackground(int pmode, const QueryParams &params, const QByteArray &listUtf8)
{
    FinishBackgroundPreparation();
    // Everything the caller may read at once is set here; the thread only builds the generator.
    m_pmode = pmode;
    m_params = params;
    m_listUtf8 = listUtf8;
    m_generator.reset();
    m_refusal.reset();
    m_ready = false;
    m_thread = std::make_unique<RandCalThread>(*this, pmode, params, listUtf8, m_fair, m_itemFair);
    m_thread->start();
}

void RandEngine::FinishBackgroundPreparation()
{
    if (!m_thread)
        return;
    // A refusal on the thread is kept in m_refusal and rethrown by the next draw.
    m_thread->wait();
    m_thread.reset();
}

void RandEngine::RequireGenerator()
{
    FinishBackgroundPreparation();
    if (m_refusal)
        throw *m_refusal;
    if (!m_generator)
        throw SuiteError(QCoreApplication::translate("Engine", "还没有载入项目，无法抽取。"));
}

Batch RandEngine::Generate(bool finalDraw, bool inDraw)
{
    return *RunStep(finalDraw ? DrawStep::Kind::Draw : DrawStep::Kind::Frame,
                    [&] { return std::optional<Batch>(GenerateBatch(finalDraw, inDraw)); });
}

Batch RandEngine::GenerateBatch(bool finalDraw, bool inDraw)
{
    RequireGenerator();
    const GenerationContext context = Context(finalDraw, inDraw);
    Batch batch = m_generator->Generate(context);
    if (batch.abandoned) {
        m_ready = false;
        return batch;
    }
    m_results = batch.results;
    m_compactResults = batch.compact;
    if (batch.remainingShort)
        RestoreLists();
    return batch;
}

std::optional<Batch> RandEngine::CheckRemaining()
{
    return RunStep(DrawStep::Kind::Restore, [this] { return RestoreLists(); });
}

std::optional<Batch> RandEngine::RestoreLists()
{
    RequireGenerator();
    if (!MayRestoreLists(m_generationSettings, m_pmode)) {
        m_ready = false;
        return std::nullopt;
    }
    Prepare(m_pmode, m_params, m_listUtf8);
    if (m_pmode == 0 || m_pmode == 4 || m_pmode == 8 || m_pmode == 10)
        return GenerateBatch(true, false);
    return std::nullopt;
}

bool RandEngine::Ready()
{
    FinishBackgroundPreparation();
    return m_ready;
}

int RandEngine::RanCount()
{
    RequireGenerator();
    return m_generator->RanCount();
}

QStringList RandEngine::Extra()
{
    RequireGenerator();
    return m_generator->Extra();
}

QStringList RandEngine::Results()
{
    FinishBackgroundPreparation();
    return m_compactResults ? m_compactResults->Texts() : m_results;
}

RandCalThread::RandCalThread(RandEngine &engine, int pmode, QueryParams params, QByteArray listUtf8,
                             FairSettings fair, ItemFairSettings itemFair)
    : m_engine(engine), m_pmode(pmode), m_params(std::move(params)), m_listUtf8(std::move(listUtf8)), m_fair(fair),
      m_itemFair(std::move(itemFair))
{
    setObjectName(QStringLiteral("CalRand"));
}

void RandCalThread::run()
{
    try {
        m_engine.m_generator = RandEngine::Build(m_pmode, m_params, m_listUtf8, m_fair, m_itemFair);
        m_engine.m_ready = true;
    } catch (const SuiteError &error) {
        m_engine.m_refusal = error;
    } catch (const std::exception &error) {
        m_engine.m_refusal = SuiteError(
            QCoreApplication::translate("Engine", "准备抽取时出错：%1").arg(QString::fromLocal8Bit(error.what())));
    }
}
