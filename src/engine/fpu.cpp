#include "engine/fpu.h"

namespace zhcalc::fpu {

void raise(std::uint16_t status) {
    // The x87 reports an invalid operation before a division by zero before an overflow.
    if (status & kInvalid) throw EInvalidOp();
    if (status & kZeroDivide) throw EZeroDivide();
    throw EOverflow();
}

}  // namespace zhcalc::fpu
