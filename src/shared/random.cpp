#include "random.h"

#include <chrono>

ClockRandom::ClockRandom() { Randomize(); }

void ClockRandom::Randomize() {
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seed{static_cast<unsigned>(now), static_cast<unsigned>(now >> 32)};
    engine_.seed(seed);
}
