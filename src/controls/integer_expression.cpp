#include "controls/integer_expression.h"

#include <cctype>
#include <cstdint>
#include <limits>

namespace zhcalc::controls {

namespace {

// Recursive descent: expression = term {(+|-) term}; term = factor {(*|/) factor};
// factor = [+|-] factor | number | "(" expression ")".
class Evaluator {
  public:
    explicit Evaluator(std::string_view text) : text_(text) {}

    std::optional<int> run() {
        const auto value = expression();
        skipSpaces();
        if (!value || pos_ != text_.size()) return std::nullopt;
        return value;
    }

  private:
    static std::optional<int> checked(std::int64_t v) {
        if (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max())
            return std::nullopt;
        return static_cast<int>(v);
    }

    void skipSpaces() {
        while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_])))
            ++pos_;
    }

    bool take(char c) {
        skipSpaces();
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }

    std::optional<int> expression() {
        auto left = term();
        while (left) {
            if (take('+')) {
                const auto right = term();
                left = right ? checked(std::int64_t{*left} + *right) : std::nullopt;
            } else if (take('-')) {
                const auto right = term();
                left = right ? checked(std::int64_t{*left} - *right) : std::nullopt;
            } else {
                break;
            }
        }
        return left;
    }

    std::optional<int> term() {
        auto left = factor();
        while (left) {
            if (take('*')) {
                const auto right = factor();
                left = right ? checked(std::int64_t{*left} * *right) : std::nullopt;
            } else if (take('/')) {
                const auto right = factor();
                if (!right || *right == 0) return std::nullopt;
                left = checked(std::int64_t{*left} / *right);
            } else {
                break;
            }
        }
        return left;
    }

    std::optional<int> factor() {
        if (++depth_ > 200) return std::nullopt;  // keeps hostile nesting off the stack
        std::optional<int> result;
        if (take('-')) {
            const auto inner = factor();
            result = inner ? checked(-std::int64_t{*inner}) : std::nullopt;
        } else if (take('+')) {
            result = factor();
        } else if (take('(')) {
            result = expression();
            if (!take(')')) result = std::nullopt;
        } else {
            result = number();
        }
        --depth_;
        return result;
    }

    std::optional<int> number() {
        skipSpaces();
        const size_t start = pos_;
        std::int64_t value = 0;
        while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_]))) {
            value = value * 10 + (text_[pos_] - '0');
            if (value > std::numeric_limits<int>::max()) return std::nullopt;
            ++pos_;
        }
        if (pos_ == start) return std::nullopt;
        return static_cast<int>(value);
    }

    std::string_view text_;
    size_t pos_ = 0;
    int depth_ = 0;
};

}  // namespace

std::optional<int> evaluateIntegerExpression(std::string_view text) {
    return Evaluator(text).run();
}

}  // namespace zhcalc::controls
