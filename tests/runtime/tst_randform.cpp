// The drawing window driven through its controls: start-up and its refusals, draws of
// every starting document, the ways an animated draw stops, the extra screen, the
// access password and the exhausted-list question.
#include "apppaths.h"
#include "calclibrary.h"
#include "codec.h"
#include "domutil.h"
#include "encodedxml.h"
#include "escreenform.h"
#include "handoff.h"
#include "musicchannel.h"
#include "messages.h"
#include "pwdform.h"
#include "randform.h"
#include "runwindow.h"
#include "timesform.h"
#include "windowquestion.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString StartingDocumentFile(int pmode)
{
    const QStringList files =
        QDir(SUITE_SOURCE_DIR "/data/Demo").entryList({QStringLiteral("%1.*xml").arg(pmode)}, QDir::Files);
    return files.isEmpty() ? QString() : QStringLiteral(SUITE_SOURCE_DIR "/data/Demo/") + files.first();
}

QDomDocument StartingDocument(int pmode)
{
    QFile file(StartingDocumentFile(pmode));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return ParseXmlText(QString::fromUtf8(file.readAll()), file.fileName());
}

QDomElement Element(QDomDocument &document, const QString &path)
{
    QDomElement element = document.documentElement();
    for (const QString &name : path.split('/'))
        element = ChildElement(element, name);
    return element;
}

void Set(QDomDocument &document, const QString &path, std::initializer_list<std::pair<QString, QString>> attributes)
{
    QDomElement element = Element(document, path);
    for (const auto &[name, value] : attributes)
        element.setAttribute(name, value);
}

// Animation on, frames every `intervalMs`, the draw stopped as `stopType` says.
void SetAnimation(QDomDocument &document, int intervalMs, const QString &stopType)
{
    Element(document, "Animate").setAttribute("InRand", "是");
    Set(document, "Animate/InRand", {{"IntervalValue", QString::number(intervalMs)}, {"IntervalUnit", "毫秒"}});
    Element(document, "Animate/InRand/RandStopSet").setAttribute("Type", stopType);
}

// A silent mono WAV file of the given length.
void WriteSilence(const QString &path, int milliseconds)
{
    constexpr quint32 kRate = 8000;
    const quint32 dataBytes = kRate * 2 * milliseconds / 1000;
    QByteArray wav;
    QDataStream out(&wav, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + dataBytes);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << kRate << quint32(kRate * 2) << quint16(2) << quint16(16);
    out.writeRawData("data", 4);
    out << dataBytes;
    wav.append(QByteArray(dataBytes, '\0'));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(wav);
}

struct Answered
{
    QList<ShownMessage> messages;
    QMessageBox::StandardButton answer = QMessageBox::Ok;
};

} // namespace

class RandFormTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void drawsEveryStartingDocument_data();
    void drawsEveryStartingDocument();
    void shippedDocumentsKeepControlsApart_data();
    void shippedDocumentsKeepControlsApart();
    void refusesMissingOrDamagedProject_data();
    void refusesMissingOrDamagedProject();
    void showsEngineRefusalOnDraw();
    void stopsAfterTimesFramesWithCountDown_data();
    void stopsAfterTimesFramesWithCountDown();
    void stopsByDrawButtonAndKeepsRecordDuringAnimation();
    void stopsByStopKey();
    void extraScreenShowsFramesWhileResultBoxKeepsBatch();
    void extraScreenBreaksLinesBetweenResults_data();
    void extraScreenBreaksLinesBetweenResults();
    void rightClickOnResultsOpensWindowMenus();
    void windowsDesignedOffScreenOpenOnIt();
    void extraStopButtonShowsOnlyDuringDraw();
    void remarkOverDrawButtonLetsClicksThrough();
    void unusableStopButtonFallsBackToDrawButtonAndKey_data();
    void unusableStopButtonFallsBackToDrawButtonAndKey();
    void asksAccessPassword();
    void cancelledPasswordEndsProgram();
    void asksBeforeResettingExhaustedList();
    void formatsBatchWithSeparatorAndEscapes();
    void labelRecordKeepsNewestInView();
    void showsDrawnPicturesAsSlideshow_data();
    void showsDrawnPicturesAsSlideshow();
    void cyclesBoxColours();
    void drawsOnWithoutMusicFiles();
    void backgroundMusicPausesForDrawAndResumes();
    void drawKeyStopsWhenWindowHasNoDrawButton();
    void drawsBordersFromSettings();
    void largeBoldTextStaysBold();
    void questionBoxSpeaksChinese();

private:
    // Stores `document` as the default project and starts a window on it.
    TRandForm::StartupOutcome Start(const QDomDocument &document, const QString &name = "测试工程");
    void DrawOnce();
    QString ResultText() const;

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TRandForm> m_form;
    Answered m_answered;
};

void RandFormTest::initTestCase()
{
    QVERIFY(BindCodec(SUITE_APP_DIR));
    BindCalcLibrary(SUITE_APP_DIR);
}

void RandFormTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    SetAppDir(m_dir->path());
    QDir(m_dir->path()).mkpath("Data/Projects");
    QDir(m_dir->path()).mkpath("Img");
    for (int i = 1; i <= 12; ++i) {
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(QColor::fromHsv(i * 25, 200, 220));
        picture.save(AppDir() + QStringLiteral("Img/示例图片%1.jpg").arg(i), "JPG");
    }
    m_answered = Answered{};
    SetMessageHandler([this](const ShownMessage &message) {
        m_answered.messages.append(message);
        return m_answered.answer;
    });
}

void RandFormTest::cleanup()
{
    m_form.reset();
    SetMessageHandler({});
}

TRandForm::StartupOutcome RandFormTest::Start(const QDomDocument &document, const QString &name)
{
    SaveEncodedDocument(document, ProjectFilePath(name));
    WriteEditProject(0, name);
    m_form = std::make_unique<TRandForm>();
    return m_form->FormShow();
}

QString RandFormTest::ResultText() const
{
    if (m_form->RandBoxEdit)
        return m_form->RandBoxEdit->text();
    return m_form->RandBoxLabel ? m_form->RandBoxLabel->text() : QString();
}

