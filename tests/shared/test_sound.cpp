#include "shared/sdlaudio.h"
#include "shared/sound.h"

#include "../support/fakes.h"

#include <gtest/gtest.h>

#include <SDL.h>

#include <algorithm>
#include <cstdlib>

TEST(QuizSounds, OpensTheCuesOnceAndRewindsBeforeEveryPlay) {
    RecordingBackend backend;
    QuizSounds sounds(backend, QStringLiteral("/data"));
    sounds.OpenSounds();
    const std::vector<std::string> opened = {"1:Open type.wav",    "2:Open type2.wav",   "3:Open type3.wav",
                                             "4:Open seikai.wav",  "5:Open fuseikai.wav", "6:Open mondai.wav",
                                             "7:Open skilluse.wav"};
    EXPECT_EQ(backend.log, opened);

    backend.log.clear();
    sounds.PlayTypeSound();
    sounds.PlayTypeSound();
    sounds.PlayCorrectSound();
    sounds.PlayWrongSound();
    sounds.PlayQuestionSound();
    sounds.PlaySkillSound();
    const std::vector<std::string> played = {"1:Prev", "1:Play type.wav",     "1:Prev", "1:Play type.wav",
                                             "4:Prev", "4:Play seikai.wav",   "5:Prev", "5:Play fuseikai.wav",
                                             "6:Prev", "6:Play mondai.wav",   "7:Prev", "7:Play skilluse.wav"};
    EXPECT_EQ(backend.log, played);
    EXPECT_EQ(backend.count("2:Play type2.wav") + backend.count("3:Play type3.wav"), 0);
}

TEST(QuizSounds, AMusicChangeClosesOpensAndPlaysFromTheStart) {
    RecordingBackend backend;
    QuizSounds sounds(backend, QStringLiteral("/data"));
    sounds.PlayMusic();
    sounds.PlayGameOverMusic();
    const std::vector<std::string> expected = {"8:Close", "8:Open bed.mid",      "8:Prev", "8:Play bed.mid",
                                               "8:Close", "8:Open gameover.mid", "8:Prev", "8:Play gameover.mid"};
    EXPECT_EQ(backend.log, expected);
}

TEST(SdlAudio, MissingOrBrokenFilesPlayAsSilence) {
    // Under the dummy driver the device opens without a sound card.
    SdlAudio audio;
    ASSERT_TRUE(audio.available());
    QTemporaryDir dir;
    writeBytes(dir.filePath("broken.wav"), "RIFF this is not a wave file");
    writeBytes(dir.filePath("broken.mid"), "MThd nor a tune");
    for (const char *name : {"missing.wav", "broken.wav", "missing.mid", "broken.mid"}) {
        auto control = audio.createControl();
        control->Open(dir.filePath(QLatin1String(name)));
        playCue(*control);
        control->Close();
        playCue(*control); // after Close, too
    }
    auto music = audio.createControl();
    changeMusic(*music, dir.filePath("broken.mid"));
    changeMusic(*music, dir.filePath("missing.mid"));
    EXPECT_TRUE(audio.available()) << "the device stays usable";
}

TEST(SdlAudio, ACueRestartedOverAndOverNeverCutsAnother) {
    SdlAudio audio;
    ASSERT_TRUE(audio.available());
    auto answer = audio.createControl();
    answer->Open(QStringLiteral(MIROVALK_TEST_DATA_DIR "/seikai.wav"));
    std::vector<std::unique_ptr<MediaControl>> others(20); // more than the mixer's first channels
    for (auto &control : others)
        control = audio.createControl();
    playCue(*answer);
    for (int turn = 0; turn < 40; ++turn) { // slot windows come and go, each rattling every tick
        auto slot = audio.createControl();
        slot->Open(QStringLiteral(MIROVALK_TEST_DATA_DIR "/slot.wav"));
        for (int spin = 0; spin < 5; ++spin)
            playCue(*slot);
    }
    EXPECT_EQ(audio.soundingCues(), 1) << "the answer cue still sounds";
}

namespace {
// Peak sample of what SDL's disk driver wrote: 16-bit stereo, native order.
int peakOf(const QByteArray &raw) {
    int peak = 0;
    for (qsizetype i = 0; i + 1 < raw.size(); i += 2) {
        const auto sample = static_cast<std::int16_t>(static_cast<unsigned char>(raw[i]) |
                                                      static_cast<unsigned char>(raw[i + 1]) << 8);
        peak = std::max(peak, std::abs(int(sample)));
    }
    return peak;
}

// Plays `file` of the shipped data for `ms` through a device that writes to a file.
QByteArray recordPlaying(const char *file, int ms, bool music) {
    QTemporaryDir dir;
    const QString out = dir.filePath("out.raw");
    const QByteArray previous = qgetenv("SDL_AUDIODRIVER");
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", out.toLocal8Bit());
    {
        SdlAudio audio;
        EXPECT_TRUE(audio.available());
        auto control = audio.createControl();
        const QString path = QStringLiteral(MIROVALK_TEST_DATA_DIR "/") + QLatin1String(file);
        if (music) {
            changeMusic(*control, path);
        } else {
            control->Open(path);
            playCue(*control);
        }
        SDL_Delay(ms);
    }
    qputenv("SDL_AUDIODRIVER", previous);
    return readBytes(out);
}
} // namespace

TEST(SdlAudio, ACueAndTheMusicReallySound) {
    EXPECT_GT(peakOf(recordPlaying("seikai.wav", 400, false)), 3000);
    if (!QFile::exists("/usr/share/sounds/sf2/TimGM6mb.sf2"))
        GTEST_SKIP() << "no General MIDI sound font";
    EXPECT_GT(peakOf(recordPlaying("gameover.mid", 1500, true)), 1000) << "MIDI through FluidSynth";
}
