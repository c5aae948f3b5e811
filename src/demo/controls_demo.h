#pragma once
// One of each control, configured as the calculator and about windows configure
// them, on one page for a reviewer.

#include <QWidget>

namespace zhcalc::controls {

// The page; the caller owns it (or gives it a parent).
QWidget* createControlsDemo(QWidget* parent = nullptr);

}  // namespace zhcalc::controls
