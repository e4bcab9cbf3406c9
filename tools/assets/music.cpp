#include "music.h"

#include "midi.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <numeric>
#include <stdexcept>
#include <string>

namespace mirovalk::assets {

namespace notation {

namespace {

std::vector<std::string_view> tokens(std::string_view text)
{
    std::vector<std::string_view> out;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t begin = text.find_first_not_of(' ', pos);
        if (begin == std::string_view::npos)
            break;
        const std::size_t end = std::min(text.find(' ', begin), text.size());
        out.push_back(text.substr(begin, end - begin));
        pos = end;
    }
    return out;
}

[[noreturn]] void bad(std::string_view token)
{
    throw std::invalid_argument("bad note or chord: " + std::string(token));
}

int number(std::string_view digits, std::string_view token)
{
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc{} || end != digits.data() + digits.size())
        bad(token);
    return value;
}

// Cuts ":n" off the end of a token and returns n eighths as ticks.
std::uint32_t takeLength(std::string_view& rest, std::uint32_t defaultEighths, std::string_view token)
{
    const std::size_t colon = rest.find(':');
    if (colon == std::string_view::npos)
        return defaultEighths * kEighth;
    const int eighths = number(rest.substr(colon + 1), token);
    if (eighths <= 0)
        bad(token);
    rest = rest.substr(0, colon);
    return static_cast<std::uint32_t>(eighths) * kEighth;
}

// Cuts "C", "F#" or "Bb" off the front of a token and returns its pitch class.
int takePitchClass(std::string_view& rest, std::string_view token)
{
    static constexpr std::array<int, 7> fromA{9, 11, 0, 2, 4, 5, 7};
    if (rest.empty() || rest[0] < 'A' || rest[0] > 'G')
        bad(token);
    int pc = fromA.at(static_cast<std::size_t>(rest[0] - 'A'));
    rest.remove_prefix(1);
    if (!rest.empty() && (rest[0] == '#' || rest[0] == 'b')) {
        pc += rest[0] == '#' ? 1 : -1;
        rest.remove_prefix(1);
    }
    return (pc + 12) % 12;
}

} // namespace

std::vector<Step> parseMelody(std::string_view text)
{
    std::vector<Step> steps;
    for (const std::string_view token : tokens(text)) {
        std::string_view rest = token;
        const std::uint32_t ticks = takeLength(rest, 1, token);
        if (rest == "-") {
            steps.push_back({-1, ticks});
            continue;
        }
        const int pc = takePitchClass(rest, token);
        const int key = 12 * (number(rest, token) + 1) + pc;
        if (key > 127)
            bad(token);
        steps.push_back({key, ticks});
    }
    return steps;
}

std::vector<Chord> parseChords(std::string_view text)
{
    struct Quality {
        std::string_view name;
        std::vector<int> intervals;
    };
    static const std::array<Quality, 6> qualities{{{"", {0, 4, 7}},
                                                   {"m", {0, 3, 7}},
                                                   {"7", {0, 4, 7, 10}},
                                                   {"m7", {0, 3, 7, 10}},
                                                   {"M7", {0, 4, 7, 11}},
                                                   {"sus4", {0, 5, 7}}}};
    std::vector<Chord> chords;
    for (const std::string_view token : tokens(text)) {
        std::string_view rest = token;
        const std::uint32_t ticks = takeLength(rest, 8, token);
        const int root = takePitchClass(rest, token);
        const auto q = std::find_if(qualities.begin(), qualities.end(),
                                    [&](const Quality& x) { return x.name == rest; });
        if (q == qualities.end())
            bad(token);
        chords.push_back({root, q->intervals, ticks});
    }
    return chords;
}

} // namespace notation

