// Opens the about window, lets its credits scroll and reports the CPU time the
// whole process spent (all threads, user and system) over a measuring window.
//   about_cpu_probe [seconds]
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "about/about_window.h"
#include "about/credits.h"

namespace {

// utime + stime of this process in clock ticks (fields 14 and 15 of /proc/self/stat).
long long processCpuTicks() {
    std::ifstream stat("/proc/self/stat");
    std::string line;
    std::getline(stat, line);
    // The command name may hold blanks; the fields after it start past the last ')'.
    std::istringstream fields(line.substr(line.rfind(')') + 2));
    std::string field;
    long long utime = 0;
    long long stime = 0;
    for (int index = 3; fields >> field; ++index) {
        if (index == 14) utime = std::stoll(field);
        if (index == 15) {
            stime = std::stoll(field);
            break;
        }
    }
    return utime + stime;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const double seconds = argc > 1 ? std::stod(argv[1]) : 10.0;

    auto* window =
        zhcalc::about::createAboutWindow(nullptr, [] { return zhcalc::DecimalSeparator(); });
    int ticks = 0;
    QObject::connect(window->credits(), &zhcalc::about::Credits::timerTicked, [&] { ++ticks; });
    window->show();

    // One second to settle (fonts, first paints), then measure.
    long long startTicks = 0;
    int startCount = 0;
    QElapsedTimer wall;
    QTimer::singleShot(1000, [&] {
        startTicks = processCpuTicks();
        startCount = ticks;
        wall.start();
        QTimer::singleShot(static_cast<int>(seconds * 1000), [&] {
            const double cpu = static_cast<double>(processCpuTicks() - startTicks) /
                               static_cast<double>(sysconf(_SC_CLK_TCK));
            const double elapsed = static_cast<double>(wall.elapsed()) / 1000.0;
            std::printf(
                "platform %s: %.2f s wall, %.3f s CPU, %.2f %% of one core, %d ticks "
                "(%.1f per second)\n",
                qPrintable(QGuiApplication::platformName()), elapsed, cpu, 100.0 * cpu / elapsed,
                ticks - startCount, (ticks - startCount) / elapsed);
            window->close();
            QApplication::quit();
        });
    });
    return QApplication::exec();
}
