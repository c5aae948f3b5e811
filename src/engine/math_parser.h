#pragma once
// The expression parser: a recursive-descent evaluator over the display text,
// with 18 built-in functions and a process-wide registry of named functions.

#include <cstddef>
#include <string>
#include <string_view>

#include "engine/decimal_separator.h"
#include "engine/number.h"

namespace zhcalc {

namespace builtin {
enum class Function;
}

// A registered one-argument function, given the separator of the evaluation for any
// number text it writes. It may raise any zhcalc::Exception.
using MathFunction = Number (*)(Number argument, DecimalSeparator separator);

class MathParser {
  public:
    // Parentheses and function calls nested deeper than this raise EParserError
    // "Expression too deeply nested"; the limit keeps the recursion well inside
    // the default stack of any thread.
    static constexpr int kMaxNesting = 2000;

    // Literals are read with "." and `separator` as the point.
    explicit MathParser(DecimalSeparator separator = DecimalSeparator()) noexcept
        : separator_(separator) {}

    DecimalSeparator decimalSeparator() const noexcept { return separator_; }
    void setDecimalSeparator(DecimalSeparator separator) noexcept { separator_ = separator; }

    // Evaluates `text` (Windows-1251). Raises EParserError for a malformed
    // expression, EMathError for unguarded floating-point faults, and passes on
    // whatever a registered function raises.
    Number evaluate(std::string_view text);

    // Adds `name` to the registry or replaces its function; a null function removes
    // it. A name not starting with a letter or "_" raises EParserError "Syntax error".
    static void registerFunction(std::string_view name, MathFunction function);
    static void unregisterFunction(std::string_view name);

  private:
    void normalise(std::string_view input);
    Number sum();
    Number product();
    Number power();
    Number factor();
    Number parenthesised();
    Number call(MathFunction function, std::size_t nameLength);
    Number callBuiltin(builtin::Function function, std::size_t nameLength);
    void enterNesting();
    void expectClosingParenthesis();

    char current() const { return text_[position_]; }

    // Upper case, without characters of code 0-32, NUL-terminated, after a "0" at
    // index 0 that is read only in front of a leading sign. Its storage is reused
    // from one evaluation to the next; its contents are not.
    std::string text_;
    DecimalSeparator separator_;
    std::size_t position_ = 0;
    int nesting_ = 0;
};

}  // namespace zhcalc
