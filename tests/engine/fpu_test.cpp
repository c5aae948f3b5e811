#include "engine/fpu.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "support/engine_test_support.h"

namespace zhcalc {
namespace {

using testing::opaque;

struct FaultCase {
    const char* name;
    Number (*op)(Number, Number);
    Number a;
    Number b;
    const char* message;  // nullptr: no fault
};

TEST(FpuArithmetic, RaisesExactlyTheTrappedFaults) {
    const Number inf = std::numeric_limits<Number>::infinity();
    const FaultCase cases[] = {
        {"1/0", fpu::div, 1, 0, "Floating point division by zero"},
        {"0/0", fpu::div, 0, 0, "Invalid floating point operation"},
        {"inf-inf", fpu::sub, inf, inf, "Invalid floating point operation"},
        {"inf*0", fpu::mul, inf, 0, "Invalid floating point operation"},
        {"max*2", fpu::mul, std::numeric_limits<Number>::max(), 2, "Floating point overflow"},
        {"max+max", fpu::add, std::numeric_limits<Number>::max(),
         std::numeric_limits<Number>::max(), "Floating point overflow"},
        {"underflow is silent", fpu::mul, 1e-4000L, 1e-4000L, nullptr},
        {"inexact is silent", fpu::div, 1, 3, nullptr},
        {"inf+1 is no fault", fpu::add, inf, 1, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.message == nullptr) {
            EXPECT_NO_THROW(c.op(opaque(c.a), opaque(c.b)));
            continue;
        }
        try {
            c.op(opaque(c.a), opaque(c.b));
            ADD_FAILURE() << "no fault raised";
        } catch (const EMathError& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
    }
}

TEST(FpuArithmetic, OperandOrder) {
    EXPECT_EQ(fpu::sub(opaque(5), opaque(3)), 2);
    EXPECT_EQ(fpu::div(opaque(6), opaque(3)), 2);
}

TEST(FpuInstructions, SineUsesTheProcessorsReduction) {
    // FSIN reduces with a 66-bit pi, so sin of the 15-digit pi is not the true sine.
    EXPECT_NEAR(static_cast<double>(fpu::fsin(opaque(3.14159265358979L)).value),
                3.2384576791055775e-15, 1e-28);
    EXPECT_TRUE(fpu::fsin(opaque(1e19L)).status & fpu::kOutOfRange);
}

TEST(FpuInstructions, OutOfRangeTangentKeepsTheStackBalanced) {
    const auto r = fpu::fptan(opaque(1e19L));
    EXPECT_TRUE(r.status & fpu::kOutOfRange);
    EXPECT_EQ(r.value, 1e19L);
    EXPECT_NEAR(static_cast<double>(fpu::fptan(opaque(0.5L)).value), 0.5463024898437905, 1e-15);
}

TEST(FpuInstructions, IntegerConversions) {
    EXPECT_EQ(fpu::toInt64Rounded(opaque(2.5L)).value, 2);
    EXPECT_EQ(fpu::toInt64Rounded(opaque(3.5L)).value, 4);
    EXPECT_EQ(fpu::toInt64Truncated(opaque(-2.7L)).value, -2);
    EXPECT_TRUE(fpu::toInt64Rounded(opaque(1e19L)).status & fpu::kInvalid);
    EXPECT_TRUE(fpu::toInt64Truncated(opaque(-1e19L)).status & fpu::kInvalid);
    // The rounding mode is restored after the truncating store.
    EXPECT_EQ(fpu::toInt64Rounded(opaque(2.5L)).value, 2);
}

TEST(FpuBits, RoundTrip) {
    constexpr Number pi = fpu::fromBits(16384, 0xC90FDAA22168C235ull);
    EXPECT_EQ(pi, 3.14159265358979323851L);
    const auto f = fpu::toBits(-pi);
    EXPECT_EQ(f.signAndExponent, 0xC000);
    EXPECT_EQ(f.significand, 0xC90FDAA22168C235ull);
}

}  // namespace
}  // namespace zhcalc
