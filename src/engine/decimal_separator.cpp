#include "engine/decimal_separator.h"

#include <string>

#include "engine/cp1251.h"

namespace zhcalc {

DecimalSeparator decimalSeparatorFromLocaleText(std::string_view point) {
    if (point.empty()) return {};
    // Locale texts are UTF-8 here; the calculator needs the one Windows-1251 byte.
    const std::string converted = utf8ToCp1251(point);
    if (converted.size() != 1 || (converted[0] == '?' && point != "?")) return {};
    return DecimalSeparator(converted[0]);
}

}  // namespace zhcalc
