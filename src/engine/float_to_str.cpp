// Value to text: the general format with 15 significant digits.

#include <cmath>
#include <cstdint>
#include <string>

#include "engine/decimal_scaling.h"
#include "engine/fpu.h"
#include "engine/number_text.h"

namespace zhcalc {
namespace {

constexpr int kInfinityExponent = 32767;
constexpr int kNanExponent = -32768;
constexpr int kSignificantDigits = 15;
constexpr std::uint64_t kTenTo15 = 1'000'000'000'000'000;
constexpr std::uint64_t kTenTo17 = 100'000'000'000'000'000;
constexpr std::uint64_t kTenTo18 = 1'000'000'000'000'000'000;

// The value as 0.d1d2...dn * 10^exponent; no digits for zero.
struct DecimalForm {
    int exponent = 0;
    bool negative = false;
    char digits[kSignificantDigits] = {};
    int digitCount = 0;
};

// To the nearest integer, ties to even (the default rounding mode); no status is
// needed, and clearing it would cost more than the rounding.
Number roundToInteger(Number x) {
    asm("frndint" : "+t"(x));
    return x;
}

// |value| * 10^k rounded to an integer, ties to even. The caller picks k so that
// the product stays below 10^19.
std::uint64_t scaledInteger(Number magnitude, int k) {
    const Number rounded = roundToInteger(detail::scaleByPowerOfTen(magnitude, k));
    return static_cast<std::uint64_t>(rounded);
}

// Integer division by 10, ties to even.
std::uint64_t divideByTenRounded(std::uint64_t i) {
    std::uint64_t quotient = i / 10;
    const std::uint64_t remainder = i % 10;
    if (remainder > 5 || (remainder == 5 && (quotient & 1) != 0)) ++quotient;
    return quotient;
}

// The 15-digit decimal form of a finite, normal magnitude with exponent field `field`.
void roundToDigits(Number magnitude, int field, DecimalForm& form) {
    const int binaryExponent = field - 16383;
    int n = ((binaryExponent * 19728) >> 16) + 1;  // 19728 / 65536 ~ log10(2)

    std::uint64_t scaled = scaledInteger(magnitude, 18 - n);
    if (scaled >= kTenTo18) {
        do {
            scaled = divideByTenRounded(scaled);
            ++n;
        } while (scaled >= kTenTo18);
    } else if (scaled < kTenTo17) {
        // The estimate was one too high (only for some tiny values).
        --n;
        scaled = scaledInteger(magnitude, 18 - n);
    }

    // Half-up at digit 16 of the 18; digits 17 and 18 are not consulted.
    std::uint64_t kept = scaled / 1000;
    if ((scaled / 100) % 10 >= 5) {
        ++kept;
        if (kept == kTenTo15) {
            kept = kTenTo15 / 10;
            ++n;
        }
    }

    // Two independent halves shorten the chain of divisions.
    auto high = static_cast<std::uint32_t>(kept / 100'000'000);
    auto low = static_cast<std::uint32_t>(kept % 100'000'000);
    for (int i = 0; i < 7; ++i) {
        form.digits[14 - i] = static_cast<char>('0' + low % 10);
        form.digits[6 - i] = static_cast<char>('0' + high % 10);
        low /= 10;
        high /= 10;
    }
    form.digits[7] = static_cast<char>('0' + low);
    form.digitCount = kSignificantDigits;
    while (form.digitCount > 0 && form.digits[form.digitCount - 1] == '0')
        --form.digitCount;
    form.exponent = n;
}

DecimalForm toDecimalForm(Number value) {
    DecimalForm form;
    auto bits = fpu::toBits(value);
    const bool negative = (bits.signAndExponent & 0x8000) != 0;
    int field = bits.signAndExponent & 0x7FFF;
    constexpr std::uint64_t kIntegerBit = 0x8000'0000'0000'0000;

    if (field == 0) return form;  // zero, negative zero, denormal
    if (field == 0x7FFF) {
        if (bits.significand == kIntegerBit || (bits.significand & kIntegerBit) == 0) {
            form.exponent = kInfinityExponent;
            form.negative = negative;
        } else {
            form.exponent = kNanExponent;
        }
        return form;
    }
    Number magnitude = fpu::fromBits(static_cast<std::uint16_t>(field), bits.significand);
    if ((bits.significand & kIntegerBit) == 0) {
        // An unnormal (no arithmetic produces one): take the number its bits spell.
        magnitude = std::ldexp(static_cast<Number>(bits.significand), field - 16383 - 63);
        field = fpu::toBits(magnitude).signAndExponent & 0x7FFF;
        if (field == 0) return form;
    }
    form.negative = negative;
    roundToDigits(magnitude, field, form);
    return form;
}

// The longest text is "-d,ddddddddddddddE-dddd" or "0,000ddddddddddddddd".
class TextBuffer {
  public:
    void put(char c) noexcept { text_[length_++] = c; }
    void put(const char* chars, int count) noexcept {
        for (int i = 0; i < count; ++i)
            put(chars[i]);
    }
    void putZeros(int count) noexcept {
        for (int i = 0; i < count; ++i)
            put('0');
    }
    void putDecimal(int number) noexcept {
        char reversed[12];
        int count = 0;
        do {
            reversed[count++] = static_cast<char>('0' + number % 10);
            number /= 10;
        } while (number != 0);
        while (count > 0)
            put(reversed[--count]);
    }
    std::string str() const { return std::string(text_, length_); }

  private:
    char text_[32];
    int length_ = 0;
};

std::string formatGeneral(const DecimalForm& form, char separator) {
    if (form.exponent == kInfinityExponent) return form.negative ? "-INF" : "INF";
    if (form.exponent == kNanExponent) return "NAN";
    if (form.digitCount == 0) return "0";

    TextBuffer out;
    if (form.negative) out.put('-');
    const int exponent = form.exponent;
    const char* digits = form.digits;
    const int count = form.digitCount;

    if (exponent > kSignificantDigits || exponent < -3) {
        out.put(digits[0]);
        if (count > 1) {
            out.put(separator);
            out.put(digits + 1, count - 1);
        }
        out.put('E');
        const int power = exponent - 1;
        if (power < 0) out.put('-');
        out.putDecimal(power < 0 ? -power : power);
    } else if (exponent <= 0) {
        out.put('0');
        out.put(separator);
        out.putZeros(-exponent);
        out.put(digits, count);
    } else if (count <= exponent) {
        out.put(digits, count);
        out.putZeros(exponent - count);
    } else {
        out.put(digits, exponent);
        out.put(separator);
        out.put(digits + exponent, count - exponent);
    }
    return out.str();
}

}  // namespace

std::string floatToStr(Number value, DecimalSeparator separator) {
    return formatGeneral(toDecimalForm(value), separator.character());
}

}  // namespace zhcalc
