#pragma once

#include <QByteArray>
#include <QIcon>
#include <QImage>

// The window icon: 32 x 32 pixels, 16 colours (entry 0 transparent), drawn in code.
QImage MorvelinIcon();

// The icon `size` pixels square, in 32-bit colour. A whole multiple of 32 keeps every pixel of
// the picture a sharp square; any other size is smoothed down from the next whole multiple.
QImage MorvelinIcon(int size);

// The same picture as an SVG document on a 32 x 32 grid, for the icon theme's scalable size.
QByteArray MorvelinIconSvg();

// The icon at 32 and 64 pixels: a title bar at twice the scale takes the 64 one rather than
// blurring the small one up.
QIcon MorvelinWindowIcon();
