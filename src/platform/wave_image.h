#pragma once
// Reads the format and the sample bytes out of an in-memory RIFF/WAVE image.

#include <cstdint>
#include <optional>
#include <span>

namespace zhcalc::platform {

struct WaveImage {
    std::uint16_t formatTag = 0;  // 1: PCM
    std::uint16_t channels = 0;
    std::uint32_t samplesPerSecond = 0;
    std::uint16_t bitsPerSample = 0;
    std::span<const std::uint8_t> samples;  // the data chunk, cut to what the image holds
};

// nullopt when the image is not RIFF/WAVE or lacks a format or a data chunk.
std::optional<WaveImage> readWaveImage(std::span<const std::uint8_t> image);

}  // namespace zhcalc::platform
