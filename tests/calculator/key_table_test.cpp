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

TEST(KeyboardMap, NamesTheCharactersOfEachKey) {
    const struct {
        KeyId key;
        std::string characters;
    } cases[] = {
        {KeyId::Comma, ",."}, {KeyId::Arc, "Aa"},
        {KeyId::Tan, "Tt"},   {KeyId::Cosh, "C"},
        {KeyId::Cos, "c"},    {KeyId::Equals, std::string(1, kEnterChar)},
        {KeyId::Digit0, "0"}, {KeyId::Backspace, std::string(1, kBackspaceChar)},
        {KeyId::Power, ""},   {KeyId::ClearRegisters, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(keyOf(c.key).name));
        EXPECT_EQ(charactersFor(c.key), c.characters);
        for (char typed : c.characters)
            EXPECT_EQ(keyForCharacter(typed), &keyOf(c.key));
    }
    std::size_t bound = 0;
    for (const Key& key : kKeys)
        bound += charactersFor(key.id).size();
    EXPECT_EQ(bound, 32u);  // every mapped character belongs to one key
}

}  // namespace
}  // namespace zhcalc
