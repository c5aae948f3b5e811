// zhcalc: the calculator program. Reads no arguments, files or settings; runs until
// the calculator window is closed.
#include <QApplication>

#include "calculator/window/app_identity.h"
#include "calculator/window/calculator_window.h"
#include "calculator/window/sound.h"
#include "platform/fontconfig_preload.h"

int main(int argc, char** argv) {
    // First of all, so that it overlaps the whole start-up below.
    zhcalc::platform::FontconfigPreload fontconfig;
    QApplication app(argc, argv);
    zhcalc::prepareApplication(fontconfig);

    const auto sound = zhcalc::makeSoundService();
    const auto window = zhcalc::makeCalculatorWindow(*sound, fontconfig);
    window->show();
    return QApplication::exec();
}
