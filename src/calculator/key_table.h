#pragma once
// Every key of the calculator window, in creation order: what it is called, what it shows,
// what it does to the panel and which tone it sounds. Each key is one KeyId; the window
// reaches the key's row here, its layout row and its widget by it, and hands clicks back to
// CalcPanel::press.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/decimal_separator.h"

namespace zhcalc {

// The keys in the table's order (the window's creation order), a line per kind; the image
// keys come last.
// clang-format off
enum class KeyId : std::uint8_t {
    Digit1, Digit2, Digit3, Digit4, Digit5, Digit6, Digit7, Digit8, Digit9, Digit0,
    Plus, Minus, Multiply, Divide, Power, Comma, Equals, Clear,
    Cos, Sin, Tan, Cosh, Sinh, Cotan, Arc,
    DegToRad, RadToDeg, CycleToRad, RadToCycle, RadToGrad, GradToRad,
    Ln, Logpi, Log10, Log2, Factorial, Sign, Int,
    Ei, Ci, Erf, Zeta, Li, Si, ErfC,
    Pi, E, LeftParenthesis, RightParenthesis, Copy, Paste,
    Backspace, ClearRegisters,
};
// clang-format on
inline constexpr std::size_t kKeyCount = static_cast<std::size_t>(KeyId::ClearRegisters) + 1;

constexpr std::size_t keyIndex(KeyId id) {
    return static_cast<std::size_t>(id);
}

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
    KeyId id;
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
using K = KeyId;
using enum KeyAction;
using enum KeyGroup;
inline constexpr CommaEffect kNoComma = CommaEffect::None;
inline constexpr CommaEffect kShow = CommaEffect::Show;
inline constexpr CommaEffect kHide = CommaEffect::Hide;
inline constexpr GroupEffect kKeep = GroupEffect::None;
inline constexpr GroupEffect kOn = GroupEffect::Enable;
inline constexpr GroupEffect kOff = GroupEffect::Disable;

constexpr Key digit(KeyId id, std::string_view name, std::string_view text, int hz) {
    return {id,   name,     text,  "",    kEntryTag, Entry, Append,
            text, kNoComma, kKeep, kKeep, hz,        30,    false};
}
// An operator or parenthesis: appends and shows the comma key.
constexpr Key op(KeyId id, std::string_view name, std::string_view caption, std::string_view hint) {
    return {id,      name,  caption, hint,  kEntryTag, Entry, Append,
            caption, kShow, kKeep,   kKeep, 0,         0,     false};
}
// A function key: appends its name with "(" and shows the comma key.
constexpr Key function(KeyId id, std::string_view name, std::string_view caption,
                       std::string_view text, std::string_view hint, GroupEffect entryKeys,
                       KeyGroup group = Plain) {
    return {id, name, caption, hint, 0, group, Append, text, kShow, entryKeys, kKeep, 0, 0, false};
}
constexpr Key command(KeyId id, std::string_view name, std::string_view caption,
                      std::string_view hint, KeyAction action, int tag = 0, KeyGroup group = Plain,
                      bool imageKey = false) {
    const CommaEffect comma = action == Clear ? kShow : kNoComma;
    const GroupEffect entry = action == Clear ? kOn : kKeep;
    const int hz = action == Evaluate ? 275 : 0;
    const int ms = action == Evaluate ? 30 : 0;
    return {id, name, caption, hint, tag, group, action, "", comma, entry, kKeep, hz, ms, imageKey};
}
}  // namespace key_table_detail

