// The key table against the window it describes.

#include "calculator/key_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "calculator/keyboard_map.h"
#include "engine/number_text.h"

namespace zhcalc {
namespace {

TEST(KeyTable, NamesTheWindowsKeysOnce) {
    std::set<std::string_view> names;
    int imageKeys = 0;
    for (const Key& key : kKeys) {
        EXPECT_TRUE(names.insert(key.name).second) << key.name;
        EXPECT_EQ(findKey(key.name), &key);
        imageKeys += key.imageKey ? 1 : 0;
    }
    EXPECT_EQ(kKeys.size() - imageKeys, 51u);
    EXPECT_TRUE(findKey("ImageBtn1")->imageKey);
    EXPECT_TRUE(findKey("ImageBtn2")->imageKey);
    EXPECT_EQ(findKey("sb1"), nullptr);
    EXPECT_THROW(keyNamed("Switch1"), std::invalid_argument);
}

TEST(KeyTable, EntryGroupInCreationOrder) {
    std::vector<std::string_view> entry;
    for (const Key& key : kKeys)
        if (key.tag == kEntryTag) entry.push_back(key.name);
    const std::vector<std::string_view> expected = {
        "SB1",    "SB2",   "SB3",   "SB4",    "SB5",     "SB6",        "SB7",
        "SB8",    "SB9",   "SB0",   "SBplus", "SBminus", "SBmult",     "Bth",
        "SBstep", "SBzpt", "SBarc", "ShPi",   "Shexp",   "ShapeBtn27", "ShapeBtn26"};
    EXPECT_EQ(entry, expected);
}

TEST(KeyTable, SpecialFunctionKeysAreDisabledForLife) {
    std::set<std::string_view> disabled;
    for (const Key& key : kKeys)
        if (key.group == KeyGroup::DisabledForLife) disabled.insert(key.name);
    EXPECT_EQ(disabled,
              (std::set<std::string_view>{"ShapeBtn35", "ShapeBtn36", "ShapeBtn37", "ShapeBtn39",
                                          "ShapeBtn40", "ShapeBtn38", "ShapeBtn42"}));
}

TEST(KeyTable, OnlyDigitsAndEqualsHaveTones) {
    std::vector<std::pair<std::string_view, int>> tones;
    for (const Key& key : kKeys)
        if (key.toneHz != 0) {
            EXPECT_EQ(key.toneMs, 30) << key.name;
            tones.emplace_back(key.name, key.toneHz);
        }
    const std::vector<std::pair<std::string_view, int>> expected = {
        {"SB1", 130}, {"SB2", 138}, {"SB3", 147}, {"SB4", 155}, {"SB5", 165},   {"SB6", 174},
        {"SB7", 185}, {"SB8", 260}, {"SB9", 441}, {"SB0", 276}, {"SBdraw", 275}};
    EXPECT_EQ(tones, expected);
}

TEST(KeyTable, CaptionsAndHintsAreWindows1251) {
    EXPECT_EQ(keyNamed("ShapeBtn32").caption, "\xE1\xF3\xF4");  // "буф"
    EXPECT_EQ(keyNamed("ShapeBtn33").caption, "\xC8\xE7");      // "Из"
    EXPECT_EQ(keyNamed("SBcosh").caption, "cosh");
    EXPECT_EQ(keyNamed("SBcosh").text, "Cosh(");
    EXPECT_EQ(keyHint(keyNamed("ImageBtn2")),
              "\xCE\xF7\xE8\xF1\xF2\xE8\xF2\xFC \xE2\xF1\xE5 \xF0\xE5\xE3\xE8\xF1\xF2\xF0\xFB");
    EXPECT_EQ(keyHint(keyNamed("SBcotan")),
              "cotang\r\n\xED\xE0 \xEA\xEB\xE0\xE2\xE8\xE0\xF2\xF3\xF0\xE5 = g");
}

TEST(KeyTable, ConstantKeysHintTheirValue) {
    const char saved = decimalSeparator();
    setDecimalSeparator(',');
    EXPECT_EQ(keyHint(keyNamed("ShPi")), "3,14159265358979");
    EXPECT_EQ(keyHint(keyNamed("Shexp")), "2,71828182845905");
    setDecimalSeparator(saved);
}

TEST(KeyboardMap, RunsOnlyTheMappedCharacters) {
    int mapped = 0;
    for (int c = 0; c < 256; ++c)
        if (keyForCharacter(static_cast<char>(c))) ++mapped;
    EXPECT_EQ(mapped, 32);
    EXPECT_EQ(keyForCharacter('.'), findKey("SBzpt"));
    EXPECT_EQ(keyForCharacter(kEnterChar), findKey("SBdraw"));
    EXPECT_EQ(keyForCharacter(kEscapeChar), findKey("ShapeBtn18"));
    EXPECT_EQ(keyForCharacter(kBackspaceChar), findKey("ImageBtn1"));
    EXPECT_EQ(keyForCharacter('^'), nullptr);
}

}  // namespace
}  // namespace zhcalc
