#pragma once
// Keeps the calculator's decimal separator in step with the user's locale: read
// once at start and again whenever the desktop reports a locale change, either to
// the window or through the system's locale settings service.

#include <QDBusConnection>
#include <QObject>
#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace zhcalc {

class LocaleWatcher : public QObject {
    Q_OBJECT
  public:
    // Opens the bus on which the locale settings are announced.
    using BusOpener = std::function<QDBusConnection()>;

    // The system bus, or no connection at all when this machine has none.
    static QDBusConnection systemSettingsBus();

    // Reads the separator now and watches `window` (which owns this object) for
    // locale changes; `changed` runs after each new reading. The bus from
    // `openSettingsBus` is opened once the window has been painted, off the start-up.
    LocaleWatcher(QWidget* window, std::function<void()> changed,
                  BusOpener openSettingsBus = &LocaleWatcher::systemSettingsBus);

    // Reads the locale's separator and puts it in force.
    static void applyLocaleSeparator();

    // The desktop's locale settings are now `settings` ("LC_NUMERIC=de_DE.UTF-8", ...):
    // puts in force the separator they give and runs `changed`. Texts already shown
    // keep theirs.
    void settingsChanged(const std::vector<std::string>& settings);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void watchSettings(const BusOpener& openBus);

    std::function<void()> changed_;
    BusOpener openSettingsBus_;
};

}  // namespace zhcalc
