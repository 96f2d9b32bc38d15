#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <random>
#include <vector>

#include "board/Deal.h"
#include "layouts/DragonLayout.h"
#include "layouts/PyramidLayout.h"
#include "layouts/RiversLayout.h"
#include "solver/Solver.h"

// The solver on fresh deals 1..N of each layout (N = 10000, or VARNEL_SOLVER_DEALS), each with a
// budget of one second, as the game would give it; and on positions in mid-game, the check the
// game makes after every pair. Times are per position, wall clock and this thread's processor
// time: the machine is shared, and the wall clock counts the waits for a core.
namespace varnel::bench {
namespace {

const Layout& layoutOf(int64_t number) {
    return number == 0 ? dragonLayout() : number == 1 ? riversLayout() : pyramidLayout();
}

double threadMilliseconds() {
    timespec t;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

struct Timings {
    std::vector<double> wall, processor;
    void add(double wallMs, double processorMs) {
        wall.push_back(wallMs);
        processor.push_back(processorMs);
    }
    static double at(std::vector<double> v, double q) {
        std::sort(v.begin(), v.end());
        return v[std::min(v.size() - 1, static_cast<std::size_t>(q * static_cast<double>(v.size())))];
    }
    void report(benchmark::State& bench) const {
        bench.counters["median_ms"] = at(wall, 0.5);
        bench.counters["p99_ms"] = at(wall, 0.99);
        bench.counters["max_ms"] = at(wall, 1.0);
        bench.counters["cpu_median_ms"] = at(processor, 0.5);
        bench.counters["cpu_p99_ms"] = at(processor, 0.99);
        bench.counters["cpu_max_ms"] = at(processor, 1.0);
    }
};

SolveResult timedSolve(const Board& board, const Layout& layout, Timings& timings) {
    SolveBudget budget;
    budget.maxTime = std::chrono::seconds(1);
    const auto start = std::chrono::steady_clock::now();
    const double processorStart = threadMilliseconds();
    SolveResult result = solve(board, layout, budget);
    timings.add(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count(),
                threadMilliseconds() - processorStart);
    return result;
}

uint32_t dealsToSolve() {
    const char* text = std::getenv("VARNEL_SOLVER_DEALS");
    return text ? static_cast<uint32_t>(std::strtoul(text, nullptr, 10)) : 10000;
}

Board freshDeal(const Layout& layout, uint32_t number) {
    Board board = dealFaces(layout.tileCount(), number);
    layout.markStartFree(board);
    return board;
}

void BM_SolveFreshDeals(benchmark::State& bench) {
    const Layout& layout = layoutOf(bench.range(0));
    const uint32_t deals = dealsToSolve();
    for (auto _ : bench) {
        Timings timings;
        int counts[3] = {};
        for (uint32_t number = 1; number <= deals; ++number)
            ++counts[static_cast<int>(timedSolve(freshDeal(layout, number), layout, timings).verdict)];
        timings.report(bench);
        bench.counters["winnable"] = counts[static_cast<int>(Verdict::Winnable)];
        bench.counters["not_winnable"] = counts[static_cast<int>(Verdict::NotWinnable)];
        bench.counters["unknown"] = counts[static_cast<int>(Verdict::Unknown)];
        bench.counters["winnable_pct"] = 100.0 * counts[0] / deals;
    }
}
BENCHMARK(BM_SolveFreshDeals)->ArgName("layout")->Arg(0)->Arg(1)->Arg(2)->Iterations(1)->Unit(benchmark::kSecond);

// Positions the player meets: part way along a winning line, then a few random pairs, which may
// or may not lose the game.
void BM_SolveMidGame(benchmark::State& bench) {
    const Layout& layout = layoutOf(bench.range(0));
    const uint32_t deals = std::min<uint32_t>(dealsToSolve(), 1000);
    std::mt19937 random(1);
    for (auto _ : bench) {
        Timings timings;
        int lost = 0;
        for (uint32_t number = 1; number <= deals; ++number) {
            Board board = freshDeal(layout, number);
            const SolveResult line = solve(board, layout);
            const std::size_t along = line.moves.empty() ? 0 : random() % line.moves.size();
            for (std::size_t i = 0; i < along; ++i) {
                const auto [a, b] = line.moves[i];
                board.remove(a), board.remove(b), layout.updateFree(board, a), layout.updateFree(board, b);
            }
            for (int extra = 0; extra < 3; ++extra) {
                std::vector<TilePair> pairs;
                for (int16_t a = 0; a < board.tileCount(); ++a)
                    for (int16_t b = static_cast<int16_t>(a + 1); b < board.tileCount(); ++b)
                        if (board[a].present() && board[a].free && board[b].present() && board[b].free &&
                            board[a].face == board[b].face && layout.pairJoined(board, a, b))
                            pairs.emplace_back(a, b);
                if (pairs.empty()) break;
                const auto [a, b] = pairs[random() % pairs.size()];
                board.remove(a), board.remove(b), layout.updateFree(board, a), layout.updateFree(board, b);
            }
            lost += timedSolve(board, layout, timings).verdict == Verdict::NotWinnable;
        }
        timings.report(bench);
        bench.counters["positions"] = deals;
        bench.counters["lost"] = lost;
    }
}
BENCHMARK(BM_SolveMidGame)->ArgName("layout")->Arg(0)->Arg(1)->Arg(2)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
}  // namespace varnel::bench

BENCHMARK_MAIN();
