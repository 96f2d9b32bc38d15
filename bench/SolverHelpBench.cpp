#include <benchmark/benchmark.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <optional>
#include <thread>
#include <vector>

#include "board/Deal.h"
#include "play/Game.h"
#include "play/PairSearch.h"
#include "solver/Solver.h"
#include "tests/support/RecordingView.h"

// The solver's help as the player waits for it, by the wall clock from the command to the
// answer shown, with the window's queue run as soon as anything is posted: New Game with
// Winnable Deals on, from the command to the board laid out (VARNEL_HELP_GAMES games, 300
// unless set, of each layout); and the warning of a losing pair, from the second click of the
// pair to the line under the tiles-left count (a losing pair found along the winning line of
// each of the first deals, up to that many), for a player who lets the solver look at the next
// pairs before taking one, and how long that look takes after each pair. The machine is shared, so beside the wall clock
// each wait is also timed in the processor time of the whole process, which is the worker's:
// the waiting thread sleeps.
namespace varnel::bench {
namespace {

using Clock = std::chrono::steady_clock;

int gamesToPlay() {
    const char* text = std::getenv("VARNEL_HELP_GAMES");
    return text ? std::atoi(text) : 300;
}

double processMilliseconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

struct Waits {
    std::vector<double> wall, processor;
};

double at(std::vector<double> v, double q) {
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, static_cast<std::size_t>(q * static_cast<double>(v.size())))];
}

void report(benchmark::State& bench, const Waits& waits) {
    bench.counters["median_ms"] = at(waits.wall, 0.5);
    bench.counters["p99_ms"] = at(waits.wall, 0.99);
    bench.counters["max_ms"] = at(waits.wall, 1.0);
    bench.counters["cpu_median_ms"] = at(waits.processor, 0.5);
    bench.counters["cpu_p99_ms"] = at(waits.processor, 0.99);
    bench.counters["cpu_max_ms"] = at(waits.processor, 1.0);
    bench.counters["samples"] = static_cast<double>(waits.wall.size());
}

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void BM_WinnableNewGame(benchmark::State& bench) {
    const auto layout = static_cast<int16_t>(bench.range(0));
    for (auto _ : bench) {
        testing::RecordingView view;
        uint32_t seed = 1;
        Game game(view, [&seed] { return seed++; });
        game.setSolverOptions({true, false});
        Waits waits;
        for (int n = 0; n < gamesToPlay(); ++n) {
            const auto start = Clock::now();
            const double processorStart = processMilliseconds();
            game.newGameIn(layout);
            while (game.waitingForSolver()) view.posted.waitAndRun();
            waits.wall.push_back(millisecondsSince(start));
            waits.processor.push_back(processMilliseconds() - processorStart);
        }
        report(bench, waits);
    }
}
BENCHMARK(BM_WinnableNewGame)->ArgName("layout")->Arg(kDragon)->Arg(kRivers)->Arg(kPyramid)->Iterations(1)->Unit(benchmark::kSecond);

void take(Board& board, const Layout& layout, int16_t a, int16_t b) {
    board.remove(a);
    board.remove(b);
    layout.updateFree(board, a);
    layout.updateFree(board, b);
}

// A player who waits for the solver before the next pair: every answer it had to give is in.
void thinkUntilIdle(Game& game, testing::RecordingView& view) {
    do {
        while (!game.solverIdle()) std::this_thread::sleep_for(std::chrono::microseconds(200));
    } while (view.posted.run() > 0);
}

void BM_LosingMoveWarning(benchmark::State& bench) {
    const auto layout = static_cast<int16_t>(bench.range(0));
    const Layout& rules = findLayout(layout)->rules;
    for (auto _ : bench) {
        Waits waits;
        std::vector<double> thinks;
        for (uint32_t deal = 1; deal <= static_cast<uint32_t>(gamesToPlay()); ++deal) {
            Board board = dealFaces(rules.tileCount(), deal);
            rules.markStartFree(board);
            const SolveResult line = solve(board, rules);
            if (line.verdict != Verdict::Winnable) continue;
            // The first pair along the line that loses the game, and the line's pairs before it.
            std::vector<TilePair> leadIn;
            std::optional<TilePair> losing;
            for (const TilePair& next : line.moves) {
                for (int16_t a = 0; a < board.tileCount() && !losing; ++a)
                    for (int16_t b = static_cast<int16_t>(a + 1); b < board.tileCount() && !losing; ++b) {
                        if (!isRemovablePair(board, rules, a, b)) continue;
                        Board after = board;
                        take(after, rules, a, b);
                        if (countPairs(after, rules) > 0 && solve(after, rules).verdict == Verdict::NotWinnable)
                            losing = TilePair{a, b};
                    }
                if (losing) break;
                take(board, rules, next.first, next.second);
                leadIn.push_back(next);
            }
            if (!losing) continue;
            testing::RecordingView view;
            Game game(view);
            game.setSolverOptions({false, true});
            game.chooseLayout(layout);
            game.playDeal(deal);
            // The deal's own check, then the pairs of its winning line, each followed by the
            // solver's look at every pair that could come next: how long a player must think
            // for the warning to come at once.
            thinkUntilIdle(game, view);
            for (const TilePair& pair : leadIn) {
                game.clickTile(pair.first);
                game.clickTile(pair.second);
                const auto thinking = Clock::now();
                thinkUntilIdle(game, view);
                thinks.push_back(millisecondsSince(thinking));
            }
            game.clickTile(losing->first);
            const auto start = Clock::now();
            const double processorStart = processMilliseconds();
            game.clickTile(losing->second);
            while (view.solverNote.empty() && view.posted.waitAndRun(std::chrono::milliseconds(3000)) > 0) {
            }
            if (view.solverNote.empty()) continue;
            waits.wall.push_back(millisecondsSince(start));
            waits.processor.push_back(processMilliseconds() - processorStart);
        }
        report(bench, waits);
        bench.counters["think_median_ms"] = at(thinks, 0.5);
        bench.counters["think_p99_ms"] = at(thinks, 0.99);
    }
}
BENCHMARK(BM_LosingMoveWarning)->ArgName("layout")->Arg(kDragon)->Arg(kRivers)->Arg(kPyramid)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
}  // namespace varnel::bench

BENCHMARK_MAIN();
