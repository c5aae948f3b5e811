// Cost of keeping the calculator window's holes in step with its picture: a cut of
// the whole window (the first paint, a new screen) and the recut after the register-
// clear key is pressed (its area only), at the scale factors 1, 1.5 and 2. Each
// includes the shape sent to the X server (the window less the holes), not the
// request itself. The pictures are the real window's, rendered offscreen.
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QPainter>
#include <map>

#include "app/calculator_window.h"
#include "app/colour_key.h"

namespace {

using namespace zhcalc;

const QRgb kAqua = qRgb(0, 255, 255);

class Silence : public SoundService {
  public:
    void play(std::span<const std::uint8_t>) override {}
};

struct Pictures {
    QImage rest;
    QImage pressed;
    QRect key;  // the register-clear key, logical window coordinates
};

QImage render(QWidget& window, qreal dpr) {
    QImage picture((QSizeF(window.size()) * dpr).toSize(), QImage::Format_RGB32);
    picture.setDevicePixelRatio(dpr);
    window.render(&picture);
    return picture;
}

// The window at `scale`, at rest and with the register-clear key held down.
const Pictures& picturesAt(int scalePercent) {
    static Silence silence;
    static CalculatorWindow window(silence);
    static std::map<int, Pictures> cache;
    auto found = cache.find(scalePercent);
    if (found != cache.end()) return found->second;
    const qreal dpr = scalePercent / 100.0;
    auto* key = window.findChild<QAbstractButton*>(QStringLiteral("ImageBtn2"));
    Pictures pictures;
    pictures.key = key->geometry();
    pictures.rest = render(window, dpr);
    key->setDown(true);
    pictures.pressed = render(window, dpr);
    key->setDown(false);
    return cache.emplace(scalePercent, std::move(pictures)).first->second;
}

QRegion shapeOf(const QImage& picture, const QRegion& holes) {
    return QRegion(picture.rect()) - holes;
}

void fullWindowCut(benchmark::State& state) {
    const Pictures& pictures = picturesAt(static_cast<int>(state.range(0)));
    const QImage& picture = pictures.rest;
    for (auto _ : state) {
        const Recut recut = recutHoles(QRegion(), picture, kAqua, picture.rect());
        benchmark::DoNotOptimize(shapeOf(picture, recut.holes));
    }
    state.counters["device_pixels"] = picture.width() * picture.height();
}
BENCHMARK(fullWindowCut)->Arg(100)->Arg(150)->Arg(200)->Unit(benchmark::kMicrosecond);

void keyPressRecut(benchmark::State& state) {
    const Pictures& pictures = picturesAt(static_cast<int>(state.range(0)));
    const QRegion rest = regionOfColor(pictures.rest, kAqua, pictures.rest.rect());
    const QRegion damaged = deviceRegion(pictures.key, pictures.pressed.devicePixelRatio());
    if (!recutHoles(rest, pictures.pressed, kAqua, damaged).changed) {
        state.SkipWithError("the pressed key changed no hole");
        return;
    }
    for (auto _ : state) {
        const Recut recut = recutHoles(rest, pictures.pressed, kAqua, damaged);
        benchmark::DoNotOptimize(shapeOf(pictures.pressed, recut.holes));
    }
}
BENCHMARK(keyPressRecut)->Arg(100)->Arg(150)->Arg(200)->Unit(benchmark::kMicrosecond);

// A repaint that changes no hole (a digit key, the display): the recut alone, no shape.
void unchangedRecut(benchmark::State& state) {
    const Pictures& pictures = picturesAt(static_cast<int>(state.range(0)));
    const QRegion rest = regionOfColor(pictures.rest, kAqua, pictures.rest.rect());
    const QRegion damaged = deviceRegion(pictures.key, pictures.rest.devicePixelRatio());
    for (auto _ : state) {
        benchmark::DoNotOptimize(recutHoles(rest, pictures.rest, kAqua, damaged).changed);
    }
}
BENCHMARK(unchangedRecut)->Arg(100)->Arg(200)->Unit(benchmark::kMicrosecond);

}  // namespace
