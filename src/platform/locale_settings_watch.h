#pragma once
// Listens on D-Bus for changes of the desktop's locale settings: the system's locale
// service (org.freedesktop.locale1, as localectl and the desktops' region settings
// change it) announces its new "Locale" list through PropertiesChanged.

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <functional>
#include <string>
#include <vector>

class QDBusPendingCallWatcher;

namespace zhcalc::platform {

class LocaleSettingsWatch : public QObject {
    Q_OBJECT
  public:
    // Receives the new settings, entries such as "LANG=ru_RU.UTF-8".
    using Callback = std::function<void(std::vector<std::string>)>;

    static constexpr const char* kService = "org.freedesktop.locale1";
    static constexpr const char* kPath = "/org/freedesktop/locale1";

    // Subscribes on `bus`; on a bus that is not connected it stays idle, quietly.
    LocaleSettingsWatch(Callback changed, QDBusConnection bus = QDBusConnection::systemBus(),
                        QObject* parent = nullptr,
                        const QString& service = QString::fromLatin1(kService),
                        const QString& path = QString::fromLatin1(kPath));

    // Whether the subscription is in place.
    bool isWatching() const { return watching_; }

  private slots:
    void propertiesChanged(const QString& interface, const QVariantMap& changed,
                           const QStringList& invalidated);

  private:
    void requestLocale();
    void localeReceived(QDBusPendingCallWatcher* call, unsigned generation);
    void deliver(const QVariant& value);

    Callback changed_;
    QDBusConnection bus_;
    QString service_;
    QString path_;
    bool watching_ = false;
    // Counts the announcements, so that a reply older than the latest one is dropped.
    unsigned generation_ = 0;
};

}  // namespace zhcalc::platform
