#pragma once

#include <QImage>

// The window icon: 32 x 32 pixels, 16 colours (entry 0 transparent), drawn in code.
QImage MorvelinIcon();
