#include "platform/locale_settings.h"

#include <langinfo.h>
#include <locale.h>

#include <string_view>

namespace zhcalc::platform {
namespace {

// The value of the last well-formed `key` entry (a later entry overrides an earlier
// one, as in an environment block); nothing when there is none.
std::optional<std::string> settingValue(const std::vector<std::string>& settings,
                                        std::string_view key) {
    std::optional<std::string> value;
    for (const std::string& entry : settings) {
        const std::string_view text(entry);
        const auto equals = text.find('=');
        if (equals == std::string_view::npos || text.substr(0, equals) != key) continue;
        const std::string_view name = text.substr(equals + 1);
        // An empty name, or one the C library would cut short, names no locale.
        if (name.empty() || name.find('\0') != std::string_view::npos) continue;
        value = std::string(name);
    }
    return value;
}

// Frees the locale object on every way out.
class LocaleObject {
  public:
    explicit LocaleObject(locale_t locale) : locale_(locale) {}
    ~LocaleObject() {
        if (locale_ != nullptr) freelocale(locale_);
    }
    LocaleObject(const LocaleObject&) = delete;
    LocaleObject& operator=(const LocaleObject&) = delete;

    locale_t get() const { return locale_; }

  private:
    locale_t locale_;
};

DecimalSeparator separatorOf(const LocaleObject& locale) {
    const char* point = nl_langinfo_l(RADIXCHAR, locale.get());
    return decimalSeparatorFromLocaleText(point != nullptr ? point : "");
}

}  // namespace

std::optional<std::string> numericLocaleName(const std::vector<std::string>& settings,
                                             const char* environmentLcAll) {
    if (environmentLcAll != nullptr && *environmentLcAll != '\0') return environmentLcAll;
    if (auto numeric = settingValue(settings, "LC_NUMERIC")) return numeric;
    return settingValue(settings, "LANG");
}

std::optional<DecimalSeparator> namedLocaleDecimalSeparator(const std::string& name) {
    // A locale the settings name but this machine lacks (not generated, or set for
    // other machines) says nothing about the user's separator: the caller keeps the
    // environment's reading rather than switching to the C locale's ".".
    const LocaleObject locale(newlocale(LC_NUMERIC_MASK, name.c_str(), nullptr));
    if (locale.get() == nullptr) return std::nullopt;
    return separatorOf(locale);
}

DecimalSeparator localeDecimalSeparator() {
    // All categories, as setlocale(LC_ALL, "") takes them: one that the environment
    // names wrongly fails the whole reading, which then gives the C locale's ".".
    const LocaleObject locale(newlocale(LC_ALL_MASK, "", nullptr));
    if (locale.get() == nullptr) return {};
    return separatorOf(locale);
}

}  // namespace zhcalc::platform
