#pragma once
// The process-wide registry of named functions, kept sorted by name ignoring
// ASCII case. Names that differ only in case are one entry.

#include <cstddef>
#include <string_view>

#include "engine/math_parser.h"

namespace zhcalc::registry {

// Adds `name` (keeping the spelling of its first registration) or replaces its function.
void add(std::string_view name, MathFunction function);
void remove(std::string_view name);

struct Match {
    MathFunction function = nullptr;
    std::size_t length = 0;  // characters of the name
};

// The first entry, in sorted order, whose name equals `text` from `pos` on
// (ASCII case ignored) and is directly followed by "(". `text` must end with a
// NUL character. No match: a null function.
Match find(std::string_view text, std::size_t pos);

}  // namespace zhcalc::registry
