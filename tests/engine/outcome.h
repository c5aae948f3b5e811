#pragma once
// What an evaluation ended with, as one comparable value: the result text (with the
// parser's separator) or the kind and message of the error.

#include <gtest/gtest.h>

#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>

#include "engine/errors.h"
#include "engine/math_parser.h"
#include "engine/number_text.h"
#include "support/engine_test_support.h"

namespace zhcalc::testing {

struct Outcome {
    std::string kind;  // "value" or the error class
    std::string text;  // result text or error message

    bool operator==(const Outcome&) const = default;
    friend std::ostream& operator<<(std::ostream& os, const Outcome& o) {
        return os << o.kind << " \"" << o.text << "\"";
    }
};

inline Outcome value(std::string text) {
    return {"value", std::move(text)};
}
inline Outcome parserError(std::string message) {
    return {"EParserError", std::move(message)};
}
inline Outcome invalidOp() {
    return {"EInvalidOp", "Invalid floating point operation"};
}
inline Outcome zeroDivide() {
    return {"EZeroDivide", "Floating point division by zero"};
}
inline Outcome overflow() {
    return {"EOverflow", "Floating point overflow"};
}
inline Outcome convertError(std::string message) {
    return {"EConvertError", std::move(message)};
}

inline Outcome evaluateOutcome(MathParser& parser, std::string_view expression) {
    try {
        return value(floatToStr(parser.evaluate(expression), parser.decimalSeparator()));
    } catch (const EInvalidOp& e) {
        return {"EInvalidOp", e.message()};
    } catch (const EZeroDivide& e) {
        return {"EZeroDivide", e.message()};
    } catch (const EOverflow& e) {
        return {"EOverflow", e.message()};
    } catch (const EParserError& e) {
        return {"EParserError", e.message()};
    } catch (const EConvertError& e) {
        return {"EConvertError", e.message()};
    }
}

struct Case {
    const char* expression;
    Outcome expected;
};

inline std::ostream& operator<<(std::ostream& os, const Case& c) {
    return os << '"' << c.expression << '"';
}

// Evaluates every case with `parser` set to `separator` and checks its outcome.
inline void expectOutcomes(MathParser& parser, char separator, std::initializer_list<Case> cases) {
    parser.setDecimalSeparator(DecimalSeparator(separator));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expression);
        EXPECT_EQ(evaluateOutcome(parser, c.expression), c.expected);
    }
}

}  // namespace zhcalc::testing
