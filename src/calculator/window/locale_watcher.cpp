#include "calculator/window/locale_watcher.h"

#include <QEvent>
#include <QWidget>

#include "engine/number_text.h"

namespace zhcalc {

LocaleWatcher::LocaleWatcher(QWidget* window, std::function<void()> changed)
    : QObject(window), changed_(std::move(changed)) {
    applyLocaleSeparator();
    window->installEventFilter(this);
}

void LocaleWatcher::applyLocaleSeparator() {
    setDecimalSeparator(localeDecimalSeparator());
}

bool LocaleWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::LocaleChange && watched == parent()) {
        applyLocaleSeparator();
        if (changed_) changed_();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace zhcalc
