#pragma once
// Plays sounds one after another on a thread of its own that owns the ALSA device. A sound
// server may keep any ALSA call waiting without limit (slow to connect, slow to drain, stopped),
// so the caller never makes one: it hands the sound over and waits only as long as it chooses.

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/pcm_playback.h"

namespace zhcalc::platform {

class PlaybackThread {
  public:
    using Clock = std::chrono::steady_clock;

    // nullptr when no thread can be started (then there is no sound).
    static std::unique_ptr<PlaybackThread> start(std::string device);
    // Waits a bounded time for the thread to close the device; a thread still held by the sound
    // system after that is left to end on its own.
    ~PlaybackThread();
    PlaybackThread(const PlaybackThread&) = delete;
    PlaybackThread& operator=(const PlaybackThread&) = delete;

    // Queues the sound behind the earlier ones and returns once it has been heard to its end,
    // once it has failed, or at `asked` + `allowance` (asked: when the caller's wait began),
    // whichever comes first. The thread gives the device the same allowance from the moment it
    // starts on the sound; a sound it reaches too late to be worth hearing is skipped.
    void play(const PcmFormat& format, std::vector<std::uint8_t> samples, Clock::time_point asked,
              Clock::duration allowance);

  private:
    struct Shared;
    struct Sound;

    explicit PlaybackThread(std::shared_ptr<Shared> shared) : shared_(std::move(shared)) {}
    // The thread's body: it holds its own share of the state, so that it outlives this object
    // when it is left behind.
    static void run(const std::shared_ptr<Shared>& shared);
    static void playOne(Shared& shared, std::unique_ptr<PcmPlayback>& pcm, const Sound& sound);

    std::shared_ptr<Shared> shared_;
    std::thread thread_;
};

}  // namespace zhcalc::platform
