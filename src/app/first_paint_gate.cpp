#include "app/first_paint_gate.h"

#include <QEvent>
#include <QWidget>
#include <utility>

namespace zhcalc {

namespace {

class FirstPaintGate : public QObject {
  public:
    FirstPaintGate(QWidget& window, std::function<void()> wait)
        : QObject(&window), wait_(std::move(wait)) {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && wait_) {
            // The window paints before its children, so this runs before any of them.
            std::exchange(wait_, nullptr)();
            watched->removeEventFilter(this);
        }
        return false;
    }

  private:
    std::function<void()> wait_;
};

}  // namespace

void waitBeforeFirstPaint(QWidget& window, std::function<void()> wait) {
    new FirstPaintGate(window, std::move(wait));  // owned by the window
}

}  // namespace zhcalc
