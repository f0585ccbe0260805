// The animation dialog driven through its controls: loading, the three save checks,
// the colour strip's limits, what a save writes and keeps, and picture projects.
#include "animateform.h"
#include "codec.h"
#include "colourliststrip.h"
#include "designfixture.h"
#include "tdveditorform.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

namespace {
const QString kProject = QStringLiteral("动画工程");
const QString kNumbers = QStringLiteral("1.RandRangeNum.xml");
const QString kPictures = QStringLiteral("5.RandImages.xml");
} // namespace

class AnimateFormTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(BindCodec(SUITE_APP_DIR)); }
    void init();
    void cleanup();

    void loadsStoredSettingsAndEnablesByChoice();
    void stopKeyMayNotBeTheDrawKey();
    void musicNeedsAPath();
    void drawButtonThatStopsMayNotHide();
    void refusesMissingNumbers();
    void refusesIntervalsBeyondAnHour();
    void colourStripKeepsOneToSevenColours();
    void savesInUseAndKeepsSwitchedOffParts();
    void pictureProjectCoversWhatItDoesNotUse();

private:
    // Stores the starting document (changed by `edit`) and opens the dialog on it.
    void Open(const QString &demo, const std::function<void(QDomDocument &)> &edit = {});
    bool Refused(const QString &text);

    std::unique_ptr<DesignFixture> m_fixture;
    std::unique_ptr<TDVEditorForm> m_editor;
    std::unique_ptr<TAnimateForm> m_form;
};

void AnimateFormTest::init()
{
    m_fixture = std::make_unique<DesignFixture>();
    m_editor = std::make_unique<TDVEditorForm>();
}

void AnimateFormTest::cleanup()
{
    m_form.reset();
    m_editor.reset();
    m_fixture.reset();
}

void AnimateFormTest::Open(const QString &demo, const std::function<void(QDomDocument &)> &edit)
{
    QDomDocument document = StartingDocument(demo);
    QVERIFY(!document.isNull());
    if (edit)
        edit(document);
    m_fixture->Store(document, kProject);
    m_form = std::make_unique<TAnimateForm>(m_editor.get());
    QVERIFY(m_form->LoadProject(kProject));
    m_form->show();
}

// BSave refused with `text` (caption "参数有误"), the file untouched and the dialog open.
bool AnimateFormTest::Refused(const QString &text)
{
    const QByteArray before = m_fixture->FileBytes(kProject);
    m_fixture->messages.clear();
    const bool saved = m_form->BSaveClick();
    return !saved && m_fixture->messages.size() == 1 && m_fixture->messages[0].caption == "参数有误"
           && m_fixture->messages[0].icon == QMessageBox::Critical && m_fixture->messages[0].text == text
           && m_fixture->FileBytes(kProject) == before && m_form->isVisible();
}

