#include "calculator/error_text.h"

#include <new>

#include "engine/errors.h"

namespace zhcalc {

std::string errorBoxText(std::string_view message) {
    std::string text(message);
    if (!text.empty() && static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.'))
        text += '.';
    return text;
}

std::string errorBoxText(const std::exception& error) {
    if (const auto* own = dynamic_cast<const Exception*>(&error))
        return errorBoxText(own->message());
    if (dynamic_cast<const std::bad_alloc*>(&error)) return errorBoxText("Out of memory");
    return errorBoxText(error.what());
}

}  // namespace zhcalc
