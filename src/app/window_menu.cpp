#include "app/window_menu.h"

#include <QAction>
#include <QWidget>

namespace zhcalc {

WindowMenu::WindowMenu(QWidget* window, std::vector<WindowMenuItem> items)
    : QObject(window), items_(std::move(items)) {
    window->setContextMenuPolicy(Qt::NoContextMenu);
    int id = kFirstCommandId;
    for (auto& item : items_) {
        item.commandId = id++;
        auto* action = new QAction(item.caption, this);
        action->setShortcut(item.shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
        action->setEnabled(item.enabled);
        action->setCheckable(item.checked);
        action->setChecked(item.checked);
        const int commandId = item.commandId;
        connect(action, &QAction::triggered, this, [this, commandId] { choose(commandId); });
        window->addAction(action);
        actions_.push_back(action);
    }
}

QString WindowMenu::windowEntryText(const WindowMenuItem& item) {
    return item.caption + QLatin1Char('\t') + item.shortcut.toString(QKeySequence::PortableText);
}

WindowMenuItem* WindowMenu::find(int commandId) {
    for (auto& item : items_) {
        if (item.commandId == commandId) return &item;
    }
    return nullptr;
}

bool WindowMenu::choose(int commandId) {
    const WindowMenuItem* item = find(commandId);
    if (item == nullptr || !item->enabled) return false;
    if (item->action) item->action();
    return true;
}

void WindowMenu::setEnabled(int commandId, bool enabled) {
    if (WindowMenuItem* item = find(commandId)) {
        item->enabled = enabled;
        actions_[static_cast<std::size_t>(commandId - kFirstCommandId)]->setEnabled(enabled);
    }
}

void WindowMenu::setChecked(int commandId, bool checked) {
    if (WindowMenuItem* item = find(commandId)) {
        item->checked = checked;
        QAction* action = actions_[static_cast<std::size_t>(commandId - kFirstCommandId)];
        action->setCheckable(checked || action->isCheckable());
        action->setChecked(checked);
    }
}

}  // namespace zhcalc
