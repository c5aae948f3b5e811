// The watch on the locale service, over a D-Bus daemon of the test's own.
#include "platform/locale_settings_watch.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "support/private_bus.h"

namespace zhcalc::platform {
namespace {

using Settings = std::vector<std::string>;
using zhcalc::testing::FakeLocaleService;
using zhcalc::testing::PrivateBus;

class LocaleSettingsWatchTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (*bus.problem() != '\0') GTEST_SKIP() << bus.problem();
        // The watch subscribes before the service is on the bus, as when the system
        // starts the service on demand.
        watch = std::make_unique<LocaleSettingsWatch>(
            [this](Settings settings) { received.push_back(std::move(settings)); }, bus.connect());
        ASSERT_TRUE(watch->isWatching());
        ASSERT_TRUE(serviceBus.isConnected());
        ASSERT_TRUE(service.publish());
    }

    // Waits (a few seconds at most) until `count` lists have arrived.
    bool receivedCount(std::size_t count) {
        return QTest::qWaitFor([&] { return received.size() >= count; }, 5000) &&
               received.size() == count;
    }

    PrivateBus bus;
    QDBusConnection serviceBus = bus.connect();
    FakeLocaleService service{serviceBus};
    std::unique_ptr<LocaleSettingsWatch> watch;
    std::vector<Settings> received;
};

TEST_F(LocaleSettingsWatchTest, ChangedListArrivesAsItIs) {
    const QStringList locale{QStringLiteral("LANG=ru_RU.UTF-8"),
                             QStringLiteral("LC_NUMERIC=de_DE.UTF-8")};
    ASSERT_TRUE(service.announce({{QStringLiteral("Locale"), locale}}));
    ASSERT_TRUE(receivedCount(1));
    EXPECT_EQ(received[0], (Settings{"LANG=ru_RU.UTF-8", "LC_NUMERIC=de_DE.UTF-8"}));
    // An empty list is news too: the settings were cleared.
    ASSERT_TRUE(service.announce({{QStringLiteral("Locale"), QStringList()}}));
    ASSERT_TRUE(receivedCount(2));
    EXPECT_EQ(received[1], Settings{});
}

TEST_F(LocaleSettingsWatchTest, InvalidatedListIsAskedFor) {
    // The announcement carries no list, so the one received must come from the service.
    service.setLocale({QStringLiteral("LANG=en_GB.UTF-8"), QStringLiteral("LC_NUMERIC=C")});
    ASSERT_TRUE(service.announce({}, {QStringLiteral("Locale")}));
    ASSERT_TRUE(receivedCount(1));
    EXPECT_EQ(received[0], (Settings{"LANG=en_GB.UTF-8", "LC_NUMERIC=C"}));
}

TEST_F(LocaleSettingsWatchTest, OtherNewsIsIgnored) {
    const QVariantMap locale{{QStringLiteral("Locale"), QStringList{QStringLiteral("LANG=C")}}};
    QDBusConnection stranger = bus.connect();
    // Another interface, another property, a value of the wrong type, the same path
    // announced by a program that is not the locale service.
    ASSERT_TRUE(service.announce(locale, {}, QStringLiteral("org.freedesktop.hostname1")));
    ASSERT_TRUE(service.announce({{QStringLiteral("X11Layout"), QStringLiteral("de")}},
                                 {QStringLiteral("VConsoleKeymap")}));
    ASSERT_TRUE(service.announce({{QStringLiteral("Locale"), QStringLiteral("LANG=C")}}));
    ASSERT_TRUE(FakeLocaleService::announceOn(stranger, locale));
    // A call answered by the bus daemon means it has passed the stranger's signal on.
    ASSERT_TRUE(stranger.interface()->isServiceRegistered(QStringLiteral("org.freedesktop.DBus")));
    // The bus keeps the order: once the last one arrives, the others would have.
    const QStringList last{QStringLiteral("LANG=ru_RU.UTF-8")};
    ASSERT_TRUE(service.announce({{QStringLiteral("Locale"), last}}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !received.empty(); }, 5000));
    QCoreApplication::processEvents();
    ASSERT_EQ(received.size(), 1U);
    EXPECT_EQ(received[0], Settings{"LANG=ru_RU.UTF-8"});
}

TEST(LocaleSettingsWatchWithoutBus, StaysIdle) {
    int calls = 0;
    const auto count = [&calls](Settings) { ++calls; };
    const QDBusConnection unreachable = QDBusConnection::connectToBus(
        QStringLiteral("unix:path=/nonexistent/zhcalc-test-bus"), QStringLiteral("zhcalc-nowhere"));
    ASSERT_FALSE(unreachable.isConnected());
    LocaleSettingsWatch onUnreachable(count, unreachable);
    LocaleSettingsWatch onNothing(count, QDBusConnection(QString()));
    EXPECT_FALSE(onUnreachable.isWatching());
    EXPECT_FALSE(onNothing.isWatching());
    QCoreApplication::processEvents();
    EXPECT_EQ(calls, 0);
    QDBusConnection::disconnectFromBus(QStringLiteral("zhcalc-nowhere"));
}

}  // namespace
}  // namespace zhcalc::platform
