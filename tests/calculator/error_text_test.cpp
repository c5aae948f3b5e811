// The text of the error box.

#include "calculator/error_text.h"

#include <gtest/gtest.h>

#include <new>
#include <ostream>
#include <stdexcept>

#include "engine/errors.h"

namespace zhcalc {
namespace {

struct BoxCase {
    std::string message;
    std::string box;
};

void PrintTo(const BoxCase& c, std::ostream* os) {
    *os << "\"" << c.message << "\"";
}

class ErrorBox : public ::testing::TestWithParam<BoxCase> {};

TEST_P(ErrorBox, AddsAFullStopAfterCharactersAboveIt) {
    EXPECT_EQ(errorBoxText(GetParam().message), GetParam().box);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, ErrorBox,
    ::testing::Values(BoxCase{"Syntax error", "Syntax error."},
                      BoxCase{"Invalid condition (no cramp)", "Invalid condition (no cramp)"},
                      BoxCase{"'2,5' is not a valid integer value.",
                              "'2,5' is not a valid integer value."},
                      BoxCase{"Cannot open clipboard", "Cannot open clipboard."}, BoxCase{"", ""},
                      BoxCase{"a-", "a-"}, BoxCase{"a,", "a,"}, BoxCase{"a/", "a/."},
                      BoxCase{"42", "42."},
                      BoxCase{"\xCE\xF8\xE8\xE1\xEA\xE0", "\xCE\xF8\xE8\xE1\xEA\xE0."},
                      BoxCase{"x\xFF", "x\xFF."}));

TEST(ErrorBox, TakesTheMessageOfEachKindOfException) {
    EXPECT_EQ(errorBoxText(EParserError("Syntax error")), "Syntax error.");
    EXPECT_EQ(errorBoxText(EZeroDivide()), "Floating point division by zero.");
    EXPECT_EQ(errorBoxText(std::bad_alloc()), "Out of memory.");
    EXPECT_EQ(errorBoxText(std::runtime_error("went wrong")), "went wrong.");
    const std::string withZero("a\0b", 3);
    EXPECT_EQ(errorBoxText(Exception(withZero)), withZero + ".");
}

}  // namespace
}  // namespace zhcalc
