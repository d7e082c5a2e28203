#pragma once

#include <QColor>

class QPalette;

// Lines that mark something must stand out at least this much from what they are drawn on: the
// WCAG contrast ratio for graphical objects.
inline constexpr double kMinimumContrast = 3.0;

// The WCAG contrast ratio of two colours' relative luminances: 1 (the same) to 21 (black and white).
double ContrastRatio(const QColor& one, const QColor& other);

// `from` blended toward `toward` by as few 32nds as reach `ratio` against `ground`: `from` itself
// where it already contrasts enough, `toward` where no blend does.
QColor ContrastingColour(const QColor& from, const QColor& toward, const QColor& ground, double ratio);

// The theme's own colours where they contrast enough, moved toward the text colour where not, so
// that a pale or a dark theme keeps its character.
QColor FrameBorderColour(const QPalette& palette);  // against the window
QColor FocusRingColour(const QPalette& palette);    // against a key's face