// One complete draw: started by the button (or the draw key), stopped as configured.
void RandFormTest::DrawOnce()
{
    if (m_form->GoRandButton)
        m_form->GoRandButton->click();
    else
        m_form->Menu_Go->trigger();
    if (!m_form->InDraw())
        return;
    QTRY_VERIFY(m_form->FramesShown() >= 2);
    if (m_form->GoRandButton && m_form->GoRandButton->text() == "停止")
        m_form->GoRandButton->click();
    else
        m_form->StopDraw();
    QVERIFY(!m_form->InDraw());
}

void RandFormTest::drawsEveryStartingDocument_data()
{
    QTest::addColumn<int>("pmode");
    for (int pmode = 0; pmode < 15; ++pmode)
        QTest::addRow("type %d", pmode) << pmode;
}

void RandFormTest::drawsEveryStartingDocument()
{
    QFETCH(int, pmode);
    QDomDocument document = StartingDocument(pmode);
    QVERIFY2(!document.isNull(), qPrintable(StartingDocumentFile(pmode)));
    if (Element(document, "Animate").attribute("InRand") == "是")
        SetAnimation(document, 2, Element(document, "Animate/InRand/RandStopSet").attribute("Type"));
    QCOMPARE(Start(document), TRandForm::StartupOutcome::Shown);
    QVERIFY(m_form->isVisible());
    QCOMPARE(m_form->size(), QSize(Element(document, "Form").attribute("Width").toInt(),
                                   Element(document, "Form").attribute("Height").toInt()));

    DrawOnce();
    if (!m_answered.messages.isEmpty()) {
        // A starting document without a query yet: the draw says what is missing.
        QCOMPARE(m_answered.messages.size(), 1);
        QCOMPARE(m_answered.messages.first().caption, QString("无法生成随机数"));
        QVERIFY(!m_answered.messages.first().text.isEmpty());
        QVERIFY(m_form->RecordText().isEmpty());
        return;
    }
    if (pmode == 5) {
        QVERIFY(m_form->RandPic && !m_form->RandPic->pixmap().isNull());
        QVERIFY(m_form->PicNameLabel->text().startsWith("示例图片"));
        return;
    }
    // The custom calculation's starting document has no formula yet: it draws empty texts.
    if (pmode != 14)
        QVERIFY(!ResultText().isEmpty());
    if (m_form->RecordBox()) {
        // The record got exactly the final batch.
        QCOMPARE(m_form->RecordText(), ResultText());
    }
}

void RandFormTest::shippedDocumentsKeepControlsApart_data()
{
    QTest::addColumn<QString>("file");
    for (const QString &folder : {QStringLiteral("Demo"), QStringLiteral("Projects")}) {
        const QDir dir(QStringLiteral(SUITE_SOURCE_DIR "/data/") + folder);
        for (const QString &name : dir.entryList({QStringLiteral("*.xml")}, QDir::Files))
            QTest::newRow(qPrintable(folder + '/' + name)) << dir.filePath(name);
    }
}

// Starting documents and sample projects as shipped: no control of the window covers
// another (a remark under the draw button reads as a fault).
void RandFormTest::shippedDocumentsKeepControlsApart()
{
    QFETCH(QString, file);
    QFile source(file);
    QVERIFY(source.open(QIODevice::ReadOnly));
    QCOMPARE(Start(ParseXmlText(QString::fromUtf8(source.readAll()), file)), TRandForm::StartupOutcome::Shown);
    QList<QWidget *> placed;
    for (QWidget *child : m_form->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child->isVisible())
            placed.append(child);
    }
    QVERIFY(placed.size() >= 3);
    for (qsizetype i = 0; i < placed.size(); ++i) {
        QVERIFY2(m_form->rect().contains(placed.at(i)->geometry()), qPrintable(placed.at(i)->objectName()));
        for (qsizetype j = i + 1; j < placed.size(); ++j) {
            QVERIFY2(!placed.at(i)->geometry().intersects(placed.at(j)->geometry()),
                     qPrintable(placed.at(i)->objectName() + " / " + placed.at(j)->objectName()));
        }
    }
}

void RandFormTest::refusesMissingOrDamagedProject_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("caption");
    QTest::newRow("no project file") << "missing" << "默认工程不存在";
    QTest::newRow("not an encoded document") << "garbage" << "工程无法打开";
    QTest::newRow("no Form section") << "noForm" << "工程无法打开"; // a missing Animate reads as no animation
    QTest::newRow("no RandQuery section") << "noQuery" << "工程无法打开";
    QTest::newRow("width not a number") << "badWidth" << "工程无法打开";
    QTest::newRow("font with three fields") << "badFont" << "工程无法打开";
    QTest::newRow("window without height") << "zeroHeight" << "工程无法打开";
    QTest::newRow("animation stopped by an unknown way") << "badStopType" << "工程无法打开";
}

