#include "calculator/keyboard_map.h"

#include <algorithm>
#include <array>

namespace zhcalc {

namespace {

struct CharacterBinding {
    char character;
    KeyId key;
};

using enum KeyId;

constexpr std::array<CharacterBinding, 32> kBindings = {{
    {kBackspaceChar, Backspace},
    {kEnterChar, Equals},
    {kEscapeChar, Clear},
    {'(', LeftParenthesis},
    {')', RightParenthesis},
    {'*', Multiply},
    {'+', Plus},
    {',', Comma},
    {'.', Comma},
    {'-', Minus},
    {'/', Divide},
    {'0', Digit0},
    {'1', Digit1},
    {'2', Digit2},
    {'3', Digit3},
    {'4', Digit4},
    {'5', Digit5},
    {'6', Digit6},
    {'7', Digit7},
    {'8', Digit8},
    {'9', Digit9},
    {'A', Arc},
    {'a', Arc},
    {'C', Cosh},
    {'c', Cos},
    {'e', E},
    {'g', Cotan},
    {'p', Pi},
    {'S', Sinh},
    {'s', Sin},
    {'T', Tan},
    {'t', Tan},
}};

// A character runs one key at most.
constexpr bool charactersAreDistinct() {
    for (std::size_t i = 0; i < kBindings.size(); ++i) {
        for (std::size_t j = i + 1; j < kBindings.size(); ++j) {
            if (kBindings[i].character == kBindings[j].character) return false;
        }
    }
    return true;
}
static_assert(charactersAreDistinct());

}  // namespace

const Key* keyForCharacter(char c) noexcept {
    const auto it = std::find_if(kBindings.begin(), kBindings.end(),
                                 [c](const CharacterBinding& b) { return b.character == c; });
    return it == kBindings.end() ? nullptr : &keyOf(it->key);
}

std::string charactersFor(KeyId id) {
    std::string characters;
    for (const CharacterBinding& binding : kBindings) {
        if (binding.key == id) characters += binding.character;
    }
    return characters;
}

}  // namespace zhcalc
