#include "platform/locale_settings_watch.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <optional>
#include <utility>

namespace zhcalc::platform {
namespace {

const QString kInterface = QStringLiteral("org.freedesktop.locale1");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");
const QString kLocale = QStringLiteral("Locale");

// The string list in a D-Bus value of type "as"; nothing for a value of another type.
std::optional<QStringList> stringList(const QVariant& value) {
    if (value.metaType() == QMetaType::fromType<QStringList>()) return value.toStringList();
    if (value.metaType() == QMetaType::fromType<QDBusArgument>()) {
        const auto argument = value.value<QDBusArgument>();
        if (argument.currentSignature() != QLatin1String("as")) return std::nullopt;
        return qdbus_cast<QStringList>(argument);
    }
    return std::nullopt;
}

}  // namespace

LocaleSettingsWatch::LocaleSettingsWatch(Callback changed, QDBusConnection bus, QObject* parent,
                                         const QString& service, const QString& path)
    : QObject(parent),
      changed_(std::move(changed)),
      bus_(std::move(bus)),
      service_(service),
      path_(path) {
    if (!bus_.isConnected()) return;
    // The bus passes on only the announcements for the locale interface.
    watching_ = bus_.connect(service_, path_, kProperties, QStringLiteral("PropertiesChanged"),
                             {kInterface}, QString(), this,
                             SLOT(propertiesChanged(QString, QVariantMap, QStringList)));
}

void LocaleSettingsWatch::propertiesChanged(const QString& interface, const QVariantMap& changed,
                                            const QStringList& invalidated) {
    if (interface != kInterface) return;
    ++generation_;
    if (const auto value = changed.constFind(kLocale); value != changed.constEnd()) {
        deliver(*value);
    } else if (invalidated.contains(kLocale)) {
        // Only the news that it changed: ask for the list, without waiting for it here.
        requestLocale();
    }
}

void LocaleSettingsWatch::requestLocale() {
    QDBusMessage get =
        QDBusMessage::createMethodCall(service_, path_, kProperties, QStringLiteral("Get"));
    get << kInterface << kLocale;
    auto* call = new QDBusPendingCallWatcher(bus_.asyncCall(get), this);
    const unsigned generation = generation_;
    connect(call, &QDBusPendingCallWatcher::finished, this,
            [this, generation](QDBusPendingCallWatcher* finished) {
                localeReceived(finished, generation);
            });
}

void LocaleSettingsWatch::localeReceived(QDBusPendingCallWatcher* call, unsigned generation) {
    call->deleteLater();
    const QDBusPendingReply<QDBusVariant> reply = *call;
    // A failed call leaves the separator as it was; a later announcement brings news.
    if (reply.isError() || generation != generation_) return;
    deliver(reply.value().variant());
}

void LocaleSettingsWatch::deliver(const QVariant& value) {
    const auto list = stringList(value);
    if (!list || !changed_) return;
    // The receiver reports its own failures; none may reach the event loop.
    try {
        std::vector<std::string> settings;
        settings.reserve(static_cast<std::size_t>(list->size()));
        for (const QString& entry : *list)
            settings.push_back(entry.toStdString());
        changed_(std::move(settings));
    } catch (...) {
    }
}

}  // namespace zhcalc::platform
