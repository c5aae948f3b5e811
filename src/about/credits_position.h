#pragma once
// How a new scroll position is taken: wrapped or clamped to the range, and
// what reaching an end of a one-way scroll sets off.

namespace zhcalc::about {

struct CreditsScrollMode {
    bool cycled = true;
    bool backward = false;
};

struct PositionChange {
    int position = 0;
    bool changed = false;
    bool stopTimer = false;   // a one-way scroll reached the end it was heading for
    bool reachedEnd = false;  // a one-way scroll stands at either end
};

// Setting the position to `requested` while at `current`, in 0 .. maxPosition.
PositionChange applyCreditsPosition(int current, int requested, int maxPosition,
                                    CreditsScrollMode mode);

// Whether the timer may be switched on at `position`: a one-way scroll that
// stands at the end it heads for stays stopped.
bool creditsTimerMayRun(int position, int maxPosition, CreditsScrollMode mode);

}  // namespace zhcalc::about
