#pragma once
// Every key of the calculator window, in creation order: what it is called, what it shows,
// what it does to the panel and which tone it sounds. The window builds its keys from this
// table (by objectName) and hands clicks back to CalcPanel::press.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "engine/decimal_separator.h"

namespace zhcalc {

enum class KeyAction {
    Append,           // appends `text`
    AppendSeparator,  // appends the panel's decimal separator
    AppendPi,         // appends the text of pi
    AppendE,          // appends the text of e
    Clear,            // empty display, comma key shown, entry keys enabled
    Backspace,        // removes the last character
    Evaluate,         // "="
    Copy,             // display to the clipboard
    Paste,            // clipboard text appended to the display
    ClearRegisters,   // empties the eight registers
};

enum class CommaEffect { None, Show, Hide };
enum class GroupEffect { None, Enable, Disable };

enum class KeyGroup {
    Plain,            // always enabled
    Entry,            // Tag 123: switched together by the entry-key operations
    ArcLocked,        // disabled by "arc", enabled by "="
    DisabledForLife,  // created disabled, never enabled
};

inline constexpr int kEntryTag = 123;

struct Key {
    std::string_view name;     // the control's objectName
    std::string_view caption;  // Windows-1251
    std::string_view hint;     // Windows-1251; empty for "Pi" and "E" (see keyHint)
    int tag;
    KeyGroup group;
    KeyAction action;
    std::string_view text;  // what an Append key appends
    CommaEffect comma;
    GroupEffect entryKeys;
    GroupEffect arcLockedKeys;
    int toneHz;  // 0: silent
    int toneMs;
    bool imageKey;  // an image button rather than a shaped key
};

// Shorthands for the table below.
namespace key_table_detail {
using enum KeyAction;
using enum KeyGroup;
inline constexpr CommaEffect kNoComma = CommaEffect::None;
inline constexpr CommaEffect kShow = CommaEffect::Show;
inline constexpr CommaEffect kHide = CommaEffect::Hide;
inline constexpr GroupEffect kKeep = GroupEffect::None;
inline constexpr GroupEffect kOn = GroupEffect::Enable;
inline constexpr GroupEffect kOff = GroupEffect::Disable;

constexpr Key digit(std::string_view name, std::string_view text, int hz) {
    return {name, text, "", kEntryTag, Entry, Append, text, kNoComma, kKeep, kKeep, hz, 30, false};
}
// An operator or parenthesis: appends and shows the comma key.
constexpr Key op(std::string_view name, std::string_view caption, std::string_view hint) {
    return {name,  caption, hint,  kEntryTag, Entry, Append, caption,
            kShow, kKeep,   kKeep, 0,         0,     false};
}
// A function key: appends its name with "(" and shows the comma key.
constexpr Key function(std::string_view name, std::string_view caption, std::string_view text,
                       std::string_view hint, GroupEffect entryKeys, KeyGroup group = Plain) {
    return {name, caption, hint, 0, group, Append, text, kShow, entryKeys, kKeep, 0, 0, false};
}
constexpr Key command(std::string_view name, std::string_view caption, std::string_view hint,
                      KeyAction action, int tag = 0, KeyGroup group = Plain,
                      bool imageKey = false) {
    const CommaEffect comma = action == Clear ? kShow : kNoComma;
    const GroupEffect entry = action == Clear ? kOn : kKeep;
    const int hz = action == Evaluate ? 275 : 0;
    const int ms = action == Evaluate ? 30 : 0;
    return {name, caption, hint, tag, group, action, "", comma, entry, kKeep, hz, ms, imageKey};
}
}  // namespace key_table_detail

// The 51 shaped keys, then the two image keys.
inline constexpr std::array<Key, 53> kKeys = [] {
    using namespace key_table_detail;
    return std::array<Key, 53>{{
        digit("SB1", "1", 130),
        digit("SB2", "2", 138),
        digit("SB3", "3", 147),
        digit("SB4", "4", 155),
        digit("SB5", "5", 165),
        digit("SB6", "6", 174),
        digit("SB7", "7", 185),
        digit("SB8", "8", 260),
        digit("SB9", "9", 441),
        digit("SB0", "0", 276),
        op("SBplus", "+", ""),
        op("SBminus", "-", ""),
        op("SBmult", "*", "\xF3\xEC\xED\xEE\xE6\xE8\xF2\xFC"),   // "умножить"
        op("Bth", "/", "\xF0\xE0\xE7\xE4\xE5\xEB\xE8\xF2\xFC"),  // "разделить"
        op("SBstep", "^", "\xF1\xF2\xE5\xEF\xE5\xED\xFC"),       // "степень"
        {"SBzpt", ",", "", kEntryTag, Entry, AppendSeparator, "", kHide, kKeep, kKeep, 0, 0, false},
        command("SBdraw", "=", "", Evaluate),
        // "Очистка дисплея"
        command("ShapeBtn18", "C", "\xCE\xF7\xE8\xF1\xF2\xEA\xE0 \xE4\xE8\xF1\xEF\xEB\xE5\xFF",
                Clear),
        function("SBcos", "Cos", "cos(", "", kOn),
        function("SBsin", "Sin", "sin(", "", kOn),
        function("SBtan", "Tan", "tan(", "", kOn),
        // "cos гиперболический" / "на клавиатуре = C"
        function("SBcosh", "cosh", "Cosh(",
                 "cos \xE3\xE8\xEF\xE5\xF0\xE1\xEE\xEB\xE8\xF7\xE5\xF1\xEA\xE8\xE9\r\n"
                 "\xED\xE0 \xEA\xEB\xE0\xE2\xE8\xE0\xF2\xF3\xF0\xE5 = C",
                 kOn),
        // "sin гиперболический" / "на клавиатуре = S"
        function("SBsinh", "Sinh", "Sinh(",
                 "sin \xE3\xE8\xEF\xE5\xF0\xE1\xEE\xEB\xE8\xF7\xE5\xF1\xEA\xE8\xE9\r\n"
                 "\xED\xE0 \xEA\xEB\xE0\xE2\xE8\xE0\xF2\xF3\xF0\xE5 = S",
                 kOn),
        // "cotang" / "на клавиатуре = g"
        function("SBcotan", "Cotan", "Cotan(",
                 "cotang\r\n\xED\xE0 \xEA\xEB\xE0\xE2\xE8\xE0\xF2\xF3\xF0\xE5 = g", kOn),
        // "arc" disables the arc-locked keys first, then the entry keys, itself among them.
        {"SBarc", "arc", "", kEntryTag, Entry, Append, "arc", kShow, kOff, kOff, 0, 0, false},
        function("SBdr", "d->r", "DegToRad(", "deg->rad", kKeep, ArcLocked),
        function("SBrd", "r->d", "RadToDeg(", "rad->deg", kKeep, ArcLocked),
        function("SBcr", "c->r", "CycleToRad(", "cycel->rad", kKeep, ArcLocked),
        function("SBrc", "r->c", "RadToCycle(", "rad->cycel", kKeep, ArcLocked),
        function("SBrg", "r->g", "RadToGrad(", "rad->grad", kKeep, ArcLocked),
        function("SBgr", "g->r", "gradToRad(", "grad->rad", kKeep, ArcLocked),
        function("ShapeBtn30", "Ln", "Ln(", "", kOn),
        function("ShapeBtn34", "Logpi", "Logpi(", "", kOn),
        function("ShapeBtn24", "log10", "log10(", "", kOn),
        function("ShapeBtn22", "log2", "Log2(", "", kOn),
        function("ShapeBtn41", "!", "Fa(", "", kOn),
        function("SBSign", "Sign", "Sign(", "", kKeep, ArcLocked),
        function("SBInt", "Int", "Int(", "", kKeep, ArcLocked),
        function("ShapeBtn35", "Ei", "Ei(", "", kKeep, DisabledForLife),
        // "Ci" shares the operation of "Int".
        function("ShapeBtn39", "Ci", "Int(", "", kKeep, DisabledForLife),
        function("ShapeBtn40", "erf", "Erf(", "", kKeep, DisabledForLife),
        function("ShapeBtn42", "zeta", "zeta(", "", kKeep, DisabledForLife),
        function("ShapeBtn36", "Li", "Li(", "", kKeep, DisabledForLife),
        function("ShapeBtn37", "Si", "Si(", "", kKeep, DisabledForLife),
        function("ShapeBtn38", "erfC", "ErfC(", "", kKeep, DisabledForLife),
        command("ShPi", "Pi", "", AppendPi, kEntryTag, Entry),
        command("Shexp", "E", "", AppendE, kEntryTag, Entry),
        op("ShapeBtn27", "(", "\xEB\xE5\xE2\xE0\xFF \xF1\xEA\xEE\xE1\xEA\xE0"),  // "левая скобка"
        op("ShapeBtn26", ")",
           "\xCF\xF0\xE0\xE2\xE0\xFF \xF1\xEA\xEE\xE1\xEA\xE0"),  // "Правая скобка"
        // "буф", "Скопировать в буфер обмена"
        command("ShapeBtn32", "\xE1\xF3\xF4",
                "\xD1\xEA\xEE\xEF\xE8\xF0\xEE\xE2\xE0\xF2\xFC \xE2 \xE1\xF3\xF4\xE5\xF0 "
                "\xEE\xE1\xEC\xE5\xED\xE0",
                Copy),
        // "Из", "вставка из буфера"
        command("ShapeBtn33", "\xC8\xE7",
                "\xE2\xF1\xF2\xE0\xE2\xEA\xE0 \xE8\xE7 \xE1\xF3\xF4\xE5\xF0\xE0", Paste),
        // "Забой неправельно введёного символа"
        command("ImageBtn1", "",
                "\xC7\xE0\xE1\xEE\xE9 \xED\xE5\xEF\xF0\xE0\xE2\xE5\xEB\xFC\xED\xEE "
                "\xE2\xE2\xE5\xE4\xB8\xED\xEE\xE3\xEE \xF1\xE8\xEC\xE2\xEE\xEB\xE0",
                Backspace, 0, Plain, true),
        // "Очистить все регистры"
        command("ImageBtn2", "",
                "\xCE\xF7\xE8\xF1\xF2\xE8\xF2\xFC \xE2\xF1\xE5 \xF0\xE5\xE3\xE8\xF1\xF2\xF0\xFB",
                ClearRegisters, 0, Plain, true),
    }};
}();

// The arc-locked keys in the order "arc" and "=" set them.
inline constexpr std::array<std::string_view, 8> kArcLockedOrder = {
    "SBrd", "SBdr", "SBrc", "SBcr", "SBrg", "SBgr", "SBSign", "SBInt"};

// The key named `name`, or nullptr.
const Key* findKey(std::string_view name) noexcept;

// The key named `name`; throws std::invalid_argument for a name the window does not have.
const Key& keyNamed(std::string_view name);

// The hint a key shows: its fixed hint, or for "Pi" and "E" the text of the constant with
// `separator`.
std::string keyHint(const Key& key, DecimalSeparator separator);

}  // namespace zhcalc
