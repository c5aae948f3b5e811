#include "platform/alsa_sound.h"

#include <alsa/asoundlib.h>

#include <mutex>
#include <optional>
#include <vector>

#include "platform/pcm_playback.h"
#include "platform/playback_thread.h"
#include "platform/wave_image.h"

namespace zhcalc::platform {

namespace {

void ignoreAlsaDiagnostic(const char*, int, const char*, int, const char*, ...) {}

}  // namespace

AlsaSound::AlsaSound(std::string device) : device_(std::move(device)) {
    static std::once_flag silenced;
    std::call_once(silenced, [] { snd_lib_error_set_handler(&ignoreAlsaDiagnostic); });
}

AlsaSound::~AlsaSound() = default;

void AlsaSound::play(std::span<const std::uint8_t> waveImage) {
    // The caller's time counts from here: starting the thread is part of it.
    const auto asked = std::chrono::steady_clock::now();
    const std::optional<WaveImage> wave = readWaveImage(waveImage);
    if (!wave) return;
    const std::optional<PcmFormat> format = pcmFormatOf(*wave);
    if (!format) return;
    const std::size_t frames = wave->samples.size() / format->frameBytes();
    if (frames == 0) return;

    if (!playback_) playback_ = PlaybackThread::start(device_);
    if (!playback_) return;
    const auto length = std::chrono::microseconds(static_cast<std::int64_t>(frames) * 1'000'000 /
                                                  format->samplesPerSecond);
    const auto whole = static_cast<std::ptrdiff_t>(frames * format->frameBytes());
    std::vector<std::uint8_t> samples(wave->samples.begin(), wave->samples.begin() + whole);
    playback_->play(*format, std::move(samples), asked, length + kMargin);
}

}  // namespace zhcalc::platform
