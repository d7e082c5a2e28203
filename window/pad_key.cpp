#include "pad_key.h"

#include "contrast.h"

#include <QPainter>

void PadKey::paintEvent(QPaintEvent* event) {
    QPushButton::paintEvent(event);
    if (!hasFocus()) return;
    // Two pixels wide over the button's outer edge, where Fusion draws its own focus outline.
    constexpr qreal kRingWidth = 2;
    constexpr qreal kCornerRadius = 3;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(FocusRingColour(palette()), kRingWidth));
    const qreal inset = kRingWidth / 2;
    painter.drawRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), kCornerRadius, kCornerRadius);
}
