#pragma once
// Thin wrappers over the x87 instructions the calculator computes with.
//
// Every wrapper runs its instruction and reads the status word in the same asm
// statement, so the optimizer can neither fold the operation at compile time nor
// move it away from its flag test. The checked arithmetic raises EInvalidOp,
// EZeroDivide or EOverflow exactly where an x87 with those three exceptions
// unmasked would trap; underflow, denormal operands and inexact results stay
// silent.
//
// Clearing the flags (FNCLEX) costs several times the arithmetic itself, so the
// checked operations first only read the status word after the instruction: the
// flags are sticky, and with none of the trapped ones set the operation cannot
// have faulted. Only when one is set (by this operation or left over from earlier
// work) is the operation repeated on cleared flags to tell which.

#include <bit>
#include <cstdint>

#include "engine/errors.h"
#include "engine/number.h"

namespace zhcalc::fpu {

// Status word bits.
inline constexpr std::uint16_t kInvalid = 0x0001;
inline constexpr std::uint16_t kZeroDivide = 0x0004;
inline constexpr std::uint16_t kOverflow = 0x0008;
inline constexpr std::uint16_t kTrapped = kInvalid | kZeroDivide | kOverflow;
// C2: FSIN, FCOS and FPTAN found the operand out of range (|x| >= 2^63) and left it unreduced.
inline constexpr std::uint16_t kOutOfRange = 0x0400;

namespace detail {
// The memory layout of an extended value.
struct ExtendedBits {
    std::uint64_t significand;
    std::uint16_t signAndExponent;
    std::uint16_t padding[3];
};
}  // namespace detail

// An extended value from its fields: the biased exponent (with the sign in bit 15)
// and the 64-bit significand with its explicit integer bit.
constexpr Number fromBits(std::uint16_t signAndExponent, std::uint64_t significand) {
    return std::bit_cast<Number>(detail::ExtendedBits{significand, signAndExponent, {0, 0, 0}});
}

struct Fields {
    std::uint16_t signAndExponent;
    std::uint64_t significand;
};

inline Fields toBits(Number x) {
    const auto b = std::bit_cast<detail::ExtendedBits>(x);
    return {b.signAndExponent, b.significand};
}

// Throws the error of the highest-priority trapped flag in `status`.
[[noreturn]] void raise(std::uint16_t status);

inline void check(std::uint16_t status) {
    if (status & kTrapped) [[unlikely]]
        raise(status);
}

// A raw instruction result with the status word it left behind.
struct Result {
    Number value;
    std::uint16_t status;
};

// ---- checked arithmetic: a op b, raising on a trapped fault -------------------------

// Defines `name`(a, b) as st = a `insn` b with the status read in the same asm statement,
// and detail::`name`OnClearFlags, the same on cleared flags, that tells which fault it was.
#define ZHCALC_FPU_CHECKED_ARITHMETIC(name, insn)                                              \
    namespace detail {                                                                         \
    inline Number name##OnClearFlags(Number a, Number b) {                                     \
        Number r;                                                                              \
        std::uint16_t sw;                                                                      \
        asm volatile("fnclex\n\t" insn " %%st(1), %%st\n\tfnstsw %1"                           \
                     : "=t"(r), "=a"(sw)                                                       \
                     : "0"(a), "u"(b));                                                        \
        check(sw);                                                                             \
        return r;                                                                              \
    }                                                                                          \
    }                                                                                          \
    inline Number name(Number a, Number b) {                                                   \
        Number r;                                                                              \
        std::uint16_t sw;                                                                      \
        asm volatile(insn " %%st(1), %%st\n\tfnstsw %1" : "=t"(r), "=a"(sw) : "0"(a), "u"(b)); \
        if (sw & kTrapped) [[unlikely]]                                                        \
            return detail::name##OnClearFlags(a, b);                                           \
        return r;                                                                              \
    }

ZHCALC_FPU_CHECKED_ARITHMETIC(add, "fadd")
ZHCALC_FPU_CHECKED_ARITHMETIC(sub, "fsub")
ZHCALC_FPU_CHECKED_ARITHMETIC(mul, "fmul")
ZHCALC_FPU_CHECKED_ARITHMETIC(div, "fdiv")

