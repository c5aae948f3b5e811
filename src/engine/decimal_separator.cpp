#include <atomic>
#include <clocale>
#include <string>

#include "engine/cp1251.h"
#include "engine/number_text.h"

namespace zhcalc {
namespace {

std::atomic<char> separatorInForce{'.'};

}  // namespace

char decimalSeparator() noexcept {
    return separatorInForce.load(std::memory_order_relaxed);
}

void setDecimalSeparator(char separator) noexcept {
    separatorInForce.store(separator, std::memory_order_relaxed);
}

char localeDecimalSeparator() {
    std::setlocale(LC_ALL, "");
    const std::lconv* conventions = std::localeconv();
    if (conventions == nullptr || conventions->decimal_point == nullptr) return '.';
    return decimalSeparatorFromLocaleText(conventions->decimal_point);
}

char decimalSeparatorFromLocaleText(std::string_view point) {
    if (point.empty()) return '.';
    // Locale texts are UTF-8 here; the calculator needs the one Windows-1251 byte.
    const std::string converted = utf8ToCp1251(point);
    if (converted.size() != 1 || (converted[0] == '?' && point != "?")) return '.';
    return converted[0];
}

}  // namespace zhcalc
