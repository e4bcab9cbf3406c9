// Plays the committed tunes through FluidSynth with the General MIDI sound
// font the game is tried with, and checks what comes out: long enough, heard,
// and not clipping. Skipped where FluidSynth or the sound font is missing.
#include "file_readers.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

using mirovalk::test::peakDbfs;
using mirovalk::test::readWav;
using mirovalk::test::readWhole;
using mirovalk::test::Wav;

namespace {

const QString kSoundFont = QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2");

struct Rendered {
    double audibleSeconds = 0.0; // up to the last sample above -60 dBFS
    double peakDbfs = -200.0;
};

// Renders a committed tune; fails the test and returns nothing on any error.
std::optional<Rendered> render(const char* midiFile)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out.wav"));
    QProcess fluidsynth;
    fluidsynth.start(QStringLiteral("fluidsynth"),
                     {QStringLiteral("-ni"), QStringLiteral("-F"), out, QStringLiteral("-r"), QStringLiteral("44100"),
                      kSoundFont, QStringLiteral(MIROVALK_TEST_DATA_DIR "/") + midiFile});
    if (!fluidsynth.waitForFinished(60'000) || fluidsynth.exitCode() != 0) {
        ADD_FAILURE() << "fluidsynth failed: " << fluidsynth.readAllStandardError().toStdString();
        return std::nullopt;
    }
    Wav wav;
    const std::string error = readWav(readWhole(out), wav);
    if (!error.empty()) {
        ADD_FAILURE() << "rendered file: " << error;
        return std::nullopt;
    }
    Rendered r;
    r.peakDbfs = peakDbfs(wav.samples);
    std::size_t last = 0;
    for (std::size_t i = 0; i < wav.samples.size(); ++i)
        if (std::abs(static_cast<int>(wav.samples[i])) > 33)
            last = i;
    r.audibleSeconds = static_cast<double>(last / wav.channels) / wav.sampleRate;
    return r;
}

class AssetsFluidSynth : public testing::Test {
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable(QStringLiteral("fluidsynth")).isEmpty())
            GTEST_SKIP() << "fluidsynth is not installed";
        if (!QFileInfo::exists(kSoundFont))
            GTEST_SKIP() << "sound font " << kSoundFont.toStdString() << " is missing";
    }
};

TEST_F(AssetsFluidSynth, BackgroundMusicPlaysTwoMinutesAtAModestLevel)
{
    const auto r = render("bed.mid");
    ASSERT_TRUE(r);
    EXPECT_GE(r->audibleSeconds, 120.0);
    EXPECT_LE(r->audibleSeconds, 240.0);
    EXPECT_GE(r->peakDbfs, -24.0) << "too quiet to hear under the sound effects";
    EXPECT_LE(r->peakDbfs, -1.0) << "clipping";
}

TEST_F(AssetsFluidSynth, GameOverPhraseFitsItsMoment)
{
    const auto r = render("gameover.mid");
    ASSERT_TRUE(r);
    EXPECT_GE(r->audibleSeconds, 4.0);
    EXPECT_LE(r->audibleSeconds, 10.0);
    EXPECT_GE(r->peakDbfs, -24.0);
    EXPECT_LE(r->peakDbfs, -1.0);
}

} // namespace
