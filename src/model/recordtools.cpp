#include "recordtools.h"

#include "domutil.h"
#include "encodedxml.h"
#include "numberpicture.h"
#include "querysection.h"
#include "suiteerror.h"

#include <QCollator>
#include <QFileInfo>
#include <QCollatorSortKey>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <QCoreApplication>

namespace {

const QString kYes = QStringLiteral("是");
const QString kNo = QStringLiteral("否");

QString YesNo(bool value)
{
    return value ? kYes : kNo;
}

// Splits at line ends: "\n" for a label; "\r\n" or a lone "\n" for a memo.
QStringList SplitRecordLines(const QString &text, RecordBoxKind kind)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    if (kind == RecordBoxKind::Memo) {
        for (QString &line : lines) {
            if (line.endsWith(QLatin1Char('\r')))
                line.chop(1);
        }
    }
    return lines;
}

QString JoinGroups(const QStringList &results, const QString &separator, const QString &lineBreak, int perLine)
{
    QString text;
    qsizetype size = 0;
    for (const QString &result : results)
        size += result.size() + separator.size();
    text.reserve(size + results.size() / perLine * lineBreak.size());
    for (qsizetype i = 0; i < results.size(); ++i) {
        if (i > 0)
            text += (i % perLine == 0) ? lineBreak : separator;
        text += results.at(i);
    }
    return text;
}

bool IsResultsPerLine(qlonglong perLine)
{
    return perLine >= kMinResultsPerLine && perLine <= kMaxResultsPerLine;
}

SuiteError ResultsPerLineError()
{
    return SuiteError(QCoreApplication::translate("Model", "换行间隔数必须是%1到%2之间的整数！")
                          .arg(kMinResultsPerLine)
                          .arg(kMaxResultsPerLine));
}

QString NotNumberForSortMessage(const QString &result)
{
    return QCoreApplication::translate("Model", "随机数“%1”不是数值，不能按数值排序！请改用字符串排序。").arg(result);
}

// Sorts one list of results by the scheme's variety and direction. Throws before
// changing anything when a numeric sort meets a result that is not a number.
QStringList SortResults(const QStringList &results, const SortScheme &scheme, const QString &numberFormat)
{
    const bool descending = scheme.direction == SortDirection::Lower;
    std::vector<qsizetype> order(results.size());
    std::iota(order.begin(), order.end(), 0);

    QStringList sorted;
    sorted.reserve(results.size());
    if (scheme.variety == SortVariety::Num) {
        qsizetype bad = -1;
        const auto numbers = ParseRecordNumbers(results, &bad);
        if (!numbers)
            throw SuiteError(NotNumberForSortMessage(results.at(bad)));
        const QVector<double> &values = *numbers;
        std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
            return descending ? values[b] < values[a] : values[a] < values[b];
        });
        const bool keepText = numberFormat.isEmpty();
        for (qsizetype index : order)
            sorted.append(keepText ? results.at(index) : FormatFloat(numberFormat, values[index]));
        return sorted;
    }

    // Sort keys make each comparison a byte compare, so a large record sorts fast.
    // The keys of the "C" locale ignore the collator's case setting, hence the folding.
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<QCollatorSortKey> keys;
    keys.reserve(results.size());
    for (const QString &result : results)
        keys.push_back(collator.sortKey(result.toCaseFolded()));
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
        return descending ? keys[b].compare(keys[a]) < 0 : keys[a].compare(keys[b]) < 0;
    });
    for (qsizetype index : order)
        sorted.append(results.at(index));
    return sorted;
}

int ReadCount(const QDomElement &element, const QString &name, int fallback)
{
    bool ok = false;
    const int value = element.attribute(name).trimmed().toInt(&ok);
    return ok && IsResultsPerLine(value) ? value : fallback;
}

} // namespace

QString RecordLineBreak(RecordBoxKind kind)
{
    return kind == RecordBoxKind::Memo ? QStringLiteral("\r\n") : QStringLiteral("\n");
}

