#include "platform/pcm_playback.h"

#include <alsa/asoundlib.h>

#include <algorithm>
#include <cerrno>

namespace zhcalc::platform {

namespace {

// The device's own buffer: three key tones. A deeper one only lets a stalled device hoard more.
constexpr unsigned kLatencyMicroseconds = 100'000;
// Recoveries (underrun, suspend) allowed within one write before the device counts as broken.
constexpr int kRecoveriesPerWrite = 3;

snd_pcm_format_t alsaFormat(std::uint16_t bitsPerSample) {
    switch (bitsPerSample) {
        case 8:
            return SND_PCM_FORMAT_U8;
        case 16:
            return SND_PCM_FORMAT_S16_LE;
        case 24:
            return SND_PCM_FORMAT_S24_3LE;
        default:
            return SND_PCM_FORMAT_S32_LE;
    }
}

// Milliseconds left until `deadline`, rounded up so that a wait never ends early.
int millisecondsUntil(PcmPlayback::Clock::time_point deadline) {
    const auto left =
        std::chrono::ceil<std::chrono::milliseconds>(deadline - PcmPlayback::Clock::now());
    return static_cast<int>(std::clamp<std::int64_t>(left.count(), 0, 60'000));
}

}  // namespace

std::optional<PcmFormat> pcmFormatOf(const WaveImage& wave) {
    if (wave.formatTag != 1 || wave.channels == 0 || wave.samplesPerSecond == 0)
        return std::nullopt;
    switch (wave.bitsPerSample) {
        case 8:
        case 16:
        case 24:
        case 32:
            return PcmFormat{wave.bitsPerSample, wave.channels, wave.samplesPerSecond};
        default:
            return std::nullopt;
    }
}

void PcmPlayback::Closer::operator()(snd_pcm_t* pcm) const {
    snd_pcm_close(pcm);
}

std::unique_ptr<PcmPlayback> PcmPlayback::open(const std::string& device, const PcmFormat& format) {
    // Non-blocking from the start: a busy device fails at once, and writes never wait inside
    // ALSA, only in write()'s own bounded poll.
    snd_pcm_t* raw = nullptr;
    if (snd_pcm_open(&raw, device.c_str(), SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0)
        return nullptr;
    Handle handle(raw);
    if (snd_pcm_set_params(raw, alsaFormat(format.bitsPerSample), SND_PCM_ACCESS_RW_INTERLEAVED,
                           format.channels, format.samplesPerSecond, 1, kLatencyMicroseconds) < 0)
        return nullptr;
    return std::unique_ptr<PcmPlayback>(new PcmPlayback(std::move(handle), format));
}

PcmPlayback::~PcmPlayback() = default;

bool PcmPlayback::makeReady() {
    switch (snd_pcm_state(pcm_.get())) {
        case SND_PCM_STATE_PREPARED:
        case SND_PCM_STATE_RUNNING:
            return true;
        case SND_PCM_STATE_SETUP:
        case SND_PCM_STATE_XRUN:
        case SND_PCM_STATE_SUSPENDED:
            return snd_pcm_prepare(pcm_.get()) >= 0;
        default:
            return false;
    }
}

PcmPlayback::Outcome PcmPlayback::write(std::span<const std::uint8_t> samples,
                                        Clock::time_point deadline) {
    snd_pcm_t* pcm = pcm_.get();
    if (!makeReady()) return Outcome::Failed;
    const std::size_t frameBytes = format_.frameBytes();
    const std::uint8_t* next = samples.data();
    auto left = static_cast<snd_pcm_uframes_t>(samples.size() / frameBytes);
    int recoveries = 0;
    while (left > 0) {
        snd_pcm_sframes_t result = snd_pcm_writei(pcm, next, left);
        if (result >= 0) {
            next += static_cast<std::size_t>(result) * frameBytes;
            left -= static_cast<snd_pcm_uframes_t>(result);
            continue;
        }
        if (result == -EAGAIN) {
            const int wait = millisecondsUntil(deadline);
            if (wait == 0) {
                snd_pcm_drop(pcm);
                return Outcome::TimedOut;
            }
            result = snd_pcm_wait(pcm, wait);
            if (result >= 0) continue;
        }
        if (result == -EINTR) continue;
        // Underrun after the previous sound ran out, or a suspend: start over from prepared.
        if ((result == -EPIPE || result == -ESTRPIPE) && ++recoveries <= kRecoveriesPerWrite &&
            snd_pcm_prepare(pcm) >= 0)
            continue;
        return Outcome::Failed;
    }
    // A sound shorter than the buffer never reaches the start threshold on its own.
    if (snd_pcm_state(pcm) == SND_PCM_STATE_PREPARED && snd_pcm_start(pcm) < 0)
        return Outcome::Failed;
    return Outcome::Queued;
}

PcmPlayback::Clock::duration PcmPlayback::untilPlayed() {
    snd_pcm_t* pcm = pcm_.get();
    const snd_pcm_state_t state = snd_pcm_state(pcm);
    if (state != SND_PCM_STATE_RUNNING && state != SND_PCM_STATE_DRAINING) return {};
    snd_pcm_sframes_t frames = 0;
    if (snd_pcm_delay(pcm, &frames) < 0 || frames <= 0) return {};
    return std::chrono::duration_cast<Clock::duration>(std::chrono::microseconds(
        static_cast<std::int64_t>(frames) * 1'000'000 / format_.samplesPerSecond + 1));
}

void PcmPlayback::stop() {
    snd_pcm_drop(pcm_.get());
}

}  // namespace zhcalc::platform
