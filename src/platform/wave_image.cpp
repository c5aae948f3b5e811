#include "platform/wave_image.h"

#include <algorithm>
#include <cstring>

namespace zhcalc::platform {

namespace {

std::uint32_t readU32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

std::uint16_t readU16(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

bool hasId(std::span<const std::uint8_t> bytes, std::size_t at, const char* id) {
    return std::memcmp(bytes.data() + at, id, 4) == 0;
}

}  // namespace

std::optional<WaveImage> readWaveImage(std::span<const std::uint8_t> image) {
    if (image.size() < 12 || !hasId(image, 0, "RIFF") || !hasId(image, 8, "WAVE"))
        return std::nullopt;
    WaveImage wave;
    bool haveFormat = false;
    std::size_t at = 12;
    while (image.size() - at >= 8) {
        const std::uint32_t size = readU32(image, at + 4);
        const std::size_t body = at + 8;
        const std::size_t available = std::min<std::size_t>(size, image.size() - body);
        if (hasId(image, at, "fmt ")) {
            if (available < 16) return std::nullopt;
            wave.formatTag = readU16(image, body);
            wave.channels = readU16(image, body + 2);
            wave.samplesPerSecond = readU32(image, body + 4);
            wave.bitsPerSample = readU16(image, body + 14);
            haveFormat = true;
        } else if (hasId(image, at, "data")) {
            if (!haveFormat) return std::nullopt;
            wave.samples = image.subspan(body, available);
            return wave;
        }
        // Chunks are padded to an even length.
        const std::size_t next = body + std::size_t{size} + (size & 1u);
        if (next > image.size()) break;
        at = next;
    }
    return std::nullopt;
}

}  // namespace zhcalc::platform
