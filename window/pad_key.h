#pragma once

#include <QPushButton>

// A pad button as the style draws it, with a ring on its edge while it has the focus. Styles
// mark a focused button faintly or not at all under some palettes (Fusion's outline on a dark
// one, Adwaita-Dark's), and the focus nearly always rests on a key, so the keyboard user needs
// to see which.
class PadKey : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};
