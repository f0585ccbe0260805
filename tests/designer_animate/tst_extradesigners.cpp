// The stop button and separate window designers, and the whole road: a design saved by
// the animation dialog is drawn by the drawing window as designed.
#include "animateform.h"
#include "calclibrary.h"
#include "codec.h"
#include "designfixture.h"
#include "escreenform.h"
#include "handoff.h"
#include "randform.h"
#include "tdesignform.h"
#include "tdveditorform.h"
#include "timesform.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>

namespace {
const QString kProject = QStringLiteral("独立窗口工程");

// Drags handle `name` of `window` by (dx, dy) as a user does: press, move, release.
void DragHandle(QWidget *window, const QString &name, int dx, int dy)
{
    auto *handle = window->findChild<QWidget *>(name);
    QVERIFY2(handle && handle->isVisible(), qPrintable(name));
    const QPointF local(4, 4);
    const QPointF global = handle->mapToGlobal(local);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, {});
    QCoreApplication::sendEvent(handle, &press);
    QMouseEvent move(QEvent::MouseMove, local + QPointF(dx, dy), global + QPointF(dx, dy), Qt::NoButton,
                     Qt::LeftButton, {});
    QCoreApplication::sendEvent(handle, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, local + QPointF(dx, dy), global + QPointF(dx, dy), Qt::LeftButton,
                        Qt::NoButton, {});
    QCoreApplication::sendEvent(handle, &release);
}

void Press(QWidget *widget, const QPoint &at)
{
    QTest::mousePress(widget, Qt::LeftButton, {}, at);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
}
} // namespace

class ExtraDesignersTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void stopButtonKindsKeepTheirOwnSize();
    void stopButtonPlacedByCanvasPress();
    void stopButtonSaveWarnsWhenItCannotBeSeen();
    void memoLeftHandleMovesBorderDistance();
    void memoLabelSwitchKeepsGeometryAndFont();
    void windowRowsAndFormatChoice();
    void designedDrawRunsInDrawingWindow_data();
    void designedDrawRunsInDrawingWindow();

private:
    std::unique_ptr<DesignFixture> m_fixture;
    std::unique_ptr<TDVEditorForm> m_editor;
    std::unique_ptr<TAnimateForm> m_form;
    std::function<void(int, int)> m_placed;
};

void ExtraDesignersTest::initTestCase()
{
    QVERIFY(BindCodec(SUITE_APP_DIR));
    BindCalcLibrary(SUITE_APP_DIR);
}

void ExtraDesignersTest::init()
{
    m_fixture = std::make_unique<DesignFixture>();
    m_fixture->Store(StartingDocument("1.RandRangeNum.xml"), kProject);
    m_editor = std::make_unique<TDVEditorForm>();
    m_form = std::make_unique<TAnimateForm>(m_editor.get());
    QVERIFY(m_form->LoadProject(kProject));
    m_form->show();
    m_placed = {};
    m_form->ExtraButtonForm->SetCanvasPositioner([this](std::function<void(int, int)> placed) {
        m_placed = std::move(placed);
    });
}

void ExtraDesignersTest::cleanup()
{
    m_form.reset();
    m_editor.reset();
    m_fixture.reset();
}

void ExtraDesignersTest::stopButtonKindsKeepTheirOwnSize()
{
    m_form->StopByButton->setChecked(true);
    m_form->StopUseExtraButton->setChecked(true);
    m_form->StopExtraButtonSet->click();
    TExtraButtonForm *designer = m_form->ExtraButtonForm;
    QVERIFY(designer->isVisible() && m_editor->isVisible());
    QCOMPARE(m_editor->Requirer(), QString("ExtraButtonPage"));
    // The starting document's button: text and picture, 120 × 44.
    QVERIFY(designer->UseSpeedButton->isChecked());
    QCOMPARE(designer->SpeedButtonSet->size(), QSize(120, 44));
    QCOMPARE(m_editor->Heading(), QString("文字+图片按钮"));

    designer->UseImgButton->click();
    QVERIFY(designer->ImgButtonSet->isVisible() && !designer->SpeedButtonSet->isVisible());
    QCOMPARE(m_editor->Heading(), QString("图片按钮"));
    DragHandle(designer, "SizedRightBottom", 15, 5);
    const QSize pictureSize = designer->ImgButtonSet->size();
    QCOMPARE(m_editor->Value("宽度"), QString::number(pictureSize.width()));
    QCOMPARE(m_editor->Value("高度"), QString::number(pictureSize.height()));

    designer->UseTextButton->click();
    QVERIFY(!designer->ImgButtonSet->isVisible() && designer->TextButtonSet->isVisible());
    QVERIFY(designer->TextButtonSet->size() != pictureSize);
    QCOMPARE(m_editor->Heading(), QString("文字按钮"));
    const QSize textSize = designer->TextButtonSet->size();
    DragHandle(designer, "SizedLeftMiddle", 10, 0);
    QCOMPARE(designer->TextButtonSet->size(), textSize - QSize(10, 0));
    QCOMPARE(m_form->ExtraButtonState().width, textSize.width() - 10);
    QCOMPARE(m_form->ExtraButtonState().type, QString("TextButton"));

    // The text row renames both text models.
    auto *text = qobject_cast<QLineEdit *>(m_editor->ValueEditor("文本"));
    QVERIFY(text);
    text->selectAll();
    QTest::keyClicks(text, "Halt");
    QCOMPARE(designer->TextButtonSet->text(), QString("Halt"));
    QCOMPARE(m_form->ExtraButtonState().text, QString("Halt"));
    // Pressing a model selects it instead of clicking it.
    QSignalSpy clicked(designer->TextButtonSet, &QPushButton::clicked);
    Press(designer->TextButtonSet, QPoint(5, 5));
    QCOMPARE(clicked.count(), 0);
}

