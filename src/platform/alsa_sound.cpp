#include "platform/alsa_sound.h"

#include <alsa/asoundlib.h>

#include <memory>
#include <mutex>
#include <optional>

#include "platform/wave_image.h"

namespace zhcalc::platform {

namespace {

void ignoreAlsaDiagnostic(const char*, int, const char*, int, const char*, ...) {}

struct PcmCloser {
    void operator()(snd_pcm_t* pcm) const { snd_pcm_close(pcm); }
};
using PcmHandle = std::unique_ptr<snd_pcm_t, PcmCloser>;

std::optional<snd_pcm_format_t> pcmFormat(const WaveImage& wave) {
    if (wave.formatTag != 1) return std::nullopt;
    switch (wave.bitsPerSample) {
        case 8:
            return SND_PCM_FORMAT_U8;
        case 16:
            return SND_PCM_FORMAT_S16_LE;
        case 24:
            return SND_PCM_FORMAT_S24_3LE;
        case 32:
            return SND_PCM_FORMAT_S32_LE;
        default:
            return std::nullopt;
    }
}

// Opens without waiting for a busy device, then plays blocking.
PcmHandle openPlayback(const std::string& device) {
    snd_pcm_t* raw = nullptr;
    if (snd_pcm_open(&raw, device.c_str(), SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0)
        return nullptr;
    PcmHandle pcm(raw);
    if (snd_pcm_nonblock(pcm.get(), 0) < 0) return nullptr;
    return pcm;
}

}  // namespace

AlsaSound::AlsaSound(std::string device) : device_(std::move(device)) {
    static std::once_flag silenced;
    std::call_once(silenced, [] { snd_lib_error_set_handler(&ignoreAlsaDiagnostic); });
}

void AlsaSound::play(std::span<const std::uint8_t> waveImage) {
    const std::optional<WaveImage> wave = readWaveImage(waveImage);
    if (!wave || wave->channels == 0) return;
    const std::optional<snd_pcm_format_t> format = pcmFormat(*wave);
    if (!format) return;
    const std::size_t frameBytes = std::size_t{wave->channels} * wave->bitsPerSample / 8;
    const auto frames = static_cast<snd_pcm_uframes_t>(wave->samples.size() / frameBytes);
    if (frames == 0) return;

    const PcmHandle pcm = openPlayback(device_);
    if (!pcm) return;
    constexpr unsigned kLatencyMicroseconds = 100'000;
    if (snd_pcm_set_params(pcm.get(), *format, SND_PCM_ACCESS_RW_INTERLEAVED, wave->channels,
                           wave->samplesPerSecond, 1, kLatencyMicroseconds) < 0)
        return;

    const std::uint8_t* next = wave->samples.data();
    snd_pcm_uframes_t left = frames;
    while (left > 0) {
        const snd_pcm_sframes_t written = snd_pcm_writei(pcm.get(), next, left);
        if (written < 0) return;
        next += static_cast<std::size_t>(written) * frameBytes;
        left -= static_cast<snd_pcm_uframes_t>(written);
    }
    snd_pcm_drain(pcm.get());
}

}  // namespace zhcalc::platform
