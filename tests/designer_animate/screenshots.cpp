// Not a test: saves the animation dialog's pages, both designers with the value editor,
// and the drawing window during draws designed here, as PNG files to look at under a
// real display (xvfb-run).
//   screenshot_animate <output folder>
#include "animateform.h"
#include "apppaths.h"
#include "calclibrary.h"
#include "chineseui.h"
#include "codec.h"
#include "designfixture.h"
#include "escreenform.h"
#include "handoff.h"
#include "randform.h"
#include "tdveditorform.h"
#include "timesform.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {
QString g_output;

void Wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void Save(QWidget *widget, const QString &name)
{
    Wait(150);
    widget->grab().save(g_output + "/" + name + ".png");
}

void SaveScreen(const QString &name)
{
    Wait(150);
    QGuiApplication::primaryScreen()->grabWindow(0).save(g_output + "/" + name + ".png");
}
} // namespace

int main(int argc, char **argv)
{
    // The translation lies in the assembled application folder, not beside this tool.
    SetInstallDir(QStringLiteral(SUITE_APP_DIR));
    UseInterfaceLanguage();
    QApplication application(argc, argv);
    if (argc < 2) {
        std::fputs("usage: screenshot_animate <output folder>\n", stderr);
        return 2;
    }
    SubstituteMissingChineseFaces();
    g_output = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(g_output);
    BindCodec(SUITE_APP_DIR);
    BindCalcLibrary(SUITE_APP_DIR);
    DesignFixture fixture;
    const QString project = QStringLiteral("动画示例");
    fixture.Store(StartingDocument("1.RandRangeNum.xml"), project);
    fixture.Store(StartingDocument("5.RandImages.xml"), "图片示例");

    TDVEditorForm editor;
    TAnimateForm form(&editor);
    form.LoadProject("图片示例");
    form.show();
    Save(&form, "animate_picture_project");
    form.close();

    form.LoadProject(project);
    form.UseAfterRand->setChecked(true);
    form.UseBoxRecord->setChecked(true);
    form.show();
    for (int page = 0; page < 3; ++page) {
        form.PageLists->setCurrentIndex(page);
        Save(&form, QStringLiteral("animate_page%1").arg(page + 1));
    }
    form.PageLists->setCurrentIndex(0);

    form.RandUseExtraScreen->setChecked(true);
    // Placed below the drawing window, so the stop button stays in view during the draw.
    form.ExtraScreenState().formAlign = QStringLiteral("自定义");
    form.RandExtraScreenSet->click();
    form.ExtraScreenForm->move(420, 600);
    editor.move(1070, 600);
    QTest::mouseClick(form.ExtraScreenForm->RandMemo->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
    Save(form.ExtraScreenForm, "extrascreen_designer");
    Save(&editor, "extrascreen_editor");
    form.ExtraScreenForm->RandConvert->trigger();
    SaveScreen("extrascreen_label_screen");
    form.ExtraScreenForm->close();

    form.StopByButton->setChecked(true);
    form.StopUseExtraButton->setChecked(true);
    form.HideGoRandButton->setChecked(false);
    form.StopExtraButtonSet->click();
    form.ExtraButtonForm->UseTextButton->click();
    Save(form.ExtraButtonForm, "extrabutton_text");
    form.ExtraButtonForm->UseSpeedButton->click();
    SaveScreen("extrabutton_speed_screen");
    form.ExtraButtonForm->ButtonPlaced(600, 500);
    form.ExtraButtonForm->UseTextButton->click();
    form.ExtraButtonForm->close();
    form.IntervalValue->setText("40");
    form.BSaveClick();

    auto runDraw = [&](const QString &name) {
        WriteEditProject(0, project);
        TRandForm run;
        run.FormShow();
        run.move(0, 0);
        run.GoRandButton->click();
        Wait(600);
        SaveScreen(name + "_screen");
        Save(&run, name + "_window");
        if (run.EScreen)
            Save(run.EScreen, name + "_frames");
        run.StopDraw();
        Wait(100);
        Save(&run, name + "_after");
    };
    runDraw("run_textbutton");

    form.LoadProject(project);
    form.StopByTimes->setChecked(true);
    form.StopTimesValue->setText("200");
    form.BSaveClick();
    runDraw("run_times");

    form.LoadProject(project);
    form.RandUseRandBox->setChecked(true);
    form.StopByShortCut->setChecked(true);
    form.StopShortCutValue->setCurrentText("F9");
    form.BSaveClick();
    runDraw("run_key_resultbox");
    for (const QString &text : fixture.Texts())
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    return 0;
}
