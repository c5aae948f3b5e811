#pragma once
// The sound service on ALSA: plays a wave image on a PCM device (the default one unless named).

#include <chrono>
#include <memory>
#include <string>

#include "calculator/sound_service.h"

namespace zhcalc::platform {

class PlaybackThread;

class AlsaSound final : public SoundService {
  public:
    // How much longer than the sound itself play() may hold its caller.
    static constexpr std::chrono::milliseconds kMargin{5};

    // Also silences ALSA's own diagnostics on standard error, for the whole process.
    explicit AlsaSound(std::string device = "default");
    // Closes the device.
    ~AlsaSound() override;

    // Plays the PCM image with the format of its own header and returns when it has been heard,
    // but never later than its length plus kMargin: a device or sound server that does not keep
    // up is given the sound and left to play it. The device stays open between sounds. No
    // device, a busy device, an image it cannot play or any ALSA error: no sound, not a word.
    void play(std::span<const std::uint8_t> waveImage) override;

  private:
    std::string device_;
    std::unique_ptr<PlaybackThread> playback_;  // started with the first sound
};

}  // namespace zhcalc::platform
