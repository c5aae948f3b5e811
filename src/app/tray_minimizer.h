#pragma once
// Minimize to the notification area: minimizing the window hides it (and its
// taskbar entry) and shows an icon; a click on the icon removes the icon and
// brings the window back. Where the desktop has no notification area the window
// minimizes as usual, so it can never become unreachable.
//
// The window's own top-level windows (the modal about window) go and come with it:
// minimizing one of them minimizes the window, and whenever the window comes back
// they come back above it.

#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>

class QSystemTrayIcon;
class QWidget;

namespace zhcalc {

class TrayMinimizer : public QObject {
    Q_OBJECT
  public:
    // Watches `window` (not owned); the icon is created on the first minimize.
    // The icon is drawn only when first needed, so that start-up does not pay for it.
    TrayMinimizer(QWidget* window, std::function<QIcon()> makeIcon);
    ~TrayMinimizer() override;

    // Whether a notification area is there to take the icon. Tests replace it.
    using Availability = std::function<bool()>;
    void setAvailability(Availability availability);

    bool inTray() const { return inTray_; }

    // Hides the window and shows the icon (no effect without a notification area).
    void minimizeToTray();
    // The icon's click: the icon leaves, the window comes back.
    void restoreFromTray();

  signals:
    void iconShown();
    void iconHidden();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ensureIcon();
    void checkHostStillThere();
    bool isOwnedWindow(QObject* object) const;
    void restoreOwnedWindows();

    QPointer<QWidget> window_;
    std::function<QIcon()> makeIcon_;
    QSystemTrayIcon* trayIcon_ = nullptr;  // owned through the QObject tree
    Availability available_;
    QTimer hostWatch_;
    bool inTray_ = false;
};

}  // namespace zhcalc
