#pragma once
// Which key's operation a typed character runs.

#include <string>

#include "calculator/key_table.h"

namespace zhcalc {

inline constexpr char kBackspaceChar = 8;
inline constexpr char kEnterChar = 13;
inline constexpr char kEscapeChar = 27;

// The key whose operation the Windows-1251 character `c` runs, or nullptr for a character
// that runs nothing. The key's enabled and visible state plays no part.
const Key* keyForCharacter(char c) noexcept;

// The characters that run key `id`, in the map's order; empty for a key only clicks run.
std::string charactersFor(KeyId id);

}  // namespace zhcalc