void ExtraDesignersTest::stopButtonPlacedByCanvasPress()
{
    // The road a user takes: the canvas menu opens the dialog, whose stop button designer
    // hands the next press on the canvas back as the button's place.
    m_form.reset();
    TDesignForm canvas(kProject);
    canvas.show();
    auto *menuItem = canvas.findChild<QAction *>("AnimateSet");
    QVERIFY(menuItem);
    menuItem->trigger();
    auto *animate = canvas.findChild<TAnimateForm *>();
    QVERIFY(animate && animate->isVisible());
    QVERIFY(!canvas.isVisible());
    animate->StopByButton->setChecked(true);
    animate->StopUseExtraButton->setChecked(true);
    animate->StopExtraButtonSet->click();
    TDVEditorForm *editor = canvas.ValueEditor();
    QCOMPARE(editor->Requirer(), QString("ExtraButtonPage"));
    auto *position = qobject_cast<QPushButton *>(editor->ValueEditor("位置"));
    QVERIFY(position);
    position->click();
    QCOMPARE(m_fixture->Texts(), QStringList{"请确定按钮的位置：请您在项目设计界面确定按钮的位置，按下鼠标左键后定位生效。"});
    QVERIFY(!animate->ExtraButtonForm->isVisible() && !editor->isVisible());
    QVERIFY(canvas.isVisible());

    m_fixture->messages.clear();
    QTest::mousePress(canvas.Canvas(), Qt::LeftButton, {}, QPoint(120, 340));
    QTest::mouseRelease(canvas.Canvas(), Qt::LeftButton, {}, QPoint(120, 340));
    QCOMPARE(m_fixture->Texts(), QStringList{"按钮已定位：按钮已完成定位，坐标为(120,340)"});
    QCOMPARE(m_fixture->messages[0].icon, QMessageBox::Information);
    QVERIFY(animate->ExtraButtonForm->isVisible() && editor->isVisible());
    QCOMPARE(animate->ExtraButtonState().positionX, 120);
    QCOMPARE(animate->ExtraButtonState().positionY, 340);
    // The press placed the button; it changed nothing in the design.
    QVERIFY(!canvas.IsModified());

    animate->ExtraButtonForm->BSave->click();
    QVERIFY(!animate->ExtraButtonForm->isVisible());
    QVERIFY(animate->BSaveClick());
    const QDomElement saved =
        ElementAt(m_fixture->Load(kProject), "Animate/InRand/RandStopSet/StopByButton/ExtraButton");
    QCOMPARE(saved.attribute("PositionX"), QString("120"));
    QCOMPARE(saved.attribute("PositionY"), QString("340"));
    // Closing the dialog gives the canvas and its value editor back.
    QVERIFY(canvas.isVisible());
    QCOMPARE(editor->Requirer(), QString("DesignPage"));
    QVERIFY(editor->isVisible());
}

void ExtraDesignersTest::stopButtonSaveWarnsWhenItCannotBeSeen()
{
    m_form->StopByButton->setChecked(true);
    m_form->StopUseExtraButton->setChecked(true);
    m_form->StopExtraButtonSet->click();
    m_form->ExtraButtonForm->BSave->click();
    QVERIFY(m_fixture->messages.isEmpty()); // (660,490) 120×44 in the 800×560 window
    m_form->StopExtraButtonSet->click();
    m_form->ExtraButtonForm->SelectModel();
    DragHandle(m_form->ExtraButtonForm, "SizedRightMiddle", -200, 0); // past the left edge
    m_form->ExtraButtonForm->BSave->click();
    QCOMPARE(m_fixture->messages.size(), 1);
    QCOMPARE(m_fixture->messages[0].caption, QString("停止按钮不可见"));
}