void AnimateFormTest::loadsStoredSettingsAndEnablesByChoice()
{
    Open(kNumbers);
    TAnimateForm &f = *m_form;
    // The starting document: animation on with 25 ms frames, stopped by the draw button.
    QVERIFY(f.UseInRand->isChecked());
    QCOMPARE(f.IntervalValue->text(), QString("25"));
    QVERIFY(f.StopByButton->isChecked() && f.StopUseRandButton->isChecked());
    QVERIFY(f.RandUseRandBox->isChecked());
    QCOMPARE(f.CIntervalValue->text(), QString("2"));
    QCOMPARE(f.ColorSet->EditedList()->size(), 4);
    QVERIFY(!f.NeedNoBox->isVisible() && !f.NeedNoBox2->isVisible());

    QVERIFY(!f.StopShortCutValue->isEnabled() && !f.StopTimesValue->isEnabled());
    QVERIFY(f.StopUseRandButton->isEnabled() && !f.StopExtraButtonSet->isEnabled());
    f.StopUseExtraButton->setChecked(true);
    QVERIFY(f.StopExtraButtonSet->isEnabled());
    f.StopByTimes->setChecked(true);
    QVERIFY(f.StopTimesValue->isEnabled() && f.StopTimesVisible->isEnabled() && f.StopTimesSetFont->isEnabled());
    QVERIFY(!f.StopUseExtraButton->isEnabled() && !f.StopExtraButtonSet->isEnabled());
    QVERIFY(!f.RandExtraScreenSet->isEnabled());
    f.RandUseExtraScreen->setChecked(true);
    QVERIFY(f.RandExtraScreenSet->isEnabled());
    QVERIFY(!f.BgMusicPath->isEnabled());
    f.UseBgMusic->setChecked(true);
    QVERIFY(f.BgMusicPath->isEnabled() && f.BgMusicLoad->isEnabled());

    f.UseRBFontColor->setChecked(false);
    QVERIFY(!f.SetRBFontColor->isEnabled() && f.SetRBBgColor->isEnabled());
    f.UseRandBox->setChecked(false);
    QVERIFY(!f.UseRBBgColor->isEnabled() && !f.SetRBBgColor->isEnabled());

    // The starting document has the colour cycles off: their page shows once switched on.
    QVERIFY(f.PageLists->isTabVisible(0) && !f.PageLists->isTabVisible(2));
    f.UseBoxRecord->setChecked(true);
    QVERIFY(f.PageLists->isTabVisible(2));
    f.UseAfterRand->setChecked(false);
    QVERIFY(!f.PageLists->isTabVisible(1));
    // Typed letters never reach a number box.
    f.IntervalValue->setFocus();
    QTest::keyClicks(f.IntervalValue, "x7");
    QCOMPARE(f.IntervalValue->text(), QString("257"));
}

void AnimateFormTest::stopKeyMayNotBeTheDrawKey()
{
    Open(kNumbers);
    m_form->StopByShortCut->setChecked(true);
    m_form->StopShortCutValue->setCurrentText("F5");
    m_form->SetDesignDrawKey(true, "F5");
    QVERIFY(Refused("终止快捷键与生成随机数快捷键相冲突，请重新设置终止快捷键！"));

    // Only while the design uses its draw key.
    m_form->SetDesignDrawKey(false, "F5");
    QVERIFY(m_form->BSaveClick());
    const QDomDocument saved = m_fixture->Load(kProject);
    QCOMPARE(ElementAt(saved, "Animate/InRand/RandStopSet").attribute("Type"), QString("ShortCut"));
    QCOMPARE(ElementAt(saved, "Animate/InRand/RandStopSet/StopByShortCut").attribute("ShortCut"), QString("F5"));
    QVERIFY(!m_form->isVisible());

    // The draw key stored in the design counts until the canvas says otherwise.
    Open(kNumbers, [](QDomDocument &document) {
        ElementAt(document, "Form/GoRandShortCut").setAttribute("ShortCut", "Alt+B");
    });
    m_form->StopByShortCut->setChecked(true);
    m_form->StopShortCutValue->setCurrentText("Alt+B");
    QVERIFY(Refused("终止快捷键与生成随机数快捷键相冲突，请重新设置终止快捷键！"));
}

void AnimateFormTest::musicNeedsAPath()
{
    Open(kNumbers);
    m_form->UseAfterRand->setChecked(true);
    m_form->UseBgMusic->setChecked(true);
    m_form->UseAfterMusic->setChecked(true);
    // Both empty: one message, nothing saved.
    QVERIFY(Refused("背景音乐地址不能为空！"));
    m_form->BgMusicPath->setText(AppDir() + "music/draw.mp3");
    QVERIFY(Refused("背景音乐地址不能为空！"));
    m_form->AfterMusicPath->setText("/elsewhere/after.wav");
    QVERIFY(m_form->BSaveClick());
    const QDomDocument saved = m_fixture->Load(kProject);
    // Paths under the application directory are stored relative to it.
    QCOMPARE(ElementAt(saved, "Animate/InRand/BgMusic").attribute("BgMusicPath"), QString("[Application]music/draw.mp3"));
    QCOMPARE(ElementAt(saved, "Animate/AfterRand/BgMusic").attribute("BgMusicPath"), QString("/elsewhere/after.wav"));
    QCOMPARE(ElementAt(saved, "Animate").attribute("AfterRand"), QString("是"));
}

