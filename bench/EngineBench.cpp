#include <benchmark/benchmark.h>

#include <memory>

#include "bench/EngineTable.h"
#include "board/Deal.h"

// What the engine costs where the player waits for it, for each layout: a new deal, the pair
// count that follows every taken pair, and a whole game played out.
namespace varnel::bench {
namespace {

// The faces dealt, the tiles free from the start marked, and the tiles placed on a design-size
// board.
void BM_DealAndBuild(benchmark::State& bench) {
    const LayoutRow& row = *findLayout(static_cast<int>(bench.range(0)));
    const CellSize designCell{44, 55, 1, 609};
    uint32_t dealNumber = 1;
    for (auto _ : bench) {
        Board board = dealFaces(row.tileCount(), dealNumber++);
        row.rules.markStartFree(board);
        const TilePlaces places = row.rules.places(designCell);
        benchmark::DoNotOptimize(board);
        benchmark::DoNotOptimize(places.data());
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
        benchmark::DoNotOptimize(tables[k]->game.countPairs());
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
        while (table.takeRandomPair(rng)) ++pairsTaken;
        ++games;
        won += table.game.board().tilesLeft() == 0;
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
