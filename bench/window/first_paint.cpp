// zhcalc's start-up up to its first painted window, then exit: the program's own
// start, for instruction counts under callgrind (run it on the offscreen platform),
// quitting where the real program would wait for the user.
#include <QCoreApplication>
#include <QTimer>
#include <QWidget>

#include "app/start_up.h"

namespace {

// Quits the event loop once the watched window has been painted.
class QuitAfterPaint : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

int main(int argc, char** argv) {
    QuitAfterPaint quitAfterPaint;
    return zhcalc::runCalculator(
        argc, argv, [&](QWidget& window) { window.installEventFilter(&quitAfterPaint); });
}
