// What a keyboard user or a weak projector meets in the drawing window: the record
// menu's commands on keys, and results that read in the high-contrast look.
#include "unexpectedmessages.h"
#include "apppaths.h"
#include "codec.h"
#include "domutil.h"
#include "encodedxml.h"
#include "handoff.h"
#include "highcontrast.h"
#include "messages.h"
#include "randform.h"
#include "readablecolours.h"
#include "recordcontroller.h"
#include "recordintegration.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Contrast of the drawn text in `area` of the window against its ground: the ground is
// the commonest colour, the text the colour furthest from it.
double DrawnTextContrast(QWidget *window, const QRect &area)
{
    const QImage image = window->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    QRgb ground = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > counts.value(ground))
            ground = it.key();
    auto rgb = [](QRgb colour) { return Rgb{qRed(colour), qGreen(colour), qBlue(colour)}; };
    double furthest = 1.0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        furthest = std::max(furthest, ContrastRatio(rgb(it.key()), rgb(ground)));
    return furthest;
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<TRandForm> form;
    RecordController *record = nullptr;

private slots:
    void initTestCase()
    {
        QVERIFY(BindCodec(SUITE_APP_DIR));
        LogUnexpectedMessages();
        SetAppDir(dir.path());
        QDir(dir.path()).mkpath("Data/Projects");
        QFile file(QStringLiteral(SUITE_SOURCE_DIR "/data/Demo/1.RandRangeNum.xml"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QDomDocument document = ParseXmlText(QString::fromUtf8(file.readAll()), file.fileName());
        ChildElement(document.documentElement(), "Animate").setAttribute("InRand", "否");
        SaveEncodedDocument(document, ProjectFilePath(QStringLiteral("抽号")));
        WriteEditProject(0, QStringLiteral("抽号"));
        form = std::make_unique<TRandForm>();
        QCOMPARE(form->FormShow(), TRandForm::StartupOutcome::Shown);
        record = AttachRecordTools(*form);
        QVERIFY(record);
        // One draw, so that the record tools have a record to work on.
        form->GoRandButton->click();
        QTRY_VERIFY(!form->RandRecordMemo->toPlainText().isEmpty());
    }

    void cleanupTestCase()
    {
        form.reset();
        SetMessageHandler({});
    }

    // The record commands run from the keyboard, from anywhere in the window; the
    // project's own draw key keeps its meaning.
    void recordCommandsHaveWindowKeys()
    {
        auto *newLine = record->RandMenu()->findChild<QAction *>("RRMenu_NewLine");
        QCOMPARE(newLine->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_L));
        QVERIFY(form->actions().contains(newLine));
        record->RandMenu()->findChild<QAction *>("RRMenu_Sort")->setShortcut({});
        record->AddWindowKeys({QKeySequence(Qt::CTRL | Qt::Key_T)});
        QVERIFY(record->RandMenu()->findChild<QAction *>("RRMenu_Sort")->shortcut().isEmpty());
    }

    // The animation's extra window: a mid-grey memo and a gradient ground turn black
    // under light text; a black memo that already reads keeps its colours.
    void highContrastExtraScreen()
    {
        ExtraScreen memo;
        memo.randType = QStringLiteral("Memo");
        memo.randBgColour = {128, 128, 128};
        memo.randFont.colour = {150, 150, 150};
        memo.background.colour = {120, 120, 130};
        MakeExtraScreenHighContrast(memo);
        QCOMPARE(memo.randBgColour, (Rgb{0, 0, 0}));
        QVERIFY(ContrastRatio(memo.randFont.colour, memo.randBgColour) >= kHighContrast);

        ExtraScreen label;
        label.randFont.colour = {40, 40, 40};
        label.background.colour = {100, 100, 100};
        MakeExtraScreenHighContrast(label);
        for (const Rgb &ground : WindowBackdrop(label.background))
            QVERIFY(ContrastRatio(label.randFont.colour, ground) >= kHighContrast);

        ExtraScreen readable;
        readable.randType = QStringLiteral("Memo");
        readable.randBgColour = {0, 0, 0};
        readable.randFont.colour = {255, 255, 0};
        const ExtraScreen before = readable;
        MakeExtraScreenHighContrast(readable);
        QCOMPARE(readable.randBgColour, before.randBgColour);
        QCOMPARE(readable.randFont.colour, before.randFont.colour);
    }

    // Last: the look stays on for the rest of the run. A grey result on a grey window
    // comes out at 7:1 or more; the project file keeps its grey.
    void highContrastMakesTheResultReadable()
    {
        QFile file(QStringLiteral(SUITE_SOURCE_DIR "/data/Demo/1.RandRangeNum.xml"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QDomDocument document = ParseXmlText(QString::fromUtf8(file.readAll()), file.fileName());
        const QDomElement formElement = ChildElement(document.documentElement(), "Form");
        ChildElement(document.documentElement(), "Animate").setAttribute("InRand", "否");
        QDomElement background = ChildElement(formElement, "Background");
        background.setAttribute("Type", "BgOfColor");
        background.setAttribute("Color", "128,128,128");
        QDomElement box = ChildElement(formElement, "RandBox");
        box.setAttribute("Type", "Label");
        box.setAttribute("Font", "150,150,150|微软雅黑|fsBold|40");
        SaveEncodedDocument(document, ProjectFilePath(QStringLiteral("灰")));
        const QByteArray stored = [] {
            QFile project(ProjectFilePath(QStringLiteral("灰")));
            return project.open(QIODevice::ReadOnly) ? project.readAll() : QByteArray();
        }();
        WriteEditProject(1, QStringLiteral("灰"));

        auto drawnContrast = [] {
            TRandForm grey;
            if (grey.FormShow() != TRandForm::StartupOutcome::Shown)
                return 0.0;
            grey.GoRandButton->click();
            if (!QTest::qWaitFor([&grey] { return !grey.RandBoxLabel->text().isEmpty(); }))
                return 0.0;
            return DrawnTextContrast(&grey, grey.RandBoxLabel->geometry());
        };
        QVERIFY(drawnContrast() < kHighContrast);
        UseHighContrastLook();
        QVERIFY(HighContrastOn());
        QVERIFY2(drawnContrast() >= kHighContrast, qPrintable(QString::number(drawnContrast())));
        QFile project(ProjectFilePath(QStringLiteral("灰")));
        QVERIFY(project.open(QIODevice::ReadOnly));
        QCOMPARE(project.readAll(), stored);
    }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
