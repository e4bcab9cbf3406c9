// The MIDI writer, the tune notation, and the committed tunes.
#include "file_readers.h"
#include "midi.h"
#include "music.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <tuple>

namespace midi = mirovalk::assets::midi;
namespace notation = mirovalk::assets::notation;
using mirovalk::test::Midi;
using mirovalk::test::readMidi;
using mirovalk::test::readWhole;

namespace {

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(text);
}

TEST(AssetsMidiWriter, WritesVariableLengthQuantities)
{
    // The examples given with the Standard MIDI File format.
    const std::vector<std::pair<std::uint32_t, const char*>> cases{
        {0x00, "00"},         {0x40, "40"},         {0x7F, "7f"},       {0x80, "8100"},
        {0x2000, "c000"},     {0x3FFF, "ff7f"},     {0x4000, "818000"}, {0x1FFFFF, "ffff7f"},
        {0x200000, "81808000"}, {0x0FFFFFFF, "ffffff7f"}};
    for (const auto& [value, expected] : cases) {
        QByteArray out;
        midi::appendVarLen(out, value);
        EXPECT_EQ(out.toHex(), QByteArray(expected)) << value;
    }
    QByteArray out;
    EXPECT_THROW(midi::appendVarLen(out, 0x10000000), std::out_of_range);
}

TEST(AssetsMidiWriter, RepeatedNoteEndsBeforeItStartsAgain)
{
    // Added in reverse order on purpose: the track must sort them by time,
    // and a note-off must come before a note-on at the same tick.
    midi::Track track;
    track.note(480, 0, 60, 100, 480);
    track.note(0, 0, 60, 100, 480);
    EXPECT_EQ(track.chunk(), hex("4d54726b00000016"    // MTrk, 22 bytes
                                 "00903c64"            // 0: note on
                                 "8360803c40"          // 480: note off
                                 "00903c64"            // 480: note on
                                 "8360803c40"          // 960: note off
                                 "00ff2f00"));         // end of track
}

TEST(AssetsMidiWriter, SettingsPrecedeNotesAtTheSameTick)
{
    midi::Track track;
    track.note(0, 2, 64, 90, 10);
    track.program(0, 2, 4);
    track.tempo(0, 120.0);
    EXPECT_EQ(track.chunk(), hex("4d54726b00000016"
                                 "00ff510307a120"      // 500000 us a quarter
                                 "00c204"
                                 "0092405a"
                                 "0a824040"
                                 "00ff2f00"));
}

TEST(AssetsMidiWriter, RejectsValuesOutsideTheirRange)
{
    midi::Track track;
    EXPECT_THROW(track.note(0, 16, 60, 100, 1), std::out_of_range);
    EXPECT_THROW(track.note(0, 0, 128, 100, 1), std::out_of_range);
    EXPECT_THROW(track.note(0, 0, 60, 0, 1), std::out_of_range); // velocity 0 would be a note-off
    EXPECT_THROW(track.program(0, 0, 128), std::out_of_range);
}

TEST(AssetsMidiWriter, FileHeaderCountsTracks)
{
    const std::vector<midi::Track> tracks(3);
    const QByteArray file = midi::file(tracks, 480);
    EXPECT_EQ(file.left(14), hex("4d546864000000060001000301e0"));
    Midi parsed;
    EXPECT_EQ(readMidi(file, parsed), "");
}

TEST(AssetsNotation, ReadsNotesRestsAndLengths)
{
    const auto steps = notation::parseMelody("C4 A4:2  C#5:3 Bb3 -:4 G9");
    ASSERT_EQ(steps.size(), 6u);
    const std::vector<std::pair<int, std::uint32_t>> expected{
        {60, 240}, {69, 480}, {73, 720}, {58, 240}, {-1, 960}, {127, 240}};
    for (std::size_t i = 0; i < steps.size(); ++i) {
        EXPECT_EQ(steps[i].key, expected[i].first) << i;
        EXPECT_EQ(steps[i].ticks, expected[i].second) << i;
    }
}

TEST(AssetsNotation, ReadsChordQualities)
{
    const auto chords = notation::parseChords("C Am:4 G7:2 F#m7 BbM7 Esus4");
    const std::vector<std::tuple<int, std::vector<int>, std::uint32_t>> expected{
        {0, {0, 4, 7}, 1920},      {9, {0, 3, 7}, 960},        {7, {0, 4, 7, 10}, 480},
        {6, {0, 3, 7, 10}, 1920}, {10, {0, 4, 7, 11}, 1920}, {4, {0, 5, 7}, 1920}};
    ASSERT_EQ(chords.size(), expected.size());
    for (std::size_t i = 0; i < chords.size(); ++i) {
        EXPECT_EQ(chords[i].root, std::get<0>(expected[i])) << i;
        EXPECT_EQ(chords[i].intervals, std::get<1>(expected[i])) << i;
        EXPECT_EQ(chords[i].ticks, std::get<2>(expected[i])) << i;
    }
}

TEST(AssetsNotation, RejectsMistakes)
{
    for (const char* bad : {"H4", "C", "C4:0", "C4:", "C4:x", "c4", "C#", "G#9", "-:-1"})
        EXPECT_THROW(notation::parseMelody(bad), std::invalid_argument) << bad;
    for (const char* bad : {"Cmaj", "Am:0", "X", "Am:"})
        EXPECT_THROW(notation::parseChords(bad), std::invalid_argument) << bad;
}

Midi loadCommitted(const char* file)
{
    Midi midi;
    EXPECT_EQ(readMidi(readWhole(QStringLiteral(MIROVALK_TEST_DATA_DIR "/") + file), midi), "") << file;
    return midi;
}

TEST(AssetsMusic, BackgroundIsALongBandPieceWithDrums)
{
    const Midi bed = loadCommitted("bed.mid");
    EXPECT_EQ(bed.format, 1);
    EXPECT_TRUE(bed.hasTempo);
    EXPECT_TRUE(bed.noteChannels.contains(9)) << "drums play on channel 10";
    EXPECT_GE(bed.noteChannels.size(), 4u);
    EXPECT_TRUE(bed.melodicChannelsWithoutProgram.empty()) << "every instrument is chosen before it plays";
    EXPECT_GE(bed.seconds, 120.0);
    EXPECT_LE(bed.seconds, 240.0);
}

TEST(AssetsMusic, GameOverIsAShortPhrase)
{
    const Midi gameOver = loadCommitted("gameover.mid");
    EXPECT_EQ(gameOver.format, 1);
    EXPECT_TRUE(gameOver.hasTempo);
    EXPECT_GE(gameOver.noteChannels.size(), 3u);
    EXPECT_TRUE(gameOver.melodicChannelsWithoutProgram.empty());
    EXPECT_GE(gameOver.seconds, 4.0);
    EXPECT_LE(gameOver.seconds, 10.0);
}

} // namespace
