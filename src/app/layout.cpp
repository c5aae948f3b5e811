#include "app/layout.h"

#include <array>
#include <stdexcept>

namespace zhcalc::layout {
namespace {

using controls::clGreen;
using controls::clHotLight;
using controls::clPurple;
using controls::clRed;
using enum ButtonShape;
using enum ShapeOrientation;
using K = KeyId;

// Key fonts: the pad's digits and signs, its punctuation, the function keys, the
// narrow keys, the special functions, the red editing keys and the constants.
constexpr FontFace kPadFont{"Arial Unicode MS", 15, true, false, false, clGreen};
constexpr FontFace kPadBlackFont{"Arial Black", 15, true, false, false, clGreen};
constexpr FontFace kFunctionFont{"Arial Unicode MS", 15, true, false, false, clGreen};
constexpr FontFace kNarrowFont{"Arial Narrow", 16, true, false, false, clGreen};
constexpr FontFace kSpecialFont{"AGaramond", 16, false, false, false, clPurple};
constexpr FontFace kEditFont{"Garamond", 16, true, true, false, clRed};
constexpr FontFace kEditSmallFont{"Garamond", 13, true, true, false, clRed};
constexpr FontFace kConstantFont{"Arial Black", 15, true, false, false, clGreen};

constexpr QRect pad(int left, int top) {
    return {left, top, 38, 25};
}

constexpr std::array kShapeKeys = std::to_array<ShapeKeyLayout>({
    // The digit pad and the operators: ellipses.
    {K::Digit1, pad(16, 48), bsEllipse, soUp, 25, kPadFont},
    {K::Digit2, pad(56, 48), bsEllipse, soUp, 25, kPadFont},
    {K::Digit3, pad(96, 48), bsEllipse, soUp, 25, kPadFont},
    {K::Digit4, pad(16, 72), bsEllipse, soUp, 25, kPadFont},
    {K::Digit5, pad(56, 72), bsEllipse, soUp, 25, kPadFont},
    {K::Digit6, pad(96, 72), bsEllipse, soUp, 25, kPadFont},
    {K::Digit7, pad(16, 96), bsEllipse, soUp, 25, kPadFont},
    {K::Digit8, pad(56, 96), bsEllipse, soUp, 25, kPadFont},
    {K::Digit9, pad(96, 96), bsEllipse, soUp, 25, kPadFont},
    {K::Digit0, pad(16, 120), bsEllipse, soUp, 25, kPadFont},
    {K::Plus, pad(56, 120), bsEllipse, soUp, 25, kPadFont},
    {K::Minus, pad(96, 120), bsEllipse, soUp, 25, kPadFont},
    {K::Multiply, pad(16, 144), bsEllipse, soUp, 25, kPadBlackFont},
    {K::Divide, pad(56, 144), bsEllipse, soUp, 25, kPadBlackFont},
    {K::Power, pad(96, 144), bsEllipse, soUp, 25, kPadBlackFont},
    {K::Comma, pad(16, 168), bsEllipse, soUp, 25, kPadBlackFont},
    {K::Equals, pad(56, 168), bsEllipse, soUp, 25, kPadBlackFont},
    // Functions, conversions, logarithms, the special functions and the rest.
    {K::Clear, {168, 136, 33, 33}, bsDiamond, soUp, 25, kEditFont},
    {K::Cos, {160, 48, 40, 25}, bsRoundRect, soUp, 25, kFunctionFont},
    {K::Sin, {200, 48, 40, 25}, bsRoundRect, soUp, 25, kFunctionFont},
    {K::Tan, {240, 48, 40, 25}, bsRoundRect, soUp, 25, kFunctionFont},
    {K::Cosh, {160, 72, 40, 30}, bsRoundRect, soUp, 25, kFunctionFont},
    {K::Sinh, {200, 72, 40, 30}, bsRoundRect, soUp, 25, kFunctionFont},
    {K::Cotan, {240, 72, 49, 25}, bsRoundRect, soUp, 25, kFunctionFont},
    {K::Arc, {200, 104, 40, 25}, bsRoundRect, soUp, 25, kFunctionFont},
    {K::DegToRad, {312, 48, 47, 25}, bsRoundRect, soUp, 25, kFunctionFont},
    {K::RadToDeg, {360, 48, 47, 25}, bsRoundRect, soUp, 25, kFunctionFont},
    {K::CycleToRad, {312, 72, 47, 25}, bsRoundRect, soUp, 25, kFunctionFont},
    {K::RadToCycle, {360, 72, 47, 25}, bsRoundRect, soUp, 25, kFunctionFont},
    {K::RadToGrad, {312, 96, 47, 25}, bsRoundRect, soUp, 25, kFunctionFont},
    {K::GradToRad, {360, 96, 47, 25}, bsRoundRect, soUp, 25, kFunctionFont},
    {K::Ln, {424, 48, 47, 25}, bsRoundRect, soUp, 25, kFunctionFont},
    {K::Logpi, {424, 72, 47, 25}, bsRoundRect, soUp, 25, kFunctionFont},
    {K::Log10, {424, 96, 47, 25}, bsRoundRect, soUp, 25, kFunctionFont},
    {K::Log2, {424, 120, 47, 25}, bsRoundRect, soUp, 25, kFunctionFont},
    {K::Factorial, {280, 146, 40, 25}, bsRoundRect, soUp, 25, kNarrowFont},
    {K::Sign, {320, 146, 40, 25}, bsRoundRect, soUp, 25, kNarrowFont},
    {K::Int, {360, 146, 40, 25}, bsRoundRect, soUp, 25, kNarrowFont},
    {K::Ei, {280, 170, 40, 25}, bsRoundRect, soUp, 25, kSpecialFont},
    {K::Ci, {320, 170, 40, 25}, bsRoundRect, soUp, 25, kSpecialFont},
    {K::Erf, {360, 170, 40, 25}, bsRoundRect, soUp, 25, kSpecialFont},
    {K::Zeta, {400, 168, 40, 25}, bsRoundRect, soUp, 25, kSpecialFont},
    {K::Li, {280, 194, 40, 25}, bsRoundRect, soUp, 25, kSpecialFont},
    {K::Si, {320, 194, 40, 25}, bsRoundRect, soUp, 25, kSpecialFont},
    {K::ErfC, {360, 194, 40, 25}, bsRoundRect, soUp, 25, kSpecialFont},
    {K::Pi, {96, 168, 41, 25}, bsTrapezoid, soUp, 25, kConstantFont},
    {K::E, {88, 192, 55, 22}, bsTrapezoid, soUp, 25, kConstantFont},
    {K::LeftParenthesis, {146, 168, 39, 25}, bsRoundRect, soLeft, 30, kEditSmallFont},
    {K::RightParenthesis, {184, 168, 39, 25}, bsRoundRect, soRight, 25, kEditFont},
    {K::Copy, {146, 192, 39, 25}, bsRoundRect, soRight, 25, kEditFont},
    {K::Paste, {184, 192, 39, 25}, bsRoundRect, soDown, 25, kEditFont, true},
});

constexpr FontFace kDisplayFont{"American-Uncial-Normal", 21, false, false, true, 16777089};
constexpr FontFace kAboutFont{"Arial Black", 16, false, false, false, controls::clAqua};
constexpr FontFace kMailFont{"MS Sans Serif", 11, false, false, true, clHotLight};
constexpr FontFace kImageKeyFont{"Aksent", 17, false, false, false, clPurple};
constexpr FontFace kDefaultKeyFont = kWindowFont;

// The image keys' hints and operations are the core's, like the shaped keys'.
constexpr std::array kImageKeys = std::to_array<ImageKeyLayout>({
    {K::Backspace, {224, 136, 49, 41}, kDefaultKeyFont},
    {K::ClearRegisters, {224, 176, 48, 40}, kImageKeyFont},
});

using enum ControlId;
using enum ControlClass;
using enum Parent;

constexpr ControlLayout row(ControlId id, const char* name, ControlClass kind, Parent parent,
                            QRect geometry, const char* caption = "", const char* hint = "",
                            FontFace font = kDefaultKeyFont, int tag = 0) {
    return {id, name, kind, parent, geometry, caption, hint, font, tag, true, 0};
}
// A switch or check box that serves memory register `n` (0: every register).
constexpr ControlLayout forRegister(int n, ControlLayout served) {
    served.memoryRegister = n;
    return served;
}
constexpr ControlLayout toggleSwitch(ControlId id, const char* name, QRect geometry, int n) {
    return forRegister(n, row(id, name, ToggleSwitch, ControlBar1, geometry, name));
}
constexpr ControlLayout protectBox(ControlId id, const char* name, int left, int n) {
    return forRegister(n, row(id, name, CheckBox, Panel1, {left, 8, 17, 17}, name));
}

// One row per ControlId, in its order.
constexpr std::array<ControlLayout, kControlCount> kControls = {{
    row(BackgroundFill, "BackGround1", BackGround, Window, {0, 0, 476, 228}),
    row(Display, "r3dDisplay", Label3D, Window, {24, 8, 449, 25}, "", "вычисление", kDisplayFont,
        -1),
    row(DisplayBevel, "Bevel1", Bevel, Window, {24, 8, 449, 25}),
    row(PadBevel, "Bevel3", Bevel, Window, {8, 40, 137, 177}),
    row(FunctionBevel, "Bevel8", Bevel, Window, {152, 40, 145, 97}),
    row(ConversionBevel, "Bevel2", Bevel, Window, {304, 40, 105, 97}),
    row(LogarithmBevel, "", Bevel, Window, {416, 40, 57, 105}),
    row(SpecialBevel, "Bevel6", Bevel, Window, {280, 144, 161, 81}),
    row(RegisterPanel, "Panel1", Panel, Window, {0, 228, 476, 25}),
    row(SwitchBar, "ControlBar1", ControlBar, Window, {0, 253, 476, 27}),
    row(AboutLabel, "Label3D1", Label3D, Window, {0, 280, 476, 28}, "О Програме и обо мне, Любимои",
        "", kAboutFont),
    // Register 0: every register.
    row(ProtectAll, "Rom", CheckBox, ControlBar1, {11, 2, 198, 22}, "Постоянно помнить"),
    toggleSwitch(Switch1, "Switch1", {222, 2, 20, 22}, 1),
    toggleSwitch(Switch2, "Switch2", {255, 2, 20, 22}, 2),
    toggleSwitch(Switch3, "Switch3", {288, 2, 20, 22}, 3),
    toggleSwitch(Switch4, "Switch4", {321, 2, 20, 22}, 4),
    toggleSwitch(Switch5, "Switch5", {354, 2, 20, 22}, 5),
    toggleSwitch(Switch6, "Switch6", {387, 2, 20, 22}, 6),
    toggleSwitch(Switch7, "Switch7", {420, 2, 20, 22}, 7),
    toggleSwitch(Switch8, "Switch8", {453, 2, 14, 22}, 8),
    row(MailLabel, "UrlLabel1", UrlLabel, Panel1, {5, 8, 173, 13},
        "Мой маэл надо  написать - нажми", "", kMailFont),
    protectBox(Protect1, "rom1", 224, 1),
    protectBox(Protect2, "rom2", 256, 2),
    protectBox(Protect3, "rom3", 288, 3),
    protectBox(Protect4, "rom4", 320, 4),
    protectBox(Protect5, "rom5", 352, 5),
    protectBox(Protect6, "rom6", 392, 6),
    protectBox(Protect7, "rom7", 424, 7),
    protectBox(Protect8, "rom8", 451, 8),
}};

constexpr std::array kTabOrder = std::to_array<ControlId>({
    Switch1,
    Switch2,
    Switch3,
    Switch4,
    Switch5,
    Switch6,
    Switch7,
    Switch8,
    ProtectAll,
    Protect1,
    Protect2,
    Protect3,
    Protect4,
    Protect5,
    Protect6,
    Protect7,
    Protect8,
});

// What a typo or a lost row would break, checked where it is written.

template <typename Row, std::size_t N>
constexpr bool keyRowsFollowTheIds(const std::array<Row, N>& rows, std::size_t first) {
    for (std::size_t i = 0; i < N; ++i) {
        if (keyIndex(rows[i].key) != first + i) return false;
    }
    return true;
}
// The shaped keys' rows are KeyIds 0 to 50, the image keys' the rest: every key one row.
static_assert(keyRowsFollowTheIds(kShapeKeys, 0));
static_assert(keyRowsFollowTheIds(kImageKeys, kShapeKeys.size()));
static_assert(kShapeKeys.size() + kImageKeys.size() == kKeyCount);
static_assert(!keyOf(kShapeKeys.back().key).imageKey && keyOf(kImageKeys.front().key).imageKey);

constexpr bool controlRowsFollowTheIds() {
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        if (controlIndex(kControls[i].id) != i) return false;
    }
    return true;
}
static_assert(controlRowsFollowTheIds());

// The window's controls are found by name: no two share one, keys included.
constexpr bool namesAreDistinct() {
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        const std::string_view name = kControls[i].name;
        if (name.empty()) continue;
        for (std::size_t j = i + 1; j < kControls.size(); ++j) {
            if (name == kControls[j].name) return false;
        }
        for (const Key& key : kKeys) {
            if (name == key.name) return false;
        }
    }
    return true;
}
static_assert(namesAreDistinct());

