#pragma once

#include "generator.h"
#include "querysection.h"
#include "randengine.h"
#include "suiteerror.h"

#include <QHash>
#include <QTest>

// Answers the exhausted-list question with a fixed answer and counts the questions.
class ScriptedQuestion : public RemainingQuestion
{
public:
    explicit ScriptedQuestion(bool answer) : answer(answer) {}
    bool AskReset(const QString &caption, const QString &text) override
    {
        ++asked;
        lastCaption = caption;
        lastText = text;
        return answer;
    }
    bool answer;
    int asked = 0;
    QString lastCaption;
    QString lastText;
};

// A type's default query with some attributes changed.
inline QueryParams Query(int pmode, const QHash<QString, QString> &changes)
{
    QueryParams params = DefaultQueryParams(pmode);
    for (auto it = changes.begin(); it != changes.end(); ++it) {
        const int index = QueryParamIndex(pmode, it.key());
        if (index < 0)
            qFatal("unknown attribute %s", qPrintable(it.key()));
        params[index] = it.value();
    }
    return params;
}

// An engine with a fixed seed, prepared for the query.
inline std::unique_ptr<RandEngine> PreparedEngine(int pmode, const QueryParams &params, quint64 seed = 42)
{
    auto engine = std::make_unique<RandEngine>(RandomSources::Seeded(seed));
    engine->Prepare(pmode, params);
    return engine;
}

// The message of the refusal that preparing the query gives; empty when it is accepted.
inline QString Refusal(int pmode, const QueryParams &params)
{
    try {
        RandEngine engine(RandomSources::Seeded(1));
        engine.Prepare(pmode, params);
        engine.Generate(true, false);
    } catch (const SuiteError &error) {
        return error.message();
    }
    return QString();
}
