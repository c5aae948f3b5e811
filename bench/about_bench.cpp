// The cost of one credits frame in the about window: the plain gradient copied
// into the cache and the visible text rows blended over it.
#include <benchmark/benchmark.h>

#include <QImage>

#include "about/about_credits.h"
#include "about/credits_drawing.h"
#include "about/credits_frame.h"
#include "controls/fills.h"

namespace {

using namespace zhcalc;

constexpr QSize kControl(269, 264);
const QColor kKey(240, 240, 240);

struct Scene {
    QImage plain{kControl, QImage::Format_RGB32};
    QImage cache{kControl, QImage::Format_RGB32};
    QImage text;
    about::CreditsPath path = about::defaultCreditsPath(kControl.height());
    int maxPosition = 0;

    Scene() {
        controls::renderFill(plain, u"GradientVert",
                             {kKey, QColor(255, 255, 255), QColor(128, 128, 128)});
        about::CreditSections sections;
        about::fillAboutCredits(sections);
        text = about::buildTextBitmap(sections, kKey);
        maxPosition = kControl.height() + sections.totalHeight();
    }
};

// A frame with the text block filling the panel from top to bottom.
void BM_ComposeFrameFullPanel(benchmark::State& state) {
    Scene scene;
    const int position = scene.maxPosition / 2;
    for (auto _ : state) {
        about::composeFrame(scene.cache, scene.plain, scene.text, kKey, scene.path, position,
                            kControl);
        benchmark::DoNotOptimize(scene.cache.constBits());
    }
}
BENCHMARK(BM_ComposeFrameFullPanel);

// Every position of one whole cycle in turn, as the running scroller draws them.
void BM_ComposeFrameCycle(benchmark::State& state) {
    Scene scene;
    int position = 0;
    for (auto _ : state) {
        about::composeFrame(scene.cache, scene.plain, scene.text, kKey, scene.path, position,
                            kControl);
        benchmark::DoNotOptimize(scene.cache.constBits());
        position = position == scene.maxPosition ? 0 : position + 1;
    }
}
BENCHMARK(BM_ComposeFrameCycle);

// The running scroller's way: restoring only what the previous frame drew.
void BM_FrameComposerCycle(benchmark::State& state) {
    Scene scene;
    about::FrameComposer composer;
    composer.setText(scene.text, kKey);
    int position = 0;
    for (auto _ : state) {
        composer.compose(scene.cache, scene.plain, scene.path, position, kControl);
        benchmark::DoNotOptimize(scene.cache.constBits());
        position = position == scene.maxPosition ? 0 : position + 1;
    }
}
BENCHMARK(BM_FrameComposerCycle);

}  // namespace
