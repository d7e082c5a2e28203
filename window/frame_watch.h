#pragma once

#include <functional>

class QWindow;

// Under X11 a client learns the window manager's frame (_NET_FRAME_EXTENTS) only around the time
// the window is mapped, some managers just before, others just after the first exposure; so a
// window centred before that leaves the frame out. Calls `frameChanged` at most once: at the
// first event on the window that finds its frame margins changed since the watch began, unless
// the user has pressed a key or a mouse button in the window before, which leaves it where it is.
void WatchFirstFrame(QWindow& window, std::function<void()> frameChanged);
