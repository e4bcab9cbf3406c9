#include "sounds.h"

#include "synth.h"

#include <array>
#include <cmath>
#include <utility>

namespace mirovalk::assets {

namespace {

// Equal-tempered pitch of a MIDI note number (69 = A4 = 440 Hz).
double pitch(int midiNote)
{
    return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0);
}

// Odd harmonics falling as 1/n: a square wave with its harshest edge taken off.
std::vector<Partial> squareish(int highest)
{
    std::vector<Partial> ps;
    for (int n = 1; n <= highest; n += 2)
        ps.push_back({static_cast<double>(n), 1.0 / n, 0.0});
    return ps;
}

// Slightly stretched overtones that die away quickly: a small struck bell.
std::vector<Partial> bell()
{
    return {{1.0, 1.0, 0.0}, {2.0, 0.45, 0.35}, {3.01, 0.22, 0.18}, {4.17, 0.12, 0.09}, {5.43, 0.06, 0.05}};
}

} // namespace

QByteArray typeClickSound(int variant)
{
    // A key press is a hard plastic-on-metal snap followed by the duller thump
    // of the key bottoming out. The three files differ in pitch and noise
    // pattern, like neighbouring keys. Kept to 45 ms: the sound restarts every
    // 70 ms while a question is typed and must have died down by then.
    struct Key { std::uint32_t seed; double pitch; double thump; };
    constexpr std::array<Key, 3> keys{{{0x1234567u, 1.0, 190.0}, {0x2345678u, 0.86, 165.0}, {0x3456789u, 1.17, 220.0}}};
    const Key& key = keys.at(static_cast<std::size_t>(variant));

    Noise noise(key.seed);
    Signal s;
    addNoise(s, 0.0, 0.045, {.attack = 0.0003, .decay = 0.0022, .gain = 1.0},
             Biquad::bandPass(3400.0 * key.pitch, 1.4), noise);
    addNoise(s, 0.0, 0.045, {.attack = 0.0002, .decay = 0.0008, .gain = 0.5},
             Biquad::highPass(6000.0 * key.pitch, 0.7), noise);
    addTone(s, 0.0005, 0.040, {.freq = key.thump * 1.4, .glideTo = key.thump, .attack = 0.001,
                               .decay = 0.006, .release = 0.01, .gain = 0.25});
    // The type bar's rebound: a second, softer tick.
    addNoise(s, 0.011, 0.030, {.attack = 0.0003, .decay = 0.0025, .gain = 0.35},
             Biquad::bandPass(2300.0 * key.pitch, 2.0), noise);
    s.resize(static_cast<std::size_t>(samplesFor(0.045)));
    return finishSound(std::move(s), -6.0, 0.0004, 0.012);
}

QByteArray questionCueSound()
{
    // "Pi-pi-poon": two quick pips and a held note a fourth above, in a soft
    // square tone - unmistakably a signal, not a melody.
    const Tone pip{.freq = pitch(79), .partials = squareish(9), .attack = 0.004, .release = 0.02, .gain = 0.8};
    Signal s;
    addTone(s, 0.00, 0.09, pip);
    addTone(s, 0.13, 0.09, pip);
    Tone held = pip;
    held.freq = pitch(84);
    held.decay = 0.45;
    held.release = 0.25;
    held.vibratoHz = 6.0;
    held.vibratoDepth = 0.004;
    held.vibratoDelay = 0.12;
    addTone(s, 0.26, 0.62, held);
    // An octave of sine on top adds shine without more buzz.
    addTone(s, 0.26, 0.62, {.freq = pitch(96), .attack = 0.004, .decay = 0.2, .release = 0.25, .gain = 0.15});
    return finishSound(std::move(s), -4.0, 0.002, 0.05);
}

QByteArray correctChimeSound()
{
    // "Pin-poon": two bell strikes a major third apart, high then lower,
    // with a faint sparkle of the octave above ringing over them.
    Signal s;
    addTone(s, 0.00, 0.70, {.freq = pitch(88), .partials = bell(), .attack = 0.002, .decay = 0.30,
                            .release = 0.2, .gain = 0.9});
    addTone(s, 0.20, 1.00, {.freq = pitch(84), .partials = bell(), .attack = 0.002, .decay = 0.45,
                            .release = 0.3, .gain = 1.0});
    addTone(s, 0.20, 0.90, {.freq = pitch(96) * 1.003, .attack = 0.002, .decay = 0.25, .release = 0.3,
                            .gain = 0.12});
    return finishSound(std::move(s), -3.0, 0.002, 0.05);
}

