// Runs the benchmarks of pictures and widgets inside one QApplication, on the
// offscreen platform unless another is asked for, with the program's font stand-ins.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>

#include "controls/fonts.h"

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    zhcalc::controls::installFontSubstitutes();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
