// The logic layers in English: their messages come out translated with every
// placeholder filled, while what they store and what they draw stays the same in both
// languages.
#include "calclibrary.h"
#include "describequery.h"
#include "displaysection.h"
#include "fairsettings.h"
#include "numberrange.h"
#include "projectname.h"
#include "querysection.h"
#include "randengine.h"
#include "recordtools.h"
#include "storedvaluetext.h"
#include "suiteerror.h"
#include "textfile.h"

#include <QCoreApplication>
#include <QTranslator>
#include <QtTest>

#include <functional>

namespace {

QString RefusalOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const SuiteError &error) {
        return error.message();
    }
    return QString();
}

// Everything a project document holds that the model writes from the type tables and
// settings, for every project type.
QByteArray WrittenProjects()
{
    QByteArray written;
    for (int pmode = 0; pmode < kProjectTypeCount; ++pmode) {
        QDomDocument document;
        document.appendChild(document.createElement(QStringLiteral("RandProject")));
        WriteQuerySection(document, DefaultQueryParams(pmode), pmode);
        if (TypeDrawsFairly(pmode))
            WriteFairSettings(document, FairSettings{FairMode::Balanced, FairPeriod::Term, 4, 1});
        WriteVerifiableOption(document, pmode != 6);
        WriteRecordSettings(document, RecordSettings{});
        WriteAnimateSection(document, AnimateSection{});
        WriteSpeechSettings(document, SpeechSettings{true, 2, 60});
        written += document.toByteArray();
    }
    return written;
}

// Seeded results of the types whose results are put together from fixed texts.
QStringList SeededResults()
{
    QStringList results;
    DrawSettings settings;
    settings.resultSeparator = QStringLiteral("，");
    settings.pictureNameSetting = QStringLiteral("仅图片名称");
    for (int pmode : {2, 4, 6, 8, 10, 11, 12, 13}) {
        RandEngine engine(RandomSources::Seeded(7));
        engine.SetDrawSettings(settings);
        engine.Prepare(pmode, DefaultQueryParams(pmode));
        results += engine.Generate(true, false).results;
    }
    return results;
}

} // namespace

class TestEnglishMessages : public QObject
{
    Q_OBJECT

    QTranslator m_english;
    bool m_englishOn = false;

    void UseEnglish(bool on)
    {
        if (on == m_englishOn)
            return;
        m_englishOn = on;
        if (on)
            QCoreApplication::installTranslator(&m_english);
        else
            QCoreApplication::removeTranslator(&m_english);
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_english.load(QStringLiteral(SUITE_APP_DIR "/translations/zelmora_en.qm")),
                 "the English translation is built into the application folder");
        BindCalcLibrary(QStringLiteral(SUITE_APP_DIR));
    }

    void cleanup() { UseEnglish(false); }

    void messagesAreEnglishWithPlaceholdersFilled_data()
    {
        QTest::addColumn<std::function<QString()>>("message");
        QTest::addColumn<QString>("expected");
        QTest::newRow("model: name rule") << std::function<QString()>([] {
            return ProjectNameProblems(QStringLiteral("a.b"), {}).join(QLatin1Char('|'));
        }) << QStringLiteral("The project name cannot contain a full stop!");
        QTest::newRow("model: name length") << std::function<QString()>([] {
            return ProjectNameFileProblem(QString(101, QLatin1Char('x')));
        }) << QStringLiteral("The project name cannot be longer than 100 characters!");
        QTest::newRow("model: broken group list") << std::function<QString()>([] {
            return RefusalOf([] { SplitGroupQueries(QStringLiteral("骰子"), QStringLiteral("1")); });
        }) << QStringLiteral("The custom project has an unknown group type “骰子”.");
        QTest::newRow("engine: range") << std::function<QString()>([] {
            return RefusalOf([] { NumberRange::Parse(QStringLiteral("9"), QStringLiteral("2"), QStringLiteral("1"), {}); });
        }) << QStringLiteral("The maximum 2 is less than the minimum 9. Change the range.");
        QTest::newRow("engine: empty list") << std::function<QString()>([] {
            QueryParams params = DefaultQueryParams(3);
            params[1].clear();
            return RefusalOf([&params] { RandEngine(RandomSources::Seeded(1)).Prepare(3, params); });
        }) << QStringLiteral("The list is empty. Fill in at least one entry.");
        QTest::newRow("engine: password group") << std::function<QString()>([] {
            QueryParams params = DefaultQueryParams(0);
            params[1] = QStringLiteral("密码模式");
            params[2] = QStringLiteral("8||||1");
            params[3] = QStringLiteral("口令");
            params[6] = QStringLiteral("[口令]");
            return RefusalOf([&params] { RandEngine(RandomSources::Seeded(1)).Prepare(0, params); });
        }) << QStringLiteral("group “口令”: No character kind is chosen for the passwords. Choose at least one of "
                             "lower-case letters, capital letters, digits and symbols.");
        QTest::newRow("shared: missing file") << std::function<QString()>([] {
            return RefusalOf([] { ReadWholeText(QStringLiteral("/nonexistent/名单.txt")); });
        }) << QStringLiteral("The file “名单.txt” does not exist.");
        QTest::newRow("model: fair formula") << std::function<QString()>([] {
            return FairFormulaText(FairSettings{FairMode::Balanced, FairPeriod::Week, 2, 3});
        }) << QStringLiteral("chance = own weight × 1 / (1 + times drawn this week more than the least drawn) to the power 2; "
                             "the 3 drawn last sit this draw out");
    }
    void messagesAreEnglishWithPlaceholdersFilled()
    {
        QFETCH(std::function<QString()>, message);
        QFETCH(QString, expected);
        const QString chinese = message();
        UseEnglish(true);
        QCOMPARE(message(), expected);
        QVERIFY2(chinese != expected, qPrintable(chinese));
    }

    // The description shows stored words in English but keeps what the user typed.
    void descriptionShowsStoredWordsInEnglish()
    {
        UseEnglish(true);
        QStringList lines;
        DescribeQuery(lines, DefaultQueryParams(2), 2);
        QCOMPARE(lines.value(0), QStringLiteral("Generation mode: List"));
        QVERIFY(lines.contains(QStringLiteral("　Chances set: Yes")));
        QVERIFY(lines.contains(QStringLiteral("　Chances given as: Weights")));
        QVERIFY(lines.contains(QStringLiteral("　　张三:2")));
        QVERIFY(lines.contains(QStringLiteral("　Separator: Space")));
        lines.clear();
        DescribeQuery(lines, DefaultQueryParams(6), 6);
        QVERIFY(lines.contains(
            QStringLiteral("　Password characters: Lower-case letters|Capital letters|Digits|Symbols")));
        QCOMPARE(StoredValueText(QStringLiteral("王五")), QStringLiteral("王五"));
    }

    // What goes into a project file, and what a seeded draw gives, never follows the
    // interface language: a project made in one opens and draws the same in the other.
    void storedAndDrawnTextsAreTheSameInBothLanguages()
    {
        const QByteArray chineseProjects = WrittenProjects();
        const QStringList chineseResults = SeededResults();
        UseEnglish(true);
        QVERIFY(!chineseResults.isEmpty());
        QCOMPARE(WrittenProjects(), chineseProjects);
        QCOMPARE(SeededResults(), chineseResults);
    }
};

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    TestEnglishMessages test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_english_messages.moc"
