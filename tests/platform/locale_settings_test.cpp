// Which locale the desktop's new settings make the numbers follow, and the separator of
// a named locale read without touching the process's own locale.
#include "platform/locale_settings.h"

#include <gtest/gtest.h>
#include <locale.h>

#include <clocale>
#include <optional>
#include <string>
#include <vector>

namespace zhcalc::platform {
namespace {

TEST(NumericLocaleName, EnvironmentLcAllThenSettingsLcNumericThenLang) {
    struct Case {
        const char* what;
        std::vector<std::string> settings;
        const char* lcAll;
        std::optional<std::string> name;
    };
    const Case cases[] = {
        {"LC_ALL of the session wins",
         {"LANG=en_US.UTF-8", "LC_NUMERIC=de_DE.UTF-8"},
         "ru_RU.UTF-8",
         "ru_RU.UTF-8"},
        {"LC_ALL wins over empty settings", {}, "C", "C"},
        {"empty LC_ALL counts as unset", {"LANG=en_US.UTF-8"}, "", "en_US.UTF-8"},
        {"LC_NUMERIC before LANG",
         {"LANG=en_US.UTF-8", "LC_NUMERIC=de_DE.UTF-8"},
         nullptr,
         "de_DE.UTF-8"},
        {"LC_NUMERIC listed first",
         {"LC_NUMERIC=de_DE.UTF-8", "LANG=en_US.UTF-8"},
         nullptr,
         "de_DE.UTF-8"},
        {"only LANG", {"LANG=ru_RU.UTF-8", "LC_TIME=en_GB.UTF-8"}, nullptr, "ru_RU.UTF-8"},
        {"other categories do not count",
         {"LC_TIME=en_GB.UTF-8", "LC_MONETARY=de_DE"},
         nullptr,
         std::nullopt},
        {"no settings", {}, nullptr, std::nullopt},
        {"a later entry overrides",
         {"LANG=en_US.UTF-8", "LANG=ru_RU.UTF-8"},
         nullptr,
         "ru_RU.UTF-8"},
        {"entries without '=' or value are skipped",
         {"LC_NUMERIC", "LC_NUMERIC=", "=de_DE.UTF-8", "", "LANG=ru_RU.UTF-8"},
         nullptr,
         "ru_RU.UTF-8"},
        {"names must match whole",
         {"XLANG=de_DE.UTF-8", "LC_NUMERIC_X=de_DE", " LANG=de_DE"},
         nullptr,
         std::nullopt},
        {"a name with a NUL is skipped",
         {std::string("LC_NUMERIC=de\0DE", 16), "LANG=C"},
         nullptr,
         "C"},
        {"the value may hold '='", {"LANG=a=b"}, nullptr, "a=b"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(numericLocaleName(c.settings, c.lcAll), c.name) << c.what;
    }
}

bool installed(const char* name) {
    locale_t probe = newlocale(LC_NUMERIC_MASK, name, nullptr);
    if (probe == nullptr) return false;
    freelocale(probe);
    return true;
}

TEST(NamedLocaleDecimalSeparator, IsTheLocalesOwnOrUnavailable) {
    struct Case {
        const char* name;
        std::optional<char> separator;
        bool generated;  // the test set-up generates it; it may be missing elsewhere
    };
    const Case cases[] = {
        {"C", '.', false},
        {"POSIX", '.', false},
        {"C.UTF-8", '.', false},
        {"ru_RU.UTF-8", ',', true},
        {"xx_NOWHERE.UTF-8", std::nullopt, false},
    };
    std::setlocale(LC_ALL, "C");
    const std::string before = std::setlocale(LC_ALL, nullptr);
    std::string missing;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.generated && !installed(c.name)) {
            missing += std::string(" ") + c.name;
            continue;
        }
        EXPECT_EQ(namedLocaleDecimalSeparator(c.name), c.separator);
        EXPECT_EQ(std::setlocale(LC_ALL, nullptr), before) << "the process's locale changed";
    }
    if (!missing.empty()) {
        GTEST_SKIP() << "not installed:" << missing << " (scripts/ensure-locales.sh generates it)";
    }
}

}  // namespace
}  // namespace zhcalc::platform
