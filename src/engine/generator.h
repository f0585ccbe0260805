#pragma once

#include "fairsettings.h"
#include "querysection.h"
#include "randomsource.h"

#include <QSet>

#include <QString>
#include <QStringList>

#include <memory>

// Answers the exhausted-list question. The drawing window shows a question box with
// the given caption and text (Yes/No/Cancel); the command line applies its policy.
class FairnessLedger;
struct FairSettings;

// The history behind the fair list items of a custom project: a ledger of its own for
// each item.
class ItemFairnessLedgers
{
public:
    virtual ~ItemFairnessLedgers() = default;
    // Null when the item's turns cannot be kept (its draws are plain then).
    virtual FairnessLedger *ForItem(const QString &item) = 0;
};

class RemainingQuestion
{
public:
    virtual ~RemainingQuestion() = default;
    // True only for "Yes, reset the list".
    virtual bool AskReset(const QString &caption, const QString &text) = 0;
};

// Settings of the caller that a generation reads.
struct DrawSettings
{
    // Soft.ini's ListAutoRestore: an exhausted list is restored without asking.
    bool listAutoRestore = false;
    // Asked when a list runs short and listAutoRestore is off; none means "No".
    RemainingQuestion *question = nullptr;
    // How a picture item of a template shows its path: "图片名称+扩展名" (file name),
    // "仅图片名称" (file name up to its first "."), anything else the full path.
    QString pictureNameSetting;
    // The display's result separator; equation systems separate their equations by
    // "　" when it is "，", else by "，".
    QString resultSeparator;
    // The caller writes final batches from Batch::compact where a generator gives one
    // (their `results` then stay empty): for a caller that writes many results and has
    // no listener that reads texts.
    bool compactResults = false;
};

// What a generator is given for one batch.
struct GenerationContext
{
    RandomSource &draws;
    RandomSource &passwords;
    const DrawSettings &settings;
    int pmode = 0;
    // The batch that ends a draw (the draw was stopped, or a draw without animation):
    // entries drawn from lists with removal become permanent.
    bool finalDraw = false;
    // An animated draw is running: an intermediate frame never removes entries.
    bool inDraw = false;
    // The history behind fair turns; null for plain draws. Only final batches use it.
    FairnessLedger *fairness = nullptr;
    // The same for the list items of a custom project.
    ItemFairnessLedgers *itemFairness = nullptr;
};

// A batch's results as the generator drew them (entries of a list, numbers), for a
// caller that writes many results at once: written as UTF-8 without a QString each.
class CompactResults
{
public:
    virtual ~CompactResults() = default;
    virtual qsizetype Size() const = 0;
    // Appends the UTF-8 of results [from, from + count), each followed by a line break.
    virtual void AppendUtf8Lines(qsizetype from, qsizetype count, QByteArray &out) const = 0;
    // The texts the batch's `results` would have held.
    virtual QStringList Texts() const = 0;
};

// One batch as handed to the display.
struct Batch
{
    // An exhausted list whose reset was declined: nothing to show, the engine is no
    // longer Ready.
    bool abandoned = false;
    // A list ran short before the draw: a running animation must stop.
    bool stopAnimation = false;
    // The result texts as they are shown: list entries come out as the user typed them
    // (the engine undoes the list escapes), picture paths as stored.
    QStringList results;
    // In place of `results`, for a final batch when DrawSettings::compactResults asks
    // for it and the generator keeps its results compactly (see GivesCompactResults).
    std::shared_ptr<const CompactResults> compact;
    // Full paths of the pictures drawn (pictures, custom projects with a picture group),
    // in the order they were drawn.
    QStringList picturePaths;
    // Set by list generators: fewer entries remain than one batch needs; the engine then
    // runs its exhausted-list check after this batch.
    bool remainingShort = false;
    // Fair turns: this batch completed a round of the rotation.
    bool newRound = false;
    // Fair turns: what the user should know about the history (e.g. a plain fallback).
    QString fairNotice;
};

// The generator of one project type. Constructing it is the preparation: it parses and
// checks the query and throws SuiteError (a Chinese message saying what to change) for
// every query it cannot draw from, before anything is drawn.
class Generator
{
public:
    virtual ~Generator() = default;

    // Results of one batch.
    virtual int RanCount() const = 0;
    // Values kept for the display: type 1 its number format; types 11 and 14
    // ConditionRelat and ConditionType.
    virtual QStringList Extra() const { return {}; }
    // Draws one batch. Throws SuiteError when the batch cannot be drawn (it never loops
    // without bound).
    virtual Batch Generate(const GenerationContext &context) = 0;

    // Fair turns over many draws. List generators check the settings against their list
    // (throwing SuiteError); other types have no list to share out and ignore them.
    virtual void UseFairness(const FairSettings &) {}
    // Fair turns for the list items of a custom project, by item name (checked as above).
    virtual void UseItemFairness(const ItemFairSettings &) {}
    // Draws one entry in place of an absent result of the last batch, none of `keep`.
    // Throws SuiteError when the type has no list or nobody is left.
    virtual QString ReplaceAbsent(const GenerationContext &context, const QString &absent, const QSet<QString> &keep,
                                  QString *notice);
};

// The calculation generator of types 11, 13 and 14; defined beside it (calcgenerator.cpp).
std::unique_ptr<Generator> CreateCalcGenerator(int pmode, const QueryParams &params);

// The generator for a project type (0..14); throws SuiteError as the constructors do.
// `listUtf8`: a list type's list as read from its file (QuerySection::listUtf8).
std::unique_ptr<Generator> CreateGenerator(int pmode, const QueryParams &params, const QByteArray &listUtf8 = {});

// The exhausted-list question's texts for a project type.
QString RemainingQuestionCaption();
QString RemainingQuestionText(int pmode);

// Whether this batch's results go into Batch::compact rather than Batch::results.
inline bool GivesCompactResults(const GenerationContext &context)
{
    return context.finalDraw && context.settings.compactResults;
}

// Whether lists that ran short may be restored: yes when ListAutoRestore is on, else the
// answer to the exhausted-list question (no question: no).
bool MayRestoreLists(const GenerationContext &context);