#undef ZHCALC_FPU_CHECKED_ARITHMETIC

// ---- raw instructions: value and status, the caller decides -------------------------

// Defines `name`(x) as `insn` on st = x, on cleared flags, with the status it leaves.
#define ZHCALC_FPU_RAW_UNARY(name, insn)                                                          \
    inline Result name(Number x) {                                                                \
        Result r;                                                                                 \
        asm volatile("fnclex\n\t" insn "\n\tfnstsw %1" : "=t"(r.value), "=a"(r.status) : "0"(x)); \
        return r;                                                                                 \
    }

ZHCALC_FPU_RAW_UNARY(fsin, "fsin")
ZHCALC_FPU_RAW_UNARY(fcos, "fcos")
// F2XM1: 2^x - 1 for -1 <= x <= 1.
ZHCALC_FPU_RAW_UNARY(f2xm1, "f2xm1")
ZHCALC_FPU_RAW_UNARY(fsqrt, "fsqrt")
// FRNDINT in the default rounding mode: to nearest, ties to even.
ZHCALC_FPU_RAW_UNARY(frndint, "frndint")

#undef ZHCALC_FPU_RAW_UNARY

// FPTAN: tan x. When the operand is out of range (kOutOfRange in the status) the
// instruction pushes nothing; a 1 is pushed here instead so the stack stays balanced,
// and the value returned is the unreduced operand.
inline Result fptan(Number x) {
    Result r;
    Number one;
    asm volatile(
        "fnclex\n\t"
        "fptan\n\t"
        "fnstsw %2\n\t"
        "testw $0x400, %2\n\t"
        "jz 1f\n\t"
        "fld1\n"
        "1:"
        : "=t"(one), "=u"(r.value), "=a"(r.status)
        : "0"(x));
    (void)one;
    return r;
}

// FPATAN: the arctangent of y / x in the quadrant of (x, y).
inline Result fpatan(Number y, Number x) {
    Result r;
    asm volatile("fnclex\n\tfpatan\n\tfnstsw %1"
                 : "=t"(r.value), "=a"(r.status)
                 : "0"(x), "u"(y)
                 : "st(1)");
    return r;
}

// FYL2X: y * log2 x.
inline Result fyl2x(Number y, Number x) {
    Result r;
    asm volatile("fnclex\n\tfyl2x\n\tfnstsw %1"
                 : "=t"(r.value), "=a"(r.status)
                 : "0"(x), "u"(y)
                 : "st(1)");
    return r;
}

// FSCALE: x * 2^trunc(n).
inline Result fscale(Number x, Number n) {
    Result r;
    asm volatile("fnclex\n\tfscale\n\tfnstsw %1" : "=t"(r.value), "=a"(r.status) : "0"(x), "u"(n));
    return r;
}

// FISTP to a signed 64-bit integer, rounding to nearest (ties to even). A value out of
// range sets kInvalid and stores the integer indefinite (the most negative value).
struct IntResult {
    std::int64_t value;
    std::uint16_t status;
};

inline IntResult toInt64Rounded(Number x) {
    IntResult r;
    asm volatile("fnclex\n\tfistpll %0\n\tfnstsw %1"
                 : "=m"(r.value), "=a"(r.status)
                 : "t"(x)
                 : "st");
    return r;
}

// The same, truncating toward zero: the rounding control is set to chop for the
// one store and restored afterwards.
inline IntResult toInt64Truncated(Number x) {
    IntResult r;
    std::uint16_t saved;
    std::uint16_t chop;
    asm volatile(
        "fnstcw %2\n\t"
        "movw %2, %%cx\n\t"
        "orw $0x0C00, %%cx\n\t"
        "movw %%cx, %3\n\t"
        "fldcw %3\n\t"
        "fnclex\n\t"
        "fistpll %0\n\t"
        "fnstsw %1\n\t"
        "fldcw %2"
        : "=m"(r.value), "=a"(r.status), "=m"(saved), "=m"(chop)
        : "t"(x)
        : "st", "cx");
    return r;
}

}  // namespace zhcalc::fpu
