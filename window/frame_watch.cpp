#include "frame_watch.h"

#include <QEvent>
#include <QMargins>
#include <QWindow>

#include <utility>

namespace {

// While a window manager reparents a window, before the frame has its size or _NET_FRAME_EXTENTS is
// set, Qt can work out a frame with negative sides from the bare frame window.
bool IsFrame(const QMargins& margins) {
    return margins.left() >= 0 && margins.top() >= 0 && margins.right() >= 0 && margins.bottom() >= 0;
}

class FirstFrameWatch : public QObject {
public:
    FirstFrameWatch(QWindow& window, std::function<void()> frameChanged)
        : QObject(&window), window_(window), assumed_(window.frameMargins()), frameChanged_(std::move(frameChanged)) {
        window.installEventFilter(this);
    }

protected:
    // Installed on the window alone.
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        const bool used = event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonPress;
        const QMargins frame = window_.frameMargins();
        const bool framed = !used && window_.isExposed() && IsFrame(frame) && frame != assumed_;
        if (used || framed) {
            window_.removeEventFilter(this);
            deleteLater();
        }
        if (framed) frameChanged_();
        return false;
    }

private:
    QWindow& window_;
    QMargins assumed_;
    std::function<void()> frameChanged_;
};

}  // namespace

void WatchFirstFrame(QWindow& window, std::function<void()> frameChanged) {
    new FirstFrameWatch(window, std::move(frameChanged));
}
