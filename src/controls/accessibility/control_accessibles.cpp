#include "controls/accessibility/control_accessibles.h"

#include <QAccessible>
#include <QApplication>

#include "controls/accessibility/read_only_text.h"
#include "controls/label3d.h"
#include "controls/toggle_switch.h"

namespace zhcalc::controls::accessibility {
namespace {

bool isDisplay(const Label3D* label) {
    return label->tag() == -1;
}

class Label3DAccessible : public ReadOnlyTextAccessible {
  public:
    explicit Label3DAccessible(Label3D* label)
        : ReadOnlyTextAccessible(label, QAccessible::StaticText) {}

    QAccessible::Role role() const override {
        if (isDisplay(label())) return QAccessible::EditableText;
        return label()->isClickable() ? QAccessible::Button : QAccessible::StaticText;
    }

    QString text(QAccessible::Text t) const override {
        switch (t) {
            case QAccessible::Name:
                return nameOr(label(), label()->captionText());
            case QAccessible::Description:
                return descriptionOf(label(), text(QAccessible::Name));
            case QAccessible::Value:
                return label()->captionText();
            default:
                return ReadOnlyTextAccessible::text(t);
        }
    }

    QAccessible::State state() const override {
        QAccessible::State state = ReadOnlyTextAccessible::state();
        if (isDisplay(label())) {
            // Typed characters go to the display while the window itself holds the
            // keyboard focus, so a screen reader follows the display then.
            state.readOnly = true;
            state.focusable = true;
            state.focused = QApplication::focusWidget() == label()->window();
        }
        return state;
    }

    QStringList actionNames() const override {
        if (label()->isClickable()) return {pressAction()};
        return ReadOnlyTextAccessible::actionNames();
    }
    void doAction(const QString& actionName) override {
        if (actionName != pressAction() || !label()->isClickable()) {
            ReadOnlyTextAccessible::doAction(actionName);
            return;
        }
        Label3D* target = label();
        runSoon(target, [target] { emit target->clicked(); });
    }

    QString wholeText() const override { return label()->captionText(); }

  private:
    Label3D* label() const { return static_cast<Label3D*>(widget()); }
};

class ToggleSwitchAccessible : public QAccessibleWidget {
  public:
    explicit ToggleSwitchAccessible(ToggleSwitch* toggle)
        : QAccessibleWidget(toggle, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override {
        switch (t) {
            case QAccessible::Name:
                return nameOr(toggle(), toggle()->caption());
            case QAccessible::Description:
                return descriptionOf(toggle(), text(QAccessible::Name));
            default:
                return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = toggle()->stateOn();
        state.pressed = toggle()->stateOn();
        return state;
    }

    QStringList actionNames() const override {
        return QStringList{pressAction(), toggleAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& actionName) override {
        if (actionName != pressAction() && actionName != toggleAction()) {
            QAccessibleWidget::doAction(actionName);
            return;
        }
        ToggleSwitch* target = toggle();
        if (target->isEnabled()) runSoon(target, [target] { target->toggle(); });
    }

  private:
    ToggleSwitch* toggle() const { return static_cast<ToggleSwitch*>(widget()); }
};

QAccessibleInterface* controlInterface(const QString&, QObject* object) {
    if (auto* label = qobject_cast<Label3D*>(object)) return new Label3DAccessible(label);
    if (auto* toggle = qobject_cast<ToggleSwitch*>(object))
        return new ToggleSwitchAccessible(toggle);
    return nullptr;
}

}  // namespace

void installAccessibleInterfaces() {
    QAccessible::installFactory(&controlInterface);
}

QString nameOr(const QWidget* widget, const QString& fallback) {
    const QString own = widget->accessibleName();
    return own.isEmpty() ? fallback : own;
}

QString descriptionOf(const QWidget* widget, const QString& name) {
    const QString own = widget->accessibleDescription();
    if (!own.isEmpty()) return own;
    const QString hint = widget->toolTip();
    return hint == name ? QString() : hint;
}

}  // namespace zhcalc::controls::accessibility
