// Number text in both directions: the hot paths of "=" and of every literal.

#include <benchmark/benchmark.h>

#include <string>

#include "engine/fpu.h"
#include "engine/number_text.h"

namespace {

const zhcalc::Number kPi = zhcalc::fpu::fromBits(16384, 0xC90FDAA22168C235);
constexpr zhcalc::DecimalSeparator kComma(',');

void floatToStrPi(benchmark::State& state) {
    zhcalc::Number value = kPi;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        std::string text = zhcalc::floatToStr(value, kComma);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(floatToStrPi);

// A literal read from the start of `text` (its number ends at the first non-digit).
void readNumberLiteral(benchmark::State& state, const char* text) {
    const std::string literal = text;
    for (auto _ : state) {
        std::size_t pos = 0;
        auto value = zhcalc::readNumberLiteral(literal, pos, kComma);
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK_CAPTURE(readNumberLiteral, Pi, "3,14159265358979");
BENCHMARK_CAPTURE(readNumberLiteral, SmallInteger, "42+");

void strToFloatPi(benchmark::State& state) {
    const std::string text = "3,14159265358979";
    for (auto _ : state) {
        auto value = zhcalc::strToFloat(text, kComma);
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(strToFloatPi);

}  // namespace

BENCHMARK_MAIN();
