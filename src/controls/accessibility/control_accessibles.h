#pragma once
// How the drawn controls appear to assistive technology. A 3D label is static text
// named by its caption, a button when its click does something, and the display
// (the label with tag -1) read-only text that stands for its window's keyboard focus;
// a two-state switch is a toggle button (a push button that reports itself pressed
// and checked while on). Shaped and image keys are Qt's own push buttons.

#include <QAccessibleWidget>

namespace zhcalc::controls {
class Label3D;
class ToggleSwitch;
}  // namespace zhcalc::controls

namespace zhcalc::controls::accessibility {

// Makes Qt ask here first for the controls' interfaces; calling it again does nothing.
void installAccessibleInterfaces();

// The accessible name a widget gets when it has no name of its own: `fallback`.
QString nameOr(const QWidget* widget, const QString& fallback);
// The accessible description: the widget's own, else its hint unless that is
// already its name.
QString descriptionOf(const QWidget* widget, const QString& name);

}  // namespace zhcalc::controls::accessibility
