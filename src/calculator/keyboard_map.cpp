#include "calculator/keyboard_map.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace zhcalc {

namespace {

struct CharacterBinding {
    char character;
    std::string_view key;
};

constexpr std::array<CharacterBinding, 32> kBindings = {{
    {kBackspaceChar, "ImageBtn1"},
    {kEnterChar, "SBdraw"},
    {kEscapeChar, "ShapeBtn18"},
    {'(', "ShapeBtn27"},
    {')', "ShapeBtn26"},
    {'*', "SBmult"},
    {'+', "SBplus"},
    {',', "SBzpt"},
    {'.', "SBzpt"},
    {'-', "SBminus"},
    {'/', "Bth"},
    {'0', "SB0"},
    {'1', "SB1"},
    {'2', "SB2"},
    {'3', "SB3"},
    {'4', "SB4"},
    {'5', "SB5"},
    {'6', "SB6"},
    {'7', "SB7"},
    {'8', "SB8"},
    {'9', "SB9"},
    {'A', "SBarc"},
    {'a', "SBarc"},
    {'C', "SBcosh"},
    {'c', "SBcos"},
    {'e', "Shexp"},
    {'g', "SBcotan"},
    {'p', "ShPi"},
    {'S', "SBsinh"},
    {'s', "SBsin"},
    {'T', "SBtan"},
    {'t', "SBtan"},
}};

}  // namespace

const Key* keyForCharacter(char c) noexcept {
    const auto it = std::find_if(kBindings.begin(), kBindings.end(),
                                 [c](const CharacterBinding& b) { return b.character == c; });
    return it == kBindings.end() ? nullptr : findKey(it->key);
}

}  // namespace zhcalc