namespace {

using notation::Chord;
using notation::kEighth;
using notation::kTicksPerQuarter;
using notation::Step;
constexpr std::uint32_t kBar = 8 * kEighth;

enum Channel { kLead = 0, kBass = 1, kKeys = 2, kArp = 3, kPad = 4, kDrums = 9 };

// General MIDI programs (numbered from 0) and percussion keys.
constexpr int kSquareLead = 80, kVibraphone = 11, kFingerBass = 33, kElectricPiano = 4, kMarimba = 12,
              kWarmPad = 89, kStandardKit = 0, kFlute = 73, kStrings = 48, kHarp = 46, kAcousticBass = 32;
constexpr int kKick = 36, kSideStick = 37, kSnare = 38, kClap = 39, kClosedHat = 42, kOpenHat = 46,
              kCrash = 49;

// The chord tones moved into one octave from `low` upwards: close voicings
// that stay in the middle of the keyboard whatever the root.
std::vector<int> voicing(const Chord& chord, int transpose, int low)
{
    std::vector<int> keys;
    for (const int interval : chord.intervals)
        keys.push_back(low + (((chord.root + transpose + interval - low) % 12) + 12) % 12);
    std::sort(keys.begin(), keys.end());
    return keys;
}

std::uint32_t totalTicks(const auto& items)
{
    return std::accumulate(items.begin(), items.end(), std::uint32_t{0},
                           [](std::uint32_t sum, const auto& x) { return sum + x.ticks; });
}

void setUpChannel(midi::Track& track, std::string_view name, int channel, int program, int volume, int pan)
{
    track.name(0, name);
    track.program(0, channel, program);
    track.control(0, channel, 7, volume);
    track.control(0, channel, 10, pan);
    track.control(0, channel, 91, 40); // a little reverb
}

struct DrumLine {
    int key;
    const char* steps; // sixteen sixteenths: 'x' hit, '-' nothing
    int velocity;
};

// How the band accompanies a section. Patterns give one symbol per eighth and
// repeat every bar: for the bass 1, 3, 5, 8 are root, third, fifth and octave;
// for the keys x is the chord; = holds the note before; - is silence.
struct Style {
    const char* bass;
    const char* keys; // nullptr: the keys rest
    std::vector<DrumLine> drums;
    std::vector<DrumLine> lastBarDrums; // the fill into the next section
    bool crashOnEntry = false;
    const char* lastBarBass = nullptr;  // when the last bar plays differently
    const char* lastBarKeys = nullptr;
};

struct Section {
    const Style* style;
    const char* chords;
    const char* melody;
    int transpose;
    int leadProgram;
    bool arpeggio;
    bool pad;
};

class Band {
public:
    explicit Band(double tempo)
    {
        conductor_.name(0, "Mirovalk - play");
        conductor_.tempo(0, tempo);
        conductor_.timeSignature(0, 4, 2);
        setUpChannel(lead_, "Lead", kLead, kSquareLead, 100, 64);
        setUpChannel(bass_, "Bass", kBass, kFingerBass, 112, 60);
        setUpChannel(keys_, "Keys", kKeys, kElectricPiano, 90, 40);
        setUpChannel(arp_, "Marimba", kArp, kMarimba, 84, 92);
        setUpChannel(pad_, "Pad", kPad, kWarmPad, 80, 64);
        setUpChannel(drums_, "Drums", kDrums, kStandardKit, 110, 64);
    }

    void play(const Section& section)
    {
        const std::vector<Chord> chords = notation::parseChords(section.chords);
        const std::vector<Step> melody = notation::parseMelody(section.melody);
        const std::uint32_t length = totalTicks(chords);
        // A slip of the pen in a melody would shift everything after it.
        if (length != totalTicks(melody) || length % kBar != 0)
            throw std::logic_error(std::string("melody and chords differ in length: ") + section.melody);

        playMelody(section, melody);
        std::uint32_t at = now_;
        for (const Chord& chord : chords) {
            accompany(section, chord, at, length);
            at += chord.ticks;
        }
        for (std::uint32_t bar = 0; bar < length; bar += kBar) {
            const bool last = bar + kBar == length;
            drumBar(now_ + bar, last && !section.style->lastBarDrums.empty() ? section.style->lastBarDrums
                                                                               : section.style->drums);
        }
        if (section.style->crashOnEntry)
            drums_.note(now_, kDrums, kCrash, 84, kTicksPerQuarter);
        now_ += length;
    }