// One row per KeyId, in its order: the 51 shaped keys, then the two image keys.
inline constexpr std::array<Key, kKeyCount> kKeys = [] {
    using namespace key_table_detail;
    return std::array<Key, kKeyCount>{{
        digit(K::Digit1, "SB1", "1", 130),
        digit(K::Digit2, "SB2", "2", 138),
        digit(K::Digit3, "SB3", "3", 147),
        digit(K::Digit4, "SB4", "4", 155),
        digit(K::Digit5, "SB5", "5", 165),
        digit(K::Digit6, "SB6", "6", 174),
        digit(K::Digit7, "SB7", "7", 185),
        digit(K::Digit8, "SB8", "8", 260),
        digit(K::Digit9, "SB9", "9", 441),
        digit(K::Digit0, "SB0", "0", 276),
        op(K::Plus, "SBplus", "+", ""),
        op(K::Minus, "SBminus", "-", ""),
        op(K::Multiply, "SBmult", "*", "\xF3\xEC\xED\xEE\xE6\xE8\xF2\xFC"),  // "умножить"
        op(K::Divide, "Bth", "/", "\xF0\xE0\xE7\xE4\xE5\xEB\xE8\xF2\xFC"),   // "разделить"
        op(K::Power, "SBstep", "^", "\xF1\xF2\xE5\xEF\xE5\xED\xFC"),         // "степень"
        {K::Comma, "SBzpt", ",", "", kEntryTag, Entry, AppendSeparator, "", kHide, kKeep, kKeep, 0,
         0, false},
        command(K::Equals, "SBdraw", "=", "", Evaluate),
        // "Очистка дисплея"
        command(K::Clear, "ShapeBtn18", "C",
                "\xCE\xF7\xE8\xF1\xF2\xEA\xE0 \xE4\xE8\xF1\xEF\xEB\xE5\xFF", Clear),
        function(K::Cos, "SBcos", "Cos", "cos(", "", kOn),
        function(K::Sin, "SBsin", "Sin", "sin(", "", kOn),
        function(K::Tan, "SBtan", "Tan", "tan(", "", kOn),
        // "cos гиперболический" / "на клавиатуре = C"
        function(K::Cosh, "SBcosh", "cosh", "Cosh(",
                 "cos \xE3\xE8\xEF\xE5\xF0\xE1\xEE\xEB\xE8\xF7\xE5\xF1\xEA\xE8\xE9\r\n"
                 "\xED\xE0 \xEA\xEB\xE0\xE2\xE8\xE0\xF2\xF3\xF0\xE5 = C",
                 kOn),
        // "sin гиперболический" / "на клавиатуре = S"
        function(K::Sinh, "SBsinh", "Sinh", "Sinh(",
                 "sin \xE3\xE8\xEF\xE5\xF0\xE1\xEE\xEB\xE8\xF7\xE5\xF1\xEA\xE8\xE9\r\n"
                 "\xED\xE0 \xEA\xEB\xE0\xE2\xE8\xE0\xF2\xF3\xF0\xE5 = S",
                 kOn),
        // "cotang" / "на клавиатуре = g"
        function(K::Cotan, "SBcotan", "Cotan", "Cotan(",
                 "cotang\r\n\xED\xE0 \xEA\xEB\xE0\xE2\xE8\xE0\xF2\xF3\xF0\xE5 = g", kOn),
        // "arc" disables the arc-locked keys first, then the entry keys, itself among them.
        {K::Arc, "SBarc", "arc", "", kEntryTag, Entry, Append, "arc", kShow, kOff, kOff, 0, 0,
         false},
        function(K::DegToRad, "SBdr", "d->r", "DegToRad(", "deg->rad", kKeep, ArcLocked),
        function(K::RadToDeg, "SBrd", "r->d", "RadToDeg(", "rad->deg", kKeep, ArcLocked),
        function(K::CycleToRad, "SBcr", "c->r", "CycleToRad(", "cycel->rad", kKeep, ArcLocked),
        function(K::RadToCycle, "SBrc", "r->c", "RadToCycle(", "rad->cycel", kKeep, ArcLocked),
        function(K::RadToGrad, "SBrg", "r->g", "RadToGrad(", "rad->grad", kKeep, ArcLocked),
        function(K::GradToRad, "SBgr", "g->r", "gradToRad(", "grad->rad", kKeep, ArcLocked),
        function(K::Ln, "ShapeBtn30", "Ln", "Ln(", "", kOn),
        function(K::Logpi, "ShapeBtn34", "Logpi", "Logpi(", "", kOn),
        function(K::Log10, "ShapeBtn24", "log10", "log10(", "", kOn),
        function(K::Log2, "ShapeBtn22", "log2", "Log2(", "", kOn),
        function(K::Factorial, "ShapeBtn41", "!", "Fa(", "", kOn),
        function(K::Sign, "SBSign", "Sign", "Sign(", "", kKeep, ArcLocked),
        function(K::Int, "SBInt", "Int", "Int(", "", kKeep, ArcLocked),
        function(K::Ei, "ShapeBtn35", "Ei", "Ei(", "", kKeep, DisabledForLife),
        // "Ci" shares the operation of "Int".
        function(K::Ci, "ShapeBtn39", "Ci", "Int(", "", kKeep, DisabledForLife),
        function(K::Erf, "ShapeBtn40", "erf", "Erf(", "", kKeep, DisabledForLife),
        function(K::Zeta, "ShapeBtn42", "zeta", "zeta(", "", kKeep, DisabledForLife),
        function(K::Li, "ShapeBtn36", "Li", "Li(", "", kKeep, DisabledForLife),
        function(K::Si, "ShapeBtn37", "Si", "Si(", "", kKeep, DisabledForLife),
        function(K::ErfC, "ShapeBtn38", "erfC", "ErfC(", "", kKeep, DisabledForLife),
        command(K::Pi, "ShPi", "Pi", "", AppendPi, kEntryTag, Entry),
        command(K::E, "Shexp", "E", "", AppendE, kEntryTag, Entry),
        op(K::LeftParenthesis, "ShapeBtn27", "(",
           "\xEB\xE5\xE2\xE0\xFF \xF1\xEA\xEE\xE1\xEA\xE0"),  // "левая скобка"
        op(K::RightParenthesis, "ShapeBtn26", ")",
           "\xCF\xF0\xE0\xE2\xE0\xFF \xF1\xEA\xEE\xE1\xEA\xE0"),  // "Правая скобка"
        // "буф", "Скопировать в буфер обмена"
        command(K::Copy, "ShapeBtn32", "\xE1\xF3\xF4",
                "\xD1\xEA\xEE\xEF\xE8\xF0\xEE\xE2\xE0\xF2\xFC \xE2 \xE1\xF3\xF4\xE5\xF0 "
                "\xEE\xE1\xEC\xE5\xED\xE0",
                Copy),
        // "Из", "вставка из буфера"
        command(K::Paste, "ShapeBtn33", "\xC8\xE7",
                "\xE2\xF1\xF2\xE0\xE2\xEA\xE0 \xE8\xE7 \xE1\xF3\xF4\xE5\xF0\xE0", Paste),
        // "Забой неправельно введёного символа"
        command(K::Backspace, "ImageBtn1", "",
                "\xC7\xE0\xE1\xEE\xE9 \xED\xE5\xEF\xF0\xE0\xE2\xE5\xEB\xFC\xED\xEE "
                "\xE2\xE2\xE5\xE4\xB8\xED\xEE\xE3\xEE \xF1\xE8\xEC\xE2\xEE\xEB\xE0",
                Backspace, 0, Plain, true),
        // "Очистить все регистры"
        command(K::ClearRegisters, "ImageBtn2", "",
                "\xCE\xF7\xE8\xF1\xF2\xE8\xF2\xFC \xE2\xF1\xE5 \xF0\xE5\xE3\xE8\xF1\xF2\xF0\xFB",
                ClearRegisters, 0, Plain, true),
    }};
}();

// The key's row (the table's rows are in KeyId order: key_table.cpp checks it).
constexpr const Key& keyOf(KeyId id) {
    return kKeys[keyIndex(id)];
}

// The arc-locked keys in the order "arc" and "=" set them.
inline constexpr std::array<KeyId, 8> kArcLockedOrder = {
    KeyId::RadToDeg,  KeyId::DegToRad,  KeyId::RadToCycle, KeyId::CycleToRad,
    KeyId::RadToGrad, KeyId::GradToRad, KeyId::Sign,       KeyId::Int};

// The key named `name`, or nullptr.
const Key* findKey(std::string_view name) noexcept;

// The key named `name`; throws std::invalid_argument for a name the window does not have.
const Key& keyNamed(std::string_view name);

// The hint a key shows: its fixed hint, or for "Pi" and "E" the text of the constant with
// `separator`.
std::string keyHint(const Key& key, DecimalSeparator separator);

}  // namespace zhcalc
