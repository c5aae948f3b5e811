#include "calculator/key_tone.h"

#include <cstdio>
#include <numbers>
#include <string_view>

#include "engine/fpu.h"
#include "engine/number.h"

namespace zhcalc {

namespace {

constexpr std::uint16_t kBitsPerSample = 8;
constexpr std::uint32_t kFormatChunkSize = 18;  // the PCM record plus its zero extra-size word

void putBytes(std::vector<std::uint8_t>& out, std::string_view id) {
    out.insert(out.end(), id.begin(), id.end());
}

void putU16(std::vector<std::uint8_t>& out, std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void putU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(v >> shift));
}

// Duration x rate div 1000 in wrapping 32-bit arithmetic; never negative.
std::uint32_t sampleCount(std::int32_t durationMs) {
    const auto product = static_cast<std::int32_t>(static_cast<std::uint32_t>(durationMs) *
                                                   static_cast<std::uint32_t>(kToneSampleRate));
    const std::int32_t count = product / 1000;
    return count > 0 ? static_cast<std::uint32_t>(count) : 0;
}

std::uint8_t sampleAt(std::uint32_t index, double angularStep) {
    // The phase is taken afresh from the index, in extended precision.
    const Number x = static_cast<Number>(index) * static_cast<Number>(angularStep) /
                     static_cast<Number>(kToneSampleRate);
    const fpu::Result sine = fpu::fsin(x);
    // FSIN leaves an operand of 2^63 or more unreduced; such a phase sounds as silence.
    const Number s = (sine.status & fpu::kOutOfRange) ? 0.0L : sine.value * 100;
    const auto level = static_cast<std::int64_t>(s) + 127;  // truncates toward zero
    return static_cast<std::uint8_t>(level & 0xFF);
}

}  // namespace

bool toneFrequencyPlayable(std::int32_t frequency) {
    const volatile Number limitFactor = 0.6L;  // the bound is 26460 at 44100 Hz, inclusive
    return !(static_cast<Number>(frequency) > limitFactor * kToneSampleRate);
}

std::vector<std::uint8_t> buildToneImage(std::int32_t frequency, std::int32_t durationMs) {
    const std::uint32_t samples = sampleCount(durationMs);
    const std::uint16_t blockAlign = kToneChannelCount * kBitsPerSample / 8;

    std::vector<std::uint8_t> image;
    image.reserve(kToneHeaderSize + samples);
    putBytes(image, "RIFF");
    putU32(image, static_cast<std::uint32_t>(kToneHeaderSize - 8) + samples);
    putBytes(image, "WAVE");
    putBytes(image, "fmt ");
    putU32(image, kFormatChunkSize);
    putU16(image, 1);  // PCM
    putU16(image, kToneChannelCount);
    putU32(image, kToneSampleRate);
    putU32(image, blockAlign * static_cast<std::uint32_t>(kToneSampleRate));
    putU16(image, blockAlign);
    putU16(image, kBitsPerSample);
    putU16(image, 0);  // no extra format bytes
    putBytes(image, "data");
    putU32(image, samples);

    // The step is rounded to double on purpose: the samples depend on that rounding.
    const double angularStep =
        static_cast<double>(static_cast<Number>(frequency) * 2 * std::numbers::pi_v<Number>);
    for (std::uint32_t i = 0; i < samples; ++i)
        image.push_back(sampleAt(i, angularStep));
    return image;
}

std::string toneRefusalMessage(std::int32_t frequency) {
    char text[96];
    std::snprintf(text, sizeof text, "Sample rate of %d is too Low to play a tone of %dHz",
                  static_cast<int>(kToneSampleRate), static_cast<int>(frequency));
    return text;
}

void TonePlayer::playTone(std::int32_t frequency, std::int32_t durationMs) {
    if (!toneFrequencyPlayable(frequency)) {
        messages_.showMessage(toneRefusalMessage(frequency));
        return;
    }
    const std::vector<std::uint8_t> image = buildToneImage(frequency, durationMs);
    sound_.play(image);
}

}  // namespace zhcalc
