#pragma once
// The first step of most property setters: store the new value, and say whether it
// differed, so the caller repaints or rebuilds only on a real change.

#include <utility>

namespace zhcalc::controls {

template <class T, class U>
bool storeIfChanged(T& field, U&& value) {
    if (field == value) return false;
    field = std::forward<U>(value);
    return true;
}

}  // namespace zhcalc::controls
