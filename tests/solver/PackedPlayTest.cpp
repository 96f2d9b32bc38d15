#include <gtest/gtest.h>

#include <random>

#include "solver/FaceGroups.h"
#include "solver/OptimisticPlay.h"
#include "solver/PackedPlay.h"
#include "solver/SolverRules.h"
#include "tests/solver/SolverTestSupport.h"

// The looser game on bits against the same game played tile by tile: the same answer, the same
// tiles stuck, and pairings seen that replay, on positions of random plays (some with flags set
// by hand) with random pairings ruled out.
namespace varnel::testing {
namespace {

class PackedPlayTest : public ::testing::TestWithParam<int16_t> {};

TEST_P(PackedPlayTest, AgreesWithThePlayTileByTile) {
    const Layout& layout = rulesOf(GetParam());
    const SolverRules rules(layout);
    ASSERT_TRUE(PackedPlay::suits(rules));
    std::mt19937 random(23);
    int lost = 0, won = 0;
    for (uint32_t deal = 1; deal <= 60; ++deal) {
        const Board start = freshDeal(GetParam(), deal);
        FaceGroups groups;
        ASSERT_EQ(FaceGroups::gather(start, groups), FaceGroups::Shape::Pairs);
        const PackedPlay packed(groups, rules, presentTiles(start));
        Board board =
            playRandomly(start, layout, random, static_cast<int>(random() % start.tileCount()));
        // Every third position set up by hand, with flags no game could leave: a blocked tile
        // marked free, or a free one marked blocked.
        if (deal % 3 == 0) {
            for (int flips = 0; flips < 3; ++flips) {
                const auto tile = static_cast<int16_t>(random() % board.tileCount());
                if (board[tile].present()) board.setFree(tile, !board[tile].free);
            }
        }
        const TileSet present = presentTiles(board);
        const PackedPlay::Start from = packed.start(board, present);
        for (int trial = 0; trial < 20; ++trial) {
            std::array<uint8_t, kMaxGroups> allowed{};
            for (int g = 0; g < groups.count(); ++g) {
                const uint8_t all3 = groups.allPairings(g);
                // Mostly open, sometimes narrowed to one or two pairings.
                uint8_t mask =
                    random() % 3 ? all3 : static_cast<uint8_t>(all3 & (1u + random() % 7));
                allowed[static_cast<std::size_t>(g)] = mask ? mask : all3;
            }
            OptimisticTrace byBits, byTiles;
            const bool clearsByBits = packed.clears(from, allowed, byBits);
            ASSERT_EQ(clearsByBits,
                      optimisticallyClears(board, present, groups, allowed, rules, byTiles))
                << "deal " << deal << " trial " << trial;
            EXPECT_EQ(byBits.stuck, byTiles.stuck);
            EXPECT_EQ(byBits.stuckFree, byTiles.stuckFree);
            ++(clearsByBits ? won : lost);
            if (!clearsByBits) continue;
            // Each tile saw only pairings whose partner was free or gone by then: every tile
            // holding on to one of them, the same play clears under those alone.
            std::array<uint8_t, kMaxGroups> seenOnly{};
            for (int g = 0; g < groups.count(); ++g) {
                uint8_t common = allowed[static_cast<std::size_t>(g)];
                for (int s = 0; s < groups[g].size; ++s) {
                    const int16_t tile = groups[g].tiles[static_cast<std::size_t>(s)];
                    if (present.contains(tile))
                        common &= byBits.pairingsSeen[static_cast<std::size_t>(tile)];
                }
                seenOnly[static_cast<std::size_t>(g)] =
                    common ? common : allowed[static_cast<std::size_t>(g)];
            }
            OptimisticTrace again;
            EXPECT_TRUE(optimisticallyClears(board, present, groups, seenOnly, rules, again));
        }
    }
    EXPECT_GT(lost, 30);
    EXPECT_GT(won, 50);
}

INSTANTIATE_TEST_SUITE_P(StackedLayouts, PackedPlayTest, ::testing::Values(kDragon, kPyramid));

}  // namespace
}  // namespace varnel::testing