void AnimateFormTest::drawButtonThatStopsMayNotHide()
{
    Open(kNumbers);
    m_form->HideGoRandButton->setChecked(true);
    QVERIFY(Refused("若使用生成随机数按钮作为终止随机数的按钮，则不能隐藏生成随机数按钮！"));
    // Another stop makes hiding fine; so does switching the animation off.
    m_form->StopByTimes->setChecked(true);
    QVERIFY(m_form->BSaveClick());
    Open(kNumbers);
    m_form->HideGoRandButton->setChecked(true);
    m_form->UseInRand->setChecked(false);
    QVERIFY(m_form->BSaveClick());
}

void AnimateFormTest::refusesMissingNumbers()
{
    Open(kNumbers);
    m_form->StopByTimes->setChecked(true);
    m_form->StopTimesValue->clear();
    QVERIFY(Refused("动画间隔和终止次数必须是大于零的整数！"));
    m_form->StopTimesValue->setText("20");
    m_form->IntervalValue->setText("0");
    QVERIFY(Refused("动画间隔和终止次数必须是大于零的整数！"));
    m_form->IntervalValue->setText("30");
    QVERIFY(m_form->BSaveClick());
    QCOMPARE(ElementAt(m_fixture->Load(kProject), "Animate/InRand/RandStopSet/StopByTimes").attribute("Times"),
             QString("20"));
}

void AnimateFormTest::refusesIntervalsBeyondAnHour()
{
    Open(kNumbers);
    const QString tooLong("动画间隔不能超过3600秒（3600000毫秒），请重新设置！");
    m_form->IntervalValue->setText("3000000");
    m_form->IntervalUnit->setCurrentText("秒");
    QVERIFY(Refused(tooLong));
    m_form->IntervalValue->setText("30");
    m_form->UseBoxRecord->setChecked(true);
    m_form->CIntervalValue->setText("3601");
    m_form->CIntervalUnit->setCurrentText("秒");
    QVERIFY(Refused(tooLong));
    m_form->CIntervalValue->setText("3600");
    QVERIFY(m_form->BSaveClick());
}

void AnimateFormTest::colourStripKeepsOneToSevenColours()
{
    Open(kNumbers);
    m_form->UseBoxRecord->setChecked(true);
    ColourListStrip *strip = m_form->findChild<ColourListStrip *>("ColorSet");
    QVERIFY(strip);
    QVERIFY(!m_form->findChild<QLabel *>("Id3")->isHidden());
    QVERIFY(m_form->findChild<QLabel *>("Id4")->isHidden());

    // The record box's background list (three colours) through its link.
    m_form->SetRRBgColor->click();
    QCOMPARE(strip->EditedList(), &m_form->CycleColours(TAnimateForm::CycleList::RandRecordBg));
    QVERIFY(m_form->SetRRBgColor->font().bold() && !m_form->SetRBFontColor->font().bold());
    QTest::mouseClick(strip, Qt::LeftButton, {}, QPoint(2 * 27 + 5, 30));
    QCOMPARE(strip->Selected(), 2);
    QTest::mouseClick(strip, Qt::LeftButton, {}, QPoint(5 * 27 + 5, 30)); // empty cell
    QCOMPARE(strip->Selected(), 2);

    for (int i = 3; i < 7; ++i)
        strip->AddColour();
    QCOMPARE(strip->EditedList()->size(), 7);
    QCOMPARE(strip->EditedList()->last(), (Rgb{255, 255, 255}));
    QVERIFY(m_fixture->messages.isEmpty());
    strip->AddColour();
    QCOMPARE(strip->EditedList()->size(), 7);
    QCOMPARE(m_fixture->Texts(), QStringList{"颜色总数超出限制：最多只能设置七种颜色！"});

    // Deleting the selected third colour moves the later ones forward.
    const Rgb fourth = strip->EditedList()->at(3);
    strip->DeleteColour();
    QCOMPARE(strip->EditedList()->at(2), fourth);
    while (strip->EditedList()->size() > 1)
        strip->DeleteColour();
    m_fixture->messages.clear();
    strip->DeleteColour();
    QCOMPARE(strip->EditedList()->size(), 1);
    QCOMPARE(m_fixture->Texts(), QStringList{"颜色总数至少为一种：必须保留至少一种颜色！"});

    // A double click recolours the selected cell through the colour dialog.
    QTimer::singleShot(0, [this] {
        auto *dialog = m_form->findChild<QColorDialog *>("SetColor");
        dialog->setCurrentColor(QColor(10, 20, 30));
        dialog->accept();
    });
    QTest::mouseDClick(strip, Qt::LeftButton, {}, QPoint(5, 30));
    QCOMPARE(strip->EditedList()->at(0), (Rgb{10, 20, 30}));

    QVERIFY(m_form->BSaveClick());
    QCOMPARE(ElementAt(m_fixture->Load(kProject), "Animate/BoxRecord/UseRandRecord/BgColorList").attribute("Color"),
             QString("10,20,30"));
    // Closed: no list, no numbers.
    QVERIFY(!strip->EditedList());
    QVERIFY(m_form->findChild<QLabel *>("Id0")->isHidden());
}

