#include "board/Random.h"

#include <chrono>

namespace varnel {

uint32_t Random::clockSeed() {
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    return static_cast<uint32_t>(ticks ^ (ticks >> 32));
}

double Random::uniform() { return static_cast<double>(engine_()) / 4294967296.0; }

int16_t Random::below(int16_t n) { return static_cast<int16_t>(uniform() * n); }

}  // namespace varnel
