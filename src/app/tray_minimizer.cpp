#include "app/tray_minimizer.h"

#include <QEvent>
#include <QSystemTrayIcon>
#include <QWidget>
#include <QWindowStateChangeEvent>

namespace zhcalc {
namespace {

// While the window is in the tray, how often to make sure the tray host is still
// running; if it went away the window comes back instead of staying lost.
constexpr int kHostWatchIntervalMs = 1000;

}  // namespace

TrayMinimizer::TrayMinimizer(QWidget* window, std::function<QIcon()> makeIcon)
    : QObject(window),
      window_(window),
      makeIcon_(std::move(makeIcon)),
      available_([] { return QSystemTrayIcon::isSystemTrayAvailable(); }) {
    window->installEventFilter(this);
    hostWatch_.setInterval(kHostWatchIntervalMs);
    connect(&hostWatch_, &QTimer::timeout, this, &TrayMinimizer::checkHostStillThere);
}

TrayMinimizer::~TrayMinimizer() {
    if (trayIcon_ != nullptr) trayIcon_->hide();
}

void TrayMinimizer::setAvailability(Availability availability) {
    available_ = std::move(availability);
}

bool TrayMinimizer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::WindowStateChange && !inTray_ &&
        window_->isMinimized() && available_()) {
        // Hiding inside the state change confuses some window managers; do it
        // once the event has been handled.
        QTimer::singleShot(0, this, [this] {
            if (window_ != nullptr && window_->isMinimized() && !inTray_) minimizeToTray();
        });
    }
    return QObject::eventFilter(watched, event);
}

void TrayMinimizer::ensureIcon() {
    if (trayIcon_ != nullptr) return;
    trayIcon_ = new QSystemTrayIcon(makeIcon_(), this);
    connect(trayIcon_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick) {
                    restoreFromTray();
                } else if (window_ != nullptr && window_->isVisible()) {
                    window_->activateWindow();
                }
            });
}

void TrayMinimizer::minimizeToTray() {
    if (window_ == nullptr || inTray_ || !available_()) return;
    ensureIcon();
    inTray_ = true;
    window_->hide();
    trayIcon_->show();
    hostWatch_.start();
    emit iconShown();
}

void TrayMinimizer::restoreFromTray() {
    if (!inTray_) return;
    inTray_ = false;
    hostWatch_.stop();
    if (trayIcon_ != nullptr) trayIcon_->hide();
    emit iconHidden();
    if (window_ != nullptr) {
        window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
        window_->show();
        window_->raise();
        window_->activateWindow();
    }
}

void TrayMinimizer::checkHostStillThere() {
    if (inTray_ && !available_()) restoreFromTray();
}

}  // namespace zhcalc
