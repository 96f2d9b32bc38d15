#include <benchmark/benchmark.h>

#include <memory>

#include "Deal.h"
#include "EngineTable.h"

// What the engine costs where the player waits for it, for each layout: a new deal, the pair
// count that follows every taken pair, and a whole game played out.
namespace varnel::bench {
namespace {

void BM_DealAndBuild(benchmark::State& bench) {
    const auto layout = static_cast<int16_t>(bench.range(0));
    GameState state;
    state.CurrentLayout = layout;
    const LayoutRow& row = *FindLayout(layout);
    state.TileCount = row.tileCount;
    Random random;
    for (auto _ : bench) {
        row.rules.BuildLayout(state, random, DealMode::NewFaces);
        benchmark::DoNotOptimize(state.Tiles.data());
    }
}
BENCHMARK(BM_DealAndBuild)->ArgName("layout")->Arg(kDragon)->Arg(kRivers)->Arg(kPyramid);

void BM_CountPairsFreshBoard(benchmark::State& bench) {
    const auto layout = static_cast<int16_t>(bench.range(0));
    std::vector<std::unique_ptr<Table>> tables;
    for (uint32_t seed = 0; seed < 16; ++seed)
        tables.push_back(std::make_unique<Table>(layout, seed));
    std::size_t k = 0;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(tables[k]->game.CountPairs());
        k = (k + 1) % tables.size();
    }
}
BENCHMARK(BM_CountPairsFreshBoard)->ArgName("layout")->Arg(kDragon)->Arg(kRivers)->Arg(kPyramid);

// A new deal, then random open pairs until the board is won or stuck; every take runs the
// end-of-game pair count, as in play.
void BM_PlayWholeGame(benchmark::State& bench) {
    const auto layout = static_cast<int16_t>(bench.range(0));
    std::mt19937 rng(11);
    uint32_t seed = 1000;
    int64_t games = 0, won = 0, pairsTaken = 0;
    for (auto _ : bench) {
        Table table(layout, seed++);
        while (table.TakeRandomPair(rng)) ++pairsTaken;
        ++games;
        won += table.state.TilesLeft == 0;
    }
    bench.counters["won"] = benchmark::Counter(static_cast<double>(won) / games);
    bench.counters["pairs"] = benchmark::Counter(static_cast<double>(pairsTaken) / games);
}
BENCHMARK(BM_PlayWholeGame)
    ->ArgName("layout")
    ->Arg(kDragon)
    ->Arg(kRivers)
    ->Arg(kPyramid)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace varnel::bench