void RandFormTest::refusesMissingOrDamagedProject()
{
    QFETCH(QString, damage);
    QFETCH(QString, caption);
    const QString name = "坏工程";
    QDomDocument document = StartingDocument(1);
    if (damage == "noForm")
        document.documentElement().removeChild(Element(document, "Form"));
    else if (damage == "noQuery")
        document.documentElement().removeChild(Element(document, "RandQuery"));
    else if (damage == "badWidth")
        Element(document, "Form").setAttribute("Width", "8OO");
    else if (damage == "badStopType")
        SetAnimation(document, 20, "Sometimes");
    else if (damage == "zeroHeight")
        Element(document, "Form").setAttribute("Height", "0");
    else if (damage == "badFont")
        Element(document, "Form/Title").setAttribute("Font", "0,0,0|微软雅黑|20");
    WriteEditProject(0, name);
    QByteArray stored;
    if (damage == "garbage") {
        stored = "这不是一个工程文件";
        QFile file(ProjectFilePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(stored);
    } else if (damage != "missing") {
        SaveEncodedDocument(document, ProjectFilePath(name));
        QFile file(ProjectFilePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        stored = file.readAll();
    }

    m_form = std::make_unique<TRandForm>();
    QSignalSpy ended(m_form.get(), &TRandForm::EndApplication);
    QCOMPARE(m_form->FormShow(), TRandForm::StartupOutcome::Ended);
    QCOMPARE(ended.size(), 1);
    QVERIFY(!m_form->isVisible());
    QCOMPARE(m_answered.messages.size(), 1);
    const ShownMessage &message = m_answered.messages.first();
    QCOMPARE(message.icon, QMessageBox::Critical);
    QCOMPARE(message.caption, caption);
    if (damage == "missing") {
        QCOMPARE(message.text, QString("您设定的默认工程已不存在，请您使用Varnel打开您需要的工程！"));
        QVERIFY(!QFile::exists(ProjectFilePath(name)));
    } else {
        QVERIFY2(message.text.contains(name), qPrintable(message.text));
        QFile file(ProjectFilePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), stored);
    }
}

void RandFormTest::showsEngineRefusalOnDraw()
{
    // Five different numbers out of three cannot be drawn.
    QDomDocument document = StartingDocument(1);
    Set(document, "RandQuery/Rand/Query",
        {{"Min", "1"}, {"Max", "3"}, {"Pred", "1"}, {"Format", "0"}, {"AllowRepeat", "否"}, {"RanCount", "5"}});
    SetAnimation(document, 2, "Button");
    QCOMPARE(Start(document), TRandForm::StartupOutcome::Shown);

    m_form->GoRandButton->click();
    QVERIFY(!m_form->InDraw());
    QCOMPARE(m_answered.messages.size(), 1);
    QCOMPARE(m_answered.messages.first().caption, QString("无法生成随机数"));
    QVERIFY(m_form->RecordText().isEmpty());
    QCOMPARE(m_form->GoRandButton->text(), QString("生成随机数"));
    QVERIFY(m_form->GoRandButton->isEnabled());
}

void RandFormTest::stopsAfterTimesFramesWithCountDown_data()
{
    QTest::addColumn<bool>("extraScreen");
    QTest::newRow("frames in the window") << false;
    QTest::newRow("frames in the extra screen") << true;
}

void RandFormTest::stopsAfterTimesFramesWithCountDown()
{
    QFETCH(bool, extraScreen);
    QDomDocument document = StartingDocument(1);
    // Frames slow enough that the draw is still running when the test looks at it.
    SetAnimation(document, 10, "Times");
    if (extraScreen)
        Element(document, "Animate/InRand").setAttribute("RandVisibleType", "ExtraScreen");
    Set(document, "Animate/InRand/RandStopSet/StopByTimes", {{"Times", "20"}, {"TimesVisible", "是"}});
    QCOMPARE(Start(document), TRandForm::StartupOutcome::Shown);

    // Pixels of the button drawn in its caption's designed colour.
    auto captionInk = [this] {
        const QColor caption = m_form->GoRandButton->palette().color(QPalette::Active, QPalette::ButtonText);
        const QImage picture = m_form->GoRandButton->grab().toImage();
        int count = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const QColor pixel = picture.pixelColor(x, y);
                count += qAbs(pixel.red() - caption.red()) + qAbs(pixel.green() - caption.green())
                             + qAbs(pixel.blue() - caption.blue()) < 40;
            }
        }
        return count;
    };
    const int idleInk = captionInk();
    QVERIFY(idleInk > 0);
    m_form->GoRandButton->click();
    QVERIFY(m_form->InDraw());
    // The draw button cannot stop this draw and shows it: its caption fades.
    QVERIFY(!m_form->GoRandButton->isEnabled());
    QVERIFY2(captionInk() < idleInk / 2, qPrintable(QStringLiteral("%1 / %2").arg(captionInk()).arg(idleInk)));
    QVERIFY(m_form->TimesForm && m_form->TimesForm->isVisible());
    // The count-down covers exactly the window that shows the frames.
    QWidget *framesWindow = extraScreen ? static_cast<QWidget *>(m_form->EScreen) : m_form.get();
    QVERIFY(framesWindow->isVisible());
    QCOMPARE(m_form->TimesForm->geometry(), framesWindow->frameGeometry());
    // Only a badge of it is solid, in a corner: the results in the middle stay in view.
    const QRect badge = m_form->TimesForm->mask().boundingRect();
    QVERIFY(!badge.isEmpty() && m_form->TimesForm->rect().contains(badge));
    QVERIFY(!badge.contains(m_form->TimesForm->rect().center()));
    QTRY_VERIFY(m_form->FramesShown() >= 3);
    const int remaining = m_form->TimesForm->TimesBox->text().toInt();
    QCOMPARE(remaining, 20 - m_form->FramesShown());
    QVERIFY(m_form->RecordText().isEmpty());

    QTRY_VERIFY(!m_form->InDraw());
    QCOMPARE(m_form->FramesShown(), 20);
    QVERIFY(!m_form->TimesForm->isVisible());
    // The 21st batch is the result: shown and recorded once, five numbers on one line.
    QCOMPARE(m_form->RecordText(), ResultText());
    QCOMPARE(m_form->RecordText().split("  ").size(), 5);
}

void RandFormTest::stopsByDrawButtonAndKeepsRecordDuringAnimation()
{
    QDomDocument document = StartingDocument(1);
    SetAnimation(document, 2, "Button");
    // Hiding the button that stops the draw would leave no way to stop it: it stays.
    Element(document, "Animate/InRand").setAttribute("HideGoRandButton", "是");
    QCOMPARE(Start(document), TRandForm::StartupOutcome::Shown);
    QPushButton *button = m_form->GoRandButton;

    for (int draw = 1; draw <= 2; ++draw) {
        const QString recordBefore = m_form->RecordText();
        button->click();
        QVERIFY(m_form->InDraw());
        QCOMPARE(button->text(), QString("停止"));
        QVERIFY(button->isEnabled() && button->isVisible());
        QVERIFY(!m_form->Menu_Go->isEnabled());
        QTRY_VERIFY(m_form->FramesShown() >= 2);
        const QString frame = ResultText();
        QTRY_VERIFY(ResultText() != frame);
        QCOMPARE(m_form->RecordText(), recordBefore);

        button->click();
        QVERIFY(!m_form->InDraw());
        QCOMPARE(button->text(), QString("生成随机数"));
        QVERIFY(m_form->Menu_Go->isEnabled());
        QCOMPARE(m_form->RecordText().split('\n').size(), draw);
        QCOMPARE(m_form->RecordText().split('\n').last(), ResultText());
    }
    // Nothing runs on after the stop.
    const QString result = ResultText();
    QTest::qWait(20);
    QCOMPARE(ResultText(), result);
}