void AnimateFormTest::savesInUseAndKeepsSwitchedOffParts()
{
    Open(kNumbers);
    const QString inRandBefore = ElementText(ElementAt(m_fixture->Load(kProject), "Animate/InRand"));
    m_form->IntervalValue->setText("99");
    m_form->UseInRand->setChecked(false);
    m_form->UseBoxRecord->setChecked(false);
    QVERIFY(m_form->BSaveClick());
    const QDomDocument saved = m_fixture->Load(kProject);
    QCOMPARE(ElementAt(saved, "Animate").attribute("InRand"), QString("否"));
    QCOMPARE(ElementAt(saved, "Animate").attribute("BoxRecord"), QString("否"));
    QCOMPARE(ElementText(ElementAt(saved, "Animate/InRand")), inRandBefore);

    // Switching it on again shows the previous settings.
    m_form = std::make_unique<TAnimateForm>(m_editor.get());
    QVERIFY(m_form->LoadProject(kProject));
    QVERIFY(!m_form->UseInRand->isChecked());
    QCOMPARE(m_form->IntervalValue->text(), QString("25"));
    m_form->UseInRand->setChecked(true);
    m_form->RandUseExtraScreen->setChecked(true);
    m_form->ExtraScreenState().borderDistanceX = 44;
    QVERIFY(m_form->BSaveClick());
    const QDomDocument again = m_fixture->Load(kProject);
    QCOMPARE(ElementAt(again, "Animate/InRand").attribute("RandVisibleType"), QString("ExtraScreen"));
    QCOMPARE(ElementAt(again, "Animate/InRand/ExtraScreen").attribute("BorderDistanceX"), QString("44"));
    // The other parts of the file are as they were.
    QCOMPARE(ElementText(ElementAt(again, "Form")), ElementText(ElementAt(StartingDocument(kNumbers), "Form")));
}

void AnimateFormTest::pictureProjectCoversWhatItDoesNotUse()
{
    Open(kPictures, [](QDomDocument &document) {
        ElementAt(document, "Animate").setAttribute("BoxRecord", "是");
    });
    const QString boxRecordBefore = ElementText(ElementAt(m_fixture->Load(kProject), "Animate/BoxRecord"));
    QVERIFY(m_form->IsPictureProject());
    QVERIFY(m_form->NeedNoBox->isVisible());
    QCOMPARE(m_form->NeedNoBox->text(), QString("当前工程类型无需设置此参数"));
    QVERIFY(m_form->NeedNoBox->geometry().contains(m_form->RandUseExtraScreen->parentWidget()->geometry()));
    m_form->PageLists->setCurrentWidget(m_form->BoxRecordSet);
    QVERIFY(m_form->NeedNoBox2->isVisible());
    m_form->CIntervalValue->setText("7");
    QVERIFY(m_form->BSaveClick());
    QCOMPARE(ElementText(ElementAt(m_fixture->Load(kProject), "Animate/BoxRecord")), boxRecordBefore);
}

QTEST_MAIN(AnimateFormTest)
#include "tst_animateform.moc"
