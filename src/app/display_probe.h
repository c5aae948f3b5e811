#pragma once
// The real display probes: a short-lived connection to the X server or the Wayland
// compositor's socket, made before the toolkit starts.

#include "app/display_platform.h"

namespace zhcalc {

DisplayProbes systemDisplayProbes();

}  // namespace zhcalc
