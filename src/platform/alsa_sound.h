#pragma once
// The sound service on ALSA: plays a wave image on the default PCM device.

#include <string>

#include "calculator/sound_service.h"

namespace zhcalc::platform {

class AlsaSound final : public SoundService {
  public:
    // Also silences ALSA's own diagnostics on standard error, for the whole process.
    explicit AlsaSound(std::string device = "default");

    // Plays the PCM image on the calling thread with the format of its own header and
    // returns when the sound has drained. No device, a busy device, an image it cannot play
    // or any ALSA error: returns at once without a word.
    void play(std::span<const std::uint8_t> waveImage) override;

  private:
    std::string device_;
};

}  // namespace zhcalc::platform