    QByteArray file() const
    {
        const std::array tracks{conductor_, lead_, bass_, keys_, arp_, pad_, drums_};
        return midi::file(tracks, static_cast<std::uint16_t>(kTicksPerQuarter));
    }

private:
    void playMelody(const Section& section, const std::vector<Step>& melody)
    {
        if (section.leadProgram != leadProgram_) {
            lead_.program(now_, kLead, section.leadProgram);
            leadProgram_ = section.leadProgram;
        }
        std::uint32_t at = now_;
        for (const Step& step : melody) {
            if (step.key >= 0) {
                const int accent = at % kTicksPerQuarter == 0 ? 8 : 0;
                // Detached a little, so repeated notes stay distinct.
                lead_.note(at, kLead, step.key + section.transpose, 76 + accent, step.ticks * 7 / 8);
            }
            at += step.ticks;
        }
    }

    // Walks a per-eighth pattern across one chord and calls hit(tick, length, symbol).
    // A "=" on the chord's first eighth strikes the held note again, so that
    // every chord change is heard.
    template <typename Hit>
    static void pattern(const char* normal, const char* lastBar, std::uint32_t sectionStart,
                        std::uint32_t sectionLength, std::uint32_t chordStart, std::uint32_t chordTicks, Hit hit)
    {
        const std::uint32_t chordEnd = chordStart + chordTicks;
        const auto barPattern = [&](std::uint32_t t) {
            const bool inLastBar = t - sectionStart >= sectionLength - kBar;
            return inLastBar && lastBar ? lastBar : normal;
        };
        const auto position = [&](std::uint32_t t) { return ((t - sectionStart) / kEighth) % 8; };
        for (std::uint32_t t = chordStart; t < chordEnd; t += kEighth) {
            const char* p = barPattern(t);
            std::uint32_t i = position(t);
            if (t == chordStart)
                while (p[i] == '=' && i > 0)
                    --i;
            const char symbol = p[i];
            if (symbol == '=' || symbol == '-')
                continue;
            std::uint32_t end = t + kEighth;
            while (end < chordEnd && barPattern(end)[position(end)] == '=')
                end += kEighth;
            hit(t, end - t, symbol);
        }
    }

    void accompany(const Section& section, const Chord& chord, std::uint32_t at, std::uint32_t length)
    {
        const Style& style = *section.style;
        const int root = 36 + (chord.root + section.transpose + 12) % 12;
        pattern(style.bass, style.lastBarBass, now_, length, at, chord.ticks,
                [&](std::uint32_t t, std::uint32_t ticks, char symbol) {
                    const int offset = symbol == '3' ? chord.intervals.at(1)
                                       : symbol == '5' ? 7
                                       : symbol == '8' ? 12
                                                       : 0;
                    bass_.note(t, kBass, root + offset, t % kTicksPerQuarter == 0 ? 92 : 80, ticks * 9 / 10);
                });
        if (style.keys) {
            const std::vector<int> keys = voicing(chord, section.transpose, 55);
            pattern(style.keys, style.lastBarKeys, now_, length, at, chord.ticks,
                    [&](std::uint32_t t, std::uint32_t ticks, char) {
                        for (const int key : keys)
                            keys_.note(t, kKeys, key, 62, ticks * 3 / 4);
                    });
        }
        if (section.pad) {
            for (const int key : voicing(chord, section.transpose, 52))
                pad_.note(at, kPad, key, 54, chord.ticks);
        }
        if (section.arpeggio) {
            std::vector<int> tones = voicing(chord, section.transpose, 67);
            tones.push_back(tones.front() + 12);
            static constexpr std::array<int, 8> order{0, 1, 2, 3, 1, 2, 3, 2};
            for (std::uint32_t t = at; t < at + chord.ticks; t += kEighth) {
                const int key = tones.at(static_cast<std::size_t>(order.at(((t - now_) / kEighth) % 8)));
                arp_.note(t, kArp, key, t % kTicksPerQuarter == 0 ? 56 : 46, kEighth);
            }
        }
    }

