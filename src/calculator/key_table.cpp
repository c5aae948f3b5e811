#include "calculator/key_table.h"

#include <algorithm>
#include <numbers>
#include <stdexcept>

#include "engine/number_text.h"

namespace zhcalc {

namespace {

constexpr int countGroup(KeyGroup group) {
    return static_cast<int>(
        std::count_if(kKeys.begin(), kKeys.end(), [&](const Key& k) { return k.group == group; }));
}

constexpr bool tagsMarkTheEntryGroup() {
    return std::all_of(kKeys.begin(), kKeys.end(), [](const Key& k) {
        return (k.tag == kEntryTag) == (k.group == KeyGroup::Entry);
    });
}

// Row i is KeyId i: a missing, doubled or misplaced row fails here.
constexpr bool rowsFollowTheIds() {
    for (std::size_t i = 0; i < kKeys.size(); ++i) {
        if (keyIndex(kKeys[i].id) != i) return false;
    }
    return true;
}

// Names are how the widgets are found; two keys must not share one.
constexpr bool namesAreDistinct() {
    for (std::size_t i = 0; i < kKeys.size(); ++i) {
        if (kKeys[i].name.empty()) return false;
        for (std::size_t j = i + 1; j < kKeys.size(); ++j) {
            if (kKeys[i].name == kKeys[j].name) return false;
        }
    }
    return true;
}

// The image keys come last, so that the layout can keep them in a table of their own.
constexpr bool imageKeysComeLast() {
    return std::is_partitioned(kKeys.begin(), kKeys.end(),
                               [](const Key& k) { return !k.imageKey; });
}

// Each arc-locked key once.
constexpr bool arcLockedOrderNamesTheGroup() {
    for (std::size_t i = 0; i < kArcLockedOrder.size(); ++i) {
        if (keyOf(kArcLockedOrder[i]).group != KeyGroup::ArcLocked) return false;
        for (std::size_t j = i + 1; j < kArcLockedOrder.size(); ++j) {
            if (kArcLockedOrder[i] == kArcLockedOrder[j]) return false;
        }
    }
    return true;
}

static_assert(countGroup(KeyGroup::Entry) == 21);
static_assert(countGroup(KeyGroup::ArcLocked) == 8);
static_assert(countGroup(KeyGroup::DisabledForLife) == 7);
static_assert(tagsMarkTheEntryGroup());
static_assert(rowsFollowTheIds());
static_assert(namesAreDistinct());
static_assert(imageKeysComeLast());
static_assert(arcLockedOrderNamesTheGroup());

}  // namespace

const Key* findKey(std::string_view name) noexcept {
    const auto it =
        std::find_if(kKeys.begin(), kKeys.end(), [&](const Key& k) { return k.name == name; });
    return it == kKeys.end() ? nullptr : &*it;
}

const Key& keyNamed(std::string_view name) {
    if (const Key* key = findKey(name)) return *key;
    throw std::invalid_argument("no calculator key named " + std::string(name));
}

std::string keyHint(const Key& key, DecimalSeparator separator) {
    switch (key.action) {
        case KeyAction::AppendPi:
            return floatToStr(std::numbers::pi_v<Number>, separator);
        case KeyAction::AppendE:
            return floatToStr(std::numbers::e_v<Number>, separator);
        default:
            return std::string(key.hint);
    }
}

}  // namespace zhcalc
