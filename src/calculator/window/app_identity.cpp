#include "calculator/window/app_identity.h"

#include <QFontDatabase>
#include <QGuiApplication>

#include "calculator/window/calculator_window.h"
#include "calculator/window/control_factory.h"
#include "calculator/window/first_paint_gate.h"
#include "platform/fontconfig_preload.h"

namespace zhcalc {

void prepareApplication(platform::FontconfigPreload& fonts) {
    // The desktop entry carries the application title; Qt must not append it to the
    // window's own caption, so no display name is set here.
    QGuiApplication::setApplicationName(QStringLiteral("zhcalc"));
    QGuiApplication::setDesktopFileName(QStringLiteral("zhcalc"));
    factory::installFonts();
    // The font list is built once per process; the window needs it for its first
    // text, by which time the other thread has it ready.
    fonts.continueWith([] { QFontDatabase::families(); });
}

std::unique_ptr<CalculatorWindow> makeCalculatorWindow(SoundService& sound,
                                                       platform::FontconfigPreload& fonts) {
    auto window = std::make_unique<CalculatorWindow>(sound, fonts.ready());
    waitBeforeFirstPaint(*window, [&fonts] { fonts.wait(); });
    return window;
}

}  // namespace zhcalc
