#include "gradient.h"

#include "suiteerror.h"

#include <QImage>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>
#include <QCoreApplication>

namespace {
constexpr int kMaxStops = 5;

int ParseField(const QString &stopText, const QString &field, int low, int high)
{
    bool ok = false;
    const int value = field.trimmed().toInt(&ok);
    if (!ok)
        throw SuiteError(
            QCoreApplication::translate("Messages", "渐变色设置有误：颜色“%1”中的“%2”不是整数。").arg(stopText, field));
    if (value < low || value > high)
        throw SuiteError(QCoreApplication::translate("Messages", "渐变色设置有误：颜色“%1”中的“%2”超出范围 %3～%4。")
                             .arg(stopText, field)
                             .arg(low)
                             .arg(high));
    return value;
}

// A component after the running sum: whole part, kept within one byte. The running
// sum ends on the next stop's colour only up to rounding, so a sum that should end at
// 0 can come out at -0.0000001; clamping keeps that line at 0 instead of wrapping it
// round to 255.
int Component(double value)
{
    return std::clamp(static_cast<int>(std::floor(value)), 0, 255);
}

// The colour of every pixel along the axis, in drawing order (a later line wins);
// empty where no line falls.
std::vector<std::optional<QRgb>> AxisColours(const Gradient &gradient, int axisLength)
{
    std::vector<std::optional<QRgb>> colours(std::max(axisLength, 0));
    const QList<GradientStop> &stops = gradient.stops;
    if (stops.size() < 2 || axisLength <= 0)
        return colours;
    const double scale = axisLength * 0.01;
    for (qsizetype i = 0; i + 1 < stops.size(); ++i) {
        const GradientStop &from = stops[i];
        const GradientStop &to = stops[i + 1];
        const double length = (to.position - from.position) * scale;
        if (length == 0)
            continue;
        const double start = (from.position - stops.first().position) * scale;
        const double dR = (to.red - from.red) / length;
        const double dG = (to.green - from.green) / length;
        const double dB = (to.blue - from.blue) / length;
        double r = from.red, g = from.green, b = from.blue;
        // Positions are 0-100, so a segment never has more lines than the axis.
        for (int k = 0; k < length; ++k) {
            r += dR;
            g += dG;
            b += dB;
            const double at = k + start;
            const int pixel = static_cast<int>(at);  // truncated toward zero
            if (at <= -1 || pixel >= axisLength)
                continue;
            colours[pixel] = qRgb(Component(r), Component(g), Component(b));
        }
    }
    return colours;
}

bool IsDirectlyWritable(QImage::Format format)
{
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32
           || format == QImage::Format_ARGB32_Premultiplied;
}
} // namespace

Gradient ParseGradient(const QString &text)
{
    const QStringList fields = text.split(QLatin1Char('|'));
    Gradient gradient;
    gradient.direction = fields.last();
    for (qsizetype i = 0; i + 1 < fields.size() && gradient.stops.size() < kMaxStops; ++i) {
        const QStringList parts = fields[i].split(QLatin1Char(','));
        if (parts.size() != 4)
            throw SuiteError(
                QCoreApplication::translate("Messages", "渐变色设置有误：颜色“%1”应为红、绿、蓝和位置四个整数。")
                    .arg(fields[i]));
        GradientStop stop;
        stop.red = ParseField(fields[i], parts[0], 0, 255);
        stop.green = ParseField(fields[i], parts[1], 0, 255);
        stop.blue = ParseField(fields[i], parts[2], 0, 255);
        stop.position = ParseField(fields[i], parts[3], 0, 100);
        gradient.stops.append(stop);
    }
    return gradient;
}

void PaintGradient(const QString &text, QImage &image)
{
    PaintGradient(ParseGradient(text), image);
}

void PaintGradient(const Gradient &gradient, QImage &image)
{
    const bool hori = gradient.direction == GradientHori;
    if ((!hori && gradient.direction != GradientVert) || image.isNull())
        return;
    const int axisLength = hori ? image.width() : image.height();
    const std::vector<std::optional<QRgb>> colours = AxisColours(gradient, axisLength);

    if (IsDirectlyWritable(image.format())) {
        if (hori) {
            // Every row gets the same colours: build the first row, copy it to the rest.
            auto *first = reinterpret_cast<QRgb *>(image.scanLine(0));
            for (int x = 0; x < image.width(); ++x)
                if (colours[x])
                    first[x] = *colours[x];
            const bool whole = std::all_of(colours.begin(), colours.end(), [](const auto &c) { return c.has_value(); });
            for (int y = 1; y < image.height(); ++y) {
                auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
                if (whole) {
                    std::copy(first, first + image.width(), line);
                    continue;
                }
                for (int x = 0; x < image.width(); ++x)
                    if (colours[x])
                        line[x] = first[x];
            }
            return;
        }
        for (int y = 0; y < image.height(); ++y)
            if (colours[y]) {
                auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
                std::fill(line, line + image.width(), *colours[y]);
            }
        return;
    }
    QPainter painter(&image);
    for (int at = 0; at < axisLength; ++at) {
        if (!colours[at])
            continue;
        const QRect line = hori ? QRect(at, 0, 1, image.height()) : QRect(0, at, image.width(), 1);
        painter.fillRect(line, QColor(*colours[at]));
    }
}

QString ComposeGradient(const QList<GradientStop> &stops, const QString &direction)
{
    QString text;
    for (const GradientStop &stop : stops)
        text += QStringLiteral("%1,%2,%3,%4|").arg(stop.red).arg(stop.green).arg(stop.blue).arg(stop.position);
    return text + direction;
}

void PaintDialogBackground(QWidget *widget)
{
    QImage image(widget->size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    PaintGradient(DialogGradient, image);
    QPainter(widget).drawImage(0, 0, image);
}
