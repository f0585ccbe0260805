// The drawing window and the command line draw through one session: with the same seed
// they draw the same results, however many frames the window's animation showed.
#include "apppaths.h"
#include "codec.h"
#include "commandline.h"
#include "domutil.h"
#include "encodedxml.h"
#include "handoff.h"
#include "messages.h"
#include "randform.h"

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>

namespace {

constexpr quint64 kSeed = 20261207;
const QString kNames = QStringLiteral("甲 乙 丙 丁 戊 己 庚 辛 壬 癸 子 丑");

// The lottery starting document, animated and stopped by a frame count.
QDomDocument AnimatedLottery()
{
    QFile file(QStringLiteral(SUITE_SOURCE_DIR "/data/Demo/9.RandAward(One).xml"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QDomDocument document = ParseXmlText(QString::fromUtf8(file.readAll()), file.fileName());
    QDomElement root = document.documentElement();
    ChildElement(ChildElement(ChildElement(root, "RandQuery"), "Rand"), "Query").setAttribute("Lists", kNames);
    QDomElement inRand = ChildElement(ChildElement(root, "Animate"), "InRand");
    inRand.setAttribute("IntervalValue", "5");
    QDomElement stop = ChildElement(inRand, "RandStopSet");
    stop.setAttribute("Type", "Times");
    ChildElement(stop, "StopByTimes").setAttribute("Times", "3");
    return document;
}

QString ReadAll(std::FILE *stream)
{
    std::rewind(stream);
    QByteArray bytes;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, stream)) > 0;)
        bytes.append(buffer, qsizetype(n));
    return QString::fromUtf8(bytes);
}

} // namespace

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
        const QString name = QStringLiteral("抽奖");
        const QDomDocument document = AnimatedLottery();
        QVERIFY(!document.isNull());
        SaveEncodedDocument(document, ProjectFilePath(name));
        WriteEditProject(0, name);
        SetMessageHandler([](const ShownMessage &message) {
            qWarning("unexpected message: %s", qPrintable(message.text));
            return QMessageBox::Ok;
        });

        QList<QStringList> windowResults;
        {
            TRandForm form(nullptr, RandomSources::Seeded(kSeed));
            QCOMPARE(form.FormShow(), TRandForm::StartupOutcome::Shown);
            connect(&form, &TRandForm::DrawFinished,
                    [&windowResults](const QStringList &results) { windowResults << results; });
            for (int draw = 1; draw <= 4; ++draw) {
                form.GoRandButton->click();
                QVERIFY(form.InDraw());
                QTRY_VERIFY(!form.InDraw());
                QCOMPARE(form.FramesShown(), 3);
                QCOMPARE(windowResults.size(), draw);
            }
            form.close();
        }
        SetMessageHandler({});

        std::FILE *out = std::tmpfile();
        std::FILE *err = std::tmpfile();
        const int status = RunCommandLine({"--project", name, "--batches", "4", "--seed", QString::number(kSeed),
                                           "--appdir", dir.path(), "--no-history"},
                                          out, err);
        const QString printed = ReadAll(out);
        const QString problems = ReadAll(err);
        std::fclose(out);
        std::fclose(err);
        QCOMPARE(status, int(kStatusOk));
        QVERIFY2(problems.isEmpty(), qPrintable(problems));
        QList<QStringList> lineResults;
        for (const QString &batch : printed.trimmed().split(QStringLiteral("\n\n")))
            lineResults << batch.split('\n');
        QCOMPARE(lineResults, windowResults);
        // Drawn with removal: four different names.
        QCOMPARE(QSet<QString>({lineResults.at(0).first(), lineResults.at(1).first(), lineResults.at(2).first(),
                                lineResults.at(3).first()})
                     .size(),
                 4);
    }
};

QTEST_MAIN(SessionViewsTest)
#include "test_session_views.moc"
