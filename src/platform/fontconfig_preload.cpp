#include "platform/fontconfig_preload.h"

#include <fontconfig/fontconfig.h>

namespace zhcalc::platform {

// FcInit loads the configuration once per process; whoever calls it later, the
// toolkit included, finds it loaded.
FontconfigPreload::FontconfigPreload()
    : thread_([this, next = next_.get_future()]() mutable {
          FcInit();
          if (const std::function<void()> step = next.get()) step();
          done_.set_value();
      }) {}

FontconfigPreload::~FontconfigPreload() {
    wait();
}

void FontconfigPreload::continueWith(std::function<void()> step) {
    if (nextGiven_) return;
    nextGiven_ = true;
    next_.set_value(std::move(step));
}

void FontconfigPreload::wait() {
    continueWith(nullptr);
    if (thread_.joinable()) thread_.join();
}

}  // namespace zhcalc::platform