QByteArray wrongBuzzerSound()
{
    // "Bu-buuu": a short then a long low buzz. Two square waves a little over
    // a quarter tone apart beat against each other and give the rasp.
    Signal s;
    for (const auto& [start, length] : {std::pair{0.0, 0.16}, std::pair{0.22, 0.58}}) {
        addTone(s, start, length, {.freq = 110.0, .partials = squareish(41), .attack = 0.006,
                                   .release = 0.03, .gain = 0.6});
        addTone(s, start, length, {.freq = 113.5, .partials = squareish(41), .attack = 0.006,
                                   .release = 0.03, .gain = 0.5});
    }
    // Take the fizz off so it growls rather than hisses.
    applyFilter(s, Biquad::lowPass(2200.0, 0.7));
    return finishSound(std::move(s), -4.0, 0.002, 0.03);
}

QByteArray skillSparkleSound()
{
    // A sweep rising two and a half octaves with a shower of small bells that
    // climbs the pentatonic scale above it. The bells land slightly off the
    // grid (seeded, so always the same way) to sound like glitter, not a tune.
    Signal s;
    addTone(s, 0.0, 0.75, {.freq = 520.0, .glideTo = 2900.0, .partials = {{1.0, 1.0}, {2.0, 0.3}},
                           .attack = 0.08, .release = 0.45, .gain = 0.25});
    constexpr std::array<int, 5> pentatonic{0, 2, 4, 7, 9};
    Noise jitter(0x5EED5u);
    for (int i = 0; i < 13; ++i) {
        const int note = 79 + 12 * (i / 5) + pentatonic.at(static_cast<std::size_t>(i % 5));
        const double start = 0.035 * i + 0.008 * (jitter.next() + 1.0);
        addTone(s, start, 0.45, {.freq = pitch(note), .partials = {{1.0, 1.0}, {2.76, 0.3, 0.05}},
                                 .attack = 0.002, .decay = 0.09, .release = 0.1,
                                 .gain = 0.45 - 0.012 * i});
    }
    return finishSound(std::move(s), -4.0, 0.002, 0.05);
}

QByteArray slotTickSound()
{
    // The slot restarts this every few milliseconds, so all that is heard is
    // its very beginning: a hard metallic tick that is over within 5 ms.
    Noise noise(0x51075u);
    Signal s;
    addNoise(s, 0.0, 0.030, {.attack = 0.0001, .decay = 0.0007, .gain = 1.0},
             Biquad::bandPass(4800.0, 1.2), noise);
    addTone(s, 0.0, 0.030, {.freq = 2650.0, .partials = {{1.0, 1.0}, {1.51, 0.5}}, .attack = 0.0001,
                            .decay = 0.0012, .release = 0.01, .gain = 0.4});
    return finishSound(std::move(s), -6.0, 0.0001, 0.01);
}

QByteArray rankingFanfareSound()
{
    // A brass "ta-ta-ta taa ta taaaa" in two voices, ending in a held C major
    // chord with a cymbal. Brass here is sawtooth overtones whose upper part
    // flares at the attack and settles, plus a little late vibrato on long notes.
    std::vector<Partial> brass;
    for (int n = 1; n <= 14; ++n) {
        const double gain = 1.0 / n;
        if (n <= 3) {
            brass.push_back({static_cast<double>(n), gain, 0.0});
        } else {
            brass.push_back({static_cast<double>(n), 0.3 * gain, 0.0});
            brass.push_back({static_cast<double>(n), 0.7 * gain, 0.5 / n});
        }
    }
    Signal s;
    const auto play = [&](double start, double length, int midi, double gain) {
        Tone t{.freq = pitch(midi), .partials = brass, .attack = 0.02, .release = 0.05, .gain = gain};
        if (length > 0.5) {
            t.release = 0.7;
            t.vibratoHz = 5.5;
            t.vibratoDepth = 0.004;
            t.vibratoDelay = 0.3;
        }
        addTone(s, start, length, t);
    };
    for (const double start : {0.0, 0.12, 0.24}) {
        play(start, 0.10, 67, 0.5);
        play(start, 0.10, 64, 0.35);
    }
    play(0.36, 0.32, 72, 0.55);
    play(0.36, 0.32, 67, 0.4);
    play(0.72, 0.12, 76, 0.55);
    play(0.72, 0.12, 72, 0.4);
    for (const auto& [midi, gain] : {std::pair{79, 0.5}, std::pair{76, 0.35}, std::pair{72, 0.3},
                                      std::pair{67, 0.3}, std::pair{60, 0.35}})
        play(0.86, 2.0, midi, gain);

    Noise noise(0xC1A54u);
    addNoise(s, 0.86, 1.9, {.attack = 0.003, .decay = 0.4, .release = 0.8, .gain = 0.25},
             Biquad::highPass(5000.0, 0.7), noise);
    return finishSound(std::move(s), -3.0, 0.002, 0.1);
}

} // namespace mirovalk::assets
