#include "engine/math_parser.h"

#include "engine/builtin_functions.h"
#include "engine/errors.h"
#include "engine/fpu.h"
#include "engine/function_registry.h"
#include "engine/number_text.h"
#include "engine/parser_messages.h"
#include "engine/x87_math.h"

namespace zhcalc {

namespace {

[[noreturn]] void fail(const char* message) {
    throw EParserError(message);
}

bool startsName(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

// Characters at which a sum may end; anything else after a complete operand is misplaced.
bool endsSum(char c) {
    return c == '\0' || c == ')' || c == ',' || c == '<' || c == '=' || c == '>';
}

}  // namespace

Number MathParser::evaluate(std::string_view text) {
    normalise(text);
    const Number value = sum();
    if (current() != '\0') fail(messages::kSyntaxError);
    return value;
}

void MathParser::normalise(std::string_view input) {
    // Index 0 is kept for the "0" that goes in front of a leading sign.
    text_.resize(input.size() + 2);
    char* const first = text_.data() + 1;
    char* out = first;
    long long balance = 0;
    for (const char c : input) {
        balance += (c == '(') - (c == ')');
        const auto u = static_cast<unsigned char>(c);
        *out = static_cast<unsigned>(u - 'a') < 26 ? static_cast<char>(u - 'a' + 'A') : c;
        out += u > 32;  // blanks and control characters are dropped
    }
    if (balance != 0) fail(messages::kNoCramp);
    *out = '\0';
    text_.resize(static_cast<std::size_t>(out - text_.data()) + 1);
    // A leading sign applies to the whole first product: "-2^2" is 0 - 2^2.
    text_[0] = '0';
    position_ = (text_[1] == '+' || text_[1] == '-') ? 0 : 1;
    nesting_ = 0;
}

Number MathParser::sum() {
    Number value = product();
    for (;;) {
        const char c = current();
        if (c == '+') {
            ++position_;
            value = fpu::add(value, product());
        } else if (c == '-') {
            ++position_;
            value = fpu::sub(value, product());
        } else if (endsSum(c)) {
            return value;
        } else {
            fail(messages::kSyntaxError);
        }
    }
}

Number MathParser::product() {
    Number value = power();
    for (;;) {
        const char c = current();
        if (c == '*') {
            ++position_;
            value = fpu::mul(value, power());
        } else if (c == '/') {
            ++position_;
            const Number divisor = power();
            if (divisor == 0) fail(messages::kDivideByZero);
            value = fpu::div(value, divisor);
        } else {
            return value;
        }
    }
}

// "^" binds tighter than "*" and "/" and associates to the left: 2^3^2 is 64.
Number MathParser::power() {
    Number value = factor();
    while (current() == '^') {
        ++position_;
        value = x87::power(value, factor());
    }
    return value;
}

Number MathParser::factor() {
    const char c = current();
    if (c == '(') return parenthesised();
    if (const auto literal = readNumberLiteral(text_, position_, separator_)) return *literal;
    if (c == 'E' && isLiteralFollower(text_[position_ + 1])) {
        ++position_;
        return x87::eulerE();
    }
    if (c == 'P' && text_[position_ + 1] == 'I' && isLiteralFollower(text_[position_ + 2])) {
        position_ += 2;
        return x87::kPi;
    }
    if (startsName(c)) {
        if (const auto registered = registry::find(text_, position_); registered.function)
            return call(registered.function, registered.length);
        if (const auto builtin = builtin::find(text_, position_); builtin.found)
            return callBuiltin(builtin.function, builtin.length);
    }
    fail(messages::kSyntaxError);
}

Number MathParser::parenthesised() {
    enterNesting();
    ++position_;
    const Number value = sum();
    expectClosingParenthesis();
    --nesting_;
    return value;
}

// A registered function's errors leave the parser unchanged.
Number MathParser::call(MathFunction function, std::size_t nameLength) {
    enterNesting();
    position_ += nameLength + 1;
    const Number value = function(sum(), separator_);
    expectClosingParenthesis();
    --nesting_;
    return value;
}

// A built-in's faults become "Invalid floating operation", except its own parser errors.
Number MathParser::callBuiltin(builtin::Function function, std::size_t nameLength) {
    enterNesting();
    position_ += nameLength + 1;
    const Number argument = sum();
    Number value;
    try {
        value = builtin::compute(function, argument);
    } catch (const EParserError&) {
        throw;
    } catch (const Exception&) {
        fail(messages::kInvalidFloatingOperation);
    }
    expectClosingParenthesis();
    --nesting_;
    return value;
}

void MathParser::enterNesting() {
    if (++nesting_ > kMaxNesting) fail(messages::kTooDeeplyNested);
}

void MathParser::expectClosingParenthesis() {
    if (current() != ')') fail(messages::kNoCramp);
    ++position_;
}

void MathParser::registerFunction(std::string_view name, MathFunction function) {
    if (name.empty() || !startsName(name.front())) fail(messages::kSyntaxError);
    if (function == nullptr) {
        unregisterFunction(name);
        return;
    }
    registry::add(name, function);
}

void MathParser::unregisterFunction(std::string_view name) {
    registry::remove(name);
}

}  // namespace zhcalc
