#pragma once

#include "layout.h"

#include <QRect>

inline constexpr int kTwipsPerPixel = 15;

// Whole pixels only: every layout value is a multiple of 15 twips (checked below), so the
// layout has no rounding to decide.
constexpr int ToPixels(int twips) { return twips / kTwipsPerPixel; }
constexpr bool IsWholePixels(const TwipsRect& rect) {
    return rect.Left % kTwipsPerPixel == 0 && rect.Top % kTwipsPerPixel == 0 && rect.Width % kTwipsPerPixel == 0 &&
           rect.Height % kTwipsPerPixel == 0;
}
QRect ToPixels(const TwipsRect& rect);

// A window position in twips, unrounded: an odd difference leaves half a twip.
struct Placement {
    float Top;
    float Left;
};

// Centres an outer window size on a whole screen, all in twips. Nothing clamps: a window larger
// than the screen gets a negative Top or Left.
Placement CentredPlacement(double screenWidth, double screenHeight, double windowWidth, double windowHeight);

// Left edge in pixels of a label `width` pixels wide centred about kLabelCentreTwips.
int CentredLabelLeft(int width);
