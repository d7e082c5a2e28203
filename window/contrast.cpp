#include "contrast.h"

#include <QPalette>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kBlendSteps = 32;

// An sRGB channel in [0, 1] to linear light in [0, 1].
double Linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

// [0, 1]
double RelativeLuminance(const QColor& colour) {
    return 0.2126 * Linear(colour.redF()) + 0.7152 * Linear(colour.greenF()) + 0.0722 * Linear(colour.blueF());
}

QColor Blend(const QColor& from, const QColor& toward, int step) {
    const auto mix = [step](int a, int b) { return a + (b - a) * step / kBlendSteps; };
    return {mix(from.red(), toward.red()), mix(from.green(), toward.green()), mix(from.blue(), toward.blue())};
}

}  // namespace

double ContrastRatio(const QColor& one, const QColor& other) {
    const double a = RelativeLuminance(one), b = RelativeLuminance(other);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor ContrastingColour(const QColor& from, const QColor& toward, const QColor& ground, double ratio) {
    for (int step = 0; step < kBlendSteps; ++step) {
        const QColor blend = Blend(from, toward, step);
        if (ContrastRatio(blend, ground) >= ratio) return blend;
    }
    return toward;
}

QColor FrameBorderColour(const QPalette& palette) {
    return ContrastingColour(palette.color(QPalette::Mid), palette.color(QPalette::WindowText),
                             palette.color(QPalette::Window), kMinimumContrast);
}

QColor FocusRingColour(const QPalette& palette) {
    // Styles draw a key's face off the palette's button colour (Fusion lightens a dark one by
    // about a fifth), so the ring aims at 4.5:1 against the palette to keep 3:1 against the face.
    constexpr double kRingContrast = 4.5;
    return ContrastingColour(palette.color(QPalette::Highlight), palette.color(QPalette::ButtonText),
                             palette.color(QPalette::Button), kRingContrast);
}
