#pragma once
// Follows the decimal separator of the user's locale: read once at start and again
// whenever the desktop reports a locale change, either to the window or through the
// system's locale settings service.

#include <QDBusConnection>
#include <QObject>
#include <functional>
#include <string>
#include <vector>

#include "engine/decimal_separator.h"

class QWidget;

namespace zhcalc {

class LocaleWatcher : public QObject {
    Q_OBJECT
  public:
    // Opens the bus on which the locale settings are announced.
    using BusOpener = std::function<QDBusConnection()>;

    // The system bus, or no connection at all when this machine has none.
    static QDBusConnection systemSettingsBus();

    // Receives the separator of each new reading.
    using Changed = std::function<void(DecimalSeparator)>;

    // Reads the separator now and watches `window` (which owns this object) for
    // locale changes; `changed` receives each new reading. The bus from
    // `openSettingsBus` is opened once the window has been painted, off the start-up.
    LocaleWatcher(QWidget* window, Changed changed,
                  BusOpener openSettingsBus = &LocaleWatcher::systemSettingsBus);

    // The separator of the latest reading.
    DecimalSeparator separator() const { return separator_; }

    // The desktop's locale settings are now `settings` ("LC_NUMERIC=de_DE.UTF-8", ...):
    // hands the separator they give to `changed`.
    void settingsChanged(const std::vector<std::string>& settings);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void watchSettings(const BusOpener& openBus);
    void read(DecimalSeparator separator);

    DecimalSeparator separator_;
    Changed changed_;
    BusOpener openSettingsBus_;
};

}  // namespace zhcalc