void RandFormTest::stopsByStopKey()
{
    QDomDocument document = StartingDocument(1);
    SetAnimation(document, 2, "ShortCut");
    Element(document, "Animate/InRand/RandStopSet/StopByShortCut").setAttribute("ShortCut", "Alt+B");
    Element(document, "Form/GoRandShortCut").setAttribute("ShortCut", "Shift+F5");
    QCOMPARE(Start(document), TRandForm::StartupOutcome::Shown);
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    QVERIFY(!m_form->Menu_Stop->isEnabled());

    QTest::keyClick(m_form.get(), Qt::Key_F5, Qt::ShiftModifier);
    QVERIFY(m_form->InDraw());
    QVERIFY(m_form->Menu_Stop->isEnabled());
    QTRY_VERIFY(m_form->FramesShown() >= 2);
    QVERIFY(m_form->RecordText().isEmpty());
    // The draw button does not stop a draw that a key stops.
    QVERIFY(!m_form->GoRandButton->isEnabled());

    QTest::keyClick(m_form.get(), Qt::Key_B, Qt::AltModifier);
    QVERIFY(!m_form->InDraw());
    QVERIFY(!m_form->Menu_Stop->isEnabled());
    QCOMPARE(m_form->RecordText(), ResultText());
}

void RandFormTest::extraScreenShowsFramesWhileResultBoxKeepsBatch()
{
    QDomDocument document = StartingDocument(1);
    SetAnimation(document, 2, "Button");
    Set(document, "Animate/InRand", {{"RandVisibleType", "ExtraScreen"}, {"HideRandRecord", "是"}});
    Set(document, "Animate/InRand/ExtraScreen", {{"RandType", "Label"}, {"UseFormat", "RandBox"}});
    QCOMPARE(Start(document), TRandForm::StartupOutcome::Shown);
    QVERIFY(m_form->EScreen && !m_form->EScreen->isVisible());
    QCOMPARE(m_form->EScreen->FrameText(), QString("随机数将显示在这里"));

    DrawOnce();
    const QString previous = ResultText();
    QVERIFY(!previous.isEmpty());

    m_form->GoRandButton->click();
    QVERIFY(m_form->EScreen->isVisible());
    QVERIFY(!m_form->RecordBox()->isVisible());
    QTRY_VERIFY(m_form->FramesShown() >= 2);
    const QString frame = m_form->EScreen->FrameText();
    QTRY_VERIFY(m_form->EScreen->FrameText() != frame);
    QCOMPARE(ResultText(), previous);

    m_form->GoRandButton->click();
    QVERIFY(!m_form->EScreen->isVisible());
    QVERIFY(m_form->RecordBox()->isVisible());
    QCOMPARE(m_form->RecordText().split('\n').size(), 2);
    QCOMPARE(m_form->RecordText().split('\n').last(), ResultText());
}

// Results such as "15.1" joined by a separator that offers no break of its own (";")
// are broken into lines between results, each line within the width, on the label and
// on the memo alike.
void RandFormTest::extraScreenBreaksLinesBetweenResults_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("separator");
    QTest::newRow("label, semicolon") << "Label" << ";";
    QTest::newRow("label, two spaces") << "Label" << "  ";
    QTest::newRow("memo, semicolon") << "Memo" << ";";
}

void RandFormTest::extraScreenBreaksLinesBetweenResults()
{
    QFETCH(QString, type);
    QFETCH(QString, separator);
    ExtraScreen settings;
    settings.width = 260;
    settings.height = 400;
    settings.randType = type;
    settings.randFont.size = 24;
    TEScreenForm screen;
    screen.ApplySettings(settings);
    screen.SetResultSeparator(separator);
    QStringList results;
    for (int i = 0; i < 20; ++i)
        results.append(QString::number(15.1 + i * 0.7, 'f', 1));
    const QString frame = results.join(separator);
    screen.ShowFrameText(frame);
    QCOMPARE(screen.FrameText(), frame);

    QWidget *box = type == "Label" ? static_cast<QWidget *>(screen.RandLabel) : screen.RandMemo;
    const QString shown = screen.RandLabel ? screen.RandLabel->text() : screen.RandMemo->toPlainText();
    const QStringList lines = shown.split('\n');
    QVERIFY2(lines.size() > 1, qPrintable(shown));
    QStringList again;
    for (const QString &line : lines) {
        QVERIFY2(QFontMetrics(box->font()).horizontalAdvance(line) <= box->width(), qPrintable(line));
        again += line.split(separator);
    }
    QCOMPARE(again, results);
}

// A right click on the boxes that show results opens the window's own menu (draw and
// stop in the main window, stop on the extra screen), not an editing menu.
void RandFormTest::rightClickOnResultsOpensWindowMenus()
{
    QDomDocument document = StartingDocument(1); // result box: an edit
    SetAnimation(document, 2, "ShortCut");
    Set(document, "Animate/InRand", {{"RandVisibleType", "ExtraScreen"}});
    Set(document, "Animate/InRand/ExtraScreen", {{"RandType", "Memo"}});
    QCOMPARE(Start(document), TRandForm::StartupOutcome::Shown);
    QVERIFY(m_form->RandBoxEdit && m_form->EScreen && m_form->EScreen->RandMemo);
    auto rightClick = [](QWidget *target) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), target->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(target, &event);
    };
    rightClick(m_form->RandBoxEdit);
    QTRY_VERIFY(m_form->ShortCutLabel->isVisible());
    m_form->ShortCutLabel->hide();

    m_form->Menu_Go->trigger();
    QVERIFY(m_form->EScreen->isVisible());
    rightClick(m_form->EScreen->RandMemo);
    QTRY_VERIFY(m_form->EScreen->PopupMenu1->isVisible());
    m_form->EScreen->PopupMenu1->hide();
    m_form->StopDraw();
}

