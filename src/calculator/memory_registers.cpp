#include "calculator/memory_registers.h"

#include <stdexcept>

namespace zhcalc {

std::size_t MemoryRegisters::index(int n) {
    if (n < 1 || n > kCount) throw std::out_of_range("register number out of range");
    return static_cast<std::size_t>(n - 1);
}

void MemoryRegisters::switchOn(int n, std::string& display) {
    const std::size_t i = index(n);
    if (allProtected_ || protected_[i]) {
        switchOff(n, display);
        return;
    }
    texts_[i] = display;
    display.clear();
    hints_[i] = texts_[i];
}

void MemoryRegisters::switchOff(int n, std::string& display) {
    const std::size_t i = index(n);
    display += texts_[i];
    hints_[i] = texts_[i];
}

void MemoryRegisters::clearAll() {
    for (std::string& text : texts_)
        text.clear();
}

}  // namespace zhcalc
