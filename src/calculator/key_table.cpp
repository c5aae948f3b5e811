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

constexpr bool arcLockedOrderNamesTheGroup() {
    return std::all_of(kArcLockedOrder.begin(), kArcLockedOrder.end(), [](std::string_view name) {
        return std::any_of(kKeys.begin(), kKeys.end(), [&](const Key& k) {
            return k.name == name && k.group == KeyGroup::ArcLocked;
        });
    });
}

static_assert(countGroup(KeyGroup::Entry) == 21);
static_assert(countGroup(KeyGroup::ArcLocked) == 8);
static_assert(countGroup(KeyGroup::DisabledForLife) == 7);
static_assert(tagsMarkTheEntryGroup());
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
