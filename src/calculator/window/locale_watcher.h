#pragma once
// Keeps the calculator's decimal separator in step with the user's locale: read
// once at start and again whenever the desktop reports a locale change.

#include <QObject>
#include <functional>

class QWidget;

namespace zhcalc {

class LocaleWatcher : public QObject {
    Q_OBJECT
  public:
    // Reads the separator now and watches `window` (which owns this object) for
    // locale changes; `changed` runs after each new reading.
    LocaleWatcher(QWidget* window, std::function<void()> changed);

    // Reads the locale's separator and puts it in force.
    static void applyLocaleSeparator();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<void()> changed_;
};

}  // namespace zhcalc
