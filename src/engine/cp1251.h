#pragma once
// The one conversion between the calculator's Windows-1251 texts and UTF-8,
// used wherever text enters or leaves the program.

#include <string>
#include <string_view>

namespace zhcalc {

std::string cp1251ToUtf8(std::string_view cp1251);

// Characters without a Windows-1251 code, and malformed UTF-8, become "?".
std::string utf8ToCp1251(std::string_view utf8);

}  // namespace zhcalc
