#include "calculator/window/window_accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QEvent>

#include "calculator/key_table.h"
#include "calculator/window/calculator_window.h"
#include "calculator/window/layout.h"
#include "calculator/window/mail_label.h"
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
    WindowAccessible(QWidget* window, QWidget* display)
        : QAccessibleWidget(window, QAccessible::Window), display_(display) {}

    QAccessibleInterface* focusChild() const override {
        if (QApplication::focusWidget() == widget() && display_ != nullptr)
            return QAccessible::queryAccessibleInterface(display_);
        return QAccessibleWidget::focusChild();
    }

  private:
    QWidget* display_;
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

QWidget* windowDisplay(QWidget* window) {
    return window->findChild<QWidget*>(QStringLiteral("r3dDisplay"));
}

// Qt's accessibility cache owns what this returns.
QAccessibleInterface* windowInterface(const QString&, QObject* object) {
    if (auto* window = qobject_cast<CalculatorWindow*>(object))
        return new WindowAccessible(window, windowDisplay(window));
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

void nameControls(QWidget& window, QWidget& display) {
    for (const Key& key : kKeys) {
        // The image keys show no caption; their hints say what they do.
        if (!key.imageKey) continue;
        if (auto* widget = window.findChild<QWidget*>(QString::fromUtf8(key.name)))
            widget->setAccessibleName(QString::fromStdString(cp1251ToUtf8(key.hint)));
    }
    for (const auto& row : layout::otherControls()) {
        if (row.kind != layout::ControlClass::ToggleSwitch) continue;
        // "SwitchN" works register N.
        const QString name = QString::fromUtf8(row.name);
        if (auto* widget = window.findChild<QWidget*>(name))
            widget->setAccessibleName(switchAccessibleName(name.mid(6).toInt()));
    }
    if (const auto* row = layout::findControl("r3dDisplay"))
        display.setAccessibleName(QString::fromUtf8(row->hint));
}

}  // namespace

QString switchAccessibleName(int registerNumber) {
    return QStringLiteral("Регистр %1").arg(registerNumber);
}

void makeAccessible(QWidget& window, QWidget& display) {
    controls::accessibility::installAccessibleInterfaces();
    QAccessible::installFactory(&windowInterface);
    nameControls(window, display);
    new DisplayFocusAnnouncer(window, display);
}

}  // namespace zhcalc
