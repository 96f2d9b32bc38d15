#include "Random.h"

#include <chrono>

namespace varnel {
namespace {

uint32_t ClockSeed() {
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    return static_cast<uint32_t>(ticks ^ (ticks >> 32));
}

}  // namespace

Random::Random() : Random(ClockSeed) {}

Random::Random(SeedSource seedSource) : seedSource_(std::move(seedSource)) { Randomize(); }

void Random::Randomize() { engine_.seed(seedSource_()); }

double Random::Rnd() {
    // 32 random bits over 2^32: never reaches 1, so RandomInt(n) never returns n.
    return static_cast<double>(engine_()) / 4294967296.0;
}

int16_t Random::RandomInt(int16_t n) { return static_cast<int16_t>(Rnd() * n); }

}  // namespace varnel
