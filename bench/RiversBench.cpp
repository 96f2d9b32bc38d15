#include <benchmark/benchmark.h>

#include <random>
#include <utility>
#include <vector>

#include "bench/EngineTable.h"
#include "layouts/RiversLayout.h"
#include "layouts/RiversPath.h"
#include "play/PairSearch.h"

// What the Rivers path rule costs: the pair count on boards half played, and one path test.
namespace varnel::bench {
namespace {

constexpr int kBoards = 16;

// Boards played down to half their tiles by random takes; deals that get stuck earlier are
// passed over.
std::vector<Board> halfClearedBoards() {
    std::vector<Board> boards;
    std::mt19937 rng(5);
    for (uint32_t seed = 100; boards.size() < kBoards; ++seed) {
        Table table(kRivers, seed);
        while (table.game.board().tilesLeft() > 42 && table.takeRandomPair(rng)) {
        }
        if (table.game.board().tilesLeft() == 42) boards.push_back(table.game.board());
    }
    return boards;
}

void BM_CountPairsHalfCleared(benchmark::State& bench) {
    const std::vector<Board> boards = halfClearedBoards();
    std::size_t k = 0;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(countPairs(boards[k], riversLayout()));
        k = (k + 1) % boards.size();
    }
}
BENCHMARK(BM_CountPairsHalfCleared);

// One path test, averaged over every pair of tiles on half-cleared boards.
void BM_RiversPathHalfCleared(benchmark::State& bench) {
    const std::vector<Board> boards = halfClearedBoards();
    std::vector<std::pair<int16_t, int16_t>> pairs;
    for (int16_t i = 0; i < 84; ++i)
        for (int16_t j = static_cast<int16_t>(i + 1); j < 84; ++j) pairs.emplace_back(i, j);
    std::size_t k = 0;
    for (auto _ : bench) {
        const auto [a, b] = pairs[k % pairs.size()];
        benchmark::DoNotOptimize(riversPathJoins(boards[k % boards.size()], a, b));
        ++k;
    }
}
BENCHMARK(BM_RiversPathHalfCleared);

}  // namespace
}  // namespace varnel::bench
