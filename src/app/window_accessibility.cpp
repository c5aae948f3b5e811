#include "app/window_accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QEvent>
#include <stdexcept>

#include "app/calculator_window.h"
#include "app/layout.h"
#include "app/mail_label.h"
#include "calculator/key_table.h"
#include "controls/accessibility/accessible_events.h"
#include "controls/accessibility/control_accessibles.h"
#include "controls/accessibility/read_only_text.h"
#include "engine/cp1251.h"

namespace zhcalc {
namespace {

using controls::accessibility::runSoon;

// The window; while it holds the keyboard focus itself, the display is its focus.
class WindowAccessible : public QAccessibleWidget {
  public:
    explicit WindowAccessible(CalculatorWindow* window)
        : QAccessibleWidget(window, QAccessible::Window), window_(window) {}

    QAccessibleInterface* focusChild() const override {
        if (QApplication::focusWidget() == widget()) {
            if (QWidget* display = displayOf(*window_))
                return QAccessible::queryAccessibleInterface(display);
        }
        return QAccessibleWidget::focusChild();
    }

  private:
    // A window being built may be asked before it has its display.
    static QWidget* displayOf(const CalculatorWindow& window) noexcept {
        try {
            return &window.controlWidget(layout::ControlId::Display);
        } catch (const std::logic_error&) {
            return nullptr;
        }
    }

    CalculatorWindow* window_;
};

class MailLabelAccessible : public QAccessibleWidget {
  public:
    explicit MailLabelAccessible(MailLabel* label) : QAccessibleWidget(label, QAccessible::Link) {}

    QString text(QAccessible::Text t) const override {
        switch (t) {
            case QAccessible::Name:
                return controls::accessibility::nameOr(label(), label()->text());
            case QAccessible::Description:
                return mailLink(label()->address()).toString();
            default:
                return QAccessibleWidget::text(t);
        }
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.linked = true;
        return state;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& actionName) override {
        if (actionName != pressAction()) return;
        MailLabel* target = label();
        runSoon(target, [target] { target->openLink(); });
    }

  private:
    MailLabel* label() const { return static_cast<MailLabel*>(widget()); }
};

// Qt's accessibility cache owns what this returns.
QAccessibleInterface* windowInterface(const QString&, QObject* object) {
    if (auto* window = qobject_cast<CalculatorWindow*>(object)) return new WindowAccessible(window);
    // The mail label has no meta-object of its own.
    if (auto* label = dynamic_cast<MailLabel*>(object)) return new MailLabelAccessible(label);
    return nullptr;
}

// Qt announces the window's focus; the display's follows, once that is out.
class DisplayFocusAnnouncer : public QObject {
  public:
    DisplayFocusAnnouncer(QWidget& window, QWidget& display)
        : QObject(&window), window_(window), display_(display) {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::FocusIn &&
            controls::accessibility::listening()) {
            runSoon(this, [this] {
                if (QApplication::focusWidget() != &window_) return;
                QAccessibleEvent focus(&display_, QAccessible::Focus);
                controls::accessibility::raise(focus);
            });
        }
        return false;
    }

  private:
    QWidget& window_;
    QWidget& display_;
};

void nameControls(const CalculatorWindow& window) {
    for (const Key& key : kKeys) {
        // The image keys show no caption; their hints say what they do.
        if (key.imageKey)
            window.keyWidget(key.id).setAccessibleName(
                QString::fromStdString(cp1251ToUtf8(key.hint)));
    }
    for (const auto& row : layout::otherControls()) {
        if (row.kind == layout::ControlClass::ToggleSwitch)
            window.controlWidget(row.id).setAccessibleName(
                switchAccessibleName(row.memoryRegister));
    }
    const auto& display = layout::control(layout::ControlId::Display);
    window.controlWidget(display.id).setAccessibleName(QString::fromUtf8(display.hint));
}

}  // namespace

QString switchAccessibleName(int registerNumber) {
    return QStringLiteral("Регистр %1").arg(registerNumber);
}

void makeAccessible(CalculatorWindow& window) {
    controls::accessibility::installAccessibleInterfaces();
    QAccessible::installFactory(&windowInterface);
    nameControls(window);
    new DisplayFocusAnnouncer(window, window.controlWidget(layout::ControlId::Display));
}

}  // namespace zhcalc
