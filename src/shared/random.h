#pragma once

#include <random>

// The game's dice: Rnd gives a number in [0, 1), Randomize re-seeds from the clock.
// Rules take this interface so tests can script every draw.
class RandomSource {
public:
    virtual ~RandomSource() = default;

    // A draw never reaches 1, so Int(Rnd × n) + 1 never reaches n + 1 (some standard libraries'
    // uniform distributions can round up to 1.0).
    double Rnd() {
        const double r = next();
        return r < 1.0 ? r : 0.0;
    }
    virtual void Randomize() = 0;

    // Int(Rnd × n) + 1: a whole number in 1..n.
    int draw(int n) { return static_cast<int>(Rnd() * n) + 1; }

protected:
    virtual double next() = 0;
};

class ClockRandom final : public RandomSource {
public:
    ClockRandom();
    void Randomize() override;

private:
    double next() override { return unit_(engine_); }
    std::mt19937 engine_;
    std::uniform_real_distribution<double> unit_{0.0, 1.0};
};

// A generator with a fixed seed: reproducible games for tools and benchmarks.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(unsigned seed) : engine_(seed) {}
    void Randomize() override {}

private:
    double next() override { return unit_(engine_); }
    std::mt19937 engine_;
    std::uniform_real_distribution<double> unit_{0.0, 1.0};
};
