#include "pad_key.h"

#include "contrast.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

void PadKey::paintEvent(QPaintEvent* /*event*/) {
    // As QPushButton paints itself, but with the key's own direction: a painter takes the
    // application's, and "1/x" would read "x/1" in a right-to-left language.
    QStylePainter face(this);
    face.setLayoutDirection(layoutDirection());
    QStyleOptionButton option;
    initStyleOption(&option);
    face.drawControl(QStyle::CE_PushButton, option);
    face.end();
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
