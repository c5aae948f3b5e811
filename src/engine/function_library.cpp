#include "engine/function_library.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <string_view>

#include "engine/errors.h"
#include "engine/fpu.h"
#include "engine/inverse_factorial.h"
#include "engine/math_parser.h"
#include "engine/number_text.h"
#include "engine/x87_math.h"

namespace zhcalc {

namespace {

constexpr Number kPiOver180 = fpu::fromBits(16377, 0x8EFA351294E9C8AE);
constexpr Number k180OverPi = fpu::fromBits(16388, 0xE52EE0D31E0FBDC3);
constexpr Number kPiOver200 = fpu::fromBits(16377, 0x80ADFC90B938CE36);
constexpr Number k200OverPi = fpu::fromBits(16388, 0xFEA5DD5C5A4A6111);
constexpr Number kTwoPi = fpu::fromBits(16385, 0xC90FDAA22168C235);
constexpr Number kTwo = 2;
constexpr Number kTen = 10;
// One unit in the last place above the parser's PI: the base of "ArcLogpi".
constexpr Number kPiPlusUlp = fpu::fromBits(16384, 0xC90FDAA22168C236);
// 1E-16: below it the hyperbolic functions return their value at 0.
constexpr Number kTolerance = fpu::fromBits(16329, 0xE69594BEC44DE15B);

bool isNearZero(Number x) {
    return std::fabs(x) <= kTolerance;
}

bool sameValueTol(Number a, Number b) {
    const Number eps =
        std::fmax(fpu::mul(std::fmin(std::fabs(a), std::fabs(b)), kTolerance), kTolerance);
    return std::fabs(fpu::sub(a, b)) <= eps;
}

Number checked(fpu::Result r) {
    fpu::check(r.status);
    return r.value;
}

// The unit conversions: x times, or over, one of the constants above.
template <const Number& factor>
Number times(Number x) {
    return fpu::mul(x, factor);
}
template <const Number& divisor>
Number over(Number x) {
    return fpu::div(x, divisor);
}

// 1 / tan x with FPTAN. Beyond 2^63 FPTAN leaves no quotient to divide by, which
// the x87 reports as an invalid operation.
Number cotan(Number x) {
    const auto tangent = fpu::fptan(x);
    if (tangent.status & fpu::kOutOfRange) throw EInvalidOp();
    return fpu::div(1, checked(tangent));
}

Number sinh(Number x) {
    if (isNearZero(x)) return 0;
    return fpu::div(fpu::sub(x87::exp(x), x87::exp(-x)), 2);
}

Number cosh(Number x) {
    if (isNearZero(x)) return 1;
    return fpu::div(fpu::add(x87::exp(x), x87::exp(-x)), 2);
}

Number tanh(Number x) {
    if (isNearZero(x)) return 0;
    return fpu::div(sinh(x), cosh(x));
}

Number arcCosh(Number x) {
    const Number root = checked(fpu::fsqrt(fpu::div(fpu::sub(x, 1), fpu::add(x, 1))));
    return x87::ln(fpu::add(x, fpu::mul(fpu::add(x, 1), root)));
}

Number arcSinh(Number x) {
    const Number root = checked(fpu::fsqrt(fpu::add(fpu::mul(x, x), 1)));
    return x87::ln(fpu::add(x, root));
}

Number arcTanh(Number x) {
    if (sameValueTol(x, 1)) return std::numeric_limits<Number>::infinity();
    if (sameValueTol(x, -1)) return -std::numeric_limits<Number>::infinity();
    return fpu::mul(0.5L, x87::ln(fpu::div(fpu::add(1, x), fpu::sub(1, x))));
}

Number logPi(Number x) {
    return fpu::div(x87::log2(x), x87::log2(x87::kPi));
}

// The inverse cotangent, with values in (0, pi).
Number arcCotan(Number x) {
    return fpu::sub(x87::kHalfPi, x87::arctan(x));
}

Number arcLn(Number x) {
    return x87::power(x87::eulerE(), x);
}
// base^x for the inverse logarithms.
template <const Number& base>
Number powerOf(Number x) {
    return x87::power(base, x);
}

// The argument goes through its 15-digit text, which must be a plain integer; the
// refusal quotes that text, so it is written with the evaluation's separator.
Number factorial(Number x, DecimalSeparator separator) {
    const std::int32_t n = strToInt(floatToStr(x, separator));
    Number result = 1;
    for (std::int32_t i = 1; i <= n; ++i)
        result = fpu::mul(result, static_cast<Number>(i));
    return result;
}

Number roundToInteger(Number x) {
    const auto r = fpu::toInt64Rounded(x);
    fpu::check(r.status);
    return static_cast<Number>(r.value);
}

Number sign(Number x) {
    if (x > 0) return 1;
    if (x < 0) return -1;
    return x == 0 ? 0 : x;
}

// The functions that write no number text, as the registry takes them.
template <Number (*function)(Number)>
Number plain(Number x, DecimalSeparator /*separator*/) {
    return function(x);
}

struct Registration {
    std::string_view name;
    MathFunction function;
};

constexpr std::array<Registration, kCalculatorFunctionCount> kFunctions{{
    {"DegToRad", plain<times<kPiOver180>>},
    {"RadtoDeg", plain<times<k180OverPi>>},
    {"GradToRad", plain<times<kPiOver200>>},
    {"RadToGrad", plain<times<k200OverPi>>},
    {"CycleToRad", plain<times<kTwoPi>>},
    {"RadToCycle", plain<over<kTwoPi>>},
    {"cotan", plain<cotan>},
    {"Sinh", plain<sinh>},
    {"Cosh", plain<cosh>},
    {"Tanh", plain<tanh>},
    {"ArcCosh", plain<arcCosh>},
    {"ArcSinh", plain<arcSinh>},
    {"ArcTanh", plain<arcTanh>},
    {"LogN", plain<x87::ln>},
    {"Log10", plain<x87::log10>},
    {"Log2", plain<x87::log2>},
    {"Logpi", plain<logPi>},
    {"ArcCotan", plain<arcCotan>},
    {"ArcLn", plain<arcLn>},
    {"ArcLog2", plain<powerOf<kTwo>>},
    {"ArcLog10", plain<powerOf<kTen>>},
    {"ArcLogpi", plain<powerOf<kPiPlusUlp>>},
    {"Fa", factorial},
    {"Int", plain<roundToInteger>},
    {"Sign", plain<sign>},
    {"ArcFa", plain<inverseFactorial>},
}};

}  // namespace

void registerCalculatorFunctions() {
    for (const auto& f : kFunctions)
        MathParser::registerFunction(f.name, f.function);
}

std::array<std::string_view, kCalculatorFunctionCount> calculatorFunctionNames() {
    std::array<std::string_view, kCalculatorFunctionCount> names;
    std::transform(kFunctions.begin(), kFunctions.end(), names.begin(),
                   [](const Registration& f) { return f.name; });
    return names;
}

}  // namespace zhcalc
