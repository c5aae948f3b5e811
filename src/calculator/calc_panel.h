#pragma once
// The calculator panel: the display text, the comma key's visibility, the enabled state of
// the key groups, the memory registers, and every operation the window runs on them.
// Operations run on the GUI thread; errors other than the floating-point family propagate
// to the caller, which shows errorBoxText() of them.

#include <string>
#include <string_view>

#include "calculator/clipboard.h"
#include "calculator/key_table.h"
#include "calculator/key_tone.h"
#include "calculator/memory_registers.h"
#include "calculator/sound_service.h"
#include "engine/math_parser.h"

namespace zhcalc {

// Told about every change as it happens, in the order the operation makes it.
class PanelListener {
  public:
    virtual ~PanelListener() = default;
    virtual void displaySet(const std::string& /*text*/) {}
    virtual void commaVisibleSet(bool /*visible*/) {}
    // One key's enabled state set, key by key in the order the operation sets them.
    virtual void keyEnabledSet(const Key& /*key*/, bool /*enabled*/) {}
    // The state is up to date and should be painted now: a synchronous tone may follow, and
    // no event is handled while it plays. Called at the end of every operation too.
    virtual void showNow() {}
};

class CalcPanel {
  public:
    // Registers the calculator's named functions with the parser. Numbers are read
    // and written with `separator`.
    CalcPanel(SoundService& sound, MessageReporter& messages, Clipboard& clipboard,
              DecimalSeparator separator);
    CalcPanel(const CalcPanel&) = delete;
    CalcPanel& operator=(const CalcPanel&) = delete;

    // nullptr: nobody listens.
    void setListener(PanelListener* listener) { listener_ = listener; }

    const std::string& display() const { return display_; }  // Windows-1251
    bool commaVisible() const { return commaVisible_; }
    bool entryKeysEnabled() const { return entryKeysEnabled_; }
    bool arcLockedKeysEnabled() const { return arcLockedKeysEnabled_; }
    bool isEnabled(const Key& key) const;
    bool isVisible(const Key& key) const;
    const MemoryRegisters& registers() const { return registers_; }

    // The separator of the texts made from now on (those shown keep theirs).
    DecimalSeparator decimalSeparator() const { return parser_.decimalSeparator(); }
    void setDecimalSeparator(DecimalSeparator separator) { parser_.setDecimalSeparator(separator); }

    // Runs the key's operation whatever its enabled state (the window passes only clicks of
    // enabled keys). press(name) throws std::invalid_argument for an unknown name.
    void press(const Key& key);
    void press(std::string_view keyName) { press(keyNamed(keyName)); }

    // A typed character (Windows-1251); returns whether it ran an operation.
    bool formKeyPress(char c);

    // "=": ends the arc state, then evaluates the display.
    void evaluate();

    // Switch n (1 to 8) turned on or off, and the check boxes that protect the registers.
    void switchOn(int n);
    void switchOff(int n);
    void setAllProtected(bool on) { registers_.setAllProtected(on); }
    void setProtected(int n, bool on) { registers_.setProtected(n, on); }
    void clearRegisters() { registers_.clearAll(); }

    // Throw Exception "Cannot open clipboard", changing nothing, when the clipboard is held.
    void copy();
    void paste();
    void cut();

  private:
    void setDisplay(std::string text);
    void append(std::string_view text) { setDisplay(display_ + std::string(text)); }
    void backspace();
    void setCommaVisible(bool visible);
    void enableEntryKeys(bool enabled);
    void setArcLockedKeysEnabled(bool enabled);
    void showNow();

    MathParser parser_;
    TonePlayer tones_;
    Clipboard& clipboard_;
    MemoryRegisters registers_;
    PanelListener* listener_ = nullptr;

    std::string display_;
    bool commaVisible_ = true;
    bool entryKeysEnabled_ = true;
    bool arcLockedKeysEnabled_ = true;
};

}  // namespace zhcalc