    void drumBar(std::uint32_t bar, const std::vector<DrumLine>& lines)
    {
        constexpr std::uint32_t kSixteenth = kEighth / 2;
        for (const DrumLine& line : lines) {
            for (std::uint32_t step = 0; step < 16; ++step) {
                if (line.steps[step] != 'x')
                    continue;
                // Beats a touch louder than what falls between them; rolls build up.
                int velocity = line.velocity + (step % 4 == 0 ? 8 : 0);
                if (line.key == kSnare && step > 8)
                    velocity += static_cast<int>(step) - 8;
                drums_.note(bar + step * kSixteenth, kDrums, line.key, std::min(velocity, 127), kSixteenth);
            }
        }
    }

    midi::Track conductor_, lead_, bass_, keys_, arp_, pad_, drums_;
    std::uint32_t now_ = 0;
    int leadProgram_ = kSquareLead;
};

} // namespace

QByteArray backgroundMusic()
{
    // About two minutes of light, bouncy arcade pop in C major at 132 bpm:
    // intro, verse twice, bridge, chorus, a quiet break on vibraphone in A
    // minor, then verse, bridge and chorus again a tone higher, and a short
    // ending. The break and the key change keep a whole game from grating.
    const std::vector<DrumLine> fill{{kKick, "x-------x-------", 88},
                                     {kSnare, "----x---x-x-xxxx", 72},
                                     {kClosedHat, "x-x-x-x---------", 48}};
    const Style intro{.bass = "1=15=18=",
                      .keys = "x=-x=-x-",
                      .drums = {{kKick, "x-------x-------", 84}, {kClosedHat, "x-x-x-x-x-x-x-x-", 46}},
                      .lastBarDrums = fill};
    const Style verse{.bass = "1=15=18=",
                      .keys = "x=-x=-x-",
                      .drums = {{kKick, "x-------x-x-----", 88},
                                {kSnare, "----x-------x---", 74},
                                {kClosedHat, "x-x-x-x-x-x-x-x-", 46}},
                      .lastBarDrums = fill,
                      .crashOnEntry = true};
    const Style chorus{.bass = "18181818",
                       .keys = "-x-x-x-x",
                       .drums = {{kKick, "x---x---x---x---", 90},
                                 {kClap, "----x-------x---", 70},
                                 {kClosedHat, "x---x---x---x---", 44},
                                 {kOpenHat, "--x---x---x---x-", 50}},
                       .lastBarDrums = fill,
                       .crashOnEntry = true};
    const Style brk{.bass = "1===5===",
                    .keys = nullptr,
                    .drums = {{kKick, "x-------x-------", 76},
                              {kSideStick, "----x-------x---", 56},
                              {kClosedHat, "--x---x---x---x-", 40}},
                    .lastBarDrums = fill};
    const Style ending{.bass = "1=15=18=",
                       .keys = "x=-x=-x-",
                       .drums = verse.drums,
                       .lastBarDrums = {{kKick, "x---------------", 96}, {kCrash, "x---------------", 90}},
                       .crashOnEntry = true,
                       .lastBarBass = "1=======",
                       .lastBarKeys = "x======="};

    const char* verseStart = "E5:2 G5:2 C6:3 B5 A5:2 G5:2 E5:4 F5:2 A5:2 C6:2 A5:2 G5:6 -:2 ";
    const std::string verseA = std::string(verseStart) + "E5:2 G5:2 C6:3 D6 E6:2 D6:2 C6:2 A5:2 F5:2 A5:2 B5:2 D6:2 C6:6 -:2";
    const std::string verseB = std::string(verseStart) + "E5:2 G5:2 C6:3 D6 E6:3 C6 A5:4 A5:2 G5:2 F5:2 D5:2 C5:6 -:2";
    const char* bridge = "A4 C5 F5:2 E5 F5 A5:2 G5:3 F5 D5:4 G4 B4 E5:2 D5 E5 G5:2 A5:3 G5 E5:4 "
                         "F5 E5 D5:2 F5:2 A5:2 G5 F5 E5:2 G5:2 B5:2 C6:2 A5:2 F5:2 A5:2 B5:4 D6:2 -:2";
    const char* refrain = "A5 C6 - C6 D6 C6 A5:2 B5 D6 - D6 E6 D6 B5:2 G#5:2 B5:2 D6:2 E6:2 C6:3 B5 A5:4 "
                          "A5 C6 - C6 D6 C6 A5:2 B5 D6 - D6 F6 E6 D6:2 E6:3 D6 C6:2 G5:2 C6:6 -:2";
    const char* breakTune = "E5:4 A5:4 C6:6 A5:2 G5:4 E5:4 D5:6 -:2 E5:4 A5:2 B5:2 C6:4 A5:4 F5:4 A5:4 G5:2 A5:2 C#6:4";

    const char* verseChordsA = "C Am F G C Am Dm:4 G:4 C";
    const char* verseChordsB = "C Am F G C Am F:4 G:4 C";
    const char* bridgeChords = "F G Em Am Dm Em F G";
    const char* refrainChords = "F G E7 Am F G C C";

    const std::vector<Section> sections{
        {&intro, "C Am F G", "-:32", 0, kSquareLead, true, false},
        {&verse, verseChordsA, verseA.c_str(), 0, kSquareLead, false, false},
        {&verse, verseChordsB, verseB.c_str(), 0, kSquareLead, true, false},
        {&verse, bridgeChords, bridge, 0, kSquareLead, false, true},
        {&chorus, refrainChords, refrain, 0, kSquareLead, true, false},
        {&brk, "Am F C G Am F Dm A7", breakTune, 0, kVibraphone, false, true},
        {&verse, verseChordsB, verseB.c_str(), 2, kSquareLead, true, false},
        {&verse, bridgeChords, bridge, 2, kSquareLead, false, true},
        {&chorus, refrainChords, refrain, 2, kSquareLead, true, false},
        {&ending, "F G C", "A5:2 C6:2 F6:2 E6:2 D6:2 B5:2 G5:2 B5:2 C6:8", 2, kSquareLead, false, true},
    };

    Band band(132.0);
    for (const Section& section : sections)
        band.play(section);
    return band.file();
}

