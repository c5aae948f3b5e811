#pragma once
// The expression parser: a recursive-descent evaluator over the display text,
// with 18 built-in functions and a process-wide registry of named functions.

#include <string_view>

#include "engine/number.h"

namespace zhcalc {

// A registered one-argument function. It may raise any zhcalc::Exception.
using MathFunction = Number (*)(Number);

class MathParser {
  public:
    // Evaluates `text` (Windows-1251). Raises EParserError for a malformed
    // expression, EMathError for unguarded floating-point faults, and passes on
    // whatever a registered function raises.
    Number evaluate(std::string_view text);

    // Adds `name` to the registry or replaces its function; a null function removes
    // it. A name not starting with a letter or "_" raises EParserError "Syntax error".
    static void registerFunction(std::string_view name, MathFunction function);
    static void unregisterFunction(std::string_view name);
};

}  // namespace zhcalc
