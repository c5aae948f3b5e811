#include "engine/function_registry.h"

#include <algorithm>
#include <string>
#include <vector>

namespace zhcalc::registry {

namespace {

char upperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string foldCase(std::string_view name) {
    std::string key(name);
    std::transform(key.begin(), key.end(), key.begin(), upperAscii);
    return key;
}

struct Entry {
    std::string name;
    std::string key;  // the name in ASCII upper case: the sort and search order
    MathFunction function;
};

// Byte order of the folded names keeps all names with the same first letter
// together, so a lookup only scans the names that can start at the text's letter.
bool keyLess(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    });
}

std::vector<Entry>& entries() {
    static std::vector<Entry> list;
    return list;
}

std::vector<Entry>::iterator lowerBound(std::string_view key) {
    auto& list = entries();
    return std::lower_bound(list.begin(), list.end(), key,
                            [](const Entry& e, std::string_view k) { return keyLess(e.key, k); });
}

}  // namespace

void add(std::string_view name, MathFunction function) {
    auto& list = entries();
    std::string key = foldCase(name);
    auto it = lowerBound(key);
    if (it != list.end() && it->key == key) {
        it->function = function;
        return;
    }
    list.insert(it, Entry{std::string(name), std::move(key), function});
}

void remove(std::string_view name) {
    auto& list = entries();
    if (list.empty()) return;
    const std::string key = foldCase(name);
    auto it = lowerBound(key);
    if (it != list.end() && it->key == key) list.erase(it);
    if (list.empty()) list.shrink_to_fit();
}

Match find(std::string_view text, std::size_t pos) {
    const auto& list = entries();
    if (list.empty() || pos >= text.size()) return {};
    const char first = text[pos];
    auto it = std::lower_bound(list.begin(), list.end(), first, [](const Entry& e, char c) {
        return static_cast<unsigned char>(e.key.front()) < static_cast<unsigned char>(c);
    });
    const std::string_view rest = text.substr(pos);
    for (; it != list.end() && it->key.front() == first; ++it) {
        const std::string_view key = it->key;
        if (rest.size() > key.size() && rest.compare(0, key.size(), key) == 0 &&
            rest[key.size()] == '(')
            return {it->function, key.size()};
    }
    return {};
}

}  // namespace zhcalc::registry
