#pragma once

#include <QByteArray>

#include <cstdint>
#include <vector>

// A very small synthesiser, just enough for the game's sound effects.
// Everything is computed from the arguments alone (noise comes from a seeded
// generator of our own), so the same call always gives the same samples.
namespace mirovalk::assets {

constexpr int kSampleRate = 44100;

// Mono samples at kSampleRate, nominally within [-1, 1].
using Signal = std::vector<double>;

int samplesFor(double seconds);

// xorshift32: fixed seed in, the same "random" sequence out on every machine.
class Noise {
public:
    explicit Noise(std::uint32_t seed);
    double next(); // uniform in [-1, 1)

private:
    std::uint32_t state_;
};

// Second-order filter (the usual audio-cookbook biquad), run in place.
class Biquad {
public:
    static Biquad lowPass(double cutoffHz, double q);
    static Biquad highPass(double cutoffHz, double q);
    static Biquad bandPass(double centreHz, double q);
    double process(double x);

private:
    Biquad(double b0, double b1, double b2, double a0, double a1, double a2);
    double b0_, b1_, b2_, a1_, a2_;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// One sine component of a tone, at `ratio` times its pitch. A non-zero decay is
// the time constant of its own exponential fade, so bright overtones can die
// away before the fundamental does (bells, plucks, brass "blat").
struct Partial {
    double ratio = 1.0;
    double gain = 1.0;
    double decay = 0.0;
};

struct Tone {
    double freq = 440.0;
    double glideTo = 0.0;          // pitch at the end of the note (exponential glide); 0 keeps it
    std::vector<Partial> partials{Partial{}};
    double attack = 0.005;         // seconds of smooth rise
    double decay = 0.0;            // time constant of the whole note's fade; 0 holds
    double release = 0.02;         // seconds of smooth fade at the end of the note
    double vibratoHz = 0.0;
    double vibratoDepth = 0.0;     // fraction of the pitch
    double vibratoDelay = 0.0;     // seconds before the vibrato comes in
    double gain = 1.0;
};

// Mixes a note of `length` seconds into `out` from `start`, growing `out` as needed.
void addTone(Signal& out, double start, double length, const Tone& tone);

// A burst of filtered noise: the "stuff" of clicks, knocks and cymbals.
struct NoiseBurst {
    double attack = 0.0005;
    double decay = 0.005;          // time constant of the exponential fade
    double release = 0.005;        // seconds of smooth fade at the end of the burst
    double gain = 1.0;
};
void addNoise(Signal& out, double start, double length, const NoiseBurst& burst, Biquad filter,
              Noise& noise);

void applyFilter(Signal& signal, Biquad filter);

// Turns a finished mix into a WAV file: smooth fades at both ends (so a sound
// that is cut off and restarted never clicks), scaled so its loudest sample
// sits at `peakDbfs`, rounded to 16 bits.
QByteArray finishSound(Signal signal, double peakDbfs, double fadeIn, double fadeOut);

} // namespace mirovalk::assets