QByteArray gameOverMusic()
{
    // Two slow bars in A minor: a flute sighs down over strings and a harp,
    // the dominant is held back by a suspension, and a rolled A minor chord
    // lets the game end quietly.
    midi::Track conductor, flute, strings, harp, bass;
    conductor.name(0, "Mirovalk - game over");
    conductor.tempo(0, 84.0);
    conductor.timeSignature(0, 4, 2);
    setUpChannel(flute, "Flute", 0, kFlute, 110, 64);
    setUpChannel(strings, "Strings", 1, kStrings, 80, 56);
    setUpChannel(harp, "Harp", 2, kHarp, 88, 76);
    setUpChannel(bass, "Bass", 3, kAcousticBass, 90, 64);

    std::uint32_t at = 0;
    for (const Step& step : notation::parseMelody("C6:3 B5 A5:2 E5:2 F5:3 E5 D5:2 B4:2 A4:6")) {
        if (step.key >= 0)
            flute.note(at, 0, step.key, 92, step.ticks);
        at += step.ticks;
    }
    const std::uint32_t end = at;

    at = 0;
    for (const Chord& chord : notation::parseChords("Am:4 F:4 Dm:4 Esus4:2 E:2 Am:6")) {
        const bool final = at + chord.ticks == end;
        for (const int key : voicing(chord, 0, 55))
            strings.note(at, 1, key, 58, chord.ticks);
        bass.note(at, 3, 33 + (chord.root + 3) % 12, 70, chord.ticks); // from A1 up
        std::vector<int> tones = voicing(chord, 0, 60);
        tones.push_back(tones.front() + 12);
        for (std::size_t i = 0; i < tones.size(); ++i) {
            // Broken upwards in eighths; the last chord is rolled and left to ring.
            const std::uint32_t offset = final ? static_cast<std::uint32_t>(i) * 40 : static_cast<std::uint32_t>(i) * kEighth;
            if (offset < chord.ticks)
                harp.note(at + offset, 2, tones[i], final ? 70 : 60, final ? chord.ticks - offset : kEighth * 2);
        }
        at += chord.ticks;
    }
    const std::array tracks{conductor, flute, strings, harp, bass};
    return midi::file(tracks, static_cast<std::uint16_t>(kTicksPerQuarter));
}

} // namespace mirovalk::assets
