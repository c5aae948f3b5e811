// Memory registers with their protection, and the clipboard commands.

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "panel_fixture.h"

namespace zhcalc::testing {
namespace {

// Registers and hints are written "r1|r2|...|r8", trailing empty ones left out; the
// protection as eight "0"/"1" for rom1 to rom8.
struct RegisterCase {
    const char* name;
    bool allProtected;
    const char* protectedRegisters;
    const char* steps;
    const char* display;
    const char* texts;
    const char* hints;
};

void PrintTo(const RegisterCase& c, std::ostream* os) {
    *os << c.name;
}

std::vector<std::string> eight(const std::string& joined) {
    std::vector<std::string> parts(1);
    for (char c : joined) {
        if (c == '|')
            parts.emplace_back();
        else
            parts.back().push_back(c);
    }
    parts.resize(8);
    return parts;
}

class RegisterSequence : public PanelTest, public ::testing::WithParamInterface<RegisterCase> {};

TEST_P(RegisterSequence, LeavesDisplayRegistersAndHints) {
    const RegisterCase& c = GetParam();
    panel.setAllProtected(c.allProtected);
    for (int n = 1; n <= 8; ++n)
        panel.setProtected(n, c.protectedRegisters[n - 1] == '1');
    run("SBzpt #BS");  // comma hidden: no register operation may touch it
    run(c.steps);
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(panel.display(), c.display);
    std::vector<std::string> texts, hints;
    for (int n = 1; n <= 8; ++n) {
        texts.push_back(panel.registers().text(n));
        hints.push_back(panel.registers().switchHint(n));
    }
    EXPECT_EQ(texts, eight(c.texts));
    EXPECT_EQ(hints, eight(c.hints));
    EXPECT_FALSE(panel.commaVisible());
    EXPECT_TRUE(panel.entryKeysEnabled());
    EXPECT_TRUE(panel.arcLockedKeysEnabled());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Switches, RegisterSequence, ::testing::Values(
    RegisterCase{"StoreEmptiesTheDisplay", false, "00000000", "SB1 SB2 on3", "", "||12", "||12"},
    RegisterCase{"RecallAppends", false, "00000000", "SB1 SB2 on3 SB5 off3", "512", "||12", "||12"},
    RegisterCase{"StoreRecallAlternate", false, "00000000", "SB4 on8 off8 SB5 on8 off8", "45",
                 "|||||||45", "|||||||45"},
    RegisterCase{"ProtectAllRecallsOnTurnOn", true, "00000000", "SB7 on1 on1 off1", "7", "", ""},
    RegisterCase{"OwnCheckBoxProtectsOnlyItsRegister", false, "01000000",
                 "SB5 on2 on1 SB6 on2 off2 on2", "6", "5", "5"},
    RegisterCase{"StoringEmptyDisplayEmptiesRegisterAndHint", false, "00000000",
                 "SB9 on6 off6 ShapeBtn18 SBzpt #BS on6", "", "", ""},
    RegisterCase{"RecallOfEmptyRegisterLeavesDisplay", false, "00000000", "SB3 off5", "3", "", ""},
    RegisterCase{"ClearRegistersKeepsHints", false, "00000000", "SB1 on1 SB2 on2 SB3 on3 ImageBtn2",
                 "", "", "1|2|3"},
    RegisterCase{"HintFollowsOnNextUse", false, "00000000", "SB1 on1 SB2 on2 ImageBtn2 off1", "",
                 "", "|2"},
    RegisterCase{"RegistersAreIndependent", false, "00000000", "SB1 SB2 on4 SB7 on7 off4 off7",
                 "127", "|||12|||7", "|||12|||7"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(PanelTest, SwitchStoresThenRecalls) {
    run("SB1 SB2 on3");
    EXPECT_EQ(panel.display(), "");
    EXPECT_EQ(panel.registers().switchHint(3), "12");
    run("SBplus off3");
    EXPECT_EQ(panel.display(), "+12");
    EXPECT_EQ(panel.registers().text(3), "12");
}

TEST_F(PanelTest, ProtectionIsReadAtTurnOn) {
    run("SB1 on1 off1");
    EXPECT_EQ(panel.display(), "1");
    panel.setAllProtected(true);
    EXPECT_TRUE(panel.registers().allProtected());
    run("on1");
    EXPECT_EQ(panel.display(), "11");
    panel.setAllProtected(false);
    panel.setProtected(1, true);
    EXPECT_TRUE(panel.registers().isProtected(1));
    run("off1 on1");
    EXPECT_EQ(panel.display(), "1111");
    panel.setProtected(1, false);
    run("on1");
    EXPECT_EQ(panel.display(), "");
    EXPECT_EQ(panel.registers().text(1), "1111");
    EXPECT_TRUE(sound.images.size() == 1u);  // the "1" key only
}

TEST_F(PanelTest, RegisterNumbersOutsideOneToEightAreRejected) {
    run("SB1");
    for (int n : {0, 9, -1}) {
        EXPECT_THROW(panel.switchOn(n), std::out_of_range);
        EXPECT_THROW(panel.switchOff(n), std::out_of_range);
        EXPECT_THROW(panel.setProtected(n, true), std::out_of_range);
    }
    EXPECT_EQ(panel.display(), "1");
}

TEST_F(PanelTest, CutThenPasteRestoresTheDisplay) {
    run("SB3 SBmult SB4");
    panel.cut();
    EXPECT_EQ(clipboard.contents, "3*4");
    EXPECT_EQ(panel.display(), "");
    panel.paste();
    EXPECT_EQ(panel.display(), "3*4");
    run("ShapeBtn33");
    EXPECT_EQ(panel.display(), "3*43*4");
}

TEST_F(PanelTest, CopyKeyAndMenuPutTheDisplayOnTheClipboard) {
    run("SBsin SB1");
    run("ShapeBtn32");
    EXPECT_EQ(clipboard.contents, "sin(1");
    EXPECT_EQ(panel.display(), "sin(1");
    run("ShapeBtn18");
    panel.copy();
    EXPECT_EQ(clipboard.contents, "");  // an empty display places an empty text
}

struct PasteCase {
    std::optional<std::string> clipboardText;
    const char* display;
};

void PrintTo(const PasteCase& c, std::ostream* os) {
    *os << (c.clipboardText ? "\"" + *c.clipboardText + "\"" : std::string("no text"));
}

class Paste : public PanelTest, public ::testing::WithParamInterface<PasteCase> {};

TEST_P(Paste, AppendsTheTextUpToItsFirstZeroByte) {
    clipboard.contents = GetParam().clipboardText;
    run("SBzpt SBarc SB1 ShapeBtn33");
    EXPECT_EQ(panel.display(), GetParam().display);
    EXPECT_FALSE(panel.entryKeysEnabled());  // nothing but the display changes
    EXPECT_TRUE(panel.commaVisible());
}

INSTANTIATE_TEST_SUITE_P(Clipboard, Paste,
                         ::testing::Values(PasteCase{std::nullopt, ",arc1"}, PasteCase{"", ",arc1"},
                                           PasteCase{"2+2", ",arc12+2"},
                                           PasteCase{std::string("12\0junk", 7), ",arc112"},
                                           PasteCase{std::string("\0x", 2), ",arc1"},
                                           PasteCase{"\xCF\xE8", ",arc1\xCF\xE8"}));

TEST_F(PanelTest, HeldClipboardChangesNothing) {
    run("SB1 SBplus");
    clipboard.contents = "9";
    clipboard.held = true;
    for (const char* step : {"ShapeBtn32", "ShapeBtn33"}) {
        errors.clear();
        run(step);
        EXPECT_EQ(errors, std::vector<std::string>{"Cannot open clipboard"}) << step;
    }
    EXPECT_THROW(panel.cut(), Exception);
    EXPECT_THROW(panel.copy(), Exception);
    EXPECT_THROW(panel.paste(), Exception);
    EXPECT_EQ(panel.display(), "1+");
    EXPECT_EQ(clipboard.contents, "9");
    clipboard.held = false;
    panel.cut();
    EXPECT_EQ(clipboard.contents, "1+");
}

TEST_F(PanelTest, StoreRepaintsWithoutTone) {
    JournalListener listener(journal);
    panel.setListener(&listener);
    clipboard.contents = "42";
    run("ShapeBtn33 on2 off2");
    const Journal expected = {"display 42", "show", "display ", "show", "display 42", "show"};
    EXPECT_EQ(journal, expected);
}

}  // namespace
}  // namespace zhcalc::testing
