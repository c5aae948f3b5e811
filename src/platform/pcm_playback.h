#pragma once
// One ALSA playback device, opened for one sample format and kept ready between sounds.
// Every call here may wait on a sound server; callers that must not wait use PlaybackThread.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "platform/wave_image.h"

struct _snd_pcm;

namespace zhcalc::platform {

struct PcmFormat {
    std::uint16_t bitsPerSample = 0;  // 8: unsigned; 16, 24 (packed) and 32: signed, little-endian
    std::uint16_t channels = 0;
    std::uint32_t samplesPerSecond = 0;

    std::size_t frameBytes() const { return std::size_t{channels} * bitsPerSample / 8; }
    bool operator==(const PcmFormat&) const = default;
};

// The format a wave image plays in; nullopt for one ALSA is not asked to play.
std::optional<PcmFormat> pcmFormatOf(const WaveImage& wave);

class PcmPlayback {
  public:
    using Clock = std::chrono::steady_clock;

    enum class Outcome {
        Queued,    // all frames are queued and the device runs
        TimedOut,  // the device did not take them all in time; its queue was discarded
        Failed,    // the device is unusable: close it and open it afresh for the next sound
    };

    // nullptr when the device cannot be opened for the format; never waits for a busy device.
    static std::unique_ptr<PcmPlayback> open(const std::string& device, const PcmFormat& format);
    ~PcmPlayback();
    PcmPlayback(const PcmPlayback&) = delete;
    PcmPlayback& operator=(const PcmPlayback&) = delete;

    const PcmFormat& format() const { return format_; }

    // Queues the whole frames of `samples` behind what is still playing and starts the device.
    // A device that has not taken them all by `deadline` has stopped keeping up: what it still
    // holds is dropped, so that it never plays a backlog of stale sounds.
    Outcome write(std::span<const std::uint8_t> samples, Clock::time_point deadline);

    // The time until the last queued frame is heard: zero once it has been, and when the device
    // cannot tell.
    Clock::duration untilPlayed();

    // Stops the device, dropping whatever it still holds; the next write starts it again.
    void stop();

  private:
    struct Closer {
        void operator()(_snd_pcm* pcm) const;
    };

    using Handle = std::unique_ptr<_snd_pcm, Closer>;

    PcmPlayback(Handle pcm, const PcmFormat& format) : pcm_(std::move(pcm)), format_(format) {}
    bool makeReady();

    Handle pcm_;
    PcmFormat format_;
};

}  // namespace zhcalc::platform