// Positions designed on a larger screen: the drawing window and the extra screen open
// on this one, not out of sight.
void RandFormTest::windowsDesignedOffScreenOpenOnIt()
{
    QDomDocument document = StartingDocument(1);
    Set(document, "Form", {{"Align", "自定义"}, {"Left", "5000"}, {"Top", "4000"}, {"Width", "400"}, {"Height", "300"}});
    SetAnimation(document, 2, "Button");
    Set(document, "Animate/InRand", {{"RandVisibleType", "ExtraScreen"}});
    Set(document, "Animate/InRand/ExtraScreen",
        {{"FormAlign", "自定义"}, {"Left", "-3000"}, {"Top", "-2000"}, {"Width", "300"}, {"Height", "200"}});
    QCOMPARE(Start(document), TRandForm::StartupOutcome::Shown);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY2(screen.contains(m_form->frameGeometry()), qPrintable(QStringLiteral("%1,%2").arg(m_form->x()).arg(m_form->y())));
    m_form->GoRandButton->click();
    QVERIFY(m_form->EScreen->isVisible());
    QVERIFY(screen.contains(m_form->EScreen->frameGeometry()));
    m_form->StopDraw();
}

void RandFormTest::extraStopButtonShowsOnlyDuringDraw()
{
    QDomDocument document = StartingDocument(1);
    SetAnimation(document, 2, "Button");
    Element(document, "Animate/InRand/RandStopSet/StopByButton").setAttribute("Type", "ExtraButton");
    QDomElement extra = Element(document, "Animate/InRand/RandStopSet/StopByButton/ExtraButton");
    extra.setAttribute("Type", "ImgButton");
    extra.setAttribute("ImgPath", "[Application]Img/没有这张图.png");
    QCOMPARE(Start(document), TRandForm::StartupOutcome::Shown);
    auto *stopButton = m_form->findChild<QAbstractButton *>("ImgButton");
    QVERIFY(stopButton && !stopButton->isVisible());

    m_form->GoRandButton->click();
    QVERIFY(m_form->InDraw());
    QVERIFY(stopButton->isVisible());
    // A picture button without its picture still says what it does.
    QCOMPARE(stopButton->text(), QString("停止"));
    QCOMPARE(stopButton->geometry(), QRect(extra.attribute("PositionX").toInt(), extra.attribute("PositionY").toInt(),
                                           extra.attribute("Width").toInt(), extra.attribute("Height").toInt()));
    // The draw button neither stops nor restarts it.
    QVERIFY(!m_form->GoRandButton->isEnabled());
    QTRY_VERIFY(m_form->FramesShown() >= 2);
    stopButton->click();
    QVERIFY(!m_form->InDraw());
    QVERIFY(!stopButton->isVisible());
    QCOMPARE(m_form->RecordText(), ResultText());
}

void RandFormTest::remarkOverDrawButtonLetsClicksThrough()
{
    QDomDocument document = StartingDocument(1);
    Element(document, "Animate").setAttribute("InRand", "否");
    Set(document, "Form/Remarks/Remark", {{"Left", "320"}, {"Top", "490"}, {"Width", "160"}, {"Height", "40"}});
    QCOMPARE(Start(document), TRandForm::StartupOutcome::Shown);
    const QPoint middle = m_form->GoRandButton->geometry().center();
    QVERIFY(m_form->findChild<QLabel *>("Remark1")->geometry().contains(middle));
    QCOMPARE(m_form->childAt(middle), m_form->GoRandButton);
}

void RandFormTest::unusableStopButtonFallsBackToDrawButtonAndKey_data()
{
    QTest::addColumn<QRect>("button");
    QTest::addColumn<int>("windowWidth");
    QTest::addColumn<bool>("extraScreen");
    QTest::newRow("no width") << QRect(660, 490, 0, 44) << 800 << false;
    QTest::newRow("outside a smaller window") << QRect(700, 500, 100, 40) << 600 << false;
    QTest::newRow("under the result window") << QRect(340, 260, 120, 44) << 800 << true;
}

void RandFormTest::unusableStopButtonFallsBackToDrawButtonAndKey()
{
    QFETCH(QRect, button);
    QFETCH(int, windowWidth);
    QFETCH(bool, extraScreen);
    QDomDocument document = StartingDocument(1);
    SetAnimation(document, 2, "Button");
    Set(document, "Form", {{"Width", QString::number(windowWidth)}});
    // Even a design that hides the draw button during the draw keeps a way to stop.
    Set(document, "Animate/InRand",
        {{"HideGoRandButton", "是"}, {"RandVisibleType", extraScreen ? "ExtraScreen" : "RandBox"}});
    Set(document, "Animate/InRand/RandStopSet/StopByButton", {{"Type", "ExtraButton"}});
    Set(document, "Animate/InRand/RandStopSet/StopByButton/ExtraButton",
        {{"Type", "TextButton"}, {"PositionX", QString::number(button.x())}, {"PositionY", QString::number(button.y())},
         {"Width", QString::number(button.width())}, {"Height", QString::number(button.height())}});
    QCOMPARE(Start(document), TRandForm::StartupOutcome::Shown);

    for (bool byKey : {false, true}) {
        m_form->GoRandButton->click();
        QVERIFY(m_form->InDraw());
        QVERIFY(!m_form->ExtraStopButton->isVisible());
        QVERIFY(m_form->GoRandButton->isVisible() && m_form->GoRandButton->isEnabled());
        QCOMPARE(m_form->GoRandButton->text(), QString("停止"));
        QVERIFY(m_form->StopKeyLabel && m_form->StopKeyLabel->isVisible());
        QCOMPARE(m_form->StopKeyLabel->text(), QString("按 F3 停止生成"));
        QCOMPARE(m_form->Menu_Stop->shortcut(), QKeySequence("F3"));
        QTRY_VERIFY(m_form->FramesShown() >= 2);
        if (byKey)
            m_form->Menu_Stop->trigger();
        else
            m_form->GoRandButton->click();
        QVERIFY(!m_form->InDraw());
        QVERIFY(!m_form->StopKeyLabel->isVisible());
    }
}

