// Which locale the desktop's new settings make the numbers follow, and the separator of
// a named locale and of the environment's, read without touching the process's own locale.
#include "platform/locale_settings.h"

#include <gtest/gtest.h>
#include <locale.h>

#include <clocale>
#include <cstdlib>
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

std::optional<char> characterOf(std::optional<DecimalSeparator> separator) {
    return separator ? std::optional<char>(separator->character()) : std::nullopt;
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
        EXPECT_EQ(characterOf(namedLocaleDecimalSeparator(c.name)), c.separator);
        EXPECT_EQ(std::setlocale(LC_ALL, nullptr), before) << "the process's locale changed";
    }
    if (!missing.empty()) {
        GTEST_SKIP() << "not installed:" << missing << " (scripts/ensure-locales.sh generates it)";
    }
}

// Rows whose locale is not installed are left out (LOCPATH may point at more).
TEST(LocaleDecimalSeparator, IsReadFromTheUsersLocale) {
    struct Case {
        const char* locale;
        char separator;
    };
    const Case cases[] = {
        {"C", '.'},           {"ru_RU.UTF-8", ','}, {"de_DE.UTF-8", ','},
        {"en_US.UTF-8", '.'}, {"ps_AF.UTF-8", '.'},  // U+066B has no Windows-1251 code
    };
    const char* saved = std::getenv("LC_ALL");
    const std::string savedValue = saved ? saved : "";
    std::setlocale(LC_ALL, "C");
    const std::string before = std::setlocale(LC_ALL, nullptr);
    int checked = 0;
    for (const auto& c : cases) {
        if (locale_t probe = newlocale(LC_ALL_MASK, c.locale, nullptr)) {
            freelocale(probe);
        } else {
            continue;
        }
        SCOPED_TRACE(c.locale);
        setenv("LC_ALL", c.locale, 1);
        EXPECT_EQ(localeDecimalSeparator().character(), c.separator);
        EXPECT_EQ(std::setlocale(LC_ALL, nullptr), before)
            << "reading the locale must not change the process's locale";
        ++checked;
    }
    // A locale this machine lacks fails the reading: the C locale's ".".
    setenv("LC_ALL", "xx_NOWHERE.UTF-8", 1);
    EXPECT_EQ(localeDecimalSeparator().character(), '.');
    if (saved)
        setenv("LC_ALL", savedValue.c_str(), 1);
    else
        unsetenv("LC_ALL");
    EXPECT_GE(checked, 1);
}

}  // namespace
}  // namespace zhcalc::platform
