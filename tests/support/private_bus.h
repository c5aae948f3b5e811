#pragma once
// A D-Bus daemon of the test's own, so that bus tests need neither the machine's system
// bus nor a session bus; and a stand-in for the system's locale service on it.

#include <sys/prctl.h>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QObject>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QTest>
#include <QVariantMap>
#include <atomic>
#include <csignal>

namespace zhcalc::testing {

// Starts `dbus-daemon --session` and ends it (that one process) when it goes.
class PrivateBus {
  public:
    PrivateBus() {
        const QString program = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        if (program.isEmpty()) {
            problem_ = "dbus-daemon is not installed (Debian package dbus-daemon)";
            return;
        }
        // Should the test die, the daemon goes with it.
        daemon_.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
        daemon_.start(program, {QStringLiteral("--session"), QStringLiteral("--print-address"),
                                QStringLiteral("--nofork")});
        if (!daemon_.waitForStarted(5000)) {
            problem_ = "dbus-daemon did not start";
            return;
        }
        // The address is its first line; give it a few seconds at most.
        QElapsedTimer waited;
        waited.start();
        while (!daemon_.canReadLine() && waited.elapsed() < 5000) {
            daemon_.waitForReadyRead(100);
        }
        address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
        if (address_.isEmpty()) problem_ = "dbus-daemon printed no address";
    }
    ~PrivateBus() {
        for (const QString& name : names_)
            QDBusConnection::disconnectFromBus(name);
        if (daemon_.state() != QProcess::NotRunning) {
            daemon_.kill();
            daemon_.waitForFinished(5000);
        }
    }
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;

    // Empty when the bus runs; else why not (the tests that need it skip).
    const char* problem() const { return problem_; }

    // A new connection to the bus, under a name of its own.
    QDBusConnection connect() {
        static std::atomic<int> counter{0};
        const QString name = QStringLiteral("zhcalc-test-bus-%1").arg(++counter);
        names_.push_back(name);
        return QDBusConnection::connectToBus(address_, name);
    }

  private:
    QProcess daemon_;
    QString address_;
    QStringList names_;
    const char* problem_ = "";
};

// The system's locale service as far as the watch sees it: the "Locale" property,
// readable through org.freedesktop.DBus.Properties, and its change announcements.
class FakeLocaleService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.locale1")
    Q_PROPERTY(QStringList Locale READ locale)

  public:
    static constexpr const char* kService = "org.freedesktop.locale1";
    static constexpr const char* kPath = "/org/freedesktop/locale1";

    explicit FakeLocaleService(QDBusConnection bus) : bus_(std::move(bus)) {}

    bool publish() {
        return bus_.registerObject(QString::fromLatin1(kPath), this,
                                   QDBusConnection::ExportAllProperties) &&
               bus_.registerService(QString::fromLatin1(kService));
    }

    QStringList locale() const { return locale_; }
    void setLocale(QStringList locale) { locale_ = std::move(locale); }

    // Announces a change of `interface` with `changed` values and `invalidated` names.
    bool announce(const QVariantMap& changed, const QStringList& invalidated = {},
                  const QString& interface = QString::fromLatin1(kService)) {
        return announceOn(bus_, changed, invalidated, interface);
    }
    static bool announceOn(QDBusConnection bus, const QVariantMap& changed,
                           const QStringList& invalidated = {},
                           const QString& interface = QString::fromLatin1(kService)) {
        QDBusMessage signal = QDBusMessage::createSignal(
            QString::fromLatin1(kPath), QStringLiteral("org.freedesktop.DBus.Properties"),
            QStringLiteral("PropertiesChanged"));
        signal << interface << changed << invalidated;
        return bus.send(signal);
    }

  private:
    QDBusConnection bus_;
    QStringList locale_;
};

}  // namespace zhcalc::testing