void RandFormTest::asksAccessPassword()
{
    QDomDocument document = StartingDocument(3);
    Set(document, "Version", {{"AccessByPwd", "是"}, {"AccessPwd", "Ab1"}});
    QCOMPARE(Start(document), TRandForm::StartupOutcome::AwaitingPassword);
    QSignalSpy ended(m_form.get(), &TRandForm::EndApplication);
    TPwdForm *dialog = m_form->findChild<TPwdForm *>();
    QVERIFY(dialog && dialog->isVisible());
    QVERIFY(!m_form->isVisible());
    QCOMPARE(dialog->PwdLabel->text(), QString("当前工程已加密，请输入访问密码："));
    QVERIFY(dialog->Pwd->text().isEmpty());
    QCOMPARE(dialog->Pwd->echoMode(), QLineEdit::Password);
    // Over the middle of the screen, not at a corner of the window it stands for.
    const QPoint screenCentre = QGuiApplication::primaryScreen()->geometry().center();
    QVERIFY((dialog->frameGeometry().center() - screenCentre).manhattanLength() <= 2);

    for (const QString &wrong : {QString("ab1"), QString("Ab1 ")}) {
        dialog->Pwd->setText(wrong);
        dialog->BOK->click();
        QVERIFY(dialog->isVisible());
        QVERIFY(!m_form->isVisible());
    }
    QCOMPARE(m_answered.messages.size(), 2);
    for (const ShownMessage &message : m_answered.messages) {
        QCOMPARE(message.caption, QString("密码错误"));
        QCOMPARE(message.text, QString("您输入的密码有误，请重新输入！"));
    }
    dialog->Pwd->setText("Ab1");
    dialog->BOK->click();
    QVERIFY(m_form->isVisible());
    QCOMPARE(ended.size(), 0);
    DrawOnce();
    QVERIFY(!ResultText().isEmpty());
}

void RandFormTest::cancelledPasswordEndsProgram()
{
    QDomDocument document = StartingDocument(1);
    Set(document, "Version", {{"AccessByPwd", "是"}, {"AccessPwd", "secret"}});
    QCOMPARE(Start(document), TRandForm::StartupOutcome::AwaitingPassword);
    QSignalSpy ended(m_form.get(), &TRandForm::EndApplication);
    TPwdForm *dialog = m_form->findChild<TPwdForm *>();
    QVERIFY(dialog);
    QCOMPARE(dialog->BCancel->text(), QString("取消"));
    dialog->BCancel->click();
    QCOMPARE(ended.size(), 1);
    QVERIFY(!m_form->isVisible());
    QVERIFY(m_answered.messages.isEmpty());
}

void RandFormTest::asksBeforeResettingExhaustedList()
{
    // Four names drawn one at a time and removed: the fourth draw empties the list.
    QDomDocument document = StartingDocument(9);
    Element(document, "Animate").setAttribute("InRand", "否");
    QCOMPARE(Start(document), TRandForm::StartupOutcome::Shown);
    QPushButton *button = m_form->GoRandButton;
    m_answered.answer = QMessageBox::No;
    for (int draw = 0; draw < 4; ++draw)
        button->click();
    QStringList drawn = m_form->RecordText().split('\n');
    drawn.sort();
    QStringList names{"张三", "李四", "王五", "赵六"};
    names.sort();
    QCOMPARE(drawn, names);
    QCOMPARE(m_answered.messages.size(), 1);
    const ShownMessage question = m_answered.messages.first();
    QCOMPARE(question.icon, QMessageBox::Question);
    QCOMPARE(question.caption, QString("随机数名单剩余数量不足"));
    QCOMPARE(question.text,
             QString("随机数名单剩余数量不足，是否重置名单？如不重置名单，将无法继续生成随机数。"));
    QCOMPARE(question.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);

    // Declined: every press asks again and draws nothing.
    button->click();
    QCOMPARE(m_answered.messages.size(), 2);
    QCOMPARE(m_form->RecordText().split('\n').size(), 4);

    m_answered.answer = QMessageBox::Yes;
    button->click();
    QCOMPARE(m_answered.messages.size(), 3);
    button->click();
    QCOMPARE(m_answered.messages.size(), 3);
    QCOMPARE(m_form->RecordText().split('\n').size(), 5);
}

void RandFormTest::formatsBatchWithSeparatorAndEscapes()
{
    // Soft.ini's separator, the box format around each result, the record without line
    // breaks, and list escapes removed from what is shown.
    QFile ini(AppDir() + "Soft.ini");
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("[Rand]\nRandSpliter=全角逗号\n");
    ini.close();
    QDomDocument document = StartingDocument(3);
    Element(document, "Animate").setAttribute("InRand", "否");
    Element(document, "RandQuery/Rand/Query").setAttribute("Lists", "A/colon/1 B/sharp/2");
    Element(document, "RandQuery/Rand/Query").setAttribute("RanCount", "2");
    Element(document, "Form/RandBox").setAttribute("Format", "[#随机数#]");
    Element(document, "Form/RandRecord").setAttribute("NewLine", "否");
    QCOMPARE(Start(document), TRandForm::StartupOutcome::Shown);
    QCOMPARE(m_form->ResultSeparator(), QString("，"));

    m_form->GoRandButton->click();
    const QString result = ResultText();
    QVERIFY2(result == "[A:1]，[B#2]" || result == "[B#2]，[A:1]", qPrintable(result));
    m_form->GoRandButton->click();
    const QStringList recorded = m_form->RecordText().split("，");
    QCOMPARE(recorded.size(), 4);
    QVERIFY(!m_form->RecordText().contains('\n'));
    for (const QString &entry : recorded)
        QVERIFY2(entry == "A:1" || entry == "B#2", qPrintable(entry));
}

