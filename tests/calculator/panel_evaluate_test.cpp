// "=": results, the zero texts, the math-error text, other errors and the states each leaves.

#include <gtest/gtest.h>

#include <ostream>

#include "calculator/error_text.h"
#include "panel_fixture.h"

namespace zhcalc::testing {
namespace {

constexpr int kEqualsTone = 275;

// Leaves `expression` in the display with the arc pending and the comma key hidden.
constexpr const char* kArcPendingCommaHidden = "SBarc #BS #BS #BS SBzpt #BS ShapeBtn33";

class EvaluateTest : public PanelTest {
  protected:
    void enter(const char* expression) {
        clipboard.contents = expression;
        run(kArcPendingCommaHidden);
        ASSERT_EQ(panel.display(), expression);
        ASSERT_FALSE(panel.commaVisible());
        ASSERT_FALSE(panel.entryKeysEnabled());
        ASSERT_FALSE(panel.arcLockedKeysEnabled());
    }
};

struct EvaluateCase {
    const char* expression;
    const char* display;
    bool tone;
};

void PrintTo(const EvaluateCase& c, std::ostream* os) {
    *os << c.expression;
}

class Evaluate : public EvaluateTest, public ::testing::WithParamInterface<EvaluateCase> {};

TEST_P(Evaluate, ShowsTheResultTextAndReturnsToNormal) {
    const EvaluateCase& c = GetParam();
    enter(c.expression);
    run("SBdraw");
    ASSERT_TRUE(errors.empty()) << errors.front();
    EXPECT_EQ(panel.display(), c.display);
    EXPECT_TRUE(panel.commaVisible());
    EXPECT_TRUE(panel.entryKeysEnabled());
    EXPECT_TRUE(panel.arcLockedKeysEnabled());
    EXPECT_EQ(toneFrequencies(), c.tone ? std::vector<int>{kEqualsTone} : std::vector<int>{});
}

INSTANTIATE_TEST_SUITE_P(
    Results, Evaluate,
    ::testing::Values(EvaluateCase{"2+3", "5", true}, EvaluateCase{"5", "5", true},
                      EvaluateCase{"0", "0", true}, EvaluateCase{"1,5*2", "3", true},
                      // The four zero texts, as literals and as the results they stand for.
                      EvaluateCase{"3,23845767910558E-15", "0", true},
                      EvaluateCase{"-3,23845767910558E-15", "0", true},
                      EvaluateCase{"1,61922883955279E-15", "0", true},
                      EvaluateCase{"-3,38078631929861E-15", "0", true},
                      EvaluateCase{"sin(3,14159265358979)", "0", true},
                      EvaluateCase{"cos(1,5707963267949)", "0", true},
                      // Their neighbours are shown as they render.
                      EvaluateCase{"3,23845767910559E-15", "3,23845767910559E-15", true},
                      EvaluateCase{"3,38078631929861E-15", "3,38078631929861E-15", true},
                      EvaluateCase{"-1,61922883955279E-15", "-1,61922883955279E-15", true},
                      // Math errors: the fixed text, and no tone.
                      EvaluateCase{"cotan(0)", "1,1E4932", false},
                      // The same text from a valid expression is a success.
                      EvaluateCase{"1,1E4932", "1,1E4932", true}));

TEST_F(EvaluateTest, TypedExpressionsEvaluateWithTheirTones) {
    run("SB2 SBplus SB3 SBdraw");
    EXPECT_EQ(panel.display(), "5");
    run("#CR");
    EXPECT_EQ(panel.display(), "5");
    run("SBplus SB1 SBzpt SBdraw");
    EXPECT_EQ(panel.display(), "6");
    EXPECT_TRUE(panel.commaVisible());
    run("ShapeBtn18 SBcotan SB0 ShapeBtn26 SBdraw");
    EXPECT_EQ(panel.display(), "1,1E4932");
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(toneFrequencies(),
              (std::vector<int>{138, 147, kEqualsTone, kEqualsTone, 130, kEqualsTone, 276}));
}

struct ErrorCase {
    const char* expression;
    const char* boxText;
};

void PrintTo(const ErrorCase& c, std::ostream* os) {
    *os << c.expression;
}

class EvaluateError : public EvaluateTest, public ::testing::WithParamInterface<ErrorCase> {};

TEST_P(EvaluateError, KeepsDisplayAndCommaAndEnablesTheKeys) {
    const ErrorCase& c = GetParam();
    enter(c.expression);
    JournalListener listener(journal);
    panel.setListener(&listener);
    try {
        panel.evaluate();
        ADD_FAILURE() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(errorBoxText(e), c.boxText);
        EXPECT_EQ(dynamic_cast<const EMathError*>(&e), nullptr);
    }
    EXPECT_EQ(panel.display(), c.expression);
    EXPECT_FALSE(panel.commaVisible());
    EXPECT_TRUE(panel.entryKeysEnabled());
    EXPECT_TRUE(panel.arcLockedKeysEnabled());
    EXPECT_TRUE(sound.images.empty());
    ASSERT_EQ(journal.size(), 8u + 21u);  // only the two key groups changed
    for (const std::string& event : journal)
        EXPECT_TRUE(event.starts_with("enable ")) << event;
}

INSTANTIATE_TEST_SUITE_P(
    Errors, EvaluateError,
    ::testing::Values(ErrorCase{"1/0", "Divide by zero."},
                      ErrorCase{"Fa(2,5)", "'2,5' is not a valid integer value."},
                      ErrorCase{"sin(", "Invalid condition (no cramp)"},
                      ErrorCase{"LN(0)", "Invalid floating operation."},
                      ErrorCase{"arc", "Syntax error."}, ErrorCase{"", "Syntax error."}));

TEST_F(EvaluateTest, EqualsEnablesKeysThenRepaintsThenSoundsThenShowsTheComma) {
    enter("2-2");
    JournalListener listener(journal);
    panel.setListener(&listener);
    run("SBdraw");
    Journal expected;
    for (const char* name : {"SBrd", "SBdr", "SBrc", "SBcr", "SBrg", "SBgr", "SBSign", "SBInt"})
        expected.push_back(std::string("enable ") + name);
    for (const Key& key : kKeys)
        if (key.tag == kEntryTag) expected.push_back("enable " + std::string(key.name));
    for (const char* event : {"display 0", "show", "tone", "comma shown", "show"})
        expected.push_back(event);
    EXPECT_EQ(journal, expected);
}

TEST_F(EvaluateTest, PointSeparatorTextsAndZeroTexts) {
    panel.setDecimalSeparator(kPoint);
    run("SB1 SBzpt SB5 SBdraw");
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(panel.display(), "1.5");
    clipboard.contents = "sin(3.14159265358979)";
    run("ShapeBtn18 ShapeBtn33 SBdraw");
    EXPECT_EQ(panel.display(), "0");
    clipboard.contents = "cotan(0)";
    run("ShapeBtn18 ShapeBtn33 SBdraw");
    EXPECT_EQ(panel.display(), "1.1E4932");
    EXPECT_EQ(toneFrequencies(), (std::vector<int>{130, 165, kEqualsTone, kEqualsTone}));
}

}  // namespace
}  // namespace zhcalc::testing
