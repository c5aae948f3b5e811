#pragma once
// The sound service the program plays its key tones through.

#include <memory>

#include "calculator/sound_service.h"

namespace zhcalc {

std::unique_ptr<SoundService> makeSoundService();

}  // namespace zhcalc
