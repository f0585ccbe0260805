// The drawing window's speed: how many frames an animated draw of 100 numbers at a
// 20 ms interval really shows in 10 seconds, and the time from start-up to a painted
// window. Run with QT_QPA_PLATFORM=offscreen (bench/run sets it) or under a display.
#include "apppaths.h"
#include "codec.h"
#include "domutil.h"
#include "encodedxml.h"
#include "handoff.h"
#include "messages.h"
#include "randform.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// A number project drawing `count` numbers per batch, animated every `intervalMs`,
// stopped by the draw button.
QDomDocument NumberProject(int count, int intervalMs)
{
    const QString text = QStringLiteral(R"(<?xml version="1.0" encoding="UTF-8"?>
<RandProject>
  <Version Value="2.4" AccessByPwd="否" AccessPwd="" EditWithPwd="否" EditPwd=""/>
  <RandQuery><Rand Type="生成数值型随机数" PMode="1" Mode="数值范围模式">
    <Query Min="1" Max="1000" Pred="1" Format="0" RanCount="%1" AllowRepeat="是"/></Rand></RandQuery>
  <Form Width="900" Height="600" Left="0" Top="0" Align="居中">
    <Title Caption="速度测试" Font="255,255,255|微软雅黑|fsBold|26" Top="10" Left="0" Width="900" Height="46" Align="居中对齐"/>
    <Background Type="BgOfChangingColor" Color="0,162,232,0|63,72,204,100|Vert" MusicType="" MusicPath=""/>
    <RandBox Enabled="是" Type="Label" Font="255,255,255|微软雅黑|fsBold|14" Format="#随机数#" Top="70" Left="20" Width="860" Height="260"/>
    <RandRecord Enabled="是" Type="Memo" Font="0,0,0|微软雅黑||10" Color="255,255,255" Format="#随机数#" ReadOnly="是" NewLine="是" Top="340" Left="20" Width="860" Height="180"/>
    <GoRandButton Enabled="是" Caption="开始" Font="0,0,0|微软雅黑|fsBold|16" Top="530" Left="0" Width="200" Height="50" Align="居中对齐"/>
    <GoRandShortCut Enabled="否" ShortCut="F2"/>
    <Remarks Count="0"/>
  </Form>
  <Animate InRand="是" AfterRand="否" BoxRecord="否">
    <InRand HideGoRandButton="否" HideRandRecord="否" IntervalValue="%2" IntervalUnit="毫秒" RandVisibleType="RandBox">
      <RandStopSet Type="Button"><StopByButton Type="RandButton"/></RandStopSet>
      <BgMusic Enabled="否" BgMusicPath=""/>
    </InRand>
  </Animate>
</RandProject>)");
    return ParseXmlText(text.arg(count).arg(intervalMs), "bench");
}

class Installation
{
public:
    Installation()
    {
        SetAppDir(m_dir.path());
        QDir(m_dir.path()).mkpath("Data/Projects");
        SaveEncodedDocument(NumberProject(100, 20), ProjectFilePath("速度测试"));
        WriteEditProject(0, "速度测试");
    }

private:
    QTemporaryDir m_dir;
};

void RunEventsFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

class PaintWatch : public QObject
{
public:
    bool painted = false;
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            painted = true;
            ++paints;
        }
        return false;
    }
};

void BM_AnimatedDrawFrames(benchmark::State &state)
{
    Installation installation;
    constexpr int kSeconds = 10;
    constexpr int kIntervalMs = 20;
    for (auto _ : state) {
        TRandForm form;
        form.FormShow();
        RunEventsFor(200);
        // Paints of the result box: what reached the screen, not only what was set.
        PaintWatch resultPaints;
        form.RandBoxLabel->installEventFilter(&resultPaints);
        QElapsedTimer clock;
        clock.start();
        form.GoRandButton->click();
        RunEventsFor(kSeconds * 1000);
        const int shown = form.FramesShown();
        // Frames due in the time that really passed (the loop may end a little late).
        const int expected = int(clock.elapsed() / kIntervalMs);
        form.StopDraw();
        state.counters["frames_shown"] = shown;
        state.counters["frames_expected"] = expected;
        state.counters["shown_percent"] = 100.0 * shown / expected;
        state.counters["result_box_paints"] = resultPaints.paints;
    }
}
BENCHMARK(BM_AnimatedDrawFrames)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

void BM_StartupToPaintedWindow(benchmark::State &state)
{
    Installation installation;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        auto form = std::make_unique<TRandForm>();
        PaintWatch watch;
        form->installEventFilter(&watch);
        form->FormShow();
        while (!watch.painted && clock.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
        state.PauseTiming();
        form.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartupToPaintedWindow)->Iterations(20)->Unit(benchmark::kMillisecond)->UseManualTime();

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    if (!BindCodec(SUITE_APP_DIR)) {
        std::fprintf(stderr, "%s\n", qPrintable(CodecBindError()));
        return 1;
    }
    SetMessageHandler([](const ShownMessage &message) {
        std::fprintf(stderr, "message: %s: %s\n", qPrintable(message.caption), qPrintable(message.text));
        return QMessageBox::Ok;
    });
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