// Each register has one switch and one check box; "Rom" is the one box for all of them.
constexpr bool registersServedOnce(ControlClass kind, int first) {
    for (int n = first; n <= 8; ++n) {
        int serving = 0;
        for (const ControlLayout& c : kControls) {
            if (c.kind == kind && c.memoryRegister == n) ++serving;
        }
        if (serving != 1) return false;
    }
    int all = 0;
    for (const ControlLayout& c : kControls)
        all += c.kind == kind ? 1 : 0;
    return all == 9 - first;
}
static_assert(registersServedOnce(ToggleSwitch, 1));
static_assert(registersServedOnce(CheckBox, 0));

// Tab walks every switch and check box once.
constexpr bool tabOrderWalksTheStrip() {
    std::size_t walked = 0;
    for (const ControlLayout& c : kControls) {
        if (c.kind != ToggleSwitch && c.kind != CheckBox) continue;
        int seen = 0;
        for (ControlId id : kTabOrder)
            seen += id == c.id ? 1 : 0;
        if (seen != 1) return false;
        ++walked;
    }
    return walked == kTabOrder.size();
}
static_assert(tabOrderWalksTheStrip());

}  // namespace

std::span<const ShapeKeyLayout> shapeKeys() {
    return kShapeKeys;
}
const ShapeKeyLayout& shapeKey(KeyId key) {
    return kShapeKeys.at(keyIndex(key));
}

std::span<const ImageKeyLayout> imageKeys() {
    return kImageKeys;
}
const ImageKeyLayout& imageKey(KeyId key) {
    if (keyIndex(key) < kShapeKeys.size()) throw std::out_of_range("not an image key");
    return kImageKeys.at(keyIndex(key) - kShapeKeys.size());
}

std::span<const ControlLayout> otherControls() {
    return kControls;
}
const ControlLayout& control(ControlId id) {
    return kControls.at(controlIndex(id));
}

std::span<const ControlId> tabOrder() {
    return kTabOrder;
}

}  // namespace zhcalc::layout
