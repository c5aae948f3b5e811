#pragma once
// The calculator window's layout as data: every control with its class, parent,
// geometry, look, caption, hint, tag and enabled state. The window is built from
// these tables; the keys' captions, tags and operations come from the calculator
// core's key table, joined with these rows by object name.

#include <QRect>
#include <span>

#include "controls/colors.h"
#include "controls/shape_outline.h"

namespace zhcalc::layout {

using controls::ButtonShape;
using controls::ColorValue;
using controls::ShapeOrientation;

// The client area the tables fill: 476 wide, and the bottom-aligned strips end at 308.
inline constexpr int kClientWidth = 476;
inline constexpr int kClientHeight = 308;

struct FontFace {
    const char* family;
    int pixelHeight;  // character height in pixels (the layouts' negative heights)
    bool bold = false;
    bool italic = false;
    bool underline = false;
    ColorValue color = controls::clWindowText;
};

// The shaped keys, in creation order. Captions, hints, tags and enabled states are
// the calculator core's (its key table).
struct ShapeKeyLayout {
    const char* name;
    QRect geometry;
    ButtonShape shape;
    ShapeOrientation orientation = ShapeOrientation::soUp;
    int roundRectBias = 25;
    FontFace font;
    bool captionAtTop = false;  // caption at the top, the (empty) glyph below it
};
std::span<const ShapeKeyLayout> shapeKeys();
const ShapeKeyLayout* findShapeKey(const char* name);

// The decorations, strips and other controls, in creation order.
enum class ControlClass {
    BackGround,
    Label3D,
    Bevel,
    Panel,
    ControlBar,
    ImageButton,
    CheckBox,
    ToggleSwitch,
    UrlLabel,
};

enum class Parent { Window, Panel1, ControlBar1 };

struct ControlLayout {
    const char* name;  // "" for the frame that has no name
    ControlClass kind;
    Parent parent;
    QRect geometry;  // relative to the parent's client area
    const char* caption = "";
    const char* hint = "";
    FontFace font = {"MS Sans Serif", 16};
    int tag = 0;
    bool enabled = true;
};
std::span<const ControlLayout> otherControls();
const ControlLayout* findControl(const char* name);

// The controls that Tab walks, in its order: the bar's switches, then
// "Постоянно помнить" beside them, then the register check boxes below.
std::span<const char* const> tabOrder();

// What the window itself sets.
inline constexpr ColorValue kWindowColor = controls::clMenuBar;
inline constexpr ColorValue kTransparentColor = controls::clAqua;
inline constexpr FontFace kWindowFont = {"MS Sans Serif", 16};

// The background fill of BackGround1.
inline constexpr const char* kBackgroundFill = "GradientVert";
inline constexpr ColorValue kBackgroundDark = controls::clAqua;
inline constexpr ColorValue kBackgroundLight = controls::clBlue;
inline constexpr ColorValue kBackgroundNormal = controls::clSilver;

// Elliptic keys share these edge colours.
inline constexpr ColorValue kEllipseShadow = controls::clMedGray;
inline constexpr ColorValue kEllipseFocus = controls::clMaroon;
inline constexpr ColorValue kEllipseCaptionShade = 16512;

// The display and the about label.
inline constexpr ColorValue kDisplayShade = controls::clBlue;
inline constexpr ColorValue kAboutLabelShade = controls::clAqua;
inline constexpr int kAboutLabelVShadeOffset = -4;

// ImageBtn2's highlight.
inline constexpr ColorValue kClearRegistersHighlight = 15921906;

// The mail label.
inline constexpr const char* kMailAddress = "zhcalc@zhcalc.example.org";

}  // namespace zhcalc::layout
