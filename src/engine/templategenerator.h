#pragma once

#include "fairdraw.h"
#include "generator.h"
#include "listdraw.h"
#include "listgenerator.h"
#include "numberpicture.h"
#include "numberrange.h"
#include "password.h"

#include <optional>
#include <vector>

// Types 0 (custom), 4 (task assignment), 8 (coordinates) and 10 (several prizes): each
// result is a template whose "[name]" marks are replaced by values drawn by items
// (numbering, number range, list, picture, password).
//
// Without project repeats a batch is made one result per pass and a pass whose result
// equals an earlier one is drawn again (up to a bound); with repeats one pass makes the
// whole batch. An item without repeats never gives the same value twice in a batch.
class TemplateGenerator : public Generator
{
public:
    TemplateGenerator(int pmode, const QueryParams &params);
    int RanCount() const override { return m_ranCount; }
    Batch Generate(const GenerationContext &context) override;
    // The list items of a custom project named in `settings` take their values in the
    // final batch from their rotation or balance, all of a batch at once (so they never
    // repeat within it). Throws SuiteError when an item's list cannot give that.
    void UseItemFairness(const ItemFairSettings &settings) override;
    // The values and batch size of the list item `name`, as its fair turns see them;
    // nothing when there is no such list item.
    std::optional<ListContents> ListItemContents(const QString &name) const;

private:
    enum class ItemKind { Numbering, Range, List, Picture, Password };
    struct Item
    {
        QString name;
        QString what; // how messages name the item
        ItemKind kind = ItemKind::List;
        int perResult = 1;
        bool allowRepeat = false;
        // numbering
        QString numberingFormat;
        QStringList customLabels;
        qint64 start = 0;
        // number range
        std::optional<NumberRange> range;
        NumberPicture numberFormat{QString()};
        // list and picture
        ListEntries entries;
        bool removeDrawn = false;
        DrawList workList;
        DrawList savedList;
        // Set when the item shares out its turns fairly.
        std::optional<FairChooser> fair;
        // password
        PasswordRule password;
    };

    void PrepareCustom(const QueryParams &p);
    void PrepareTasks(const QueryParams &p);
    void PrepareCoordinates(const QueryParams &p);
    void PreparePrizes(const QueryParams &p);
    Item &AddListItem(const QString &name, const QString &what, bool weighted, const QString &listText,
                      bool allowRepeat, bool removeDrawn, const QString &perResult);
    void CheckCapacity() const;
    void CheckDistinctResults() const;
    QStringList DrawItem(Item &item, int count, const GenerationContext &context, UniqueIndexSampler *sampler,
                         QSet<QString> &usedPasswords, QStringList &picturePaths);
    // The final batch's values of every fair item (empty for the others); notes new rounds
    // and the history's trouble in `batch`.
    std::vector<QStringList> DrawFairItems(const GenerationContext &context, Batch &batch);

    int m_pmode;
    std::vector<Item> m_items;
    QString m_template;
    QString m_separator;
    bool m_allowRepeat = false;
    int m_ranCount = 0;
};

// The label of result `resultIndex` (from 0) of a numbering item. Decimal styles
// ("1,2,3...", "[1],[2],[3]...") count from the start value; symbol styles ("①,②,③...",
// "a,b,c...", …) start at the start value's symbol (1 = the first; below 1 counts as 1)
// and begin again after the last (a batch that would need letters past z is refused when
// the generator is prepared); any other style takes the custom labels in turn.
QString NumberingLabel(qint64 resultIndex, const QString &format, qint64 start, const QStringList &customLabels);