void ExtraDesignersTest::memoLeftHandleMovesBorderDistance()
{
    m_form->RandUseExtraScreen->setChecked(true);
    m_form->RandExtraScreenSet->click();
    TExtraScreenForm *screen = m_form->ExtraScreenForm;
    QVERIFY(screen->isVisible());
    QCOMPARE(m_editor->Requirer(), QString("ExtraScreenPage"));
    QVERIFY(m_editor->Keys().isEmpty());
    // The starting document: a memo 30 pixels in from the edges.
    QCOMPARE(screen->ResultBox(), screen->RandMemo);
    const QRect before = screen->RandMemo->geometry();
    QCOMPARE(before.topLeft(), QPoint(30, 30));

    Press(screen->RandMemo->viewport(), QPoint(10, 10));
    QVERIFY(screen->ResultBoxSelected());
    QCOMPARE(m_editor->Heading(), QString("文本框"));
    QCOMPARE(m_editor->Value("水平间距"), QString("30"));
    DragHandle(screen, "SizedLeftMiddle", 10, 0);
    // Equal margins, as the drawing window draws the box.
    QCOMPARE(screen->RandMemo->geometry(), before.adjusted(10, 0, -10, 0));
    QCOMPARE(m_form->ExtraScreenState().borderDistanceX, 40);
    QCOMPARE(m_editor->Value("水平间距"), QString("40"));
    DragHandle(screen, "SizedMiddleTop", 0, -5);
    QCOMPARE(m_form->ExtraScreenState().borderDistanceY, 25);
    QCOMPARE(m_editor->Value("竖直间距"), QString("25"));

    // The right and bottom handles set the margins too: what is shown is what is drawn.
    DragHandle(screen, "SizedRightBottom", -15, -5);
    QCOMPARE(m_form->ExtraScreenState().borderDistanceX, 55);
    QCOMPARE(m_form->ExtraScreenState().borderDistanceY, 30);
    QCOMPARE(screen->RandMemo->geometry(),
             QRect(55, 30, screen->BgImg->width() - 110, screen->BgImg->height() - 60));
    // So does a resize of the window.
    screen->resize(screen->width() + 40, screen->height());
    QTRY_COMPARE(screen->RandMemo->width(), screen->BgImg->width() - 110);
}