QString RemoveRecordLineBreaks(const QString &text, const RecordShape &shape)
{
    if (shape.kind == RecordBoxKind::Label) {
        QString joined = text;
        return joined.replace(QLatin1Char('\n'), shape.separator);
    }
    QStringList lines = SplitRecordLines(text, RecordBoxKind::Memo);
    lines.removeAll(QString());
    return lines.join(shape.separator);
}

QStringList RecordResults(const QString &text, const RecordShape &shape)
{
    if (text.isEmpty())
        return {};
    return SplitText(RemoveRecordLineBreaks(text, shape), shape.separator);
}

int ParseResultsPerLine(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        throw SuiteError(QCoreApplication::translate("Model", "换行间隔数不能为空！"));
    bool ok = false;
    const qlonglong value = trimmed.toLongLong(&ok);
    if (!ok || !IsResultsPerLine(value))
        throw ResultsPerLineError();
    return int(value);
}

QString BreakRecordLines(const QString &text, const RecordShape &shape, int perLine)
{
    if (!IsResultsPerLine(perLine))
        throw ResultsPerLineError();
    if (text.isEmpty())
        return text;
    return JoinGroups(RecordResults(text, shape), shape.separator, RecordLineBreak(shape.kind), perLine);
}

QString SortVarietyText(SortVariety variety)
{
    return variety == SortVariety::Num ? QStringLiteral("Num") : QStringLiteral("Str");
}

QString SortDirectionText(SortDirection direction)
{
    return direction == SortDirection::Lower ? QStringLiteral("Lower") : QStringLiteral("Upper");
}

QString SortRangeText(SortRange range)
{
    return range == SortRange::Rows ? QStringLiteral("Rows") : QStringLiteral("Global");
}

std::optional<SortVariety> SortVarietyFromText(const QString &text)
{
    if (text == QLatin1String("Str"))
        return SortVariety::Str;
    if (text == QLatin1String("Num"))
        return SortVariety::Num;
    return std::nullopt;
}

std::optional<SortDirection> SortDirectionFromText(const QString &text)
{
    if (text == QLatin1String("Upper"))
        return SortDirection::Upper;
    if (text == QLatin1String("Lower"))
        return SortDirection::Lower;
    return std::nullopt;
}

std::optional<SortRange> SortRangeFromText(const QString &text)
{
    if (text == QLatin1String("Global"))
        return SortRange::Global;
    if (text == QLatin1String("Rows"))
        return SortRange::Rows;
    return std::nullopt;
}

QString SortRecord(const QString &text, const RecordShape &shape, const SortScheme &scheme,
                   const QString &numberFormat, int autoNewLineCount)
{
    if (text.isEmpty())
        return text;

    if (scheme.range == SortRange::Global) {
        const QStringList sorted = SortResults(RecordResults(text, shape), scheme, numberFormat);
        const QString joined = sorted.join(shape.separator);
        return autoNewLineCount > 0 ? BreakRecordLines(joined, shape, autoNewLineCount) : joined;
    }

    QStringList lines = SplitRecordLines(text, shape.kind);
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast();
    for (QString &line : lines) {
        if (!line.isEmpty())
            line = SortResults(SplitText(line, shape.separator), scheme, numberFormat).join(shape.separator);
    }
    return lines.join(RecordLineBreak(shape.kind));
}

QString RemoveRecordRepeats(const QString &text, const RecordShape &shape, int autoNewLineCount)
{
    if (text.isEmpty())
        return text;
    const QStringList results = RecordResults(text, shape);
    QSet<QString> seen;
    seen.reserve(results.size());
    QStringList kept;
    for (const QString &result : results) {
        if (!seen.contains(result)) {
            seen.insert(result);
            kept.append(result);
        }
    }
    const QString joined = kept.join(shape.separator);
    return autoNewLineCount > 0 ? BreakRecordLines(joined, shape, autoNewLineCount) : joined;
}

