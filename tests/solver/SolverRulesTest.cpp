#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "layouts/RiversPath.h"
#include "solver/HeldTiles.h"
#include "solver/LostPositions.h"
#include "solver/SolverRules.h"
#include "tests/solver/SolverTestSupport.h"

// The search leans on four properties of the game's own rules; each is checked here over many
// random plays of every layout: free flags follow from the set of tiles gone, whatever the order;
// a removal frees only tiles the solver expects it to; a tile the solver finds held by another is
// never free while that one is there; and in Rivers, taking tiles only ever opens paths.
namespace varnel::testing {
namespace {

class SolverRulesTest : public ::testing::TestWithParam<int16_t> {};

TEST_P(SolverRulesTest, FreeFlagsFollowTheTilesGoneAndTheHeldTilesStayBlocked) {
    const Layout& layout = rulesOf(GetParam());
    const SolverRules rules(layout);
    std::mt19937 random(7);
    for (uint32_t deal = 1; deal <= 40; ++deal) {
        const Board start = freshDeal(GetParam(), deal);
        TileSet present;
        for (int16_t t = 0; t < start.tileCount(); ++t) present.insert(t);
        HeldTiles held;
        findHeldTiles(start, present, rules, held);
        Board board = start;
        std::vector<int16_t> gone;
        for (auto pairs = pairsNow(board, layout); !pairs.empty(); pairs = pairsNow(board, layout)) {
            const auto [a, b] = pairs[random() % pairs.size()];
            board.remove(a);
            board.remove(b);
            for (const int16_t k : {a, b}) {
                const Board before = board;
                layout.updateFree(board, k);
                for (int16_t t = 0; t < board.tileCount(); ++t)
                    if (board[t].free && !before[t].free) {
                        ASSERT_TRUE(rules.mayFree(k).contains(t)) << k << " freed " << t;
                    }
                gone.push_back(k);
            }
            // The same tiles taken one at a time in another order.
            std::vector<int16_t> order = gone;
            std::shuffle(order.begin(), order.end(), random);
            Board again = start;
            for (const int16_t k : order) rules.takeOne(again, k);
            for (int16_t t = 0; t < board.tileCount(); ++t) {
                if (!board[t].present()) continue;
                ASSERT_EQ(board[t].free, again[t].free) << "deal " << deal << " tile " << t;
                for (int16_t x = 0; x < board.tileCount(); ++x)
                    if (board[x].present() && held[static_cast<std::size_t>(x)].contains(t)) {
                        ASSERT_FALSE(board[t].free) << t << " free while " << x << " is there";
                    }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, SolverRulesTest, ::testing::Values(kDragon, kRivers, kPyramid));

TEST(RiversPathTest, TakingATileNeverClosesAPath) {
    std::mt19937 random(3);
    const Layout& layout = rulesOf(kRivers);
    int joinedSeen = 0;
    for (uint32_t deal = 1; deal <= 60; ++deal) {
        Board board = playRandomly(freshDeal(kRivers, deal), layout, random, static_cast<int>(random() % 70));
        for (int check = 0; check < 200; ++check) {
            const auto a = static_cast<int16_t>(random() % 84), b = static_cast<int16_t>(random() % 84);
            const auto other = static_cast<int16_t>(random() % 84);
            if (!riversPathJoins(board, a, b) || other == a || other == b) continue;
            ++joinedSeen;
            Board emptier = board;
            emptier.remove(other);
            ASSERT_TRUE(riversPathJoins(emptier, a, b)) << a << "-" << b << " closed by taking " << other;
        }
    }
    EXPECT_GT(joinedSeen, 1000);
}

// The search never looks twice at a position proved lost; a position that differs from it in
// one tile, on any layer, or in one pairing still allowed, is another and is searched.
TEST(LostPositionsTest, OneTileOrOnePairingMakesAnotherPosition) {
    TileSet all;
    for (int16_t t = 0; t < kMaxTiles; ++t) all.insert(t);
    std::array<uint8_t, kMaxGroups> open{};
    open.fill(0b111);
    LostPositions lost;
    lost.insert(LostPositions::keyOf(all, open));
    ASSERT_TRUE(lost.contains(LostPositions::keyOf(all, open)));
    for (int16_t t = 0; t < kMaxTiles; ++t) {
        TileSet fewer = all;
        fewer.erase(t);
        EXPECT_FALSE(lost.contains(LostPositions::keyOf(fewer, open))) << "without tile " << t;
    }
    for (std::size_t g = 0; g < kMaxGroups; ++g) {
        std::array<uint8_t, kMaxGroups> narrowed = open;
        narrowed[g] = 0b011;
        EXPECT_FALSE(lost.contains(LostPositions::keyOf(all, narrowed))) << "group " << g;
    }
}

}  // namespace
}  // namespace varnel::testing
