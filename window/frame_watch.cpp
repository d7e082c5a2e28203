#include "frame_watch.h"

#include <QEvent>
#include <QMargins>
#include <QWindow>

#include <utility>

namespace {

class FirstFrameWatch : public QObject {
public:
    FirstFrameWatch(QWindow& window, std::function<void()> frameChanged)
        : QObject(&window), window_(window), assumed_(window.frameMargins()), frameChanged_(std::move(frameChanged)) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Expose && window_.isExposed()) {
            window_.removeEventFilter(this);
            deleteLater();
            if (window_.frameMargins() != assumed_) frameChanged_();
        }
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