// A record label cannot scroll: once the record outgrows it, each new batch still
// comes into view at its bottom.
void RandFormTest::labelRecordKeepsNewestInView()
{
    QDomDocument document = StartingDocument(1);
    Element(document, "Animate").setAttribute("InRand", "否");
    Set(document, "Form/RandRecord", {{"Type", "Label"}, {"NewLine", "是"}, {"Height", "80"}});
    QCOMPARE(Start(document), TRandForm::StartupOutcome::Shown);
    QLabel *record = m_form->RandRecordLabel;
    QVERIFY(record);
    for (int i = 0; i < 20; ++i)
        m_form->GoRandButton->click();
    QVERIFY(record->heightForWidth(record->width()) > record->height());
    for (int i = 0; i < 3; ++i) {
        const QImage before = record->grab().toImage();
        m_form->GoRandButton->click();
        QVERIFY(record->grab().toImage() != before);
    }
}

void RandFormTest::showsDrawnPicturesAsSlideshow_data()
{
    QTest::addColumn<QString>("nameFormat");
    QTest::addColumn<QString>("expectedPrefix");
    QTest::addColumn<QString>("expectedSuffix");
    QTest::newRow("name with extension") << "图片名称+扩展名" << "示例图片" << ".jpg";
    QTest::newRow("name only") << "仅图片名称" << "示例图片" << "";
    QTest::newRow("full path") << "完整的图片路径" << "<app>Img/示例图片" << ".jpg";
}

void RandFormTest::showsDrawnPicturesAsSlideshow()
{
    QFETCH(QString, nameFormat);
    QFETCH(QString, expectedPrefix);
    QFETCH(QString, expectedSuffix);
    expectedPrefix.replace("<app>", AppDir());
    QDomDocument document = StartingDocument(5);
    Element(document, "Animate").setAttribute("InRand", "否");
    Element(document, "RandQuery/Rand/Query").setAttribute("RanCount", "3");
    Element(document, "Form/Pic").setAttribute("Interval", "5");
    Element(document, "Form/PicName").setAttribute("Type", nameFormat);
    QCOMPARE(Start(document), TRandForm::StartupOutcome::Shown);
    QVERIFY(m_form->RandPic->pixmap().isNull());

    m_form->GoRandButton->click();
    // The first drawn picture shows at once, then the three take turns.
    QVERIFY(!m_form->RandPic->pixmap().isNull());
    QSet<QString> captions;
    QTRY_VERIFY((captions.insert(m_form->PicNameLabel->text()), captions.size() == 3));
    for (const QString &caption : captions) {
        QVERIFY2(caption.startsWith(expectedPrefix) && caption.endsWith(expectedSuffix), qPrintable(caption));
        const QString number = caption.mid(expectedPrefix.size(), caption.size() - expectedPrefix.size() - expectedSuffix.size());
        QVERIFY2(number.toInt() >= 1 && number.toInt() <= 12, qPrintable(caption));
    }
    QVERIFY(m_answered.messages.isEmpty());
}

void RandFormTest::cyclesBoxColours()
{
    QDomDocument document = StartingDocument(1);
    Element(document, "Animate").setAttribute("BoxRecord", "是");
    Set(document, "Animate/BoxRecord", {{"IntervalValue", "1"}, {"IntervalUnit", "毫秒"}});
    Element(document, "Animate/BoxRecord/UseRandBox").setAttribute("UseFontColor", "是");
    Element(document, "Animate/BoxRecord/UseRandBox/FontColorList").setAttribute("Color", "255,0,0|0,0,255");
    Element(document, "Animate/BoxRecord/UseRandRecord").setAttribute("UseBgColor", "是");
    Element(document, "Animate/BoxRecord/UseRandRecord/BgColorList").setAttribute("Color", "0,255,0");
    QCOMPARE(Start(document), TRandForm::StartupOutcome::Shown);

    const auto textColour = [this] { return m_form->RandBoxEdit->palette().color(QPalette::Text); };
    QTRY_COMPARE(textColour(), QColor(255, 0, 0));
    QTRY_COMPARE(textColour(), QColor(0, 0, 255));
    QTRY_COMPARE(textColour(), QColor(255, 0, 0));
    QTRY_COMPARE(m_form->RandRecordMemo->palette().color(QPalette::Base), QColor(0, 255, 0));
}

void RandFormTest::drawsOnWithoutMusicFiles()
{
    // Background, in-draw and after-draw music all point at files that are not there.
    QDomDocument document = StartingDocument(2);
    SetAnimation(document, 2, "Button");
    Set(document, "Form/Background",
        {{"MusicType", "Rand"}, {"MusicPath", "[Application]Music/a.mp3|[Application]Music/b.mp3"}});
    Set(document, "Animate/InRand/BgMusic", {{"Enabled", "是"}, {"BgMusicPath", "[Application]Music/c.mp3"}});
    Element(document, "Animate").setAttribute("AfterRand", "是");
    Set(document, "Animate/AfterRand/BgMusic", {{"Enabled", "是"}, {"BgMusicPath", "[Application]Music/d.mp3"}});
    QCOMPARE(Start(document), TRandForm::StartupOutcome::Shown);

    DrawOnce();
    DrawOnce();
    QTest::qWait(50);
    QVERIFY(m_answered.messages.isEmpty());
    QCOMPARE(m_form->RecordText().split('\n').size(), 2);
    QVERIFY(!m_form->MusicPlayer->IsPlaying());
    QVERIFY(!m_form->BgMusicPlayer->IsPlaying());
}

void RandFormTest::drawKeyStopsWhenWindowHasNoDrawButton()
{
    QDomDocument document = StartingDocument(7);
    SetAnimation(document, 2, "Button");
    Element(document, "Form/GoRandButton").setAttribute("Enabled", "否");
    QCOMPARE(Start(document), TRandForm::StartupOutcome::Shown);
    QVERIFY(!m_form->GoRandButton);

    m_form->Menu_Go->trigger();
    QVERIFY(m_form->InDraw());
    QVERIFY(m_form->Menu_Go->isEnabled());
    QTRY_VERIFY(m_form->FramesShown() >= 2);
    m_form->Menu_Go->trigger();
    QVERIFY(!m_form->InDraw());
    QCOMPARE(m_form->RecordText(), ResultText());
}

