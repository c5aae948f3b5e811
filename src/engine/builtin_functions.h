#pragma once
// The parser's 18 built-in one-argument functions.

#include <cstddef>
#include <string_view>

#include "engine/number.h"

namespace zhcalc::builtin {

enum class Function {
    ArcTan,
    Cos,
    Sin,
    Tan,
    Abs,
    Exp,
    Ln,
    Log,
    Sqrt,
    Sqr,
    Int,
    Frac,
    Trunc,
    Round,
    ArcSin,
    ArcCos,
    Sign,
    Not
};

struct Match {
    bool found = false;
    Function function = Function::ArcTan;
    std::size_t length = 0;
};

// The first built-in, in table order, whose name stands at `pos` of the upper-case,
// NUL-terminated `text` directly followed by "(".
Match find(std::string_view text, std::size_t pos);

// Computes a built-in. Domain faults of LN, LOG, SQRT and TAN raise their
// EParserError; every other fault leaves as the EMathError of the x87 flag.
Number compute(Function function, Number x);

}  // namespace zhcalc::builtin
