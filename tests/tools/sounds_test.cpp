// The committed sound effects: format, length, level, and the fades that keep
// a restarted sound from clicking.
#include "file_readers.h"

#include <gtest/gtest.h>

#include <cmath>

using mirovalk::test::peakDbfs;
using mirovalk::test::readWav;
using mirovalk::test::readWhole;
using mirovalk::test::Wav;

namespace {

struct SoundLimits {
    const char* file;
    double minSeconds;
    double maxSeconds;
};

void PrintTo(const SoundLimits& s, std::ostream* os) { *os << s.file; }

Wav load(const char* file)
{
    Wav wav;
    const std::string error = readWav(readWhole(QStringLiteral(MIROVALK_TEST_DATA_DIR "/") + file), wav);
    EXPECT_EQ(error, "") << file;
    return wav;
}

double rms(const std::vector<std::int16_t>& s, std::size_t from, std::size_t to)
{
    double sum = 0.0;
    for (std::size_t i = from; i < to; ++i)
        sum += static_cast<double>(s[i]) * s[i];
    return std::sqrt(sum / static_cast<double>(to - from));
}

class AssetsSound : public testing::TestWithParam<SoundLimits> {};

TEST_P(AssetsSound, IsMono16BitPcmAt44100)
{
    const Wav wav = load(GetParam().file);
    EXPECT_EQ(wav.format, 1);
    EXPECT_EQ(wav.channels, 1);
    EXPECT_EQ(wav.bitsPerSample, 16);
    EXPECT_EQ(wav.sampleRate, 44100);
}

TEST_P(AssetsSound, LastsAsLongAsItsJobAllows)
{
    const Wav wav = load(GetParam().file);
    EXPECT_GE(wav.seconds(), GetParam().minSeconds);
    EXPECT_LE(wav.seconds(), GetParam().maxSeconds);
}

TEST_P(AssetsSound, PeaksBetweenMinus12AndMinus1Dbfs)
{
    const double peak = peakDbfs(load(GetParam().file).samples);
    EXPECT_GE(peak, -12.0);
    EXPECT_LE(peak, -1.0);
}

TEST_P(AssetsSound, StartsAndEndsInSilence)
{
    const Wav wav = load(GetParam().file);
    ASSERT_GT(wav.samples.size(), 200u);
    const auto& s = wav.samples;
    // -60 dBFS at the very first and last sample: a cut there cannot click.
    EXPECT_LE(std::abs(s.front()), 33);
    EXPECT_LE(std::abs(s.back()), 33);
    // The last 2 ms are a fade, at least 30 dB below the loudest moment.
    const double peak = std::pow(10.0, peakDbfs(s) / 20.0) * 32768.0;
    EXPECT_LE(rms(s, s.size() - 88, s.size()), 0.03 * peak);
}

INSTANTIATE_TEST_SUITE_P(Committed, AssetsSound,
                         testing::Values(SoundLimits{"type.wav", 0.005, 0.060},
                                         SoundLimits{"type2.wav", 0.005, 0.060},
                                         SoundLimits{"type3.wav", 0.005, 0.060},
                                         SoundLimits{"slot.wav", 0.005, 0.050},
                                         SoundLimits{"mondai.wav", 0.2, 1.499},
                                         SoundLimits{"seikai.wav", 0.2, 1.499},
                                         SoundLimits{"fuseikai.wav", 0.2, 1.499},
                                         SoundLimits{"skilluse.wav", 0.2, 1.499},
                                         SoundLimits{"ranking.wav", 1.5, 4.0}),
                         [](const auto& info) {
                             std::string name = info.param.file;
                             return name.substr(0, name.find('.'));
                         });

TEST(AssetsSlotTick, CarriesItsSoundInTheFirstFiveMilliseconds)
{
    // The slot restarts the tick every few milliseconds, so only its start is ever heard.
    const Wav wav = load("slot.wav");
    double early = 0.0, total = 0.0;
    for (std::size_t i = 0; i < wav.samples.size(); ++i) {
        const double e = static_cast<double>(wav.samples[i]) * wav.samples[i];
        total += e;
        if (i < 44100 * 5 / 1000)
            early += e;
    }
    ASSERT_GT(total, 0.0);
    EXPECT_GE(early / total, 0.9);
}

TEST(AssetsTypeClick, VariantsAreDifferentSounds)
{
    const auto a = load("type.wav").samples, b = load("type2.wav").samples, c = load("type3.wav").samples;
    EXPECT_NE(a, b);
    EXPECT_NE(a, c);
    EXPECT_NE(b, c);
}

} // namespace
