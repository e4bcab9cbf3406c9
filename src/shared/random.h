#pragma once

#include <random>

// The game's dice: Rnd gives a number in [0, 1), Randomize re-seeds from the clock.
// Rules take this interface so tests can script every draw.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual double Rnd() = 0;
    virtual void Randomize() = 0;

    // Int(Rnd × n) + 1: a whole number in 1..n.
    int draw(int n) { return static_cast<int>(Rnd() * n) + 1; }
};

class ClockRandom final : public RandomSource {
public:
    ClockRandom();
    double Rnd() override;
    void Randomize() override;

private:
    std::mt19937 engine_;
    std::uniform_real_distribution<double> unit_{0.0, 1.0};
};

// A generator with a fixed seed: reproducible games for tools and benchmarks.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(unsigned seed) : engine_(seed) {}
    double Rnd() override {
        const double r = unit_(engine_);
        return r < 1.0 ? r : 0.0;
    }
    void Randomize() override {}

private:
    std::mt19937 engine_;
    std::uniform_real_distribution<double> unit_{0.0, 1.0};
};
