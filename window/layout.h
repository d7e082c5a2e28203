#pragma once

#include "key_table.h"

#include <array>

// Positions and sizes in twips: Left and Top of the outer rectangle relative to the container
// (the client area, or the group box widget itself for the option buttons), outer Width and
// Height.
struct TwipsRect {
    int Left;
    int Top;
    int Width;
    int Height;
};

inline constexpr int kClientWidth = 7560;
inline constexpr int kClientHeight = 4920;

inline constexpr TwipsRect kDisplayRect{240, 120, 4695, 525};
inline constexpr TwipsRect kFrameRect{240, 840, 4695, 735};

// Relative to Frame1's own top-left corner, as a frame's children are placed: Top 240 clears
// the caption in the frame's top border.
inline constexpr std::array<TwipsRect, 3> kOptionRects{{
    {120, 240, 1215, 255},   // Number
    {1560, 240, 1215, 255},  // Date
    {2880, 240, 1215, 255},  // Time
}};

// By ButtonIndex. Every row ends at 4935, the right edge of the display and of the frame.
inline constexpr std::array<TwipsRect, kKeyCount> kPadRects{{
    {180, 1800, 1515, 495},   // 0  Backspace
    {1860, 1800, 1515, 495},  // 1  CE
    {3480, 1800, 1455, 495},  // 2  C
    {180, 2400, 915, 495},    // 3  7
    {1140, 2400, 915, 495},   // 4  8
    {2100, 2400, 915, 495},   // 5  9
    {3060, 2400, 915, 495},   // 6  /
    {4020, 2400, 915, 495},   // 7  sqrt
    {180, 2940, 915, 495},    // 8  4
    {1140, 2940, 915, 495},   // 9  5
    {2100, 2940, 915, 495},   // 10 6
    {3060, 2940, 915, 495},   // 11 X
    {4020, 2940, 915, 495},   // 12 %
    {180, 3480, 915, 495},    // 13 1
    {1140, 3480, 915, 495},   // 14 2
    {2100, 3480, 915, 495},   // 15 3
    {3060, 3480, 915, 495},   // 16 -
    {4020, 3480, 915, 495},   // 17 1/x
    {180, 4020, 915, 495},    // 18 0
    {1140, 4020, 915, 495},   // 19 +/-
    {2100, 4020, 915, 495},   // 20 .
    {3060, 4020, 915, 495},   // 21 +
    {4020, 4020, 915, 495},   // 22 =
}};

// The help label's box with an empty text; with a text it grows about its vertical centre line,
// midway between the pad's right edge (4935) and the client area's (7560), its top kept.
inline constexpr TwipsRect kLabelEmptyRect{6210, 120, 75, 195};
inline constexpr double kLabelCentreTwips = kLabelEmptyRect.Left + kLabelEmptyRect.Width / 2.0;
static_assert(kLabelCentreTwips == (4935 + kClientWidth) / 2.0);
