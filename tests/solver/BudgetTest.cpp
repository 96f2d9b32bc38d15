#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <tuple>

#include "tests/solver/SolverTestSupport.h"
#include "solver/BackgroundSolver.h"
#include "solver/WinnableShuffle.h"

// Giving up: the budgets, the cancel flag, the worker thread that the window hands positions
// to, and the shuffle that keeps dealing until the board can be won.
namespace varnel::testing {
namespace {

using namespace std::chrono_literals;

// A Dragon deal that cannot be won and takes the solver long to prove so.
constexpr uint32_t kHardDeal = 278;

// Out of nodes, neither search takes what it did not finish for lost: a deal of each kind of
// rule that needs more than the budget is Unknown, whether it can be won or not. So is a deal
// out of time, or cancelled before it starts.
TEST(BudgetTest, AnySpentBudgetAnswersUnknown) {
    uint32_t longRivers = 1;
    while (solve(freshDeal(kRivers, longRivers), rulesOf(kRivers)).nodes <= 50) ++longRivers;
    const std::atomic<bool> cancelled{true};
    const std::tuple<int16_t, uint32_t, SolveBudget> cases[] = {
        {kDragon, kHardDeal, {.maxNodes = 50}},
        {kRivers, longRivers, {.maxNodes = 50}},
        {kDragon, kHardDeal, {.maxTime = 20ms}},
        {kDragon, 1, {.cancel = &cancelled}}};
    for (const auto& [layout, deal, budget] : cases) {
        const SolveResult result = solve(freshDeal(layout, deal), rulesOf(layout), budget);
        EXPECT_EQ(result.verdict, Verdict::Unknown) << "layout " << layout << " deal " << deal;
        EXPECT_LE(result.nodes, budget.maxNodes ? budget.maxNodes + 1 : result.nodes);
        EXPECT_TRUE(result.moves.empty());
    }
}

class Reports {
  public:
    BackgroundSolver::Report sink() {
        return [this](uint64_t ticket, const SolveResult& result) {
            std::lock_guard lock(mutex_);
            verdicts_[ticket] = result.verdict;
            arrived_.notify_all();
        };
    }
    bool waitFor(uint64_t ticket) {
        std::unique_lock lock(mutex_);
        return arrived_.wait_for(lock, 10s, [&] { return verdicts_.contains(ticket); });
    }
    std::map<uint64_t, Verdict> all() {
        std::lock_guard lock(mutex_);
        return verdicts_;
    }

  private:
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::map<uint64_t, Verdict> verdicts_;
};

TEST(BackgroundSolverTest, ANewPositionReplacesTheOneBeingSolved) {
    Reports reports;
    BackgroundSolver worker(reports.sink());
    const uint64_t hard = worker.solve(freshDeal(kDragon, kHardDeal), rulesOf(kDragon));
    std::this_thread::sleep_for(20ms);
    const uint64_t easy = worker.solve(freshDeal(kPyramid, 1), rulesOf(kPyramid));
    ASSERT_TRUE(reports.waitFor(easy));
    EXPECT_EQ(reports.all(), (std::map<uint64_t, Verdict>{{easy, Verdict::Winnable}}));
    EXPECT_GT(easy, hard);
    // A budget is kept as given.
    const uint64_t limited =
        worker.solve(freshDeal(kDragon, kHardDeal), rulesOf(kDragon), {.maxNodes = 10});
    ASSERT_TRUE(reports.waitFor(limited));
    EXPECT_EQ(reports.all()[limited], Verdict::Unknown);
}

TEST(BackgroundSolverTest, CancelAndShutDownDropTheSearch) {
    Reports reports;
    {
        BackgroundSolver worker(reports.sink());
        worker.solve(freshDeal(kDragon, kHardDeal), rulesOf(kDragon));
        std::this_thread::sleep_for(20ms);
        worker.cancel();
        worker.solve(freshDeal(kDragon, kHardDeal), rulesOf(kDragon));
        // Leaving the scope cancels the second and waits for the worker.
    }
    EXPECT_TRUE(reports.all().empty());
}

TEST(WinnableShuffleTest, ALostBoardIsDealtAgainUntilItCanBeWon) {
    const Board lost = freshDeal(kDragon, kHardDeal);
    Random random(1);
    const SolveBudget budget{.maxTime = 1s};
    const ShuffleOutcome outcome = shuffleUntilWinnable(lost, rulesOf(kDragon), random, 20, budget);
    ASSERT_TRUE(outcome.board.has_value());
    EXPECT_GE(outcome.tries, 1);
    // The same faces on the same tiles, in another arrangement.
    std::map<int, int> before, after;
    for (int16_t t = 0; t < lost.tileCount(); ++t) ++before[lost[t].face], ++after[(*outcome.board)[t].face];
    EXPECT_EQ(before, after);
    EXPECT_NE(*outcome.board, lost);
    const SolveResult result = solve(*outcome.board, rulesOf(kDragon));
    ASSERT_EQ(result.verdict, Verdict::Winnable);
    EXPECT_TRUE(replayClears(*outcome.board, rulesOf(kDragon), result.moves));
    // No tries left: no board.
    EXPECT_FALSE(shuffleUntilWinnable(lost, rulesOf(kDragon), random, 0, budget).board.has_value());
}

}  // namespace
}  // namespace varnel::testing
