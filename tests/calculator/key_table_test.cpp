// The key table against the window it describes.

#include "calculator/key_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "calculator/keyboard_map.h"
#include "engine/number_text.h"
#include "support/engine_test_support.h"

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

TEST(KeyTable, ConstantKeysHintTheirValue) {
    EXPECT_EQ(keyHint(keyNamed("ShPi"), testing::kComma), "3,14159265358979");
    EXPECT_EQ(keyHint(keyNamed("Shexp"), testing::kComma), "2,71828182845905");
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
