// Arbitrary bytes through the evaluator, the calculator's functions registered,
// with both decimal separators. Only the calculator's own exceptions may come out.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/errors.h"
#include "engine/evaluation.h"
#include "engine/function_library.h"
#include "engine/math_parser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool registered = [] {
        zhcalc::registerCalculatorFunctions();
        return true;
    }();
    (void)registered;
    static zhcalc::MathParser parser;

    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const char separator : {',', '.'}) {
        parser.setDecimalSeparator(zhcalc::DecimalSeparator(separator));
        try {
            zhcalc::evaluateToText(parser, text);
        } catch (const zhcalc::Exception&) {
            // a malformed expression or a conversion error: reported, not a crash
        }
    }
    return 0;
}
