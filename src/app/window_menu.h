#pragma once
// The entries the calculator adds to its window menu: "Копировать", "Вставить",
// "Выре" and "Вырезать". Linux window managers own the window menu and the
// taskbar menu and take no entries from applications, so the entries live here as
// a model (captions, shortcut texts, command identifiers, enabled and checked
// state) and act as the window's keyboard shortcuts anywhere in the window.

#include <QKeySequence>
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class QAction;
class QWidget;

namespace zhcalc {

struct WindowMenuItem {
    QString caption;
    QKeySequence shortcut;         // empty: no shortcut
    std::function<void()> action;  // empty: choosing the entry does nothing
    bool enabled = true;
    bool checked = false;
    int commandId = 0;  // assigned by WindowMenu, unique within it
};

class WindowMenu : public QObject {
    Q_OBJECT
  public:
    // The first command identifier handed out; the following items count up.
    static constexpr int kFirstCommandId = 0x100;

    // Gives `window` (which owns this object) the items' shortcuts, switches its
    // context menu off and numbers the items.
    WindowMenu(QWidget* window, std::vector<WindowMenuItem> items);

    const std::vector<WindowMenuItem>& items() const { return items_; }

    // The entry as the window's menu shows it: caption, a tab, the shortcut text
    // ("Копировать\tCtrl+C"; "Выре\t" for an item without a shortcut).
    static QString windowEntryText(const WindowMenuItem& item);
    // The entry as the taskbar button's menu shows it: the caption alone.
    static QString applicationEntryText(const WindowMenuItem& item) { return item.caption; }

    // Runs the entry with this command identifier, as choosing it in the menu
    // would. Returns false for an unknown identifier or a disabled entry.
    bool choose(int commandId);

    void setEnabled(int commandId, bool enabled);
    void setChecked(int commandId, bool checked);

  private:
    WindowMenuItem* find(int commandId);

    std::vector<WindowMenuItem> items_;
    std::vector<QAction*> actions_;  // one per item, owned by this object
};

}  // namespace zhcalc
