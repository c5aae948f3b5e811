#include "about/credits_position.h"

#include <gtest/gtest.h>

namespace zhcalc::about {
namespace {

constexpr CreditsScrollMode kCycled{true, false};
constexpr CreditsScrollMode kCycledBack{true, true};
constexpr CreditsScrollMode kOneWay{false, false};
constexpr CreditsScrollMode kOneWayBack{false, true};

TEST(CreditsPosition, Rule) {
    constexpr int kMax = 300;
    const struct {
        const char* name;
        int current;
        int requested;
        CreditsScrollMode mode;
        PositionChange expected;
    } cases[] = {
        {"step", 10, 11, kCycled, {11, true, false, false}},
        {"past the end wraps to 0", kMax, kMax + 1, kCycled, {0, true, false, false}},
        {"below 0 wraps to the end", 0, -1, kCycledBack, {kMax, true, false, false}},
        {"reaching the end cycled", kMax - 1, kMax, kCycled, {kMax, true, false, false}},
        {"same position", 7, 7, kCycled, {7, false, false, false}},
        {"one-way reaches its end", kMax - 1, kMax, kOneWay, {kMax, true, true, true}},
        {"one-way clamps", kMax, kMax + 1, kOneWay, {kMax, false, false, false}},
        {"one-way clamps from below", 5, kMax + 40, kOneWay, {kMax, true, true, true}},
        {"one-way at 0 going forward", 5, -3, kOneWay, {0, true, false, true}},
        {"one-way back reaches 0", 1, 0, kOneWayBack, {0, true, true, true}},
        {"one-way back at the far end", 1, kMax, kOneWayBack, {kMax, true, false, true}},
        {"one-way in between", 1, 2, kOneWay, {2, true, false, false}},
    };
    for (const auto& c : cases) {
        const PositionChange got = applyCreditsPosition(c.current, c.requested, kMax, c.mode);
        EXPECT_EQ(got.position, c.expected.position) << c.name;
        EXPECT_EQ(got.changed, c.expected.changed) << c.name;
        EXPECT_EQ(got.stopTimer, c.expected.stopTimer) << c.name;
        EXPECT_EQ(got.reachedEnd, c.expected.reachedEnd) << c.name;
    }
}

TEST(CreditsPosition, TimerMayRunUnlessAtTheEndItHeadsFor) {
    EXPECT_TRUE(creditsTimerMayRun(300, 300, kCycled));
    EXPECT_FALSE(creditsTimerMayRun(300, 300, kOneWay));
    EXPECT_TRUE(creditsTimerMayRun(0, 300, kOneWay));
    EXPECT_FALSE(creditsTimerMayRun(0, 300, kOneWayBack));
    EXPECT_TRUE(creditsTimerMayRun(300, 300, kOneWayBack));
}

}  // namespace
}  // namespace zhcalc::about
