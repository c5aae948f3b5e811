#include "app/tray_minimizer.h"

#include <QChildEvent>
#include <QEvent>
#include <QSystemTrayIcon>
#include <QWidget>
#include <QWindowStateChangeEvent>
#include <algorithm>
#include <vector>

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
    if (watched == window_ && event->type() == QEvent::ChildPolished) {
        // An owned window is polished when first shown: from then on its minimizing
        // is seen here too.
        QObject* child = static_cast<QChildEvent*>(event)->child();
        if (isOwnedWindow(child)) child->installEventFilter(this);
    }
    if (event->type() != QEvent::WindowStateChange) return QObject::eventFilter(watched, event);
    if (watched == window_) {
        if (!inTray_ && window_->isMinimized() && available_()) {
            // Hiding inside the state change confuses some window managers; do it
            // once the event has been handled.
            QTimer::singleShot(0, this, [this] {
                if (window_ != nullptr && window_->isMinimized() && !inTray_) minimizeToTray();
            });
        } else if (!window_->isMinimized() && window_->isVisible()) {
            // Back from the taskbar: an owned window left minimized would block the
            // window without being anywhere in sight.
            QTimer::singleShot(0, this, &TrayMinimizer::restoreOwnedWindows);
        }
    } else if (isOwnedWindow(watched) && static_cast<QWidget*>(watched)->isMinimized() &&
               !inTray_ && window_ != nullptr && !window_->isMinimized()) {
        // An owned window minimized alone (it has no taskbar entry of its own) takes
        // the window with it, into the tray or the taskbar.
        QTimer::singleShot(0, this, [this] {
            if (window_ != nullptr && !inTray_) window_->showMinimized();
        });
    }
    return QObject::eventFilter(watched, event);
}

bool TrayMinimizer::isOwnedWindow(QObject* object) const {
    const auto* widget = qobject_cast<QWidget*>(object);
    return widget != nullptr && widget != window_ && widget->isWindow() &&
           widget->parentWidget() == window_;
}

// Owned windows shown (minimized or not) come back raised above the window, the
// modal one last so that it ends on top and has the focus.
void TrayMinimizer::restoreOwnedWindows() {
    if (window_ == nullptr) return;
    std::vector<QWidget*> owned;
    for (QObject* child : window_->children()) {
        if (isOwnedWindow(child) && static_cast<QWidget*>(child)->isVisible())
            owned.push_back(static_cast<QWidget*>(child));
    }
    std::stable_partition(owned.begin(), owned.end(),
                          [](const QWidget* w) { return !w->isModal(); });
    for (QWidget* widget : owned) {
        widget->setWindowState(widget->windowState() & ~Qt::WindowMinimized);
        widget->show();
        widget->raise();
        widget->activateWindow();
    }
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
        restoreOwnedWindows();
    }
}

void TrayMinimizer::checkHostStillThere() {
    if (inTray_ && !available_()) restoreFromTray();
}

}  // namespace zhcalc
