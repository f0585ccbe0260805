#pragma once

#include <QDomDocument>
#include <QMap>
#include <QString>
#include <QStringList>

// How a list project shares out its turns over many draws. Stored as attributes of the
// element that holds the list (RandQuery/Rand/Query), which older readers ignore; a
// project without them draws as it always did.
enum class FairMode { Plain, Rotation, Balanced };
enum class FairPeriod { Week, Month, Term, All };

struct FairSettings
{
    FairMode mode = FairMode::Plain;
    // Balanced only: which past draws count, how hard they lower the chance (the power
    // s of 1/(1+c)^s) and how many of the latest results are skipped.
    FairPeriod period = FairPeriod::Month;
    int strength = 2;
    int skip = 0;

    bool operator==(const FairSettings &) const = default;
};

// Stored texts: "普通"/"轮换"/"均衡", "本周"/"本月"/"本学期"/"全部", "弱"/"中"/"强";
// windows show them through StoredValueText.
QString FairModeText(FairMode mode);
QString FairPeriodText(FairPeriod period);
QString FairStrengthText(int strength);
QStringList FairModeTexts();
QStringList FairPeriodTexts();
QStringList FairStrengthTexts();
// The power of a strength text: "弱" 1, "中" 2, "强" 4.
int FairStrengthPower(const QString &text);

// Days a period reaches back, today included; 0 for "全部". A term is 140 days.
int FairPeriodDays(FairPeriod period);

// Missing or unknown values read as the defaults (a missing `Fair` is "普通").
FairSettings ReadFairSettings(const QDomDocument &document);
// Writes `Fair`; the balanced attributes only for "均衡" (removed otherwise).
void WriteFairSettings(QDomDocument &document, const FairSettings &settings);

// The fair settings of a custom project's list items, by item name; an item not named
// draws plainly. Each item keeps a rotation and a balance of its own.
using ItemFairSettings = QMap<QString, FairSettings>;
// Stored as `FairItem` elements (`Name` and the attributes above) inside the Query
// element, which older readers ignore.
ItemFairSettings ReadItemFairSettings(const QDomDocument &document);
// Replaces the stored items; "普通" items are not stored.
void WriteItemFairSettings(QDomDocument &document, const ItemFairSettings &settings);

// Project types whose list can be drawn fairly: the roll-call, shuffle, words and the
// one-prize lottery.
bool TypeDrawsFairly(int pmode);

// Project types whose list items can each be drawn fairly: the custom type.
bool TypeHasFairItems(int pmode);

// The largest skip a list of `distinct` entries allows with batches of `ranCount`: a
// batch must still find enough entries that were not skipped.
int MaxFairSkip(int distinct, int ranCount);

// The balanced weight in words, for the list dialog, in the interface language.
QString FairFormulaText(const FairSettings &settings);
