#include "synth.h"

#include "wav.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace mirovalk::assets {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

void ensureLength(Signal& out, std::size_t n)
{
    if (out.size() < n)
        out.resize(n, 0.0);
}

// Rises from 0 to 1 like half a cosine wave: no corner at either end.
double smoothStep(double x)
{
    return 0.5 - 0.5 * std::cos(std::numbers::pi * std::clamp(x, 0.0, 1.0));
}

} // namespace

int samplesFor(double seconds)
{
    return static_cast<int>(std::lround(seconds * kSampleRate));
}

Noise::Noise(std::uint32_t seed) : state_(seed == 0 ? 0x9E3779B9u : seed) {}

double Noise::next()
{
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<double>(state_) / 2147483648.0 - 1.0;
}

Biquad::Biquad(double b0, double b1, double b2, double a0, double a1, double a2)
    : b0_(b0 / a0), b1_(b1 / a0), b2_(b2 / a0), a1_(a1 / a0), a2_(a2 / a0)
{
}

Biquad Biquad::lowPass(double cutoffHz, double q)
{
    const double w = kTwoPi * cutoffHz / kSampleRate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double c = std::cos(w);
    return {(1 - c) / 2, 1 - c, (1 - c) / 2, 1 + alpha, -2 * c, 1 - alpha};
}

Biquad Biquad::highPass(double cutoffHz, double q)
{
    const double w = kTwoPi * cutoffHz / kSampleRate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double c = std::cos(w);
    return {(1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + alpha, -2 * c, 1 - alpha};
}

Biquad Biquad::bandPass(double centreHz, double q)
{
    const double w = kTwoPi * centreHz / kSampleRate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double c = std::cos(w);
    return {alpha, 0, -alpha, 1 + alpha, -2 * c, 1 - alpha};
}

double Biquad::process(double x)
{
    const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return y;
}

void addTone(Signal& out, double start, double length, const Tone& tone)
{
    const int first = samplesFor(start);
    const int count = samplesFor(length);
    ensureLength(out, static_cast<std::size_t>(first + count));

    const double endFreq = tone.glideTo > 0 ? tone.glideTo : tone.freq;
    // Overtones above this would fold back as harsh aliases; leave them out.
    const double nyquistGuard = 0.45 * kSampleRate / std::max(tone.freq, endFreq);

    // One phase per partial: inharmonic ratios would jump if they shared one wrapped phase.
    std::vector<double> phases(tone.partials.size(), 0.0);
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double progress = count > 1 ? static_cast<double>(i) / (count - 1) : 0.0;
        double freq = tone.freq * std::pow(endFreq / tone.freq, progress);
        if (tone.vibratoDepth > 0 && t > tone.vibratoDelay)
            freq *= 1.0 + tone.vibratoDepth * std::sin(kTwoPi * tone.vibratoHz * (t - tone.vibratoDelay));

        double env = tone.gain;
        if (tone.attack > 0)
            env *= smoothStep(t / tone.attack);
        if (tone.decay > 0)
            env *= std::exp(-t / tone.decay);
        if (tone.release > 0)
            env *= smoothStep((length - t) / tone.release);

        double value = 0.0;
        for (std::size_t k = 0; k < tone.partials.size(); ++k) {
            const Partial& p = tone.partials[k];
            if (p.ratio > nyquistGuard)
                continue;
            double a = p.gain;
            if (p.decay > 0)
                a *= std::exp(-t / p.decay);
            value += a * std::sin(phases[k]);
            phases[k] = std::fmod(phases[k] + kTwoPi * p.ratio * freq / kSampleRate, kTwoPi);
        }
        out[static_cast<std::size_t>(first + i)] += env * value;
    }
}

void addNoise(Signal& out, double start, double length, const NoiseBurst& burst, Biquad filter,
              Noise& noise)
{
    const int first = samplesFor(start);
    const int count = samplesFor(length);
    ensureLength(out, static_cast<std::size_t>(first + count));
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        double env = burst.gain * std::exp(-t / burst.decay);
        if (burst.attack > 0)
            env *= std::min(1.0, t / burst.attack); // linear on purpose: the snap is the point
        if (burst.release > 0)
            env *= smoothStep((length - t) / burst.release);
        out[static_cast<std::size_t>(first + i)] += filter.process(env * noise.next());
    }
}

void applyFilter(Signal& signal, Biquad filter)
{
    for (double& x : signal)
        x = filter.process(x);
}

QByteArray finishSound(Signal signal, double peakDbfs, double fadeIn, double fadeOut)
{
    const auto n = signal.size();
    const auto inCount = static_cast<std::size_t>(samplesFor(fadeIn));
    const auto outCount = static_cast<std::size_t>(samplesFor(fadeOut));
    for (std::size_t i = 0; i < n; ++i) {
        if (i < inCount)
            signal[i] *= smoothStep(static_cast<double>(i) / static_cast<double>(inCount));
        if (n - 1 - i < outCount)
            signal[i] *= smoothStep(static_cast<double>(n - 1 - i) / static_cast<double>(outCount));
    }

    double peak = 0.0;
    for (const double x : signal)
        peak = std::max(peak, std::abs(x));
    const double scale = peak > 0 ? std::pow(10.0, peakDbfs / 20.0) * 32767.0 / peak : 0.0;

    std::vector<std::int16_t> pcm(n);
    for (std::size_t i = 0; i < n; ++i)
        pcm[i] = static_cast<std::int16_t>(std::lround(signal[i] * scale));
    return encodeWav(pcm, kSampleRate);
}

} // namespace mirovalk::assets
