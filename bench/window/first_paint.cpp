// zhcalc's start-up up to its first painted window, then exit: the same steps as the
// program's main, for instruction counts under callgrind (run it on the offscreen
// platform), where the real program would wait for the user.
#include <QApplication>
#include <QTimer>

#include "calculator/window/app_identity.h"
#include "calculator/window/calculator_window.h"
#include "calculator/window/sound.h"
#include "platform/fontconfig_preload.h"

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
    // First of all, so that it overlaps the whole start-up below.
    zhcalc::platform::FontconfigPreload fontconfig;
    QApplication app(argc, argv);
    zhcalc::prepareApplication(fontconfig);

    const auto sound = zhcalc::makeSoundService();
    const auto window = zhcalc::makeCalculatorWindow(*sound, fontconfig);
    QuitAfterPaint quitAfterPaint;
    window->installEventFilter(&quitAfterPaint);
    window->show();
    return QApplication::exec();
}
