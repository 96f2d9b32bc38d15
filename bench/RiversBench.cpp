#include <benchmark/benchmark.h>

#include <random>
#include <utility>
#include <vector>

#include "EngineTable.h"
#include "RiversPick.h"

// What the Rivers path rule costs: the pair count on boards half played, and one path test.
namespace varnel::bench {
namespace {

constexpr int kBoards = 16;

// Boards played down to half their tiles by random takes; deals that get stuck earlier are
// passed over.
std::vector<GameState> HalfClearedBoards() {
    std::vector<GameState> boards;
    std::mt19937 rng(5);
    for (uint32_t seed = 100; boards.size() < kBoards; ++seed) {
        Table table(kRivers, seed);
        while (table.state.TilesLeft > 42 && table.TakeRandomPair(rng)) {
        }
        if (table.state.TilesLeft == 42) boards.push_back(table.state);
    }
    return boards;
}

void CountPairsOn(benchmark::State& bench, const std::vector<GameState>& boards) {
    SilentWindow window;
    Random random;
    std::vector<GameState> states = boards;
    std::vector<Game> games;
    for (GameState& state : states) games.emplace_back(state, window, random);
    std::size_t k = 0;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(games[k].CountPairs());
        k = (k + 1) % games.size();
    }
}

void BM_CountPairsHalfCleared(benchmark::State& bench) {
    CountPairsOn(bench, HalfClearedBoards());
}
BENCHMARK(BM_CountPairsHalfCleared);

// One path test, averaged over every pair of tiles on half-cleared boards.
void BM_RiversPickHalfCleared(benchmark::State& bench) {
    const std::vector<GameState> boards = HalfClearedBoards();
    std::vector<std::pair<int16_t, int16_t>> pairs;
    for (int16_t i = 0; i < 84; ++i)
        for (int16_t j = static_cast<int16_t>(i + 1); j < 84; ++j) pairs.emplace_back(i, j);
    std::size_t k = 0;
    for (auto _ : bench) {
        const auto [a, b] = pairs[k % pairs.size()];
        benchmark::DoNotOptimize(RiversPick(boards[k % boards.size()].Tiles, a, b));
        ++k;
    }
}
BENCHMARK(BM_RiversPickHalfCleared);

}  // namespace
}  // namespace varnel::bench
