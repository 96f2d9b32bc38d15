#include <gtest/gtest.h>

#include <tuple>

#include "record/Figures.h"

namespace varnel {
namespace {

constexpr int kDragon = 0, kRivers = 1, kPyramid = 2;
constexpr GameEnding W = GameEnding::Won, S = GameEnding::Stuck, A = GameEnding::Abandoned;

PlayedGame played(int layout, GameEnding ending, int seconds = 300, int hints = 0, int undos = 0,
                  int shuffles = 0, bool warn = false) {
    return {layout, 7u, 0, seconds, 10, ending, hints, undos, shuffles, false, warn};
}

TEST(Figures, StreaksRunOverWinsAndBreakOnStuckAndAbandonedGames) {
    // Rivers games in between belong to their own layout and break nothing.
    const std::vector<PlayedGame> games = {
        played(kDragon, W), played(kDragon, W), played(kRivers, S), played(kDragon, S),
        played(kDragon, W), played(kDragon, W), played(kRivers, A), played(kDragon, W),
        played(kRivers, W), played(kDragon, A)};
    const LayoutFigures dragon = figuresOf(games, kDragon);
    // Played, won, the longest streak and the current one.
    EXPECT_EQ(std::tuple(dragon.played, dragon.won, dragon.longestStreak, dragon.currentStreak),
              std::tuple(7, 5, 3, 0));
    const LayoutFigures rivers = figuresOf(games, kRivers);
    EXPECT_DOUBLE_EQ(*rivers.winRate(), 1 / 3.0);
    EXPECT_EQ(rivers.currentStreak, 1);
}

TEST(Figures, TimesComeFromUnassistedWinsOnly) {
    std::vector<PlayedGame> games = {played(kDragon, W, 300), played(kDragon, W, 100),
                                     played(kDragon, S, 10), played(kDragon, W, 201)};
    EXPECT_DOUBLE_EQ(*figuresOf(games, kDragon).medianSeconds, 201);
    games.push_back(played(kDragon, W, 401));
    EXPECT_DOUBLE_EQ(*figuresOf(games, kDragon).medianSeconds, 250.5);
    // Each kind of help takes a win out of the times, but not out of the wins and streaks;
    // the winnable-deals setting only chose the deal.
    for (const PlayedGame& helped :
         {played(kDragon, W, 50, 1), played(kDragon, W, 51, 0, 1), played(kDragon, W, 52, 0, 0, 1),
          played(kDragon, W, 53, 0, 0, 0, true)})
        games.push_back(helped);
    games.push_back(played(kDragon, W, 100));  // ties with the second, set later
    games.back().winnableDeals = true;
    games.back().deal.reset();
    const LayoutFigures figures = figuresOf(games, kDragon);
    // Won, the current streak, the best time and the median.
    EXPECT_EQ(std::tuple(figures.won, figures.currentStreak, *figures.bestSeconds,
                         *figures.medianSeconds),
              std::tuple(9, 7, 100, 201.0));

    const std::vector<PlayedGame> best = bestTimes(games, kDragon, 3);
    ASSERT_EQ(best.size(), 3u);
    EXPECT_EQ(best[0].deal, 7u);
    EXPECT_FALSE(best[1].deal);
    EXPECT_EQ(best[2].seconds, 201);

    // A layout not played has no times (its figures show as dashes in the statistics window).
    EXPECT_FALSE(figuresOf(games, kPyramid).medianSeconds);
    EXPECT_TRUE(lastTimes(games, kPyramid).empty() && bestTimes(games, kPyramid).empty());
}

TEST(Figures, LastTimesAreTheLayoutsLatestOldestFirst) {
    std::vector<PlayedGame> games;
    for (int i = 1; i <= 60; ++i) {
        games.push_back(played(kPyramid, i % 3 == 0 ? W : S, i));
        games.push_back(played(kDragon, W, 1000 + i));
    }
    const std::vector<TimePoint> last = lastTimes(games, kPyramid);
    ASSERT_EQ(last.size(), 50u);
    // The first and the last game's time, and whether each was won.
    EXPECT_EQ(std::tuple(last.front().seconds, last.front().won), std::tuple(11, false));
    EXPECT_EQ(std::tuple(last.back().seconds, last.back().won), std::tuple(60, true));
}

TEST(Figures, NewBestOnlyForAnUnassistedWinFasterThanAllBefore) {
    const std::vector<PlayedGame> earlier = {played(kDragon, W, 300), played(kDragon, S, 20),
                                             played(kDragon, W, 100, 1), played(kRivers, W, 50)};
    EXPECT_TRUE(isNewBest(earlier, played(kDragon, W, 299)));
    EXPECT_FALSE(isNewBest(earlier, played(kDragon, W, 300)));  // a tie is no new best
    EXPECT_FALSE(isNewBest(earlier, played(kDragon, S, 10)));
    EXPECT_FALSE(isNewBest(earlier, played(kDragon, W, 10, 0, 0, 0, true)));
    EXPECT_TRUE(isNewBest(earlier, played(kPyramid, W, 900)));  // its layout's first
}

}  // namespace
}  // namespace varnel
