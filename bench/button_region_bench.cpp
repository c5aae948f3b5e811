// Cost of cutting a button to its outline: the region of the backspace key's
// stretched leaf (49 x 41), and the elliptic digit key's face and region (38 x 25).
#include <benchmark/benchmark.h>

#include "controls/button_pictures.h"
#include "controls/image_face.h"
#include "controls/shape_face.h"

namespace {

using namespace zhcalc::controls;

void leafRegion(benchmark::State& state) {
    const QImage leaf = stretchPicture(mapleLeafPicture(false), QSize(49, 41));
    for (auto _ : state)
        benchmark::DoNotOptimize(regionFromPixels(leaf, qRgb(0, 0, 0)));
}
BENCHMARK(leafRegion);

ShapeFaceParams digitKey() {
    ShapeFaceParams params;
    params.shape = ButtonShape::bsEllipse;
    return params;
}

void ellipticKeyRegion(benchmark::State& state) {
    const ShapeFaceParams params = digitKey();
    for (auto _ : state)
        benchmark::DoNotOptimize(regionFromPixels(drawShapeFace(38, 25, params, true), kPureRed));
}
BENCHMARK(ellipticKeyRegion);

void ellipticKeyFace(benchmark::State& state) {
    const ShapeFaceParams params = digitKey();
    for (auto _ : state)
        benchmark::DoNotOptimize(drawShapeFace(38, 25, params, false));
}
BENCHMARK(ellipticKeyFace);

}  // namespace
