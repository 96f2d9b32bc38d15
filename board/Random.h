#pragma once

#include <cstdint>
#include <functional>
#include <random>

namespace varnel {

// The one random source of the game. Every deal and every shuffle reseeds it first, from the
// clock in play; tests give it a seed source of their own so that a game can be replayed.
class Random {
public:
    using SeedSource = std::function<uint32_t()>;

    Random();
    explicit Random(SeedSource seedSource);

    // Reseeds from the seed source (the clock unless a test chose otherwise).
    void Randomize();
    // Uniform in [0, 1).
    double Rnd();
    // A whole number from 0 to n - 1; n must be 1 or more.
    int16_t RandomInt(int16_t n);

private:
    SeedSource seedSource_;
    std::mt19937 engine_;
};

}  // namespace varnel
