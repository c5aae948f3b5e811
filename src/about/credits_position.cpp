#include "about/credits_position.h"

#include <algorithm>

namespace zhcalc::about {

namespace {
constexpr int kMinPosition = 0;
}

PositionChange applyCreditsPosition(int current, int requested, int maxPosition,
                                    CreditsScrollMode mode) {
    int v = requested;
    if (mode.cycled) {
        if (v > maxPosition)
            v = kMinPosition;
        else if (v < kMinPosition)
            v = maxPosition;
    } else {
        v = std::clamp(v, kMinPosition, std::max(kMinPosition, maxPosition));
    }

    PositionChange change;
    change.position = current;
    if (v == current) return change;
    change.position = v;
    change.changed = true;
    if (!mode.cycled) {
        change.stopTimer =
            (v == kMinPosition && mode.backward) || (v == maxPosition && !mode.backward);
        change.reachedEnd = v == kMinPosition || v == maxPosition;
    }
    return change;
}

bool creditsTimerMayRun(int position, int maxPosition, CreditsScrollMode mode) {
    if (mode.cycled) return true;
    return mode.backward ? position > kMinPosition : position < maxPosition;
}

}  // namespace zhcalc::about
