// Gradient fills at the sizes the suite paints: a full-screen drawing window background
// and the colour list editor's preview, against filling the same image with one
// QPainter line per step (what a straightforward painter would do).
#include "gradient.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {
const QString kFiveStops = QStringLiteral("255,0,0,0|255,200,0,25|0,200,80,50|0,120,255,75|120,0,200,100|%1");

void FillOneLinePerStep(const Gradient &gradient, QImage &image)
{
    const bool hori = gradient.direction == GradientHori;
    const double scale = (hori ? image.width() : image.height()) * 0.01;
    QPainter painter(&image);
    for (int i = 0; i + 1 < gradient.stops.size(); ++i) {
        const GradientStop &a = gradient.stops[i];
        const GradientStop &b = gradient.stops[i + 1];
        const double length = (b.position - a.position) * scale;
        if (length == 0)
            continue;
        const double start = (a.position - gradient.stops[0].position) * scale;
        double r = a.red, g = a.green, bl = a.blue;
        for (int k = 0; k < length; ++k) {
            r += (b.red - a.red) / length;
            g += (b.green - a.green) / length;
            bl += (b.blue - a.blue) / length;
            painter.setPen(QColor(int(r), int(g), int(bl)));
            const int at = int(k + start);
            if (hori)
                painter.drawLine(at, 0, at, image.height() - 1);
            else
                painter.drawLine(0, at, image.width() - 1, at);
        }
    }
}

void Paint(benchmark::State &state, bool viaLines, const QString &direction, QSize size)
{
    const QString text = kFiveStops.arg(direction);
    const Gradient gradient = ParseGradient(text);
    QImage image(size, QImage::Format_RGB32);
    for (auto _ : state) {
        if (viaLines)
            FillOneLinePerStep(gradient, image);
        else
            PaintGradient(text, image);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["Mpixel/s"] = benchmark::Counter(double(size.width()) * size.height() / 1e6,
                                                    benchmark::Counter::kIsIterationInvariantRate);
}
} // namespace

BENCHMARK_CAPTURE(Paint, window_vert_fill, false, GradientVert, QSize(1920, 1080))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Paint, window_vert_lines, true, GradientVert, QSize(1920, 1080))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Paint, window_hori_fill, false, GradientHori, QSize(1920, 1080))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Paint, window_hori_lines, true, GradientHori, QSize(1920, 1080))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Paint, preview_vert_fill, false, GradientVert, QSize(420, 235))->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
