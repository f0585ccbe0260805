#include "randengine.h"

#include "equationgenerator.h"
#include "listgenerator.h"
#include "numbergenerator.h"
#include "passwordgenerator.h"
#include "templategenerator.h"

std::unique_ptr<Generator> CreateGenerator(int pmode, const QueryParams &params)
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
        return std::make_unique<ListGenerator>(pmode, params);
    case 6:
        return std::make_unique<PasswordGenerator>(params);
    case 11:
    case 13:
    case 14:
        return CreateCalcGenerator(pmode, params);
    case 12:
        return std::make_unique<EquationGenerator>(params);
    default:
        throw SuiteError(QStringLiteral("未知的项目类型 %1（应为 0 到 14），工程文件可能已损坏。").arg(pmode));
    }
}

QString RemainingQuestionCaption()
{
    return QStringLiteral("随机数名单剩余数量不足");
}

QString RemainingQuestionText(int pmode)
{
    if (pmode == 5)
        return QStringLiteral("图片列表中剩余的图片数量不足，是否重置名单？如不重置名单，将无法继续抽取图片。");
    return QStringLiteral("随机数名单剩余数量不足，是否重置名单？如不重置名单，将无法继续生成随机数。");
}

bool MayRestoreLists(const GenerationContext &context)
{
    if (context.settings.listAutoRestore)
        return true;
    return context.settings.question
           && context.settings.question->AskReset(RemainingQuestionCaption(), RemainingQuestionText(context.pmode));
}

RandEngine::RandEngine(RandomSources sources) : m_sources(std::move(sources)) {}

RandEngine::~RandEngine()
{
    if (m_thread)
        m_thread->wait();
}

void RandEngine::Prepare(int pmode, const QueryParams &params)
{
    FinishBackgroundPreparation();
    m_pmode = pmode;
    m_params = params;
    m_generator.reset();
    m_refusal.reset();
    m_ready = false;
    try {
        m_generator = CreateGenerator(pmode, params);
    } catch (const SuiteError &error) {
        m_refusal = error;
        throw;
    }
    m_ready = true;
}

void RandEngine::PrepareInBackground(int pmode, const QueryParams &params)
{
    FinishBackgroundPreparation();
    // Everything the caller may read at once is set here; the thread only builds the generator.
    m_pmode = pmode;
    m_params = params;
    m_generator.reset();
    m_refusal.reset();
    m_ready = false;
    m_thread = std::make_unique<RandCalThread>(*this, pmode, params);
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
        throw SuiteError(QStringLiteral("还没有载入项目，无法抽取。"));
}

Batch RandEngine::Generate(bool finalDraw, bool inDraw)
{
    RequireGenerator();
    const bool frame = inDraw && !finalDraw && m_sources.frames;
    RandomSource &draws = frame ? *m_sources.frames : *m_sources.draws;
    RandomSource &passwords = frame ? *m_sources.frames : *m_sources.passwords;
    const GenerationContext context{draws, passwords, m_settings, m_pmode, finalDraw, inDraw};
    Batch batch = m_generator->Generate(context);
    if (batch.abandoned) {
        m_ready = false;
        return batch;
    }
    m_results = batch.results;
    if (batch.remainingShort)
        CheckRemaining();
    return batch;
}

std::optional<Batch> RandEngine::CheckRemaining()
{
    RequireGenerator();
    const bool restore =
        m_settings.listAutoRestore
        || (m_settings.question && m_settings.question->AskReset(RemainingQuestionCaption(), RemainingQuestionText(m_pmode)));
    if (!restore) {
        m_ready = false;
        return std::nullopt;
    }
    Prepare(m_pmode, m_params);
    if (m_pmode == 0 || m_pmode == 4 || m_pmode == 8 || m_pmode == 10)
        return Generate(true, false);
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
    return m_results;
}

RandCalThread::RandCalThread(RandEngine &engine, int pmode, QueryParams params)
    : m_engine(engine), m_pmode(pmode), m_params(std::move(params))
{
    setObjectName(QStringLiteral("CalRand"));
}

void RandCalThread::run()
{
    try {
        m_engine.m_generator = CreateGenerator(m_pmode, m_params);
        m_engine.m_ready = true;
    } catch (const SuiteError &error) {
        m_engine.m_refusal = error;
    } catch (const std::exception &error) {
        m_engine.m_refusal = SuiteError(QStringLiteral("准备抽取时出错：%1").arg(QString::fromLocal8Bit(error.what())));
    }
}
