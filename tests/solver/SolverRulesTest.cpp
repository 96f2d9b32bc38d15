#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "solver/HeldTiles.h"
#include "solver/SolverRules.h"
#include "tests/solver/SolverTestSupport.h"

// The search leans on these properties of the game's own rules, each checked here over many
// random plays of every layout: free flags follow from the set of tiles gone, whatever the order;
// a removal frees only tiles the solver expects it to; a tile the solver finds held by another is
// never free while that one is there; in the stacked layouts a tile is free exactly when none of
// its keepers (the sets of tiles that hold it blocked) is still all there. (That in Rivers taking
// tiles only ever opens paths follows from the layouts' test of the path rule against a plain
// judge of every choice of turns.)
namespace varnel::testing {
namespace {

class SolverRulesTest : public ::testing::TestWithParam<int16_t> {};

TEST_P(SolverRulesTest, FreeFlagsFollowTheTilesGoneAndTheHeldTilesStayBlocked) {
    const Layout& layout = rulesOf(GetParam());
    const SolverRules rules(layout);
    const bool stacked = GetParam() != kRivers;
    ASSERT_TRUE(!stacked || rules.keepersKnown());
    std::mt19937 random(7);
    int blockedSeen = 0;
    for (uint32_t deal = 1; deal <= 40; ++deal) {
        const Board start = freshDeal(GetParam(), deal);
        HeldTiles held;
        findHeldTiles(start, presentTiles(start), rules, held);
        Board board = start;
        std::vector<int16_t> gone;
        for (auto pairs = removablePairs(board, layout); !pairs.empty();
             pairs = removablePairs(board, layout)) {
            const auto [a, b] = pairs[random() % pairs.size()];
            board.remove(a);
            board.remove(b);
            for (const int16_t k : {a, b}) {
                const Board before = board;
                layout.updateFree(board, k);
                for (int16_t t = 0; t < board.tileCount(); ++t)
                    ASSERT_TRUE(!board[t].free || before[t].free || rules.mayFree(k).contains(t))
                        << k << " freed " << t;
                gone.push_back(k);
            }
            // The same tiles taken one at a time in another order.
            std::vector<int16_t> order = gone;
            std::shuffle(order.begin(), order.end(), random);
            Board again = start;
            for (const int16_t k : order) rules.takeOne(again, k);
            const TileSet present = presentTiles(board);
            present.forEach([&](int16_t t) {
                ASSERT_EQ(board[t].free, again[t].free) << "deal " << deal << " tile " << t;
                present.forEach([&](int16_t x) {
                    ASSERT_FALSE(held[static_cast<std::size_t>(x)].contains(t) && board[t].free)
                        << t << " free while " << x << " is there";
                });
                if (!stacked) return;
                // Kept blocked while some keeper of it is all there.
                const bool kept = std::ranges::any_of(rules.keepers(t), [&](const TileSet& keeper) {
                    TileSet there = keeper;
                    return (there &= present) == keeper;
                });
                blockedSeen += kept;
                ASSERT_EQ(board[t].free, !kept) << "keepers of tile " << t;
            });
        }
    }
    EXPECT_TRUE(!stacked || blockedSeen > 10000) << blockedSeen;
}

INSTANTIATE_TEST_SUITE_P(Layouts, SolverRulesTest, ::testing::Values(kDragon, kRivers, kPyramid));

}  // namespace
}  // namespace varnel::testing
