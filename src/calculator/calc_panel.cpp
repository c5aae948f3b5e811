#include "calculator/calc_panel.h"

#include <numbers>
#include <optional>

#include "calculator/keyboard_map.h"
#include "engine/errors.h"
#include "engine/evaluation.h"
#include "engine/function_library.h"
#include "engine/number_text.h"

namespace zhcalc {

CalcPanel::CalcPanel(SoundService& sound, MessageReporter& messages, Clipboard& clipboard,
                     DecimalSeparator separator)
    : parser_(separator), tones_(sound, messages), clipboard_(clipboard) {
    registerCalculatorFunctions();
}

bool CalcPanel::isEnabled(const Key& key) const {
    switch (key.group) {
        case KeyGroup::Entry:
            return entryKeysEnabled_;
        case KeyGroup::ArcLocked:
            return arcLockedKeysEnabled_;
        case KeyGroup::DisabledForLife:
            return false;
        case KeyGroup::Plain:
            break;
    }
    return true;
}

bool CalcPanel::isVisible(const Key& key) const {
    return key.action == KeyAction::AppendSeparator ? commaVisible_ : true;
}

void CalcPanel::press(const Key& key) {
    switch (key.action) {
        case KeyAction::Evaluate:
            return evaluate();
        case KeyAction::Copy:
            return copy();
        case KeyAction::Paste:
            return paste();
        case KeyAction::ClearRegisters:
            return clearRegisters();
        case KeyAction::Append:
            append(key.text);
            break;
        case KeyAction::AppendSeparator:
            append(std::string(1, decimalSeparator().character()));
            break;
        case KeyAction::AppendPi:
            append(floatToStr(std::numbers::pi_v<Number>, decimalSeparator()));
            break;
        case KeyAction::AppendE:
            append(floatToStr(std::numbers::e_v<Number>, decimalSeparator()));
            break;
        case KeyAction::Clear:
            setDisplay({});
            break;
        case KeyAction::Backspace:
            backspace();
            break;
    }
    if (key.comma != CommaEffect::None) setCommaVisible(key.comma == CommaEffect::Show);
    // "arc" disables the arc-locked keys before the entry keys, itself among them.
    if (key.arcLockedKeys != GroupEffect::None)
        setArcLockedKeysEnabled(key.arcLockedKeys == GroupEffect::Enable);
    if (key.entryKeys != GroupEffect::None) enableEntryKeys(key.entryKeys == GroupEffect::Enable);
    showNow();
    if (key.toneHz != 0) tones_.playTone(key.toneHz, key.toneMs);
}

bool CalcPanel::formKeyPress(char c) {
    const Key* key = keyForCharacter(c);
    if (key == nullptr) return false;
    press(*key);
    return true;
}

void CalcPanel::evaluate() {
    setArcLockedKeysEnabled(true);
    enableEntryKeys(true);

    DisplayResult result = evaluateForDisplay(parser_, display_);  // other errors leave here
    setDisplay(std::move(result.text));
    if (!result.mathError) {  // only a success sounds the tone
        showNow();
        const Key& equals = keyOf(KeyId::Equals);
        tones_.playTone(equals.toneHz, equals.toneMs);
    }
    setCommaVisible(true);
    showNow();
}

void CalcPanel::switchOn(int n) {
    std::string text = display_;
    registers_.switchOn(n, text);
    setDisplay(std::move(text));
    showNow();
}

void CalcPanel::switchOff(int n) {
    std::string text = display_;
    registers_.switchOff(n, text);
    setDisplay(std::move(text));
    showNow();
}

void CalcPanel::copy() {
    try {
        clipboard_.setText(display_);
    } catch (const ClipboardUnavailable&) {
        throw Exception("Cannot open clipboard");
    }
}

void CalcPanel::paste() {
    std::optional<std::string> text;
    try {
        text = clipboard_.text();
    } catch (const ClipboardUnavailable&) {
        throw Exception("Cannot open clipboard");
    }
    if (!text) return;
    // Clipboard text ends at its first zero byte.
    append(std::string_view(*text).substr(0, text->find('\0')));
    showNow();
}

void CalcPanel::cut() {
    copy();
    setDisplay({});
    showNow();
}

void CalcPanel::setDisplay(std::string text) {
    display_ = std::move(text);
    if (listener_) listener_->displaySet(display_);
}

void CalcPanel::backspace() {
    if (!display_.empty()) setDisplay(display_.substr(0, display_.size() - 1));
}

void CalcPanel::setCommaVisible(bool visible) {
    commaVisible_ = visible;
    if (listener_) listener_->commaVisibleSet(visible);
}

void CalcPanel::enableEntryKeys(bool enabled) {
    entryKeysEnabled_ = enabled;
    if (!listener_) return;
    for (const Key& key : kKeys)
        if (key.tag == kEntryTag) listener_->keyEnabledSet(key, enabled);
}

void CalcPanel::setArcLockedKeysEnabled(bool enabled) {
    arcLockedKeysEnabled_ = enabled;
    if (!listener_) return;
    for (KeyId id : kArcLockedOrder)
        listener_->keyEnabledSet(keyOf(id), enabled);
}

void CalcPanel::showNow() {
    if (listener_) listener_->showNow();
}

}  // namespace zhcalc
