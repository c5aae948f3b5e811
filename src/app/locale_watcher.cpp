#include "app/locale_watcher.h"

#include <QEvent>
#include <QFileInfo>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <optional>
#include <utility>

#include "app/error_box.h"
#include "engine/number_text.h"
#include "platform/locale_settings.h"
#include "platform/locale_settings_watch.h"

namespace zhcalc {

LocaleWatcher::LocaleWatcher(QWidget* window, Changed changed, BusOpener openSettingsBus)
    : QObject(window),
      separator_(platform::localeDecimalSeparator()),
      changed_(std::move(changed)),
      openSettingsBus_(std::move(openSettingsBus)) {
    window->installEventFilter(this);
}

QDBusConnection LocaleWatcher::systemSettingsBus() {
    // Containers often have no system bus; asking for it anyway would start the
    // toolkit's D-Bus thread for nothing.
    if (std::getenv("DBUS_SYSTEM_BUS_ADDRESS") == nullptr &&
        !QFileInfo::exists(QStringLiteral("/var/run/dbus/system_bus_socket"))) {
        return QDBusConnection(QString());
    }
    return QDBusConnection::systemBus();
}

void LocaleWatcher::read(DecimalSeparator separator) {
    separator_ = separator;
    if (changed_) changed_(separator);
}

void LocaleWatcher::settingsChanged(const std::vector<std::string>& settings) {
    const auto name = platform::numericLocaleName(settings, std::getenv("LC_ALL"));
    const auto separator =
        name ? platform::namedLocaleDecimalSeparator(*name) : std::optional<DecimalSeparator>();
    read(separator ? *separator : platform::localeDecimalSeparator());
}

bool LocaleWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (watched != parent()) return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::LocaleChange) {
        runGuarded(static_cast<QWidget*>(watched),
                   [this] { read(platform::localeDecimalSeparator()); });
    } else if (event->type() == QEvent::Paint && openSettingsBus_) {
        // Two turns of the event loop: the first paint finishes, and what it queued
        // (the colour key) runs before the bus is opened.
        QTimer::singleShot(0, this, [this, open = std::exchange(openSettingsBus_, nullptr)] {
            QTimer::singleShot(0, this, [this, open] { watchSettings(open); });
        });
    }
    return QObject::eventFilter(watched, event);
}

void LocaleWatcher::watchSettings(const BusOpener& openBus) {
    auto* window = static_cast<QWidget*>(parent());
    runGuarded(window, [&] {
        new platform::LocaleSettingsWatch(  // owned by this object
            [this, window](std::vector<std::string> settings) {
                runGuarded(window, [&] { settingsChanged(settings); });
            },
            openBus(), this);
    });
}

}  // namespace zhcalc
