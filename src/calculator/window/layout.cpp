#include "calculator/window/layout.h"

#include <array>
#include <cstring>

namespace zhcalc::layout {
namespace {

using controls::clGreen;
using controls::clHotLight;
using controls::clPurple;
using controls::clRed;
using enum ButtonShape;
using enum ShapeOrientation;

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
    {"SB1", pad(16, 48), bsEllipse, soUp, 25, kPadFont},
    {"SB2", pad(56, 48), bsEllipse, soUp, 25, kPadFont},
    {"SB3", pad(96, 48), bsEllipse, soUp, 25, kPadFont},
    {"SB4", pad(16, 72), bsEllipse, soUp, 25, kPadFont},
    {"SB5", pad(56, 72), bsEllipse, soUp, 25, kPadFont},
    {"SB6", pad(96, 72), bsEllipse, soUp, 25, kPadFont},
    {"SB7", pad(16, 96), bsEllipse, soUp, 25, kPadFont},
    {"SB8", pad(56, 96), bsEllipse, soUp, 25, kPadFont},
    {"SB9", pad(96, 96), bsEllipse, soUp, 25, kPadFont},
    {"SB0", pad(16, 120), bsEllipse, soUp, 25, kPadFont},
    {"SBplus", pad(56, 120), bsEllipse, soUp, 25, kPadFont},
    {"SBminus", pad(96, 120), bsEllipse, soUp, 25, kPadFont},
    {"SBmult", pad(16, 144), bsEllipse, soUp, 25, kPadBlackFont},
    {"Bth", pad(56, 144), bsEllipse, soUp, 25, kPadBlackFont},
    {"SBstep", pad(96, 144), bsEllipse, soUp, 25, kPadBlackFont},
    {"SBzpt", pad(16, 168), bsEllipse, soUp, 25, kPadBlackFont},
    {"SBdraw", pad(56, 168), bsEllipse, soUp, 25, kPadBlackFont},
    // Functions, conversions, logarithms, the special functions and the rest.
    {"ShapeBtn18", {168, 136, 33, 33}, bsDiamond, soUp, 25, kEditFont},
    {"SBcos", {160, 48, 40, 25}, bsRoundRect, soUp, 25, kFunctionFont},
    {"SBsin", {200, 48, 40, 25}, bsRoundRect, soUp, 25, kFunctionFont},
    {"SBtan", {240, 48, 40, 25}, bsRoundRect, soUp, 25, kFunctionFont},
    {"SBcosh", {160, 72, 40, 30}, bsRoundRect, soUp, 25, kFunctionFont},
    {"SBsinh", {200, 72, 40, 30}, bsRoundRect, soUp, 25, kFunctionFont},
    {"SBcotan", {240, 72, 49, 25}, bsRoundRect, soUp, 25, kFunctionFont},
    {"SBarc", {200, 104, 40, 25}, bsRoundRect, soUp, 25, kFunctionFont},
    {"SBdr", {312, 48, 47, 25}, bsRoundRect, soUp, 25, kFunctionFont},
    {"SBrd", {360, 48, 47, 25}, bsRoundRect, soUp, 25, kFunctionFont},
    {"SBcr", {312, 72, 47, 25}, bsRoundRect, soUp, 25, kFunctionFont},
    {"SBrc", {360, 72, 47, 25}, bsRoundRect, soUp, 25, kFunctionFont},
    {"SBrg", {312, 96, 47, 25}, bsRoundRect, soUp, 25, kFunctionFont},
    {"SBgr", {360, 96, 47, 25}, bsRoundRect, soUp, 25, kFunctionFont},
    {"ShapeBtn30", {424, 48, 47, 25}, bsRoundRect, soUp, 25, kFunctionFont},
    {"ShapeBtn34", {424, 72, 47, 25}, bsRoundRect, soUp, 25, kFunctionFont},
    {"ShapeBtn24", {424, 96, 47, 25}, bsRoundRect, soUp, 25, kFunctionFont},
    {"ShapeBtn22", {424, 120, 47, 25}, bsRoundRect, soUp, 25, kFunctionFont},
    {"ShapeBtn41", {280, 146, 40, 25}, bsRoundRect, soUp, 25, kNarrowFont},
    {"SBSign", {320, 146, 40, 25}, bsRoundRect, soUp, 25, kNarrowFont},
    {"SBInt", {360, 146, 40, 25}, bsRoundRect, soUp, 25, kNarrowFont},
    {"ShapeBtn35", {280, 170, 40, 25}, bsRoundRect, soUp, 25, kSpecialFont},
    {"ShapeBtn39", {320, 170, 40, 25}, bsRoundRect, soUp, 25, kSpecialFont},
    {"ShapeBtn40", {360, 170, 40, 25}, bsRoundRect, soUp, 25, kSpecialFont},
    {"ShapeBtn42", {400, 168, 40, 25}, bsRoundRect, soUp, 25, kSpecialFont},
    {"ShapeBtn36", {280, 194, 40, 25}, bsRoundRect, soUp, 25, kSpecialFont},
    {"ShapeBtn37", {320, 194, 40, 25}, bsRoundRect, soUp, 25, kSpecialFont},
    {"ShapeBtn38", {360, 194, 40, 25}, bsRoundRect, soUp, 25, kSpecialFont},
    {"ShPi", {96, 168, 41, 25}, bsTrapezoid, soUp, 25, kConstantFont},
    {"Shexp", {88, 192, 55, 22}, bsTrapezoid, soUp, 25, kConstantFont},
    {"ShapeBtn27", {146, 168, 39, 25}, bsRoundRect, soLeft, 30, kEditSmallFont},
    {"ShapeBtn26", {184, 168, 39, 25}, bsRoundRect, soRight, 25, kEditFont},
    {"ShapeBtn32", {146, 192, 39, 25}, bsRoundRect, soRight, 25, kEditFont},
    {"ShapeBtn33", {184, 192, 39, 25}, bsRoundRect, soDown, 25, kEditFont, true},
});

