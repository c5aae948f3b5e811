#pragma once
// The two services a key tone needs from the desktop: something that plays a wave image
// and something that shows a message to the user.

#include <cstdint>
#include <span>
#include <string>

namespace zhcalc {

// Plays an in-memory RIFF/WAVE image synchronously: returns when the sound has ended,
// or after the sound's own length and a small margin when the device falls behind.
// Playback failures are not reported.
class SoundService {
  public:
    virtual ~SoundService() = default;
    virtual void play(std::span<const std::uint8_t> waveImage) = 0;
};

// Shows a text (Windows-1251) in a modal message box and returns when it is dismissed.
class MessageReporter {
  public:
    virtual ~MessageReporter() = default;
    virtual void showMessage(const std::string& text) = 0;
};

}  // namespace zhcalc
