#include "platform/playback_thread.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <system_error>

namespace zhcalc::platform {

namespace {

// A sound the thread reaches this long after it was asked for is no longer feedback for its
// key: skipped, so that a device that was stuck for a while does not play a burst of old tones.
constexpr auto kStaleAfter = std::chrono::milliseconds(200);
// A running device left with nothing to play is stopped after this, so that a sound server
// can let its output sleep; the device stays open with its parameters.
constexpr auto kIdleStop = std::chrono::seconds(2);
// How long destruction waits for the thread to close the device.
constexpr auto kExitWait = std::chrono::milliseconds(250);

}  // namespace

struct PlaybackThread::Sound {
    PcmFormat format;
    std::vector<std::uint8_t> samples;
    Clock::duration allowance{};
    Clock::time_point asked;
    std::uint64_t id = 0;
};

struct PlaybackThread::Shared {
    explicit Shared(std::string name) : device(std::move(name)) {}

    // Wakes the thread when it should look at `queue` or `stop` again.
    bool woken() const { return stop || !queue.empty(); }

    const std::string device;
    std::mutex mutex;
    std::condition_variable wake;      // to the thread: a sound is queued, or stop
    std::condition_variable finished;  // to callers: `lastDone` moved, or the thread exited
    std::deque<Sound> queue;
    std::uint64_t lastAsked = 0;
    std::uint64_t lastDone = 0;
    bool stop = false;
    bool exited = false;
};

std::unique_ptr<PlaybackThread> PlaybackThread::start(std::string device) {
    std::unique_ptr<PlaybackThread> playback(
        new PlaybackThread(std::make_shared<Shared>(std::move(device))));
    try {
        playback->thread_ = std::thread(&PlaybackThread::run, playback->shared_);
    } catch (const std::system_error&) {
        return nullptr;
    }
    return playback;
}

PlaybackThread::~PlaybackThread() {
    if (!thread_.joinable()) return;
    std::unique_lock lock(shared_->mutex);
    shared_->stop = true;
    shared_->wake.notify_all();
    if (shared_->finished.wait_for(lock, kExitWait, [&] { return shared_->exited; })) {
        lock.unlock();
        thread_.join();
    } else {
        thread_.detach();
    }
}

void PlaybackThread::play(const PcmFormat& format, std::vector<std::uint8_t> samples,
                          Clock::time_point asked, Clock::duration allowance) {
    std::unique_lock lock(shared_->mutex);
    if (shared_->exited) return;
    // While the thread is held up, the sounds it would skip anyway need not pile up.
    std::deque<Sound>& queue = shared_->queue;
    while (!queue.empty() && asked - queue.front().asked > kStaleAfter)
        queue.pop_front();
    const std::uint64_t id = ++shared_->lastAsked;
    shared_->queue.push_back(Sound{format, std::move(samples), allowance, asked, id});
    shared_->wake.notify_one();
    shared_->finished.wait_until(lock, asked + allowance,
                                 [&] { return shared_->lastDone >= id || shared_->exited; });
}

void PlaybackThread::run(const std::shared_ptr<Shared>& shared) {
    Shared& s = *shared;
    std::unique_ptr<PcmPlayback> pcm;
    bool running = false;
    try {
        for (;;) {
            std::unique_lock lock(s.mutex);
            if (running && !s.wake.wait_for(lock, kIdleStop, [&] { return s.woken(); })) {
                lock.unlock();
                pcm->stop();
                running = false;
                continue;
            }
            s.wake.wait(lock, [&] { return s.woken(); });
            if (s.stop) break;
            const Sound sound = std::move(s.queue.front());
            s.queue.pop_front();
            lock.unlock();

            if (Clock::now() - sound.asked <= kStaleAfter) playOne(s, pcm, sound);
            running = pcm != nullptr;

            lock.lock();
            s.lastDone = sound.id;
            s.finished.notify_all();
        }
    } catch (...) {
        // Out of memory on this thread: no more sound, but callers are released below.
    }
    pcm.reset();
    const std::lock_guard lock(s.mutex);
    s.exited = true;
    s.finished.notify_all();
}

void PlaybackThread::playOne(Shared& s, std::unique_ptr<PcmPlayback>& pcm, const Sound& sound) {
    if (pcm && !(pcm->format() == sound.format)) pcm.reset();
    if (!pcm) pcm = PcmPlayback::open(s.device, sound.format);
    if (!pcm) return;
    const Clock::time_point deadline = Clock::now() + sound.allowance;
    switch (pcm->write(sound.samples, deadline)) {
        case PcmPlayback::Outcome::Failed:
            pcm.reset();
            return;
        case PcmPlayback::Outcome::TimedOut:
            return;
        case PcmPlayback::Outcome::Queued:
            break;
    }
    // Until it is heard, or the deadline, or the next sound is queued: that one follows this in
    // the device and so cannot overlap it.
    for (;;) {
        const Clock::duration left = pcm->untilPlayed();
        if (left == Clock::duration::zero()) return;
        const Clock::time_point until = std::min(Clock::now() + left, deadline);
        std::unique_lock lock(s.mutex);
        if (s.wake.wait_until(lock, until, [&] { return s.woken(); })) return;
        if (Clock::now() >= deadline) return;
    }
}

}  // namespace zhcalc::platform
