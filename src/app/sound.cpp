#include "app/sound.h"

#include "platform/alsa_sound.h"

namespace zhcalc {

std::unique_ptr<SoundService> makeSoundService() {
    return std::make_unique<platform::AlsaSound>();
}

}  // namespace zhcalc
