#pragma once

#include <QByteArray>

#include <cstdint>
#include <string_view>
#include <vector>

namespace mirovalk::assets {

QByteArray backgroundMusic(); // bed.mid
QByteArray gameOverMusic();   // gameover.mid

// The tunes are written in a small text notation so that they read like a
// lead sheet. Lengths are counted in eighth notes.
namespace notation {

constexpr std::uint32_t kTicksPerQuarter = 480;
constexpr std::uint32_t kEighth = kTicksPerQuarter / 2;

// "E5:2 G5 C#6:3 -:2": a note name with optional # or b and its octave
// (C4 is middle C, MIDI 60), then ":" and its length; no length means one
// eighth. "-" is a rest. key is -1 for a rest.
struct Step {
    int key;
    std::uint32_t ticks;
};
std::vector<Step> parseMelody(std::string_view text);

// "C Am:4 G7:4 Bbsus4": root, then nothing (major), m, 7, m7, M7 or sus4,
// then ":" and its length; no length means a whole bar (8 eighths).
struct Chord {
    int root; // pitch class, 0 = C
    std::vector<int> intervals; // semitones above the root, starting with 0
    std::uint32_t ticks;
};
std::vector<Chord> parseChords(std::string_view text);

} // namespace notation

} // namespace mirovalk::assets