std::optional<double> ParseRecordNumber(const QString &result)
{
    bool ok = false;
    const double value = result.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<QVector<double>> ParseRecordNumbers(const QStringList &results, qsizetype *firstBad)
{
    QVector<double> values;
    values.reserve(results.size());
    for (qsizetype i = 0; i < results.size(); ++i) {
        const auto value = ParseRecordNumber(results.at(i));
        if (!value) {
            if (firstBad)
                *firstBad = i;
            return std::nullopt;
        }
        values.append(*value);
    }
    return values;
}

RecordStatistics ComputeStatistics(const QVector<double> &values)
{
    RecordStatistics stats;
    stats.count = values.size();
    if (values.isEmpty())
        return stats;
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    stats.minimum = *low;
    stats.maximum = *high;
    stats.range = stats.maximum - stats.minimum;
    // Two passes: the sum of squared differences stays accurate for large records.
    const double sum = std::accumulate(values.begin(), values.end(), 0.0);
    stats.mean = sum / double(values.size());
    double squares = 0;
    for (double value : values)
        squares += (value - stats.mean) * (value - stats.mean);
    stats.variance = squares / double(values.size());
    stats.standardDeviation = std::sqrt(stats.variance);
    return stats;
}

QString ExtendedNumberFormat(const QString &numberFormat)
{
    // With no picture of its own the project would get ".##", which writes 0.5 as
    // ".5" and zero as nothing; a leading digit keeps the figures readable.
    if (numberFormat.isEmpty())
        return QStringLiteral("0.##");
    return numberFormat + (numberFormat.contains(QLatin1Char('.')) ? QString() : QStringLiteral(".")) + QStringLiteral("##");
}

QString StatTypeErrorCaption()
{
    return QCoreApplication::translate("Model", "类型错误");
}

QString StatTypeErrorText()
{
    return QCoreApplication::translate("Model", "您排序的随机数不是数值类型，不能进行数值统计！");
}

QStringList StatisticsLines(const QStringList &results, bool withCount, const QVector<bool> &checked,
                            const QString &numberFormat, QStringList *linesBeforeError)
{
    QStringList lines;
    if (withCount)
        lines.append(QCoreApplication::translate("Model", "总数：%1").arg(results.size()));
    const bool anyChecked = std::any_of(checked.begin(), checked.end(), [](bool on) { return on; });
    if (!anyChecked || results.isEmpty())
        return lines;

    const auto numbers = ParseRecordNumbers(results);
    if (!numbers) {
        if (linesBeforeError)
            *linesBeforeError = lines;
        throw SuiteError(StatTypeErrorText());
    }
    const RecordStatistics stats = ComputeStatistics(*numbers);
    const QString extended = ExtendedNumberFormat(numberFormat);
    const struct
    {
        const char *label;
        double value;
        bool extendedPicture;
    } items[kStatItemCount] = {
        {QT_TRANSLATE_NOOP("Model", "最小值："), stats.minimum, false},
        {QT_TRANSLATE_NOOP("Model", "最大值："), stats.maximum, false},
        {QT_TRANSLATE_NOOP("Model", "极差："), stats.range, false},
        {QT_TRANSLATE_NOOP("Model", "平均值："), stats.mean, true},
        {QT_TRANSLATE_NOOP("Model", "方差："), stats.variance, true},
        {QT_TRANSLATE_NOOP("Model", "标准差："), stats.standardDeviation, true},
    };
    for (int i = 0; i < kStatItemCount && i < checked.size(); ++i) {
        if (!checked.at(i))
            continue;
        const QString picture = items[i].extendedPicture ? extended : numberFormat;
        lines.append(QCoreApplication::translate("Model", items[i].label) + FormatFloat(picture, items[i].value));
    }
    return lines;
}

QVector<FrequencyEntry> FrequencyTable(const QStringList &results)
{
    QVector<FrequencyEntry> table;
    QHash<QString, qsizetype> rowOf;
    rowOf.reserve(results.size());
    for (const QString &result : results) {
        const auto found = rowOf.constFind(result);
        if (found != rowOf.constEnd()) {
            ++table[found.value()].count;
        } else {
            rowOf.insert(result, table.size());
            table.append({result, 1});
        }
    }
    return table;
}

namespace {
QString CsvField(const QString &field, bool guardFormula)
{
    QString text = field;
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    if (guardFormula && !text.isEmpty() && formulaStarts.contains(text.front()) && !ParseRecordNumber(text))
        text.prepend(QLatin1Char('\''));
    if (text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) || text.contains(QLatin1Char('\n'))
        || text.contains(QLatin1Char('\r')))
        text = QLatin1Char('"') + text.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
    return text;
}
} // namespace

