// The record tools over memo (CR LF) and label (LF) records: line breaks, sorting,
// repeats, statistics, the frequency table and the settings stored in the project.
#include "codec.h"
#include "domutil.h"
#include "recordtools.h"
#include "suiteerror.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QString kSep = QStringLiteral("  ");
const RecordShape kMemo{kSep, RecordBoxKind::Memo};
const RecordShape kLabel{kSep, RecordBoxKind::Label};

QString numbers(int from, int to)
{
    QStringList list;
    for (int i = from; i <= to; ++i)
        list.append(QString::number(i));
    return list.join(kSep);
}

// Runs `action` and returns the SuiteError's message, or an empty text when it did not throw.
template<typename Action>
QString errorOf(Action action)
{
    try {
        action();
    } catch (const SuiteError &error) {
        return error.message();
    }
    return QString();
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class TestRecordTools : public QObject
{
    Q_OBJECT

private slots:
    void lineBreaks_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("memo") << int(RecordBoxKind::Memo);
        QTest::newRow("label") << int(RecordBoxKind::Label);
    }

    void lineBreaks()
    {
        QFETCH(int, kind);
        const RecordShape shape{kSep, RecordBoxKind(kind)};
        const QString nl = RecordLineBreak(shape.kind);
        QCOMPARE(nl, shape.kind == RecordBoxKind::Memo ? QStringLiteral("\r\n") : QStringLiteral("\n"));

        // 12 results by 5: lines of 5, 5 and 2, no line break after the last one.
        const QString broken = BreakRecordLines(numbers(1, 12), shape, 5);
        QCOMPARE(broken, numbers(1, 5) + nl + numbers(6, 10) + nl + numbers(11, 12));

        // Removing the breaks gives the flat record; breaking again restores the grouping.
        QCOMPARE(RemoveRecordLineBreaks(broken, shape), numbers(1, 12));
        QCOMPARE(BreakRecordLines(BreakRecordLines(broken, shape, 3), shape, 5), broken);

        // Per line 1 and more than the results.
        QCOMPARE(BreakRecordLines(numbers(1, 3), shape, 1), QStringList({"1", "2", "3"}).join(nl));
        QCOMPARE(BreakRecordLines(broken, shape, 100), numbers(1, 12));

        // The empty record stays empty.
        QCOMPARE(BreakRecordLines(QString(), shape, 5), QString());
        QVERIFY(RecordResults(QString(), shape).isEmpty());
        QCOMPARE(RecordResults(broken, shape).size(), 12);

        // Counts outside the range are refused, also on an empty record.
        QVERIFY(!errorOf([&] { BreakRecordLines(broken, shape, 0); }).isEmpty());
        QVERIFY(!errorOf([&] { BreakRecordLines(QString(), shape, -3); }).isEmpty());
    }

    void memoAndLabelLineEnds()
    {
        // The memo drops empty lines and takes the lone line feeds a text widget hands out.
        QCOMPARE(RemoveRecordLineBreaks(QStringLiteral("1  2\r\n\r\n3\n4\r\n"), kMemo), QStringLiteral("1  2  3  4"));
        // The label turns every line feed into a separator, an empty line included.
        QCOMPARE(RemoveRecordLineBreaks(QStringLiteral("1  2\n\n3"), kLabel), QStringLiteral("1  2    3"));
        QCOMPARE(RecordResults(QStringLiteral("1  2\n\n3"), kLabel), QStringList({"1", "2", "", "3"}));
        // A label's CR LF is not its line end: the CR stays in the result.
        QCOMPARE(RecordResults(QStringLiteral("a\r\nb"), kLabel), QStringList({"a\r", "b"}));
    }

    void resultsPerLineInput()
    {
        QCOMPARE(ParseResultsPerLine(QStringLiteral("5")), 5);
        QCOMPARE(ParseResultsPerLine(QStringLiteral(" 32767 ")), 32767);
        QCOMPARE(errorOf([] { ParseResultsPerLine(QString()); }), QStringLiteral("换行间隔数不能为空！"));
        QCOMPARE(errorOf([] { ParseResultsPerLine(QStringLiteral("  ")); }), QStringLiteral("换行间隔数不能为空！"));
        for (const char *bad : {"0", "-2", "32768", "99999999999999999999", "5a"})
            QVERIFY2(!errorOf([&] { ParseResultsPerLine(QString::fromLatin1(bad)); }).isEmpty(), bad);
    }

    void sortGlobal()
    {
        const QString record = QStringLiteral("10  9\r\n100");
        SortScheme scheme;
        QCOMPARE(SortRecord(record, kMemo, scheme, QString(), 0), QStringLiteral("10  100  9"));
        scheme.variety = SortVariety::Num;
        QCOMPARE(SortRecord(record, kMemo, scheme, QString(), 0), QStringLiteral("9  10  100"));
        scheme.direction = SortDirection::Lower;
        QCOMPARE(SortRecord(record, kMemo, scheme, QString(), 0), QStringLiteral("100  10  9"));

        // Negative and decimal numbers order by value; a picture rewrites every number.
        scheme.direction = SortDirection::Upper;
        QCOMPARE(SortRecord(QStringLiteral("2.5  -1  0.25  -10"), kLabel, scheme, QStringLiteral("0.00"), 0),
                 QStringLiteral("-10.00  -1.00  0.25  2.50"));
        // Without a picture each number keeps its own text.
        QCOMPARE(SortRecord(QStringLiteral("007  1.50  3"), kLabel, scheme, QString(), 0), QStringLiteral("1.50  3  007"));

        // Text order ignores case and keeps equal results in their order, both directions.
        scheme.variety = SortVariety::Str;
        QCOMPARE(SortRecord(QStringLiteral("b  a  B  A"), kLabel, scheme, QString(), 0), QStringLiteral("a  A  b  B"));
        scheme.direction = SortDirection::Lower;
        QCOMPARE(SortRecord(QStringLiteral("b  a  B  A"), kLabel, scheme, QString(), 0), QStringLiteral("b  B  a  A"));

        // Names follow the user's language: pinyin order for Chinese.
        scheme.direction = SortDirection::Upper;
        QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
        const QString names = SortRecord(QStringLiteral("张三  李四  王五"), kLabel, scheme, QString(), 0);
        QLocale::setDefault(QLocale::c());
        QCOMPARE(names, QStringLiteral("李四  王五  张三"));

        // After a global sort the automatic line break runs again.
        scheme = SortScheme{SortVariety::Num, SortDirection::Lower, SortRange::Global};
        QCOMPARE(SortRecord(numbers(1, 7), kLabel, scheme, QString(), 3), QStringLiteral("7  6  5\n4  3  2\n1"));
        QCOMPARE(SortRecord(QString(), kMemo, scheme, QString(), 3), QString());
    }

    void sortRows()
    {
        const SortScheme scheme{SortVariety::Num, SortDirection::Upper, SortRange::Rows};
        // The last empty line is ignored; an empty line inside stays; each line sorts alone.
        QCOMPARE(SortRecord(QStringLiteral("3  1  2\r\n\r\n9  8\r\n"), kMemo, scheme, QString(), 0),
                 QStringLiteral("1  2  3\r\n\r\n8  9"));
        QCOMPARE(SortRecord(QStringLiteral("3  1  2\n9  8\n"), kLabel, scheme, QString(), 0),
                 QStringLiteral("1  2  3\n8  9"));
        // Rows never regroups, even with an automatic line break on.
        QCOMPARE(SortRecord(QStringLiteral("5  4  3  2\n1"), kLabel, scheme, QString(), 2),
                 QStringLiteral("2  3  4  5\n1"));
        const SortScheme text{SortVariety::Str, SortDirection::Lower, SortRange::Rows};
        QCOMPARE(SortRecord(QStringLiteral("a  c  b\r\nz  y"), kMemo, text, QString(), 0),
                 QStringLiteral("c  b  a\r\nz  y"));
    }

    void numericSortRefusesText()
    {
        const SortScheme global{SortVariety::Num, SortDirection::Upper, SortRange::Global};
        const SortScheme rows{SortVariety::Num, SortDirection::Upper, SortRange::Rows};
        // The bad result sits in the last line, so a tool that changed lines as it went would show.
        const QString record = QStringLiteral("3  1\n2  张三");
        QString sorted;
        const QString message = errorOf([&] { sorted = SortRecord(record, kLabel, rows, QString(), 0); });
        QVERIFY(message.contains(QStringLiteral("张三")));
        QVERIFY(sorted.isEmpty());
        QVERIFY(!errorOf([&] { SortRecord(record, kLabel, global, QString(), 0); }).isEmpty());
        for (const char *bad : {"inf", "nan", "1e999", "1,5", ""})
            QVERIFY2(!ParseRecordNumber(QString::fromLatin1(bad)).has_value(), bad);
        QCOMPARE(ParseRecordNumber(QStringLiteral(" -1.5 ")).value_or(0), -1.5);
    }

    void removeRepeats()
    {
        QCOMPARE(RemoveRecordRepeats(QStringLiteral("A  B\r\nA  C"), kMemo, 0), QStringLiteral("A  B  C"));
        // Exact comparison: case differs, so both stay.
        QCOMPARE(RemoveRecordRepeats(QStringLiteral("a  A  a"), kLabel, 0), QStringLiteral("a  A"));
        QCOMPARE(RemoveRecordRepeats(QStringLiteral("1  2  1  3  4  3"), kLabel, 2), QStringLiteral("1  2\n3  4"));
        QCOMPARE(RemoveRecordRepeats(QString(), kLabel, 2), QString());
    }

    void statistics()
    {
        const RecordStatistics stats = ComputeStatistics({1, 2, 3, 4});
        QCOMPARE(stats.count, qsizetype(4));
        QCOMPARE(stats.minimum, 1.0);
        QCOMPARE(stats.maximum, 4.0);
        QCOMPARE(stats.range, 3.0);
        QCOMPARE(stats.mean, 2.5);
        QCOMPARE(stats.variance, 1.25);
        QVERIFY(qAbs(stats.standardDeviation - 1.1180339887) < 1e-9);
        // Large values with a small spread: a one-pass formula would lose the variance.
        const RecordStatistics far = ComputeStatistics({1e9 + 1, 1e9 + 2, 1e9 + 3, 1e9 + 4});
        QCOMPARE(far.variance, 1.25);

        QCOMPARE(ExtendedNumberFormat(QStringLiteral("0")), QStringLiteral("0.##"));
        QCOMPARE(ExtendedNumberFormat(QStringLiteral("0.0")), QStringLiteral("0.0##"));
        QCOMPARE(ExtendedNumberFormat(QString()), QStringLiteral("0.##"));
    }

    void statisticsLines()
    {
        const QVector<bool> all(kStatItemCount, true);
        QCOMPARE(StatisticsLines({"1", "2", "3", "4"}, true, all, QStringLiteral("0")),
                 QStringList({"总数：4", "最小值：1", "最大值：4", "极差：3", "平均值：2.5", "方差：1.25",
                              "标准差：1.12"}));
        // Only the ticked items, in list order; the mean of 1 and 2 with picture "0" is 1.5.
        QVector<bool> some(kStatItemCount, false);
        some[int(StatItem::Mean)] = true;
        some[int(StatItem::Minimum)] = true;
        QCOMPARE(StatisticsLines({"1", "2"}, false, some, QStringLiteral("0")), QStringList({"最小值：1", "平均值：1.5"}));
        // Nothing ticked: only the count, even for names.
        QCOMPARE(StatisticsLines({"张三", "李四"}, true, QVector<bool>(kStatItemCount, false), QString()),
                 QStringList({"总数：2"}));
        QCOMPARE(StatisticsLines({}, true, all, QString()), QStringList({"总数：0"}));

        // Names with a numeric item: the type error, the count line already written.
        QStringList before;
        const QString message = errorOf([&] { StatisticsLines({"张三", "1"}, true, some, QString(), &before); });
        QCOMPARE(message, StatTypeErrorText());
        QCOMPARE(message, QStringLiteral("您排序的随机数不是数值类型，不能进行数值统计！"));
        QCOMPARE(before, QStringList({"总数：2"}));
    }

    void frequencyTable()
    {
        const QVector<FrequencyEntry> table = FrequencyTable({"A", "B", "A"});
        QCOMPARE(table.size(), 2);
        QCOMPARE(table[0].result, QStringLiteral("A"));
        QCOMPARE(table[0].count, qsizetype(2));
        QCOMPARE(table[1].result, QStringLiteral("B"));
        QCOMPARE(table[1].count, qsizetype(1));
        // First-occurrence order, not sorted order.
        const QVector<FrequencyEntry> names = FrequencyTable(RecordResults(QStringLiteral("王五  张三\r\n王五  a  王五"), kMemo));
        QCOMPARE(names.size(), 3);
        QCOMPARE(names[0].result, QStringLiteral("王五"));
        QCOMPARE(names[0].count, qsizetype(3));
        QCOMPARE(names[1].result, QStringLiteral("张三"));
        QCOMPARE(names[2].result, QStringLiteral("a"));
        QVERIFY(FrequencyTable({}).isEmpty());
    }

    void frequencyCsv()
    {
        const QByteArray csv = FrequencyTableCsv(
            {{QStringLiteral("张三"), 2}, {"a,b", 1}, {"say \"hi\"", 1}, {"=SUM(A1)", 1}, {"-5", 3}, {"+x", 1}});
        QVERIFY(csv.startsWith("\xEF\xBB\xBF"));
        QCOMPARE(QString::fromUtf8(csv.mid(3)),
                 QStringLiteral("编号,随机数,频数\r\n1,张三,2\r\n2,\"a,b\",1\r\n3,\"say \"\"hi\"\"\",1\r\n"
                                "4,'=SUM(A1),1\r\n5,-5,3\r\n6,'+x,1\r\n"));
    }

    void settingsInDocument()
    {
        QDomDocument document = NewXmlDocument();
        QDomElement root = document.createElement(QStringLiteral("RandProject"));
        document.appendChild(root);
        QDomElement record = ChildElement(ChildElement(root, QStringLiteral("Form")), QStringLiteral("RandRecord"));
        record.setAttribute(QStringLiteral("Type"), QStringLiteral("Memo"));
        record.setAttribute(QStringLiteral("Global"), QStringLiteral("x"));

        // A project without the attributes reads the defaults.
        const RecordSettings defaults = ReadRecordSettings(document);
        QCOMPARE(defaults.autoNewLineCount, 0);
        QCOMPARE(defaults.newLineRCount, 5);
        QVERIFY(!defaults.autoSortAfterBatch && !defaults.autoSortAfterNewLine);

        RecordSettings settings;
        settings.autoNewLineCount = 7;
        settings.autoSortAfterNewLine = true;
        settings.sortScheme = {SortVariety::Num, SortDirection::Lower, SortRange::Rows};
        WriteRecordSettings(document, settings);
        QCOMPARE(record.attribute(QStringLiteral("AutoNewLine")), QStringLiteral("是"));
        QCOMPARE(record.attribute(QStringLiteral("NewLineRCount")), QStringLiteral("7"));
        QCOMPARE(record.attribute(QStringLiteral("AutoSort")), QStringLiteral("否|是"));
        QCOMPARE(record.attribute(QStringLiteral("SortVariety")), QStringLiteral("Num"));
        QCOMPARE(record.attribute(QStringLiteral("SortDir")), QStringLiteral("Lower"));
        QCOMPARE(record.attribute(QStringLiteral("SortRange")), QStringLiteral("Rows"));
        QCOMPARE(record.attribute(QStringLiteral("Type")), QStringLiteral("Memo"));
        QCOMPARE(record.attribute(QStringLiteral("Global")), QStringLiteral("x"));
        QCOMPARE(record.attributes().count(), 8);

        const RecordSettings back = ReadRecordSettings(document);
        QCOMPARE(back.autoNewLineCount, 7);
        QVERIFY(!back.autoSortAfterBatch && back.autoSortAfterNewLine);
        QCOMPARE(back.sortScheme.variety, SortVariety::Num);
        QCOMPARE(back.sortScheme.direction, SortDirection::Lower);
        QCOMPARE(back.sortScheme.range, SortRange::Rows);

        // Switched off: "否", the last chosen count kept; a hand-damaged count reads as the default.
        settings.autoNewLineCount = 0;
        settings.newLineRCount = 9;
        WriteRecordSettings(document, settings);
        QCOMPARE(record.attribute(QStringLiteral("AutoNewLine")), QStringLiteral("否"));
        QCOMPARE(ReadRecordSettings(document).newLineRCount, 9);
        QCOMPARE(ReadRecordSettings(document).autoNewLineCount, 0);
        record.setAttribute(QStringLiteral("AutoNewLine"), QStringLiteral("是"));
        record.setAttribute(QStringLiteral("NewLineRCount"), QStringLiteral("0"));
        QCOMPARE(ReadRecordSettings(document).autoNewLineCount, 5);
    }

    void settingsRefusedForDamagedProjectFile()
    {
        QVERIFY(BindCodec(SUITE_APP_DIR));
        QTemporaryDir dir;
        RecordSettings settings;
        settings.autoNewLineCount = 4;
        // A damaged file is refused and left byte for byte; a missing one is not created.
        const QString damaged = dir.filePath(QStringLiteral("坏.rpj"));
        QFile file(damaged);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a project");
        file.close();
        QVERIFY(!errorOf([&] { SaveRecordSettings(damaged, settings); }).isEmpty());
        QCOMPARE(fileBytes(damaged), QByteArray("not a project"));
        QVERIFY(!errorOf([&] { SaveRecordSettings(dir.filePath(QStringLiteral("无.rpj")), settings); }).isEmpty());
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("无.rpj"))));
    }
};

QTEST_GUILESS_MAIN(TestRecordTools)
#include "test_recordtools.moc"
