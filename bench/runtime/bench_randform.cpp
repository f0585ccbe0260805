// The drawing window's speed: how many frames an animated draw of 100 numbers at a
// 20 ms interval really shows in 10 seconds, the same for a picture draw from large
// photos, and the time from start-up to a painted window. Run with QT_QPA_PLATFORM=offscreen (bench/run sets it) or under a display.
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
#include <QImage>
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

// A picture project drawing one of `count` photos of 3000 × 2000 pixels, animated
// every `intervalMs`.
QDomDocument PictureProject(int count, int intervalMs)
{
    QDomDocument document = NumberProject(1, intervalMs);
    QDomElement rand = document.documentElement().firstChildElement("RandQuery").firstChildElement("Rand");
    rand.setAttribute("PMode", "5");
    rand.setAttribute("Mode", "图片模式");
    QDomElement query = rand.firstChildElement("Query");
    for (const QString &attribute : {"Min", "Max", "Pred", "Format", "AllowRepeat"})
        query.removeAttribute(attribute);
    QStringList paths;
    for (int i = 1; i <= count; ++i)
        paths << QStringLiteral("[Application]Img/photo%1.jpg").arg(i);
    query.setAttribute("ImgList", paths.join('|'));
    query.setAttribute("RanCount", "1");
    query.setAttribute("AutoDel", "否");
    QDomElement form = document.documentElement().firstChildElement("Form");
    form.removeChild(form.firstChildElement("RandBox"));
    form.removeChild(form.firstChildElement("RandRecord"));
    QDomElement box = document.createElement("RandBox");
    box.setAttribute("Enabled", "否");
    form.appendChild(box);
    QDomElement record = document.createElement("RandRecord");
    record.setAttribute("Enabled", "否");
    form.appendChild(record);
    QDomElement pic = document.createElement("Pic");
    for (const auto &[name, value] : {std::pair{"Center", "是"}, {"AllowStretch", "是"}, {"Interval", "2000"},
                                      {"Top", "70"}, {"Left", "50"}, {"Width", "800"}, {"Height", "400"}})
        pic.setAttribute(name, value);
    form.appendChild(pic);
    QDomElement name = document.createElement("PicName");
    for (const auto &[attribute, value] : {std::pair{"Visible", "是"}, {"Type", "仅图片名称"},
                                           {"Font", "255,255,255|微软雅黑|fsBold|16"}, {"Top", "480"}, {"Left", "0"},
                                           {"Width", "900"}, {"Height", "30"}, {"Align", "居中对齐"}})
        name.setAttribute(attribute, value);
    form.appendChild(name);
    return document;
}

constexpr int kPhotos = 12;

class Installation
{
public:
    Installation()
    {
        SetAppDir(m_dir.path());
        QDir(m_dir.path()).mkpath("Data/Projects");
        QDir(m_dir.path()).mkpath("Img");
        SaveEncodedDocument(NumberProject(100, 20), ProjectFilePath("速度测试"));
        SaveEncodedDocument(PictureProject(kPhotos, 20), ProjectFilePath("图片速度测试"));
        for (int i = 1; i <= kPhotos; ++i) {
            QImage photo(3000, 2000, QImage::Format_RGB32);
            for (int y = 0; y < photo.height(); ++y) {
                QRgb *line = reinterpret_cast<QRgb *>(photo.scanLine(y));
                for (int x = 0; x < photo.width(); ++x)
                    line[x] = qRgb((x * i) & 0xFF, (y + i * 20) & 0xFF, ((x ^ y) + i) & 0xFF);
            }
            photo.save(AppDir() + QStringLiteral("Img/photo%1.jpg").arg(i), "JPG", 90);
        }
    }

    static void Open(const QString &project) { WriteEditProject(0, project); }

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

Installation &TheInstallation()
{
    static Installation installation;
    return installation;
}

// Runs an animated draw of the open project for `seconds` and reports the frames shown
// against the frames due, and the paints of the box that shows them.
void MeasureAnimatedDraw(benchmark::State &state, int seconds)
{
    constexpr int kIntervalMs = 20;
    for (auto _ : state) {
        TRandForm form;
        form.FormShow();
        RunEventsFor(200);
        // Paints of the box that shows the frames: what reached the screen.
        PaintWatch resultPaints;
        QWidget *frameBox = form.RandBoxLabel ? static_cast<QWidget *>(form.RandBoxLabel)
                                              : static_cast<QWidget *>(form.RandPic);
        frameBox->installEventFilter(&resultPaints);
        QElapsedTimer clock;
        clock.start();
        form.GoRandButton->click();
        RunEventsFor(seconds * 1000);
        const int shown = form.FramesShown();
        // Frames due in the time that really passed (the loop may end a little late).
        const int expected = int(clock.elapsed() / kIntervalMs);
        form.StopDraw();
        state.counters["frames_shown"] = shown;
        state.counters["frames_expected"] = expected;
        state.counters["shown_percent"] = 100.0 * shown / expected;
        state.counters["frame_box_paints"] = resultPaints.paints;
    }
}

void BM_AnimatedDrawFrames(benchmark::State &state)
{
    TheInstallation().Open("速度测试");
    MeasureAnimatedDraw(state, 10);
}
BENCHMARK(BM_AnimatedDrawFrames)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

void BM_AnimatedPictureDrawFrames(benchmark::State &state)
{
    TheInstallation().Open("图片速度测试");
    MeasureAnimatedDraw(state, 5);
}
BENCHMARK(BM_AnimatedPictureDrawFrames)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

void BM_StartupToPaintedWindow(benchmark::State &state)
{
    TheInstallation().Open("速度测试");
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
