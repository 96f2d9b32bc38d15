#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "solver/FaceGroups.h"
#include "solver/MoveSearch.h"
#include "solver/PairingSearch.h"
#include "solver/SearchLimits.h"
#include "solver/SolverRules.h"
#include "tests/solver/SolverTestSupport.h"

// The solver against the plain search over every order of play, on boards small enough for it:
// corners of the real layouts, all layers kept, with few faces dealt onto them; and the last
// tiles of real deals played at random.
namespace varnel::testing {
namespace {

// The tiles of the layout that lie near a random one, on every layer, with the rest taken as if
// played, and a few faces dealt onto what is left.
Board smallBoard(int16_t layoutNumber, std::mt19937& random) {
    const Layout& layout = rulesOf(layoutNumber);
    const TilePlaces places = layout.places({44, 55, 1, 800});
    for (;;) {
        const std::size_t centre = random() % static_cast<std::size_t>(layout.tileCount());
        const int reachX = 40 + static_cast<int>(random() % 80),
                  reachY = 40 + static_cast<int>(random() % 60);
        std::vector<int16_t> kept;
        for (int16_t t = 0; t < layout.tileCount(); ++t) {
            const TilePlace& p = places[static_cast<std::size_t>(t)];
            if (std::abs(p.x - places[centre].x) <= reachX &&
                std::abs(p.y - places[centre].y) <= reachY)
                kept.push_back(t);
        }
        if (kept.size() % 2) kept.pop_back();
        if (kept.size() < 8 || kept.size() > 18) continue;
        Board board = freshDeal(layoutNumber, random());
        for (int16_t t = 0; t < layout.tileCount(); ++t) {
            if (std::find(kept.begin(), kept.end(), t) != kept.end()) continue;
            board.remove(t);
            layout.updateFree(board, t);
        }
        std::shuffle(kept.begin(), kept.end(), random);
        for (std::size_t i = 0; i < kept.size(); ++i)
            board.setFace(kept[i], static_cast<int8_t>(i / 4));
        return board;
    }
}

// solve() lets one search answer where it can; each of the two is also asked on its own, so
// that neither hides behind the other.
void expectSolverAgrees(const Board& board, int16_t layoutNumber, int& won, int& lost) {
    const Layout& layout = rulesOf(layoutNumber);
    const bool winnable = ExhaustiveSearch(layout).winnable(board);
    ++(winnable ? won : lost);
    const auto expectAnswer = [&](Verdict verdict, const std::vector<TilePair>& moves,
                                  const char* by) {
        EXPECT_EQ(verdict, winnable ? Verdict::Winnable : Verdict::NotWinnable) << by;
        EXPECT_TRUE(!winnable || replayClears(board, layout, moves)) << by;
    };
    const SolveResult result = solve(board, layout);
    expectAnswer(result.verdict, result.moves, "by solve()");
    const SolverRules rules(layout);
    FaceGroups groups;
    ASSERT_EQ(FaceGroups::gather(board, groups), FaceGroups::Shape::Pairs);
    std::vector<TilePair> moves;
    SearchLimits pairingLimits(SolveBudget{}), moveLimits(SolveBudget{});
    expectAnswer(PairingSearch(board, rules, groups, pairingLimits).run(moves), moves,
                 "by pairings");
    expectAnswer(MoveSearch(board, rules, moveLimits).run(UINT64_MAX, moves), moves, "by moves");
}

class ExhaustiveTest : public ::testing::TestWithParam<int16_t> {};

TEST_P(ExhaustiveTest, SmallCornersOfTheLayout) {
    std::mt19937 random(11);
    int won = 0, lost = 0;
    for (int n = 0; n < 300; ++n)
        expectSolverAgrees(smallBoard(GetParam(), random), GetParam(), won, lost);
    // Both answers must be met for the comparison to mean anything; a corner of Rivers, open
    // all round, can always be cleared (its locks are the trap tests').
    EXPECT_GT(won, 20);
    EXPECT_TRUE(GetParam() == kRivers || lost > 20) << lost << " lost";
}

TEST_P(ExhaustiveTest, LastTilesOfRandomPlay) {
    // Random play alone seldom gets far in Dragon: a winning line leads the way to the last
    // two dozen tiles, and random pairs go from there.
    std::mt19937 random(5);
    const Layout& layout = rulesOf(GetParam());
    int won = 0, lost = 0;
    for (uint32_t deal = 1; deal <= 100; ++deal) {
        Board board = freshDeal(GetParam(), deal);
        for (const auto& [a, b] : solve(board, layout).moves) {
            if (board.tilesLeft() <= 24) break;
            layout.takePair(board, a, b);
        }
        // Then random pairs down to 16 tiles, or to a dead end.
        for (auto pairs = removablePairs(board, layout); board.tilesLeft() > 16 && !pairs.empty();
             pairs = removablePairs(board, layout)) {
            const auto& [a, b] = pairs[random() % pairs.size()];
            layout.takePair(board, a, b);
        }
        if (board.tilesLeft() > 24) continue;  // stuck early: too big for the plain search
        expectSolverAgrees(board, GetParam(), won, lost);
    }
    EXPECT_GT(won, 0);
    EXPECT_GT(won + lost, 40);
}

INSTANTIATE_TEST_SUITE_P(Layouts, ExhaustiveTest, ::testing::Values(kDragon, kRivers, kPyramid));

}  // namespace
}  // namespace varnel::testing
