#pragma once
// The eight memory registers of display text and their protection flags.

#include <array>
#include <string>

namespace zhcalc {

class MemoryRegisters {
  public:
    static constexpr int kCount = 8;

    // Registers, hints and check boxes are numbered 1 to 8; other numbers throw
    // std::out_of_range.
    const std::string& text(int n) const { return texts_.at(index(n)); }
    // The hint of switch n: the register's text as of the last operation on that switch,
    // empty before the first one.
    const std::string& switchHint(int n) const { return hints_.at(index(n)); }

    // "Постоянно помнить": protects every register.
    bool allProtected() const { return allProtected_; }
    void setAllProtected(bool on) { allProtected_ = on; }
    // Check box rom<n>: protects register n.
    bool isProtected(int n) const { return protected_.at(index(n)); }
    void setProtected(int n, bool on) { protected_.at(index(n)) = on; }

    // Switch n turned on: stores the display into register n and empties it; a protected
    // register recalls instead.
    void switchOn(int n, std::string& display);
    // Switch n turned off: appends register n to the display.
    void switchOff(int n, std::string& display);
    // Empties every register; switch hints keep their texts.
    void clearAll();

  private:
    static std::size_t index(int n);

    std::array<std::string, kCount> texts_;
    std::array<std::string, kCount> hints_;
    std::array<bool, kCount> protected_{};
    bool allProtected_ = false;
};

}  // namespace zhcalc
