#pragma once

#include <QDomDocument>
#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

// The result record of the drawing window and the tools that work on it.
//
// A record is text: results separated by the result separator, lines separated by
// CR LF when the record box is a memo and by a line feed when it is a label. Every
// tool takes the whole text and returns the new text; none changes anything when it
// throws. All of them run in O(n log n) or better over the number of results.

enum class RecordBoxKind { Memo, Label };

struct RecordShape
{
    QString separator;
    RecordBoxKind kind = RecordBoxKind::Memo;
};

// "\r\n" for a memo, "\n" for a label.
QString RecordLineBreak(RecordBoxKind kind);

// Memo: the non-empty lines joined by the separator. Label: every line feed becomes
// the separator. A memo also accepts lone line feeds (what a text widget hands out).
QString RemoveRecordLineBreaks(const QString &text, const RecordShape &shape);

// The record's results: line breaks removed, split at the separator. An empty record
// has no results.
QStringList RecordResults(const QString &text, const RecordShape &shape);

// Smallest and largest number of results per line a user may ask for.
constexpr int kMinResultsPerLine = 1;
constexpr int kMaxResultsPerLine = 32767;

// Reads a results-per-line count typed by the user; throws SuiteError with the
// message to show (empty text, not a number, out of range).
int ParseResultsPerLine(const QString &text);

// Puts every `perLine` results on a line of their own; the last line takes the rest.
// An empty record stays empty. Throws SuiteError when perLine is out of range.
QString BreakRecordLines(const QString &text, const RecordShape &shape, int perLine);

enum class SortVariety { Str, Num };
enum class SortDirection { Upper, Lower };
enum class SortRange { Global, Rows };

struct SortScheme
{
    SortVariety variety = SortVariety::Str;
    SortDirection direction = SortDirection::Upper;
    SortRange range = SortRange::Global;
};

// Stored forms: "Str"/"Num", "Upper"/"Lower", "Global"/"Rows".
QString SortVarietyText(SortVariety variety);
QString SortDirectionText(SortDirection direction);
QString SortRangeText(SortRange range);
std::optional<SortVariety> SortVarietyFromText(const QString &text);
std::optional<SortDirection> SortDirectionFromText(const QString &text);
std::optional<SortRange> SortRangeFromText(const QString &text);

// Sorts the record. Text sorting compares case-insensitively in the user's locale;
// equal results keep their order. Numeric sorting writes every number back with the
// project's number picture, or keeps the result's own text when the project has no
// picture. "Global" sorts all results (then breaks lines again when
// autoNewLineCount > 0); "Rows" sorts each line by itself, keeping empty lines and
// dropping a last empty line. A numeric sort over a result that is not a number
// throws SuiteError and changes nothing.
QString SortRecord(const QString &text, const RecordShape &shape, const SortScheme &scheme,
                   const QString &numberFormat, int autoNewLineCount);

// Keeps the first occurrence of every distinct result (exact comparison), in order;
// breaks lines again when autoNewLineCount > 0.
QString RemoveRecordRepeats(const QString &text, const RecordShape &shape, int autoNewLineCount);

// A result as a number: decimal text with "." (surrounding blanks allowed); nothing
// for any other text, an infinite or not-a-number value.
std::optional<double> ParseRecordNumber(const QString &result);

// Numbers of all results, or nothing when one of them is not a number
// (`firstBad`, when given, receives its index).
std::optional<QVector<double>> ParseRecordNumbers(const QStringList &results, qsizetype *firstBad = nullptr);

struct RecordStatistics
{
    qsizetype count = 0;
    double minimum = 0;
    double maximum = 0;
    double range = 0;
    double mean = 0;
    double variance = 0; // population variance (divided by count)
    double standardDeviation = 0;
};

// values must not be empty.
RecordStatistics ComputeStatistics(const QVector<double> &values);

// The statistics a user can tick, in the order the lines are written.
enum class StatItem { Minimum, Maximum, Range, Mean, Variance, StandardDeviation };
constexpr int kStatItemCount = 6;

// The picture for the mean, variance and standard deviation: the number picture with
// two more optional decimals.
QString ExtendedNumberFormat(const QString &numberFormat);

// Caption and text of the box shown when the record holds a result that is not a number.
QString StatTypeErrorCaption();
QString StatTypeErrorText();

// The lines of the statistics window: the count line when asked for, then, if any
// item is ticked and the record is not empty, one line per ticked item in list order.
// `checked` holds kStatItemCount flags. Throws SuiteError with StatTypeErrorText()
// when a result is not a number; `linesBeforeError` then holds what was written
// before (the count line).
QStringList StatisticsLines(const QStringList &results, bool withCount, const QVector<bool> &checked,
                            const QString &numberFormat, QStringList *linesBeforeError = nullptr);

struct FrequencyEntry
{
    QString result;
    qsizetype count = 0;
};

// Distinct results in order of first occurrence, each with its count.
QVector<FrequencyEntry> FrequencyTable(const QStringList &results);

// Rows as a CSV file for spreadsheet programs: UTF-8 with a byte-order mark, CR LF
// line ends, fields quoted where needed; a field that a spreadsheet would take for a
// formula is written with a leading "'", except in `asDrawnColumns` (columns of draw
// results, which must read as drawn: a password may well start with "+").
QByteArray CsvTable(const QList<QStringList> &rows, const QList<qsizetype> &asDrawnColumns = {});

// The frequency table as a CSV file for spreadsheet programs: UTF-8 with a byte-order
// mark, a header line "编号,随机数,频数", CR LF line ends, fields quoted where needed.
// A result that a spreadsheet would take for a formula is written with a leading "'".
QByteArray FrequencyTableCsv(const QVector<FrequencyEntry> &table);

// The automatic record settings a project keeps in Form/RandRecord.
struct RecordSettings
{
    int autoNewLineCount = 0;   // 0 = no automatic line break
    int newLineRCount = 5;      // the count last chosen in the line-break dialogs
    bool autoSortAfterBatch = false;
    bool autoSortAfterNewLine = false;
    SortScheme sortScheme;
};

// Reads the settings from a project document; missing or unreadable attributes keep
// their defaults.
RecordSettings ReadRecordSettings(const QDomDocument &document);

// Sets AutoNewLine, NewLineRCount, AutoSort, SortVariety, SortDir and SortRange of
// Form/RandRecord; nothing else in the document changes.
void WriteRecordSettings(QDomDocument &document, const RecordSettings &settings);

// Loads the project file fresh, writes the settings and saves it atomically. Throws
// SuiteError (the file is then left as it was).
void SaveRecordSettings(const QString &projectPath, const RecordSettings &settings);
