#pragma once
// Key tones: a sine wave synthesized into a RIFF/WAVE image on every call.

#include <cstdint>
#include <vector>

#include "calculator/sound_service.h"

namespace zhcalc {

inline constexpr std::int32_t kToneSampleRate = 44100;
inline constexpr std::uint16_t kToneChannelCount = 1;
inline constexpr std::size_t kToneHeaderSize = 46;

// False for frequencies the sample rate cannot carry (above 0.6 x the sample rate).
bool toneFrequencyPlayable(std::int32_t frequency);

// The complete image: 46-byte header (18-byte format chunk), then unsigned 8-bit mono
// samples. A negative duration gives no samples.
std::vector<std::uint8_t> buildToneImage(std::int32_t frequency, std::int32_t durationMs);

// The text shown instead of a tone the sample rate cannot carry.
std::string toneRefusalMessage(std::int32_t frequency);

class TonePlayer {
  public:
    TonePlayer(SoundService& sound, MessageReporter& messages)
        : sound_(sound), messages_(messages) {}

    // Synchronous: returns when the tone has ended, or after the refusal message is dismissed.
    void playTone(std::int32_t frequency, std::int32_t durationMs);

  private:
    SoundService& sound_;
    MessageReporter& messages_;
};

}  // namespace zhcalc
