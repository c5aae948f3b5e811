// Reading the format and samples out of a wave image.

#include "platform/wave_image.h"

#include <gtest/gtest.h>

#include "calculator/key_tone.h"

namespace zhcalc::platform {
namespace {

TEST(WaveImage, ReadsAToneImage) {
    const std::vector<std::uint8_t> image = buildToneImage(130, 30);
    const auto wave = readWaveImage(image);
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->formatTag, 1);
    EXPECT_EQ(wave->channels, 1);
    EXPECT_EQ(wave->samplesPerSecond, 44100u);
    EXPECT_EQ(wave->bitsPerSample, 8);
    EXPECT_EQ(wave->samples.data(), image.data() + 46);
    EXPECT_EQ(wave->samples.size(), 1323u);
}

TEST(WaveImage, CutsADataChunkLongerThanTheImage) {
    std::vector<std::uint8_t> image = buildToneImage(130, 30);
    image.resize(100);
    const auto wave = readWaveImage(image);
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->samples.size(), 54u);
}

TEST(WaveImage, SkipsUnknownChunks) {
    std::vector<std::uint8_t> image = buildToneImage(130, 2);
    const std::vector<std::uint8_t> extra = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
    image.insert(image.begin() + 38, extra.begin(), extra.end());
    const auto wave = readWaveImage(image);
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->samples.size(), 88u);
    EXPECT_EQ(wave->samples[0], 127);
}

TEST(WaveImage, RejectsWhatIsNotAWaveImage) {
    const std::vector<std::uint8_t> image = buildToneImage(130, 30);
    auto broken = [&](std::size_t at, std::uint8_t value) {
        std::vector<std::uint8_t> copy = image;
        copy[at] = value;
        return copy;
    };
    EXPECT_FALSE(readWaveImage({}));
    EXPECT_FALSE(readWaveImage(std::vector<std::uint8_t>(image.begin(), image.begin() + 11)));
    EXPECT_FALSE(readWaveImage(broken(0, 'X')));   // not RIFF
    EXPECT_FALSE(readWaveImage(broken(8, 'X')));   // not WAVE
    EXPECT_FALSE(readWaveImage(broken(12, 'X')));  // no format chunk before the data
    EXPECT_FALSE(readWaveImage(broken(16, 10)));   // format chunk too short
    EXPECT_FALSE(readWaveImage(std::vector<std::uint8_t>(image.begin(), image.begin() + 40)));
}

}  // namespace
}  // namespace zhcalc::platform
