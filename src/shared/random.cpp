#include "random.h"

#include <chrono>

ClockRandom::ClockRandom() { Randomize(); }

double ClockRandom::Rnd() {
    // uniform_real_distribution may round up to 1.0 on some libraries; the game's draws
    // Int(Rnd × n) + 1 must never reach n + 1.
    double r = unit_(engine_);
    return r < 1.0 ? r : 0.0;
}

void ClockRandom::Randomize() {
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seed{static_cast<unsigned>(now), static_cast<unsigned>(now >> 32)};
    engine_.seed(seed);
}
