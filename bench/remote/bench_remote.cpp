// The phone remote's cost to the drawing window: the time from a press on the phone
// page (a command arriving on the WebSocket, over loopback) to the window's animation
// running, and the frames an animated draw shows with and without a phone connected.
// Run with QT_QPA_PLATFORM=offscreen (bench/run sets it) or under a display.
#include "apppaths.h"
#include "codec.h"
#include "randform.h"
#include "remotecontrol.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebSocket>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// The shipped animated roll-call, stopped by the draw button.
const QString kProject = QStringLiteral("课堂点名");

void WaitUntil(const std::function<bool()> &done)
{
    QElapsedTimer limit;
    limit.start();
    while (!done() && limit.elapsed() < 10'000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
}

void Pause(int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
}

class RemoteWindow
{
public:
    RemoteWindow()
    {
        SetAppDir(m_dir.path());
        QDir(m_dir.path()).mkpath("Data/Projects");
        QFile::copy(QStringLiteral(SUITE_APP_DIR "/Data/Projects/%1.rpj").arg(kProject), ProjectFilePath(kProject));
        form = std::make_unique<TRandForm>();
        form->FormShow(kProject);
        remote = AttachRemoteControl(*form);
        QString failure;
        remote->Enable(QHostAddress::LocalHost, &failure);
    }

    // A phone with the page's origin, connected and greeted.
    void ConnectPhone()
    {
        const QUrl page = remote->Server().PageUrl();
        phone = std::make_unique<QWebSocket>(QStringLiteral("http://127.0.0.1:%1").arg(page.port()));
        QUrl socketUrl = page;
        socketUrl.setScheme("ws");
        socketUrl.setPath(page.path() + "/ws");
        phone->open(socketUrl);
        WaitUntil([this] { return phone->state() == QAbstractSocket::ConnectedState; });
        Send({{"type", "hello"}, {"device", "bench-phone-0001"}});
        WaitUntil([this] { return !remote->Server().DeviceNames().isEmpty(); });
    }

    void Send(const QJsonObject &message)
    {
        phone->sendTextMessage(QString::fromUtf8(QJsonDocument(message).toJson(QJsonDocument::Compact)));
        phone->flush();
    }

    std::unique_ptr<TRandForm> form;
    RemoteControl *remote = nullptr;
    std::unique_ptr<QWebSocket> phone;

private:
    QTemporaryDir m_dir;
};

// Press on the phone to the window's animation running. The phone may send a few
// commands a second, so the presses are spaced out; only the press is timed.
void BM_PhonePressToAnimationStart(benchmark::State &state)
{
    RemoteWindow window;
    window.ConnectPhone();
    qint64 longestUs = 0;
    for (auto _ : state) {
        QElapsedTimer press;
        press.start();
        window.Send({{"type", "command"}, {"command", "start"}});
        WaitUntil([&] { return window.form->InDraw(); });
        const qint64 us = press.nsecsElapsed() / 1000;
        state.SetIterationTime(double(us) / 1e6);
        longestUs = qMax(longestUs, us);
        Pause(300);
        window.Send({{"type", "command"}, {"command", "stop"}});
        WaitUntil([&] { return !window.form->InDraw(); });
        Pause(300);
    }
    state.counters["longest_ms"] = double(longestUs) / 1000.0;
}
BENCHMARK(BM_PhonePressToAnimationStart)->Iterations(15)->UseManualTime()->Unit(benchmark::kMillisecond);

// Frames an animated draw shows in 3 seconds, without (0) and with (1) a phone
// connected, and the longest wait between two frames.
void BM_FramesWithPhone(benchmark::State &state)
{
    RemoteWindow window;
    if (state.range(0))
        window.ConnectPhone();
    for (auto _ : state) {
        QElapsedTimer sinceFrame;
        qint64 longestGap = 0;
        int lastFrames = 0;
        // Sample the frame count often enough to see each frame arrive.
        QTimer sampler;
        sampler.setTimerType(Qt::PreciseTimer);
        sampler.setInterval(1);
        QObject::connect(&sampler, &QTimer::timeout, [&] {
            if (window.form->FramesShown() != lastFrames) {
                lastFrames = window.form->FramesShown();
                longestGap = qMax(longestGap, sinceFrame.restart());
            }
        });
        window.form->GoRandButtonClick();
        sinceFrame.start();
        sampler.start();
        Pause(3000);
        sampler.stop();
        window.form->StopDraw();
        state.counters["frames_per_s"] = lastFrames / 3.0;
        state.counters["longest_gap_ms"] = double(longestGap);
    }
}
BENCHMARK(BM_FramesWithPhone)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    BindCodec(SUITE_APP_DIR);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
