#pragma once

#include <cstdint>
#include <random>

namespace varnel {

// The game's one random generator. Its sequence is part of the game: a deal is a function of
// its deal number through this generator, so the same number deals the same board on every
// machine and in every later version. Change nothing here without a new kind of deal number.
class Random {
  public:
    explicit Random(uint32_t seed) : engine_(seed) {}

    // A seed from the clock, for what should differ from run to run.
    static uint32_t clockSeed();

    // Uniform in [0, 1): 32 random bits over 2^32.
    double uniform();
    // A whole number from 0 to n - 1; n must be 1 or more.
    int16_t below(int16_t n);

  private:
    std::mt19937 engine_;  // its output is fixed by the C++ standard
};

}  // namespace varnel
