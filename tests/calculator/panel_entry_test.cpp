// Expression entry: what each key sequence leaves in the display, the comma key and the
// key groups, and which tones it sounds.

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

#include "panel_fixture.h"

namespace zhcalc::testing {
namespace {

struct EntryCase {
    const char* steps;
    const char* display;
    bool commaVisible;
    bool entryKeys;
    bool arcLockedKeys;
    std::vector<int> tones;
};

void PrintTo(const EntryCase& c, std::ostream* os) {
    *os << c.steps;
}

class EntrySequence : public PanelTest, public ::testing::WithParamInterface<EntryCase> {};

TEST_P(EntrySequence, LeavesDisplayFlagsAndTones) {
    const EntryCase& c = GetParam();
    run(c.steps);
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(panel.display(), c.display);
    EXPECT_EQ(panel.commaVisible(), c.commaVisible);
    EXPECT_EQ(panel.entryKeysEnabled(), c.entryKeys);
    EXPECT_EQ(panel.arcLockedKeysEnabled(), c.arcLockedKeys);
    EXPECT_EQ(toneFrequencies(), c.tones);
    EXPECT_TRUE(messages.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Keys, EntrySequence,
    ::testing::Values(EntryCase{"", "", true, true, true, {}},
                      EntryCase{
                          "SB1 SBzpt SB5 SBplus SB2", "1,5+2", true, true, true, {130, 165, 138}},
                      EntryCase{"SB1 SBzpt", "1,", false, true, true, {130}},
                      EntryCase{"SB1 SB2 SB3 SB4 SB5 SB6 SB7 SB8 SB9 SB0",
                                "1234567890",
                                true,
                                true,
                                true,
                                {130, 138, 147, 155, 165, 174, 185, 260, 441, 276}},
                      EntryCase{"SBplus", "+", true, true, true, {}},
                      EntryCase{"SBplus SBplus ShapeBtn26 ShapeBtn27 SBsin SBsin",
                                "++)(sin(sin(",
                                true,
                                true,
                                true,
                                {}},
                      EntryCase{"SBzpt SBplus", ",+", true, true, true, {}},
                      EntryCase{"SBzpt ShapeBtn27", ",(", true, true, true, {}},
                      EntryCase{"SBzpt SBcos", ",cos(", true, true, true, {}},
                      EntryCase{"SBzpt SBdr", ",DegToRad(", true, true, true, {}},
                      EntryCase{"SBzpt SBarc", ",arc", true, false, false, {}},
                      EntryCase{"SBzpt SB3", ",3", false, true, true, {147}},
                      EntryCase{"SBzpt ShapeBtn18", "", true, true, true, {}},
                      EntryCase{"SBarc", "arc", true, false, false, {}},
                      EntryCase{"SBarc SBsin", "arcsin(", true, true, false, {}},
                      EntryCase{"SBarc ShapeBtn41", "arcFa(", true, true, false, {}},
                      EntryCase{"SBarc SBsin SBarc", "arcsin(arc", true, false, false, {}},
                      EntryCase{"SBarc SBsin SB5", "arcsin(5", true, true, false, {165}},
                      EntryCase{"SBarc #5", "arc5", true, false, false, {165}},
                      EntryCase{"SBarc SBdr", "arcDegToRad(", true, false, false, {}},
                      EntryCase{"SBarc ShapeBtn18", "", true, true, false, {}},
                      EntryCase{"SBarc ImageBtn1", "ar", true, false, false, {}},
                      EntryCase{"#, #,", ",,", false, true, true, {}},
                      EntryCase{"#.", ",", false, true, true, {}},
                      EntryCase{"#^", "", true, true, true, {}},
                      EntryCase{"SBstep", "^", true, true, true, {}},
                      EntryCase{"SB1 SBzpt ImageBtn1", "1", false, true, true, {130}},
                      EntryCase{"SBsin ImageBtn1", "sin", true, true, true, {}},
                      EntryCase{"ImageBtn1", "", true, true, true, {}},
                      EntryCase{"SB7 #BS #BS #BS", "", true, true, true, {185}},
                      EntryCase{"#C #c #S #s", "Cosh(cos(Sinh(sin(", true, true, true, {}},
                      EntryCase{"#T #t #g", "tan(tan(Cotan(", true, true, true, {}},
                      EntryCase{"#( #) #* #+ #- #/", "()*+-/", true, true, true, {}},
                      EntryCase{"#0 #1 #2 #3 #4 #5 #6 #7 #8 #9",
                                "0123456789",
                                true,
                                true,
                                true,
                                {276, 130, 138, 147, 155, 165, 174, 185, 260, 441}},
                      EntryCase{"#a", "arc", true, false, false, {}},
                      EntryCase{"#A #s", "arcsin(", true, true, false, {}},
                      EntryCase{"SB1 #ESC", "", true, true, true, {130}},
                      EntryCase{"#x #E #P #G #^ #= #! #\\", "", true, true, true, {}},
                      EntryCase{"SB1 SBzpt on1 SB2", "2", false, true, true, {130, 138}}));

// Each append key's text and its effects on the comma key and the entry keys.
struct AppendCase {
    const char* key;
    const char* text;
    bool enablesEntryKeys;
};

void PrintTo(const AppendCase& c, std::ostream* os) {
    *os << c.key;
}

class AppendKey : public PanelTest, public ::testing::WithParamInterface<AppendCase> {};

TEST_P(AppendKey, AppendsItsTextAndShowsTheComma) {
    const AppendCase& c = GetParam();
    run("SBzpt SBarc SBzpt");  // comma hidden, entry and arc-locked keys disabled
    ASSERT_FALSE(panel.commaVisible());
    run(c.key);
    EXPECT_EQ(panel.display(), std::string(",arc,") + c.text);
    EXPECT_TRUE(panel.commaVisible());
    EXPECT_EQ(panel.entryKeysEnabled(), c.enablesEntryKeys);
    EXPECT_FALSE(panel.arcLockedKeysEnabled());
    EXPECT_TRUE(sound.images.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Keys, AppendKey,
    ::testing::Values(
        AppendCase{"SBplus", "+", false}, AppendCase{"SBminus", "-", false},
        AppendCase{"SBmult", "*", false}, AppendCase{"Bth", "/", false},
        AppendCase{"SBstep", "^", false}, AppendCase{"ShapeBtn27", "(", false},
        AppendCase{"ShapeBtn26", ")", false}, AppendCase{"SBsin", "sin(", true},
        AppendCase{"SBcos", "cos(", true}, AppendCase{"SBtan", "tan(", true},
        AppendCase{"SBsinh", "Sinh(", true}, AppendCase{"SBcosh", "Cosh(", true},
        AppendCase{"SBcotan", "Cotan(", true}, AppendCase{"ShapeBtn30", "Ln(", true},
        AppendCase{"ShapeBtn24", "log10(", true}, AppendCase{"ShapeBtn22", "Log2(", true},
        AppendCase{"ShapeBtn34", "Logpi(", true}, AppendCase{"ShapeBtn41", "Fa(", true},
        AppendCase{"SBdr", "DegToRad(", false}, AppendCase{"SBrd", "RadToDeg(", false},
        AppendCase{"SBcr", "CycleToRad(", false}, AppendCase{"SBrc", "RadToCycle(", false},
        AppendCase{"SBgr", "gradToRad(", false}, AppendCase{"SBrg", "RadToGrad(", false},
        AppendCase{"SBSign", "Sign(", false}, AppendCase{"SBInt", "Int(", false},
        AppendCase{"ShapeBtn39", "Int(", false}, AppendCase{"ShapeBtn35", "Ei(", false},
        AppendCase{"ShapeBtn36", "Li(", false}, AppendCase{"ShapeBtn37", "Si(", false},
        AppendCase{"ShapeBtn40", "Erf(", false}, AppendCase{"ShapeBtn38", "ErfC(", false},
        AppendCase{"ShapeBtn42", "zeta(", false}));

TEST_F(PanelTest, ConstantsAppendTheirTextWithoutTouchingTheComma) {
    run("SB2 SBmult ShPi");
    EXPECT_EQ(panel.display(), "2*3,14159265358979");
    EXPECT_TRUE(panel.commaVisible());
    run("ShapeBtn18 SBzpt ShPi Shexp #p #e");
    EXPECT_EQ(panel.display(), ",3,141592653589792,718281828459053,141592653589792,71828182845905");
    EXPECT_FALSE(panel.commaVisible());
}

TEST_F(PanelTest, DecimalKeysAppendThePanelsSeparator) {
    panel.setDecimalSeparator(kPoint);
    run("SB1 SBzpt SB5 #, #. ShPi");
    EXPECT_EQ(panel.display(), "1.5..3.14159265358979");
    EXPECT_FALSE(panel.commaVisible());
}

TEST_F(PanelTest, ArcDisablesTheArcLockedKeysBeforeTheEntryKeys) {
    JournalListener listener(journal);
    panel.setListener(&listener);
    run("SBarc");
    const Journal expected = {
        "display arc",    "comma shown",        "disable SBrd",       "disable SBdr",
        "disable SBrc",   "disable SBcr",       "disable SBrg",       "disable SBgr",
        "disable SBSign", "disable SBInt",      "disable SB1",        "disable SB2",
        "disable SB3",    "disable SB4",        "disable SB5",        "disable SB6",
        "disable SB7",    "disable SB8",        "disable SB9",        "disable SB0",
        "disable SBplus", "disable SBminus",    "disable SBmult",     "disable Bth",
        "disable SBstep", "disable SBzpt",      "disable SBarc",      "disable ShPi",
        "disable Shexp",  "disable ShapeBtn27", "disable ShapeBtn26", "show"};
    EXPECT_EQ(journal, expected);
}

TEST_F(PanelTest, DigitRepaintsBeforeItsTone) {
    JournalListener listener(journal);
    panel.setListener(&listener);
    run("SB1 #2");
    const Journal expected = {"display 1", "show", "tone", "display 12", "show", "tone"};
    EXPECT_EQ(journal, expected);
}

TEST_F(PanelTest, KeyStatesFollowTheGroups) {
    const auto enabledKeys = [&] {
        return std::count_if(kKeys.begin(), kKeys.end(),
                             [&](const Key& key) { return panel.isEnabled(key); });
    };
    EXPECT_EQ(enabledKeys(), 53 - 7);  // all but the seven special-function keys
    run("SBarc");
    EXPECT_EQ(enabledKeys(), 53 - 7 - 8 - 21);
    EXPECT_FALSE(panel.isEnabled(keyNamed("SBarc")));
    EXPECT_TRUE(panel.isEnabled(keyNamed("SBsin")));
    EXPECT_TRUE(panel.isEnabled(keyNamed("SBdraw")));
    run("SBsin");
    EXPECT_EQ(enabledKeys(), 53 - 7 - 8);
    EXPECT_FALSE(panel.isEnabled(keyNamed("SBInt")));
    EXPECT_FALSE(panel.isEnabled(keyNamed("ShapeBtn39")));

    EXPECT_TRUE(panel.isVisible(keyNamed("SBzpt")));
    run("SBzpt");
    EXPECT_FALSE(panel.isVisible(keyNamed("SBzpt")));
    EXPECT_TRUE(panel.isVisible(keyNamed("SB1")));
}

TEST_F(PanelTest, UnknownKeyNameIsRejected) {
    EXPECT_THROW(panel.press("SB10"), std::invalid_argument);
    EXPECT_EQ(panel.display(), "");
}

TEST_F(PanelTest, FormKeyPressReportsWhetherItRanAnOperation) {
    EXPECT_TRUE(panel.formKeyPress('7'));
    EXPECT_FALSE(panel.formKeyPress('^'));
    EXPECT_FALSE(panel.formKeyPress('\0'));
    EXPECT_EQ(panel.display(), "7");
}

}  // namespace
}  // namespace zhcalc::testing
