#include "app/start_up.h"

#include <QApplication>
#include <QFontDatabase>
#include <cstdio>

#include "app/calculator_window.h"
#include "app/control_factory.h"
#include "app/display_platform.h"
#include "app/display_probe.h"
#include "app/first_paint_gate.h"
#include "app/sound.h"
#include "platform/fontconfig_preload.h"

namespace zhcalc {

namespace {

// The steps between creating the QApplication and creating the window: names the
// program to the desktop, installs the font stand-ins and lets `fonts` go on to read
// the toolkit's font list on its own thread.
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

// The calculator window, not yet shown. Its keys' text is drawn once `fonts` is
// ready, and its first paint waits for `fonts` to finish.
std::unique_ptr<CalculatorWindow> makeCalculatorWindow(SoundService& sound,
                                                       platform::FontconfigPreload& fonts) {
    auto window = std::make_unique<CalculatorWindow>(sound, fonts.ready());
    waitBeforeFirstPaint(*window, [&fonts] { fonts.wait(); });
    return window;
}

}  // namespace

int runCalculator(int argc, char** argv, const std::function<void(QWidget& window)>& beforeShow) {
    // Through an argument rather than QT_QPA_PLATFORM, so that the programs the
    // calculator starts (the mail program) see the session's environment unchanged.
    const SessionEnvironment session = currentSessionEnvironment();
    QtArguments arguments(argc, argv, chooseQtPlatform(session));
    // Before the toolkit, so that it overlaps the whole start-up below.
    platform::FontconfigPreload fontconfig;
    // Qt itself would abort with advice to reinstall, leaving a core dump behind. The
    // probe (a connection made and dropped, about 1 ms) overlaps the font loading.
    if (const auto problem =
            unreachableDisplayMessage(session, arguments.platform(), systemDisplayProbes())) {
        std::fprintf(stderr, "%s\n", problem->c_str());
        return kNoDisplayExitCode;
    }
    QApplication app(arguments.argc(), arguments.argv());
    prepareApplication(fontconfig);

    const auto sound = makeSoundService();
    const auto window = makeCalculatorWindow(*sound, fontconfig);
    if (beforeShow) beforeShow(*window);
    window->show();
    return QApplication::exec();
}

}  // namespace zhcalc
