#include "platform/fontconfig_preload.h"

#include <fontconfig/fontconfig.h>

namespace zhcalc::platform {

// FcInit loads the configuration once per process; whoever calls it later, the
// toolkit included, finds it loaded.
FontconfigPreload::FontconfigPreload() : thread_([] { FcInit(); }) {}

FontconfigPreload::~FontconfigPreload() {
    wait();
}

void FontconfigPreload::wait() {
    if (thread_.joinable()) thread_.join();
}

}  // namespace zhcalc::platform
