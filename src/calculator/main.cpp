// zhcalc: the calculator program. Reads no arguments, files or settings; runs until
// the calculator window is closed.
#include <QApplication>

#include "calculator/window/calculator_window.h"
#include "calculator/window/control_factory.h"
#include "calculator/window/sound.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The desktop entry carries the application title; Qt must not append it to
    // the window's own caption, so no display name is set here.
    QApplication::setApplicationName(QStringLiteral("zhcalc"));
    QGuiApplication::setDesktopFileName(QStringLiteral("zhcalc"));
    zhcalc::factory::installFonts();

    const auto sound = zhcalc::makeSoundService();
    zhcalc::CalculatorWindow window(*sound);
    window.show();
    return QApplication::exec();
}