void RandFormTest::drawsBordersFromSettings()
{
    QFile ini(AppDir() + "Soft.ini");
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("[Show]\nRandLabelBorder=1\nRBorderWidth=3\nRBorderColor=255,0,0\n"
              "ImgBorder=1\nImgBorderWidth=1\nImgBorderColor=0,0,255\n");
    ini.close();

    QDomDocument words = StartingDocument(7); // its result box is a label
    QCOMPARE(Start(words), TRandForm::StartupOutcome::Shown);
    QVERIFY(m_form->RandBoxLabel);
    QImage window = m_form->grab().toImage();
    const QRect label = m_form->RandBoxLabel->geometry();
    QCOMPARE(window.pixelColor(label.left(), label.center().y()), QColor(255, 0, 0));
    QCOMPARE(window.pixelColor(label.center().x(), label.top() - 1), QColor(255, 0, 0));
    QVERIFY(window.pixelColor(label.left() - 3, label.center().y()) != QColor(255, 0, 0));
    m_form.reset();

    QDomDocument pictures = StartingDocument(5);
    QCOMPARE(Start(pictures), TRandForm::StartupOutcome::Shown);
    window = m_form->grab().toImage();
    const QRect picture = m_form->RandPic->geometry();
    QCOMPARE(window.pixelColor(picture.left() - 1, picture.center().y()), QColor(0, 0, 255));
    QCOMPARE(window.pixelColor(picture.center().x(), picture.top() - 1), QColor(0, 0, 255));
}

void RandFormTest::backgroundMusicPausesForDrawAndResumes()
{
    QDir(AppDir()).mkpath("Music");
    WriteSilence(AppDir() + "Music/background.wav", 5000);
    WriteSilence(AppDir() + "Music/during.wav", 5000);
    WriteSilence(AppDir() + "Music/after.wav", 1500);
    QDomDocument document = StartingDocument(2);
    SetAnimation(document, 2, "Button");
    Set(document, "Form/Background", {{"MusicType", "Path"}, {"MusicPath", "[Application]Music/background.wav"}});
    Set(document, "Animate/InRand/BgMusic", {{"Enabled", "是"}, {"BgMusicPath", "[Application]Music/during.wav"}});
    Element(document, "Animate").setAttribute("AfterRand", "是");
    Set(document, "Animate/AfterRand/BgMusic", {{"Enabled", "是"}, {"BgMusicPath", "[Application]Music/after.wav"}});
    QCOMPARE(Start(document), TRandForm::StartupOutcome::Shown);
    QTRY_VERIFY(m_form->BgMusicPlayer->IsPlaying());
    // Seen when the after-draw music ends, however late this test gets to look.
    bool afterMusicEndedOverPausedBackground = false;
    connect(m_form->MusicPlayer, &MusicChannel::Ended, this, [&] {
        if (m_form->MusicPlayer->CurrentPath() == AppDir() + "Music/after.wav")
            afterMusicEndedOverPausedBackground = m_form->BgMusicPlayer->IsPaused();
    });

    m_form->GoRandButton->click();
    QVERIFY(m_form->BgMusicPlayer->IsPaused());
    QCOMPARE(m_form->MusicPlayer->CurrentPath(), AppDir() + "Music/during.wav");
    QTRY_VERIFY(m_form->MusicPlayer->IsPlaying());
    m_form->GoRandButton->click();
    QVERIFY(!m_form->InDraw());
    // The after-draw music plays to its end, then the background music goes on.
    QTRY_COMPARE(m_form->MusicPlayer->CurrentPath(), AppDir() + "Music/after.wav");
    QTRY_VERIFY_WITH_TIMEOUT(afterMusicEndedOverPausedBackground, 20000);
    QTRY_VERIFY_WITH_TIMEOUT(m_form->BgMusicPlayer->IsPlaying(), 20000);
    QVERIFY(m_answered.messages.isEmpty());
}

// Results are shown big and bold; in a face without a bold style (the stand-in for a
// missing Chinese face) they must still come out bold, not regular.
void RandFormTest::largeBoldTextStaysBold()
{
    AllowLargeSyntheticBold();
    auto ink = [](bool bold) {
        QFont font(QStringLiteral("微软雅黑"));
        font.setPixelSize(90); // above the size from which the font engine would stop emboldening
        font.setBold(bold);
        QLabel label(QStringLiteral("李明"));
        label.setFont(font);
        label.adjustSize();
        const QImage picture = label.grab().toImage();
        int dark = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x)
                dark += qGray(picture.pixel(x, y)) < 128;
        }
        return dark;
    };
    const int regular = ink(false);
    QVERIFY(regular > 0);
    QVERIFY2(ink(true) > regular * 11 / 10, qPrintable(QStringLiteral("%1 / %2").arg(ink(true)).arg(regular)));
}

// The exhausted-list question as the user sees it: Chinese buttons, and only "是" resets.
void RandFormTest::questionBoxSpeaksChinese()
{
    SetMessageHandler({});
    WindowRemainingQuestion question(nullptr);
    for (const QMessageBox::StandardButton pressed : {QMessageBox::No, QMessageBox::Yes}) {
        QStringList captions;
        QTimer::singleShot(0, [&captions, pressed] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            for (QAbstractButton *button : box->buttons())
                captions.append(button->text());
            box->button(pressed)->click();
        });
        QCOMPARE(question.AskReset(QStringLiteral("提示"), QStringLiteral("名单已抽完，是否重置？")),
                 pressed == QMessageBox::Yes);
        captions.sort();
        QCOMPARE(captions, QStringList({"取消", "否", "是"}));
    }
}

QTEST_MAIN(RandFormTest)
#include "tst_randform.moc"