void ExtraDesignersTest::memoLabelSwitchKeepsGeometryAndFont()
{
    m_form->RandUseExtraScreen->setChecked(true);
    m_form->RandExtraScreenSet->click();
    TExtraScreenForm *screen = m_form->ExtraScreenForm;
    Press(screen->RandMemo->viewport(), QPoint(10, 10));
    DragHandle(screen, "SizedRightBottom", -40, -20);
    const QRect geometry = screen->RandMemo->geometry();
    const QFont font = screen->RandMemo->font();
    QCOMPARE(screen->RandConvert->text(), QString("切换为非文本框"));

    screen->RandConvert->trigger();
    QVERIFY(screen->RandLabel->isVisible() && !screen->RandMemo->isVisible());
    QCOMPARE(screen->RandLabel->geometry(), geometry);
    QCOMPARE(screen->RandLabel->font(), font);
    QCOMPARE(screen->RandLabel->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QCOMPARE(screen->RandConvert->text(), QString("切换为文本框"));
    // The editor showed the memo: it now shows the label.
    QCOMPARE(m_editor->Heading(), QString("非文本框"));
    QVERIFY(!m_editor->HasRow("背景颜色"));
    QCOMPARE(m_form->ExtraScreenState().randType, QString("Label"));

    screen->RandConvert->trigger();
    QVERIFY(screen->RandMemo->isVisible() && !screen->RandLabel->isVisible());
    QCOMPARE(screen->RandMemo->geometry(), geometry);
    QCOMPARE(screen->RandMemo->font(), font);
    QCOMPARE(screen->RandMemo->palette().color(QPalette::Base), QColor(30, 40, 90));
    QCOMPARE(m_editor->Heading(), QString("文本框"));
    QCOMPARE(m_form->ExtraScreenState().randType, QString("Memo"));
}

void ExtraDesignersTest::windowRowsAndFormatChoice()
{
    m_form->RandUseExtraScreen->setChecked(true);
    m_form->RandExtraScreenSet->click();
    TExtraScreenForm *screen = m_form->ExtraScreenForm;
    Press(screen->BgImg, QPoint(5, 5));
    QCOMPARE(m_editor->Heading(), QString("窗体"));
    QCOMPARE(m_editor->Value("对齐方式"), QString("居中"));
    // The stored height is the drawing window's: without this window's menu bar.
    QCOMPARE(screen->BgImg->height(), m_form->ExtraScreenState().height);
    screen->resize(600, 350);
    QTRY_COMPARE(m_editor->Value("宽度"), QString("600"));
    const int drawnHeight = 350 - screen->FormMenu->height();
    QCOMPARE(m_editor->Value("高度"), QString::number(drawnHeight));
    QCOMPARE(m_form->ExtraScreenState().width, 600);
    QCOMPARE(m_form->ExtraScreenState().height, drawnHeight);
    screen->move(40, 50);
    QTRY_COMPARE(m_editor->Value("位置X"), QString("40"));
    QCOMPARE(m_form->ExtraScreenState().left, 40);

    // The starting document formats with the result box; the record box's format replaces it.
    QVERIFY(screen->UseRBFormat->isChecked());
    screen->UseRRFormat->trigger();
    QVERIFY(screen->UseRRFormat->isChecked() && !screen->UseRBFormat->isChecked());
    QCOMPARE(m_form->ExtraScreenState().useFormat, QString("RandRecord"));
    screen->UseRRFormat->trigger();
    QCOMPARE(m_form->ExtraScreenState().useFormat, QString());

    screen->close();
    QVERIFY(m_editor->Requirer().isEmpty() && m_editor->Keys().isEmpty());
}

void ExtraDesignersTest::designedDrawRunsInDrawingWindow_data()
{
    QTest::addColumn<bool>("byButton");
    QTest::newRow("stopped by a text button") << true;
    QTest::newRow("stopped after 20 frames") << false;
}

void ExtraDesignersTest::designedDrawRunsInDrawingWindow()
{
    QFETCH(bool, byButton);
    TAnimateForm &f = *m_form;
    f.IntervalValue->setText("15");
    f.HideGoRandButton->setChecked(false);
    f.RandUseExtraScreen->setChecked(true);
    f.RandExtraScreenSet->click();
    TExtraScreenForm *screen = f.ExtraScreenForm;
    screen->RandConvert->trigger(); // a label
    screen->resize(520, 260);
    QTRY_COMPARE(f.ExtraScreenState().width, 520);
    screen->close();
    if (byButton) {
        f.StopByButton->setChecked(true);
        f.StopUseExtraButton->setChecked(true);
        f.StopExtraButtonSet->click();
        f.ExtraButtonForm->UseTextButton->click();
        qobject_cast<QPushButton *>(m_editor->ValueEditor("位置"))->click();
        m_placed(620, 420);
        f.ExtraButtonForm->BCancel->click();
    } else {
        f.StopByTimes->setChecked(true);
        f.StopTimesValue->setText("20");
    }
    QVERIFY(f.BSaveClick());
    const ExtraScreen designed = f.ExtraScreenState();
    const ExtraButton button = f.ExtraButtonState();

    WriteEditProject(0, kProject);
    TRandForm run;
    QCOMPARE(run.FormShow(), TRandForm::StartupOutcome::Shown);
    run.GoRandButton->click();
    QVERIFY(run.InDraw());
    QVERIFY(run.EScreen && run.EScreen->isVisible());
    QCOMPARE(run.EScreen->size(), QSize(designed.width, designed.height));
    QVERIFY(run.EScreen->RandLabel && !run.EScreen->RandMemo);
    QCOMPARE(run.EScreen->RandLabel->pos(), QPoint(designed.borderDistanceX, designed.borderDistanceY));
    QTRY_VERIFY(run.FramesShown() >= 2);
    QVERIFY(!run.EScreen->FrameText().isEmpty());
    if (byButton) {
        auto *stop = run.findChild<QPushButton *>("TextButton");
        QVERIFY(stop && stop->isVisible());
        QCOMPARE(stop->geometry(), QRect(620, 420, button.width, button.height));
        QCOMPARE(stop->text(), QString("停止"));
        stop->click();
        QVERIFY(!run.InDraw());
    } else {
        QVERIFY(run.TimesForm && run.TimesForm->isVisible());
        QTRY_VERIFY(!run.InDraw());
        QCOMPARE(run.FramesShown(), 20);
    }
    QVERIFY(!run.EScreen->isVisible());
    QVERIFY(!run.RecordText().isEmpty());
}

QTEST_MAIN(ExtraDesignersTest)
#include "tst_extradesigners.moc"
