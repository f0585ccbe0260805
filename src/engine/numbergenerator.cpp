#include "numbergenerator.h"

#include "queryvalues.h"
#include "suiteerror.h"

#include <algorithm>
#include <optional>
#include <QCoreApplication>

NumberGenerator::NumberGenerator(const QueryParams &params)
    : m_range((RequireQuerySize(params, 6), NumberRange::Parse(params.at(1), params.at(2), params.at(3), QString())))
    , m_format(params.at(4))
    , m_picture(m_format)
    , m_ranCount(ParseCount(params.at(5), QCoreApplication::translate("Engine", "生成数量"), 1, kMaxRanCount))
    , m_allowRepeat(IsYes(params.at(6)))
{
    if (!m_allowRepeat && m_ranCount > m_range.Count())
        throw SuiteError(QCoreApplication::translate(
                             "Engine", "不允许重复时，%1 到 %2（精度 %3）只有 %4 个不同的数，少于生成数量 %5。"
                                       "请扩大范围、减小精度、减少生成数量或允许重复。")
                             .arg(ShortestNumberText(m_range.Min()), ShortestNumberText(m_range.Max()),
                                  ShortestNumberText(m_range.Pred()))
                             .arg(m_range.Count())
                             .arg(m_ranCount));
}

namespace {

// Numbers drawn, kept as values with the picture that prints them.
class NumberResults : public CompactResults
{
public:
    NumberResults(NumberPicture picture, std::vector<double> values)
        : m_picture(std::move(picture)), m_values(std::move(values))
    {
    }
    qsizetype Size() const override { return qsizetype(m_values.size()); }
    void AppendUtf8Lines(qsizetype from, qsizetype count, QByteArray &out) const override
    {
        for (qsizetype i = from; i < from + count; ++i) {
            m_picture.AppendUtf8(m_values[size_t(i)], out);
            out.append('\n');
        }
    }
    QStringList Texts() const override
    {
        QStringList texts;
        texts.reserve(Size());
        for (const double value : m_values)
            texts.append(m_picture.Format(value));
        return texts;
    }

private:
    NumberPicture m_picture;
    std::vector<double> m_values;
};

} // namespace

Batch NumberGenerator::Generate(const GenerationContext &context)
{
    std::optional<UniqueIndexSampler> sampler;
    if (!m_allowRepeat)
        sampler.emplace(m_range.Count());
    const auto draw = [&](int count) {
        return RangeDraw(m_range, context.draws, m_allowRepeat, count, sampler ? &*sampler : nullptr, QString());
    };
    Batch batch;
    if (GivesCompactResults(context)) {
        batch.compact = std::make_shared<NumberResults>(m_picture, draw(m_ranCount));
        return batch;
    }
    // Drawn and formatted a block at a time, so a batch of a million numbers holds its
    // results and never a second copy of them as doubles. One sampler for the batch keeps
    // the blocks' values distinct; the values come in the same order as in one draw.
    constexpr int kBlock = 4096;
    batch.results.resize(m_ranCount);
    auto result = batch.results.begin();
    for (int done = 0; done < m_ranCount; done += kBlock) {
        const std::vector<double> values = draw(std::min(kBlock, m_ranCount - done));
        result = std::transform(values.begin(), values.end(), result,
                                [this](double value) { return m_picture.Format(value); });
    }
    return batch;
}
