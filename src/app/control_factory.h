#pragma once
// The one place that knows the drawn controls' classes: the window asks here for
// each control of its layout and talks to it through plain callbacks, so its own
// code needs no control's interface beyond QWidget.

#include <QFont>
#include <QIcon>
#include <QString>
#include <QWidget>
#include <functional>
#include <string_view>

#include "app/layout.h"

namespace zhcalc::factory {

QFont fontFor(const layout::FontFace& face);

QWidget* createBackground(QWidget* parent, const layout::ControlLayout& row);

// A 3D label; `clicked` may be empty.
QWidget* createLabel3D(QWidget* parent, const layout::ControlLayout& row,
                       std::function<void()> clicked);
void setLabelCaption(QWidget* label, std::string_view cp1251);
QString labelCaption(const QWidget* label);

// A shaped key; `caption` is Windows-1251.
QWidget* createShapeKey(QWidget* parent, const layout::ShapeKeyLayout& row,
                        std::string_view caption, int tag, std::function<void()> clicked);
QWidget* createImageKey(QWidget* parent, const layout::ImageKeyLayout& row,
                        std::function<void()> clicked);

// A two-state switch, off; `toggled` receives the new state after each toggle and
// `typed` the characters typed on it.
QWidget* createToggleSwitch(QWidget* parent, const layout::ControlLayout& row,
                            std::function<void(bool on)> toggled,
                            std::function<void(const QString&)> typed);
bool switchIsOn(const QWidget* toggleSwitch);

// The tray's picture.
QIcon trayIcon();

// Makes the desktop's fonts stand in for the ones the layout names.
void installFonts();

}  // namespace zhcalc::factory