constexpr FontFace kDisplayFont{"American-Uncial-Normal", 21, false, false, true, 16777089};
constexpr FontFace kAboutFont{"Arial Black", 16, false, false, false, controls::clAqua};
constexpr FontFace kMailFont{"MS Sans Serif", 11, false, false, true, clHotLight};
constexpr FontFace kImageKeyFont{"Aksent", 17, false, false, false, clPurple};
constexpr FontFace kDefaultKeyFont = kWindowFont;

using enum ControlClass;
using enum Parent;

constexpr ControlLayout control(const char* name, ControlClass kind, Parent parent, QRect geometry,
                                const char* caption = "", const char* hint = "",
                                FontFace font = kDefaultKeyFont, int tag = 0) {
    return {name, kind, parent, geometry, caption, hint, font, tag, true};
}

constexpr std::array kControls = std::to_array<ControlLayout>({
    control("BackGround1", BackGround, Window, {0, 0, 476, 228}),
    control("r3dDisplay", Label3D, Window, {24, 8, 449, 25}, "", "вычисление", kDisplayFont, -1),
    control("Bevel1", Bevel, Window, {24, 8, 449, 25}),
    control("Bevel3", Bevel, Window, {8, 40, 137, 177}),
    control("Bevel8", Bevel, Window, {152, 40, 145, 97}),
    control("Bevel2", Bevel, Window, {304, 40, 105, 97}),
    control("", Bevel, Window, {416, 40, 57, 105}),
    control("Bevel6", Bevel, Window, {280, 144, 161, 81}),
    control("Panel1", Panel, Window, {0, 228, 476, 25}),
    control("ControlBar1", ControlBar, Window, {0, 253, 476, 27}),
    control("Label3D1", Label3D, Window, {0, 280, 476, 28}, "О Програме и обо мне, Любимои", "",
            kAboutFont),
    // The image keys' hints and operations are the core's, like the shaped keys'.
    control("ImageBtn1", ImageButton, Window, {224, 136, 49, 41}),
    control("ImageBtn2", ImageButton, Window, {224, 176, 48, 40}, "", "", kImageKeyFont),
    control("Rom", CheckBox, ControlBar1, {11, 2, 198, 22}, "Постоянно помнить"),
    control("Switch1", ToggleSwitch, ControlBar1, {222, 2, 20, 22}, "Switch1"),
    control("Switch2", ToggleSwitch, ControlBar1, {255, 2, 20, 22}, "Switch2"),
    control("Switch3", ToggleSwitch, ControlBar1, {288, 2, 20, 22}, "Switch3"),
    control("Switch4", ToggleSwitch, ControlBar1, {321, 2, 20, 22}, "Switch4"),
    control("Switch5", ToggleSwitch, ControlBar1, {354, 2, 20, 22}, "Switch5"),
    control("Switch6", ToggleSwitch, ControlBar1, {387, 2, 20, 22}, "Switch6"),
    control("Switch7", ToggleSwitch, ControlBar1, {420, 2, 20, 22}, "Switch7"),
    control("Switch8", ToggleSwitch, ControlBar1, {453, 2, 14, 22}, "Switch8"),
    control("UrlLabel1", UrlLabel, Panel1, {5, 8, 173, 13}, "Мой маэл надо  написать - нажми", "",
            kMailFont),
    control("rom1", CheckBox, Panel1, {224, 8, 17, 17}, "rom1"),
    control("rom2", CheckBox, Panel1, {256, 8, 17, 17}, "rom2"),
    control("rom3", CheckBox, Panel1, {288, 8, 17, 17}, "rom3"),
    control("rom4", CheckBox, Panel1, {320, 8, 17, 17}, "rom4"),
    control("rom5", CheckBox, Panel1, {352, 8, 17, 17}, "rom5"),
    control("rom6", CheckBox, Panel1, {392, 8, 17, 17}, "rom6"),
    control("rom7", CheckBox, Panel1, {424, 8, 17, 17}, "rom7"),
    control("rom8", CheckBox, Panel1, {451, 8, 17, 17}, "rom8"),
});

constexpr std::array kTabOrder = std::to_array<const char*>({
    "Switch1",
    "Switch2",
    "Switch3",
    "Switch4",
    "Switch5",
    "Switch6",
    "Switch7",
    "Switch8",
    "Rom",
    "rom1",
    "rom2",
    "rom3",
    "rom4",
    "rom5",
    "rom6",
    "rom7",
    "rom8",
});

template <typename Row, std::size_t N>
const Row* findRow(const std::array<Row, N>& rows, const char* name) {
    for (const Row& row : rows) {
        if (std::strcmp(row.name, name) == 0) return &row;
    }
    return nullptr;
}

}  // namespace

std::span<const ShapeKeyLayout> shapeKeys() {
    return kShapeKeys;
}
const ShapeKeyLayout* findShapeKey(const char* name) {
    return findRow(kShapeKeys, name);
}

std::span<const ControlLayout> otherControls() {
    return kControls;
}
const ControlLayout* findControl(const char* name) {
    return findRow(kControls, name);
}

std::span<const char* const> tabOrder() {
    return kTabOrder;
}

}  // namespace zhcalc::layout
