#pragma once

#include <functional>

class QWindow;

// Under X11 a client learns the window manager's frame (_NET_FRAME_EXTENTS) only once the window
// is mapped, so a window centred before that leaves the frame out. Calls `frameChanged` at most
// once: on the window's first exposure, if its frame margins differ from what they were when the
// watch began. The first exposure is the moment the window shows, before it can be used.
void WatchFirstFrame(QWindow& window, std::function<void()> frameChanged);
