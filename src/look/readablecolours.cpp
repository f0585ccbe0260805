#include "readablecolours.h"

#include "gradient.h"
#include "suiteerror.h"

#include <QtMath>

#include <algorithm>

namespace {

// In order of preference: the suite's dark text, white, and black for mid-tone grounds.
const Rgb kTextCandidates[] = {{40, 40, 60}, {255, 255, 255}, {0, 0, 0}};

double Luminance(const Rgb &colour)
{
    auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.03928 ? c / 12.92 : qPow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.r) + 0.7152 * linear(colour.g) + 0.0722 * linear(colour.b);
}

double WorstContrast(const Rgb &text, const QVector<Rgb> &backdrop)
{
    double worst = 21.0;
    for (const Rgb &colour : backdrop)
        worst = std::min(worst, ContrastRatio(text, colour));
    return worst;
}

bool IsLabel(const ResultBox &box)
{
    return box.type == QStringLiteral("Label");
}

bool SomeTextReaches(const QVector<Rgb> &backdrop, double needed)
{
    if (backdrop.isEmpty())
        return false;
    return std::any_of(std::begin(kTextCandidates), std::end(kTextCandidates),
                       [&](const Rgb &candidate) { return WorstContrast(candidate, backdrop) >= needed; });
}

} // namespace

double ContrastRatio(const Rgb &a, const Rgb &b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QVector<Rgb> BoxBackdrop(const ResultBox &box, const BackgroundFill &window)
{
    return IsLabel(box) ? WindowBackdrop(window) : QVector<Rgb>{box.colour};
}

QVector<Rgb> WindowBackdrop(const BackgroundFill &window)
{
    if (window.type == kBgOfColor)
        return {window.colour};
    if (window.type != kBgOfChangingColor)
        return {};
    QVector<Rgb> stops;
    try {
        for (const GradientStop &stop : ParseGradient(window.gradient).stops)
            stops.append(Rgb{stop.red, stop.green, stop.blue});
    } catch (const SuiteError &) {
        // A malformed gradient paints nothing: the window's own colour shows.
    }
    return stops;
}

Rgb ReadableTextColour(const Rgb &text, const QVector<Rgb> &backdrop, double needed)
{
    if (backdrop.isEmpty() || WorstContrast(text, backdrop) >= needed)
        return text;
    const Rgb *best = &kTextCandidates[0];
    for (const Rgb &candidate : kTextCandidates) {
        if (WorstContrast(candidate, backdrop) >= needed)
            return candidate;
        if (WorstContrast(candidate, backdrop) > WorstContrast(*best, backdrop))
            best = &candidate;
    }
    return *best;
}

void MakeBoxReadable(ResultBox &box, const BackgroundFill &window)
{
    box.font.colour = ReadableTextColour(box.font.colour, BoxBackdrop(box, window));
}

void MakeBoxesReadable(FormSection &form, bool pictureProject)
{
    for (ResultBox *box : {&form.randBox, &form.randRecord})
        if (box->enabled)
            MakeBoxReadable(*box, form.background.fill);
    if (pictureProject) {
        FontSpec &font = form.pictureName.font;
        font.colour = ReadableTextColour(font.colour, WindowBackdrop(form.background.fill));
    }
}

namespace {
const Rgb kBlack{0, 0, 0};

// A ground no text reaches kHighContrast on turns plain black.
void MakeGroundHighContrast(BackgroundFill &fill)
{
    if (!SomeTextReaches(WindowBackdrop(fill), kHighContrast)) {
        fill = BackgroundFill{};
        fill.colour = kBlack;
    }
}
} // namespace

void MakeExtraScreenHighContrast(ExtraScreen &screen)
{
    MakeGroundHighContrast(screen.background);
    QVector<Rgb> backdrop = WindowBackdrop(screen.background);
    if (screen.randType == QStringLiteral("Memo")) {
        if (!SomeTextReaches({screen.randBgColour}, kHighContrast))
            screen.randBgColour = kBlack;
        backdrop = {screen.randBgColour};
    }
    screen.randFont.colour = ReadableTextColour(screen.randFont.colour, backdrop, kHighContrast);
}

void MakeFormHighContrast(FormSection &form, bool pictureProject)
{
    MakeGroundHighContrast(form.background.fill);
    const QVector<Rgb> window = WindowBackdrop(form.background.fill);
    auto contrast = [](FontSpec &font, const QVector<Rgb> &backdrop) {
        font.colour = ReadableTextColour(font.colour, backdrop, kHighContrast);
    };
    contrast(form.title.font, window);
    for (ResultBox *box : {&form.randBox, &form.randRecord}) {
        if (!IsLabel(*box) && !SomeTextReaches({box->colour}, kHighContrast))
            box->colour = kBlack;
        contrast(box->font, BoxBackdrop(*box, form.background.fill));
    }
    if (pictureProject)
        contrast(form.pictureName.font, window);
    for (RemarkLabel &remark : form.remarks)
        contrast(remark.font, window);
}
