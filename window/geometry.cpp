#include "geometry.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr bool LayoutInWholePixels() {
    const auto whole = [](const TwipsRect& rect) { return IsWholePixels(rect); };
    return IsWholePixels(kDisplayRect) && IsWholePixels(kFrameRect) && IsWholePixels(kLabelEmptyRect) &&
           std::ranges::all_of(kOptionRects, whole) && std::ranges::all_of(kPadRects, whole);
}
static_assert(LayoutInWholePixels());
static_assert(kClientWidth % kTwipsPerPixel == 0 && kClientHeight % kTwipsPerPixel == 0);

}  // namespace

QRect ToPixels(const TwipsRect& rect) {
    return {ToPixels(rect.Left), ToPixels(rect.Top), ToPixels(rect.Width), ToPixels(rect.Height)};
}

Placement CentredPlacement(double screenWidth, double screenHeight, double windowWidth, double windowHeight) {
    Placement placement{};
    placement.Top = static_cast<float>((screenHeight - windowHeight) / 2);
    placement.Left = static_cast<float>((screenWidth - windowWidth) / 2);
    return placement;
}

int CentredLabelLeft(int width) {
    return static_cast<int>(std::lround(kLabelCentreTwips / kTwipsPerPixel - width / 2.0));
}
