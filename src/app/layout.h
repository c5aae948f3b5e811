#pragma once
// The calculator window's layout as data: every control with its class, parent,
// geometry, look, caption, hint, tag and enabled state. The window is built from
// these tables. A key's row is reached by its KeyId, and the key's name, caption, tag
// and operation are the calculator core's (its key table); every other control is one
// ControlId. layout.cpp checks at compile time that each identity has exactly one row.

#include <QRect>
#include <cstddef>
#include <span>
#include <string_view>

#include "calculator/key_table.h"
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

// The shaped keys, in KeyId order. Names, captions, hints, tags and enabled states are
// the calculator core's (its key table).
struct ShapeKeyLayout {
    KeyId key;
    QRect geometry;
    ButtonShape shape;
    ShapeOrientation orientation = ShapeOrientation::soUp;
    int roundRectBias = 25;
    FontFace font;
    bool captionAtTop = false;  // caption at the top, the (empty) glyph below it

    std::string_view name() const { return keyOf(key).name; }
};
std::span<const ShapeKeyLayout> shapeKeys();
// The row of a shaped key; throws std::out_of_range for an image key.
const ShapeKeyLayout& shapeKey(KeyId key);

// The image keys, in KeyId order after the shaped keys.
struct ImageKeyLayout {
    KeyId key;
    QRect geometry;
    FontFace font;

    std::string_view name() const { return keyOf(key).name; }
};
std::span<const ImageKeyLayout> imageKeys();
// The row of an image key; throws std::out_of_range for a shaped key.
const ImageKeyLayout& imageKey(KeyId key);

// The decorations, strips and other controls, in creation order.
// clang-format off
enum class ControlId {
    BackgroundFill, Display, DisplayBevel, PadBevel, FunctionBevel, ConversionBevel,
    LogarithmBevel, SpecialBevel, RegisterPanel, SwitchBar, AboutLabel,
    ProtectAll, Switch1, Switch2, Switch3, Switch4, Switch5, Switch6, Switch7, Switch8,
    MailLabel, Protect1, Protect2, Protect3, Protect4, Protect5, Protect6, Protect7, Protect8,
};
// clang-format on
inline constexpr std::size_t kControlCount = static_cast<std::size_t>(ControlId::Protect8) + 1;

constexpr std::size_t controlIndex(ControlId id) {
    return static_cast<std::size_t>(id);
}

enum class ControlClass {
    BackGround,
    Label3D,
    Bevel,
    Panel,
    ControlBar,
    CheckBox,
    ToggleSwitch,
    UrlLabel,
};

enum class Parent { Window, Panel1, ControlBar1 };

struct ControlLayout {
    ControlId id;
    const char* name;  // "" for the frame that has no name
    ControlClass kind;
    Parent parent;
    QRect geometry;  // relative to the parent's client area
    const char* caption = "";
    const char* hint = "";
    FontFace font = {"MS Sans Serif", 16};
    int tag = 0;
    bool enabled = true;
    int memoryRegister = 0;  // a switch's or check box's register; 0 for "Rom": all of them
};
std::span<const ControlLayout> otherControls();
// The row of control `id` (the rows are in ControlId order).
const ControlLayout& control(ControlId id);

// The controls that Tab walks, in its order: the bar's switches, then
// "Постоянно помнить" beside them, then the register check boxes below.
std::span<const ControlId> tabOrder();

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
