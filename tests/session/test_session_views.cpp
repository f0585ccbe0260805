// The drawing window and the command line draw through one session: with the same seed
// they draw the same results, however many frames the window's animation showed.
#include "apppaths.h"
#include "codec.h"
#include "domutil.h"
#include "encodedxml.h"
#include "handoff.h"
#include "messages.h"
#include "randform.h"

#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

class SessionViewsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(BindCodec(SUITE_APP_DIR)); }

    void windowAndCommandLineDrawAlike()
    {
        QTemporaryDir dir;
        SetAppDir(dir.path());
        QDir(dir.path()).mkpath("Data/Projects");
        // The lottery starting document, animated and stopped after three frames.
        QFile file(QStringLiteral(SUITE_SOURCE_DIR "/data/Demo/9.RandAward(One).xml"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QDomDocument document = ParseXmlText(QString::fromUtf8(file.readAll()), file.fileName());
        QDomElement root = document.documentElement();
        ChildElement(ChildElement(ChildElement(root, "RandQuery"), "Rand"), "Query")
            .setAttribute("Lists", "甲 乙 丙 丁 戊 己 庚 辛 壬 癸 子 丑");
        QDomElement inRand = ChildElement(ChildElement(root, "Animate"), "InRand");
        inRand.setAttribute("IntervalValue", "5");
        ChildElement(inRand, "RandStopSet").setAttribute("Type", "Times");
        ChildElement(ChildElement(inRand, "RandStopSet"), "StopByTimes").setAttribute("Times", "3");
        SaveEncodedDocument(document, ProjectFilePath("抽奖"));
        WriteEditProject(0, "抽奖");
        QStringList messages;
        SetMessageHandler([&messages](const ShownMessage &message) {
            messages << message.text;
            return QMessageBox::Ok;
        });

        QStringList windowResults;
        {
            TRandForm form(nullptr, RandomSources::Seeded(77));
            QCOMPARE(form.FormShow(), TRandForm::StartupOutcome::Shown);
            connect(&form, &TRandForm::DrawFinished, [&windowResults](const QStringList &results) {
                windowResults << results.join(QLatin1Char('\n'));
            });
            for (int draw = 1; draw <= 4; ++draw) {
                form.GoRandButton->click();
                QVERIFY(form.InDraw());
                QTRY_VERIFY(!form.InDraw());
                QCOMPARE(form.FramesShown(), 3);
            }
            form.close();
        }
        SetMessageHandler({});
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join('\n')));

        QProcess commandLine;
        commandLine.start(SUITE_APP_DIR "/Dellamy", {"--project", "抽奖", "--batches", "4", "--seed", "77", "--appdir",
                                                     dir.path(), "--no-history"});
        QVERIFY(commandLine.waitForFinished(60000));
        QCOMPARE(commandLine.exitCode(), 0);
        QCOMPARE(windowResults.size(), 4);
        QCOMPARE(QString::fromUtf8(commandLine.readAllStandardOutput()).trimmed().split("\n\n"), windowResults);
    }
};

QTEST_MAIN(SessionViewsTest)
#include "test_session_views.moc"
