#pragma once
// Base of the interfaces of drawn widgets that show text a user cannot edit: the
// text interface over one whole text, no cursor and no selection.

#include <QAccessibleWidget>
#include <QString>
#include <functional>

namespace zhcalc::controls::accessibility {

class ReadOnlyTextAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    ReadOnlyTextAccessible(QWidget* widget, QAccessible::Role role);

    void* interface_cast(QAccessible::InterfaceType type) override;

    // The whole text the widget shows.
    virtual QString wholeText() const = 0;

    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    void selection(int, int* startOffset, int* endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    // QAccessibleInterface::text, which the text interface's text() hides.
    using QAccessibleWidget::text;
};

// Runs `action` once the event loop is back: an assistive technology's request
// returns at once, even when the action opens a modal window.
void runSoon(QObject* context, std::function<void()> action);

}  // namespace zhcalc::controls::accessibility
