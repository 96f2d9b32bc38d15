#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "layouts/RiversGrid.h"
#include "tests/solver/SolverTestSupport.h"
#include "tests/support/BoardBuilder.h"
#include "tests/support/RecordingView.h"

// What the player meets: a winning line the game itself accepts click by click, and boards that
// can never be cleared. The pair that turns a winnable game into a lost one is found, and told,
// in the game's own test of the solver's help.
namespace varnel::testing {
namespace {

class WinningLineTest : public ::testing::TestWithParam<int16_t> {};

TEST_P(WinningLineTest, TheGameTakesEveryPairOfTheLineAndIsWon) {
    int won = 0;
    for (uint32_t deal = 1; deal <= 12; ++deal) {
        const Board board = freshDeal(GetParam(), deal);
        const SolveResult result = solve(board, rulesOf(GetParam()));
        ASSERT_NE(result.verdict, Verdict::Unknown);
        if (result.verdict != Verdict::Winnable) continue;
        ++won;
        RecordingView view;
        Game game(view);
        ASSERT_TRUE(game.takeUpPosition(GetParam(), board));
        // Every click is taken: a pair refused would leave its tiles on the board.
        for (const auto& [a, b] : result.moves) {
            game.clickTile(a);
            game.clickTile(b);
        }
        EXPECT_EQ(game.board().tilesLeft(), 0) << "deal " << deal;
    }
    EXPECT_GE(won, 10);
}

INSTANTIATE_TEST_SUITE_P(Layouts, WinningLineTest, ::testing::Values(kDragon, kRivers, kPyramid));

TEST(TrapTest, ThreeTilesOfAFaceInOneStackLoseTheDeal) {
    // Dragon: 127 lies on 100, which lies on 36. Pyramid: 105 lies on 78, which lies on 27.
    // The middle tile can only go with the bottom one, which waits for it.
    const std::pair<int16_t, std::array<int16_t, 3>> stacks[] = {{kDragon, {127, 100, 36}},
                                                                 {kPyramid, {105, 78, 27}}};
    for (const auto& [layout, stack] : stacks) {
        for (uint32_t deal = 1; deal <= 5; ++deal) {
            Board board = freshDeal(layout, deal);
            // The top tile's face goes on the two beneath, their faces where it was.
            const int8_t face = board[stack[0]].face;
            int16_t other = 0;
            for (const int16_t beneath : {stack[1], stack[2]}) {
                while (board[other].face != face || std::ranges::count(stack, other)) ++other;
                board.setFace(other, board[beneath].face);
                board.setFace(beneath, face);
            }
            EXPECT_EQ(solve(board, rulesOf(layout)).verdict, Verdict::NotWinnable)
                << layout << " deal " << deal;
        }
    }
}

TEST(TrapTest, RiversPairsCrossedInASquareLockEachOther) {
    // Two faces on the corners of a 2 x 2 square, alike on the diagonals, and nothing else left:
    // each pair needs a path of three turns round the other.
    const Layout& layout = rulesOf(kRivers);
    const Board board = BoardBuilder(layout).keepOnly(
        {{riversIndex(2, 5), 0, true}, {riversIndex(2, 6), 1, true},    // the upper row
         {riversIndex(3, 5), 1, true}, {riversIndex(3, 6), 0, true}});  // the lower row
    EXPECT_EQ(solve(board, layout).verdict, Verdict::NotWinnable);
    EXPECT_FALSE(ExhaustiveSearch(layout).winnable(board));
}

TEST(TrapTest, BoardsThatCannotBeDealtInPairs) {
    Board board = freshDeal(kPyramid, 1);
    board.remove(0);  // one tile of its face is left over, however play goes
    EXPECT_EQ(solve(board, rulesOf(kPyramid)).verdict, Verdict::NotWinnable);
    // The tiles of face 1 turned into face 0: eight of one face is beyond the solver.
    Board crowded = freshDeal(kPyramid, 1);
    for (int16_t t = 0; t < crowded.tileCount(); ++t)
        if (crowded[t].face == 1) crowded.setFace(t, 0);
    EXPECT_EQ(solve(crowded, rulesOf(kPyramid)).verdict, Verdict::Unknown);
    EXPECT_EQ(solve(Board(10), rulesOf(kPyramid)).verdict, Verdict::Unknown);
}

}  // namespace
}  // namespace varnel::testing
