// The separator follows the desktop's locale settings: through the watcher's settings
// path in the calculator window, and end to end from a stand-in locale service on a
// D-Bus daemon of the test's own.
#include "app/locale_watcher.h"

#include <locale.h>

#include <QWidget>
#include <clocale>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "platform/locale_settings_watch.h"
#include "support/private_bus.h"
#include "window_fixture.h"

namespace zhcalc::testing {
namespace {

bool installed(const char* name) {
    locale_t probe = newlocale(LC_ALL_MASK, name, nullptr);
    if (probe == nullptr) return false;
    freelocale(probe);
    return true;
}

// Sets the locale variables of the environment for one test and puts them, and the
// process's C locale, back afterwards.
class LocaleEnvironment {
  public:
    LocaleEnvironment(const char* lcAll, const char* lang)
        : savedLocale_(std::setlocale(LC_ALL, nullptr)) {
        for (const char* name : kNames) {
            const char* value = std::getenv(name);
            saved_.push_back(value ? std::optional<std::string>(value) : std::nullopt);
            unsetenv(name);
        }
        if (lcAll != nullptr) setenv("LC_ALL", lcAll, 1);
        if (lang != nullptr) setenv("LANG", lang, 1);
    }
    ~LocaleEnvironment() {
        for (std::size_t i = 0; i < std::size(kNames); ++i) {
            if (saved_[i])
                setenv(kNames[i], saved_[i]->c_str(), 1);
            else
                unsetenv(kNames[i]);
        }
        std::setlocale(LC_ALL, savedLocale_.c_str());
    }
    LocaleEnvironment(const LocaleEnvironment&) = delete;
    LocaleEnvironment& operator=(const LocaleEnvironment&) = delete;

  private:
    static constexpr const char* kNames[] = {"LC_ALL", "LC_NUMERIC", "LANG"};
    std::string savedLocale_;
    std::vector<std::optional<std::string>> saved_;
};

QString separatorIn(const QString& number) {
    return number.mid(1, 1);
}

TEST_F(WindowTest, LocaleSettingsChangeGiveThePanelTheirSeparator) {
    struct Case {
        const char* what;
        const char* lcAll;
        const char* lang;
        std::vector<std::string> settings;
        char separator;
        bool needsRussian;
    };
    const Case cases[] = {
        {"LC_NUMERIC of the settings",
         nullptr,
         "C",
         {"LANG=C.UTF-8", "LC_NUMERIC=ru_RU.UTF-8"},
         ',',
         true},
        {"LANG of the settings over the session's",
         nullptr,
         "ru_RU.UTF-8",
         {"LANG=C.UTF-8"},
         '.',
         true},
        {"the session's LC_ALL wins", "C", nullptr, {"LC_NUMERIC=ru_RU.UTF-8"}, '.', true},
        {"a locale missing here keeps the session's",
         nullptr,
         "ru_RU.UTF-8",
         {"LC_NUMERIC=xx_NOWHERE.UTF-8"},
         ',',
         true},
        {"no locale named keeps the session's", nullptr, "ru_RU.UTF-8", {"LC_TIME=C"}, ',', true},
        {"no locale named, C session", nullptr, nullptr, {}, '.', false},
    };
    auto* watcher = window->findChild<LocaleWatcher*>();
    ASSERT_NE(watcher, nullptr);
    const bool russian = installed("ru_RU.UTF-8");
    const QString before = shown();
    for (const auto& c : cases) {
        if (c.needsRussian && !russian) continue;
        SCOPED_TRACE(c.what);
        LocaleEnvironment environment(c.lcAll, c.lang);
        window->panel().setDecimalSeparator(DecimalSeparator('#'));
        watcher->settingsChanged(c.settings);
        EXPECT_EQ(window->panel().decimalSeparator().character(), c.separator);
        EXPECT_EQ(watcher->separator().character(), c.separator);
        const QString expected(QChar::fromLatin1(c.separator));
        EXPECT_EQ(separatorIn(control("ShPi")->toolTip()), expected);
        EXPECT_EQ(separatorIn(control("Shexp")->toolTip()), expected);
        EXPECT_EQ(shown(), before) << "texts already shown keep their separator";
    }
    if (!russian) GTEST_SKIP() << "ru_RU.UTF-8 is not installed (scripts/ensure-locales.sh)";
}

TEST(LocaleWatcherOnBus, AnnouncedSettingsReachTheSeparatorAfterTheFirstPaint) {
    PrivateBus bus;
    if (*bus.problem() != '\0') GTEST_SKIP() << bus.problem();
    if (!installed("ru_RU.UTF-8")) GTEST_SKIP() << "ru_RU.UTF-8 is not installed";
    LocaleEnvironment environment(nullptr, "C");

    QWidget window;
    int changes = 0;
    char received = '#';
    int opened = 0;
    auto* watcher = new LocaleWatcher(
        &window,
        [&](DecimalSeparator separator) {
            ++changes;
            received = separator.character();
        },
        [&] {
            ++opened;
            return bus.connect();
        });
    const auto watch = [watcher] { return watcher->findChild<platform::LocaleSettingsWatch*>(); };
    // Nothing touches the bus before the window has been painted.
    QCoreApplication::processEvents();
    EXPECT_EQ(opened, 0);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_TRUE(QTest::qWaitFor([&] { return watch() != nullptr; }, 5000));
    EXPECT_TRUE(watch()->isWatching());
    // Later paints open nothing more.
    window.repaint();
    window.update();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(watcher->findChildren<platform::LocaleSettingsWatch*>().size(), 1);

    QDBusConnection serviceBus = bus.connect();
    FakeLocaleService service(serviceBus);
    ASSERT_TRUE(service.publish());
    const QStringList locale{QStringLiteral("LANG=C.UTF-8"),
                             QStringLiteral("LC_NUMERIC=ru_RU.UTF-8")};
    ASSERT_TRUE(service.announce({{QStringLiteral("Locale"), locale}}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return received == ','; }, 5000));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(watcher->separator().character(), ',');
}

}  // namespace
}  // namespace zhcalc::testing
