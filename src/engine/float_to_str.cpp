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

// |value| * 10^k rounded to an integer, ties to even. The caller picks k so that
// the product stays below 10^19.
std::uint64_t scaledInteger(Number magnitude, int k) {
    const Number rounded = fpu::frndint(detail::scaleByPowerOfTen(magnitude, k)).value;
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

    std::uint64_t i = scaledInteger(magnitude, 18 - n);
    if (i >= kTenTo18) {
        do {
            i = divideByTenRounded(i);
            ++n;
        } while (i >= kTenTo18);
    } else if (i < kTenTo17) {
        // The estimate was one too high (only for some tiny values).
        --n;
        i = scaledInteger(magnitude, 18 - n);
    }

    // Half-up at digit 16 of the 18; digits 17 and 18 are not consulted.
    std::uint64_t kept = i / 1000;
    if ((i / 100) % 10 >= 5) {
        ++kept;
        if (kept == kTenTo15) {
            kept = kTenTo15 / 10;
            ++n;
        }
    }

    for (int d = kSignificantDigits - 1; d >= 0; --d) {
        form.digits[d] = static_cast<char>('0' + kept % 10);
        kept /= 10;
    }
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

void appendDecimal(std::string& out, int number) {
    char buffer[12];
    int length = 0;
    do {
        buffer[length++] = static_cast<char>('0' + number % 10);
        number /= 10;
    } while (number != 0);
    while (length > 0)
        out.push_back(buffer[--length]);
}

std::string formatGeneral(const DecimalForm& form, char separator) {
    if (form.exponent == kInfinityExponent) return form.negative ? "-INF" : "INF";
    if (form.exponent == kNanExponent) return "NAN";
    if (form.digitCount == 0) return "0";

    std::string out;
    out.reserve(24);
    if (form.negative) out.push_back('-');
    const int exponent = form.exponent;
    const char* digits = form.digits;
    const int count = form.digitCount;

    if (exponent > kSignificantDigits || exponent < -3) {
        out.push_back(digits[0]);
        if (count > 1) {
            out.push_back(separator);
            out.append(digits + 1, count - 1);
        }
        out.push_back('E');
        const int power = exponent - 1;
        if (power < 0) out.push_back('-');
        appendDecimal(out, power < 0 ? -power : power);
    } else if (exponent <= 0) {
        out.push_back('0');
        out.push_back(separator);
        out.append(-exponent, '0');
        out.append(digits, count);
    } else if (count <= exponent) {
        out.append(digits, count);
        out.append(exponent - count, '0');
    } else {
        out.append(digits, exponent);
        out.push_back(separator);
        out.append(digits + exponent, count - exponent);
    }
    return out;
}

}  // namespace

std::string floatToStr(Number value) {
    return formatGeneral(toDecimalForm(value), decimalSeparator());
}

}  // namespace zhcalc