QByteArray CsvTable(const QList<QStringList> &rows, const QList<qsizetype> &asDrawnColumns)
{
    QString text;
    for (const QStringList &row : rows) {
        for (qsizetype column = 0; column < row.size(); ++column) {
            if (column > 0)
                text += QLatin1Char(',');
            text += CsvField(row.at(column), !asDrawnColumns.contains(column));
        }
        text += QStringLiteral("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

QByteArray FrequencyTableCsv(const QVector<FrequencyEntry> &table)
{
    QList<QStringList> rows{{QCoreApplication::translate("Model", "编号"),
                             QCoreApplication::translate("Model", "随机数"),
                             QCoreApplication::translate("Model", "频数")}};
    for (qsizetype row = 0; row < table.size(); ++row)
        rows.append({QString::number(row + 1), table.at(row).result, QString::number(table.at(row).count)});
    return CsvTable(rows);
}

RecordSettings ReadRecordSettings(const QDomDocument &document)
{
    RecordSettings settings;
    const QDomElement record = FindChildElement(FindChildElement(document.documentElement(), QStringLiteral("Form")),
                                                QStringLiteral("RandRecord"));
    if (record.isNull())
        return settings;
    settings.newLineRCount = ReadCount(record, QStringLiteral("NewLineRCount"), settings.newLineRCount);
    if (record.attribute(QStringLiteral("AutoNewLine")) == kYes)
        settings.autoNewLineCount = settings.newLineRCount;
    const QStringList autoSort = record.attribute(QStringLiteral("AutoSort")).split(QLatin1Char('|'));
    settings.autoSortAfterBatch = autoSort.value(0) == kYes;
    settings.autoSortAfterNewLine = autoSort.value(1) == kYes;
    if (const auto variety = SortVarietyFromText(record.attribute(QStringLiteral("SortVariety"))))
        settings.sortScheme.variety = *variety;
    if (const auto direction = SortDirectionFromText(record.attribute(QStringLiteral("SortDir"))))
        settings.sortScheme.direction = *direction;
    if (const auto range = SortRangeFromText(record.attribute(QStringLiteral("SortRange"))))
        settings.sortScheme.range = *range;
    return settings;
}

void WriteRecordSettings(QDomDocument &document, const RecordSettings &settings)
{
    QDomElement record = ChildElement(ChildElement(document.documentElement(), QStringLiteral("Form")),
                                      QStringLiteral("RandRecord"));
    record.setAttribute(QStringLiteral("AutoNewLine"), YesNo(settings.autoNewLineCount > 0));
    const int count = settings.autoNewLineCount > 0 ? settings.autoNewLineCount : settings.newLineRCount;
    record.setAttribute(QStringLiteral("NewLineRCount"), QString::number(count));
    record.setAttribute(QStringLiteral("AutoSort"),
                        YesNo(settings.autoSortAfterBatch) + QLatin1Char('|') + YesNo(settings.autoSortAfterNewLine));
    record.setAttribute(QStringLiteral("SortVariety"), SortVarietyText(settings.sortScheme.variety));
    record.setAttribute(QStringLiteral("SortDir"), SortDirectionText(settings.sortScheme.direction));
    record.setAttribute(QStringLiteral("SortRange"), SortRangeText(settings.sortScheme.range));
}

void SaveRecordSettings(const QString &projectPath, const RecordSettings &settings)
{
    QDomDocument document = LoadEncodedDocument(projectPath);
    if (document.documentElement().isNull())
        throw SuiteError(QCoreApplication::translate("Model", "工程文件“%1”没有内容，随机数记录设置未保存。")
                             .arg(QFileInfo(projectPath).fileName()));
    WriteRecordSettings(document, settings);
    SaveEncodedDocument(document, projectPath);
}
