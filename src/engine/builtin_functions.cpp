#include "engine/builtin_functions.h"

#include <array>
#include <cmath>

#include "engine/errors.h"
#include "engine/fpu.h"
#include "engine/parser_messages.h"
#include "engine/x87_math.h"

namespace zhcalc::builtin {

namespace {

struct Entry {
    std::string_view name;
    Function function;
};

constexpr std::array<Entry, 18> kTable{{
    {"ARCTAN", Function::ArcTan},
    {"COS", Function::Cos},
    {"SIN", Function::Sin},
    {"TAN", Function::Tan},
    {"ABS", Function::Abs},
    {"EXP", Function::Exp},
    {"LN", Function::Ln},
    {"LOG", Function::Log},
    {"SQRT", Function::Sqrt},
    {"SQR", Function::Sqr},
    {"INT", Function::Int},
    {"FRAC", Function::Frac},
    {"TRUNC", Function::Trunc},
    {"ROUND", Function::Round},
    {"ARCSIN", Function::ArcSin},
    {"ARCCOS", Function::ArcCos},
    {"SIGN", Function::Sign},
    {"NOT", Function::Not},
}};

// FSIN and FCOS leave operands of 2^63 and more unreduced; the calculator calls those 0.
constexpr Number kTwoTo63 = 9223372036854775808.0L;

Number checked(fpu::Result r) {
    fpu::check(r.status);
    return r.value;
}

Number sine(Number x) {
    return std::fabs(x) >= kTwoTo63 ? 0 : checked(fpu::fsin(x));
}

Number cosine(Number x) {
    return std::fabs(x) >= kTwoTo63 ? 0 : checked(fpu::fcos(x));
}

Number roundedThroughInt64(Number x) {
    const auto r = fpu::toInt64Rounded(x);
    fpu::check(r.status);
    return static_cast<Number>(r.value);
}

std::int64_t truncatedToInt64(Number x) {
    const auto r = fpu::toInt64Truncated(x);
    fpu::check(r.status);
    return r.value;
}

// arctan(x / sqrt(1 - x^2)); x = -1 divides by zero, |x| > 1 takes a negative root.
Number arcSinQuotient(Number x) {
    const Number root = checked(fpu::fsqrt(fpu::sub(1, fpu::mul(x, x))));
    return x87::arctan(fpu::div(x, root));
}

}  // namespace

Match find(std::string_view text, std::size_t pos) {
    const std::string_view rest = text.substr(pos);
    for (const auto& entry : kTable) {
        const std::size_t n = entry.name.size();
        if (rest.size() > n && rest[0] == entry.name[0] && rest.compare(0, n, entry.name) == 0 &&
            rest[n] == '(')
            return {true, entry.function, n};
    }
    return {};
}

Number compute(Function function, Number x) {
    switch (function) {
        case Function::ArcTan:
            return x87::arctan(x);
        case Function::Cos:
            return cosine(x);
        case Function::Sin:
            return sine(x);
        case Function::Tan: {
            const Number c = cosine(x);
            if (c == 0) throw EParserError(messages::kDivideByZero);
            return fpu::div(sine(x), c);
        }
        case Function::Abs:
            return std::fabs(x);
        case Function::Exp:
            return x87::exp(x);
        case Function::Ln:
            if (!(x > 0)) throw EParserError(messages::kInvalidFloatingOperation);
            return x87::ln(x);
        case Function::Log:
            if (!(x > 0)) throw EParserError(messages::kInvalidFloatingOperation);
            return fpu::div(x87::ln(x), x87::ln(10));
        case Function::Sqrt:
            if (!(x >= 0)) throw EParserError(messages::kInvalidFloatingOperation);
            return checked(fpu::fsqrt(x));
        case Function::Sqr:
            return fpu::mul(x, x);
        case Function::Int:
        case Function::Round:
            return roundedThroughInt64(x);
        case Function::Frac:
            return x87::frac(x);
        case Function::Trunc:
            return static_cast<Number>(truncatedToInt64(x));
        case Function::ArcSin:
            if (x == 1) return x87::kHalfPi;
            return arcSinQuotient(x);
        case Function::ArcCos:
            if (x == 1) return 0;
            return fpu::sub(x87::kHalfPi, arcSinQuotient(x));
        case Function::Sign:
            if (x > 0) return 1;
            if (x == 0) return x;
            return -1;
        case Function::Not:
            return static_cast<Number>(~truncatedToInt64(x));
    }
    return 0;
}

}  // namespace zhcalc::builtin
