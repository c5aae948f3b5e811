#pragma once
// The decimal separator that number texts are written and read with. The engine keeps
// none of its own: whoever knows the user's locale hands one to every conversion.

#include <string_view>

namespace zhcalc {

class DecimalSeparator {
  public:
    // The point, the C locale's separator.
    constexpr DecimalSeparator() noexcept = default;
    // One Windows-1251 character.
    constexpr explicit DecimalSeparator(char character) noexcept : character_(character) {}

    constexpr char character() const noexcept { return character_; }

    friend constexpr bool operator==(DecimalSeparator, DecimalSeparator) noexcept = default;

  private:
    char character_ = '.';
};

// A locale's decimal point text (UTF-8) as the one Windows-1251 character the
// calculator uses: "." when it is empty, longer than one character or has no
// Windows-1251 code.
DecimalSeparator decimalSeparatorFromLocaleText(std::string_view point);

}  // namespace zhcalc
