#include <functional>
#include <tuple>
#include <vector>

#include "tests/play/PlayFixture.h"

// Hint, the count of pairs that remain, and commands chosen when they may not be used.
namespace varnel::testing {
namespace {

using Hint = PlayTest;
using Frames = std::vector<RecordingView::Frame>;

// Remaining counts every pair, four free tiles of a face making six; the hint shows one pair,
// the one with the highest first tile, and drops a pending selection. The board waits while it
// flashes, the menus do not; a shuffle ends it at once, its frames would point at moved faces.
TEST_F(Hint, FlashesTheHighestPairAndRemainingCountsThemAll) {
    keepOnly(kDragon, {{1, 1, true}, {3, 1, true}, {5, 1, true}, {7, 1, true}, {10, 2, true},
                       {20, 2, true}, {30, 2, false}, {12, 3, true}, {40, 3, false}});
    game.clickTile(3);
    game.showRemaining();
    EXPECT_EQ(view.messages, (std::vector<std::string>{"7 Matches Remain"}));
    game.hint();
    EXPECT_EQ(view.frame, RecordingView::hintAt(10));
    EXPECT_FALSE(view.available.board);
    EXPECT_TRUE(view.available.hint && view.available.shuffle);
    view.runTimer(game);
    EXPECT_EQ(view.framesShown, (Frames{RecordingView::selection(3), RecordingView::hintAt(10),
                                        RecordingView::hintAt(20)}));
    EXPECT_EQ(view.timers, (std::vector<float>{1.2f, 1.2f}));
    EXPECT_TRUE(nothingSelected());
    EXPECT_TRUE(view.available.board);

    game.hint();
    game.shuffle();
    EXPECT_FALSE(game.sequenceRunning());
    EXPECT_EQ(view.frame, std::nullopt);
    EXPECT_TRUE(view.available.board);
}

// The pairs at the edges of the search, shown by Hint and counted by Remaining: the only pair
// holds tile 0, or the last two tiles; the highest first tile with two partners (Rivers, where
// 33 is boxed in by 32, 34 and 47 and so joins only 19, above it) flashes the lower one second.
TEST_F(Hint, ShowsAPairWithTheFirstTileAndTheLowerOfTwoPartners) {
    const struct {
        int16_t layout, first, second;
        const char* remaining;
        std::vector<PlacedTile> tiles;
    } cases[] = {
        {kDragon, 0, 2, "1 Matches Remain",
         {{0, 3, true}, {2, 3, true}, {13, 5, true}, {87, 5, false}}},
        {kRivers, 19, 22, "2 Matches Remain",
         {{19, 8, true}, {22, 8, true}, {33, 8, true}, {32, 1, true}, {34, 2, true}, {47, 3, true}}},
        {kRivers, 82, 83, "1 Matches Remain",
         {{82, 4, true}, {83, 4, true}, {0, 6, true}, {14, 7, true}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first);
        setUp(c.layout, BoardBuilder(rulesOf(c.layout)).keepOnly(c.tiles));
        view.framesShown.clear();
        game.hint();
        view.runTimer(game);
        EXPECT_EQ(view.framesShown,
                  (Frames{RecordingView::hintAt(c.first), RecordingView::hintAt(c.second)}));
        view.messages.clear();
        game.showRemaining();
        EXPECT_EQ(view.messages, std::vector<std::string>{c.remaining});
    }
}

// A command chosen when it may not be used changes nothing at all, whatever calls it: a
// shortcut, a stale menu, another front end. Above all no undo reaches back past a new board:
// it would lay the tiles of the game before on it.
TEST_F(PlayTest, CommandsInTheWrongStateAreRefused) {
    using Step = std::function<void()>;
    // Two free pairs, the first taken: Undo was on.
    const Step onePairTaken = [this] {
        keepOnly(kDragon, {{2, 4, true}, {14, 4, true}, {13, 6, true}, {21, 6, true}});
        clickTiles({2, 14});
        ASSERT_TRUE(view.available.undo);
    };
    const Step restore = [this] {
        ASSERT_TRUE(game.restoreGame(
            kDragon, BoardBuilder(rulesOf(kDragon)).keepOnly({{13, 6, true}, {21, 6, true}})));
    };
    const struct {
        const char* name;
        std::vector<Step> arrange;
        void (Game::*command)();
    } cases[] = {
        {"undo after New Game", {onePairTaken, [this] { game.newGame(); }}, &Game::undo},
        {"undo after a shuffle", {onePairTaken, [this] { game.shuffle(); }}, &Game::undo},
        {"undo of the game put away by a restore", {onePairTaken, restore}, &Game::undo},
        {"shuffle on a stuck board",
         {[this] { twoPairsFromStuck(); }, [this] { clickTiles({14, 21, 2, 13}); }},
         &Game::shuffle},
        {"Space while the hint shows",
         {[this] { game.moveCursor(CursorDirection::Left); }, [this] { game.hint(); }},
         &Game::pressAtCursor},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        start(kDragon);
        for (const Step& step : c.arrange) step();
        auto state = [this] {
            return std::tuple(game.board(), game.layout(), game.selectedTile(), view.events,
                              view.available, view.frame, view.tilesLeft);
        };
        const auto before = state();
        (game.*c.command)();
        EXPECT_TRUE(state() == before);
        // Once a hint is over, no tile is selected behind its back.
        view.runTimer(game);
        EXPECT_EQ(game.selectedTile().has_value(), view.frame.has_value());
    }
}

}  // namespace
}  // namespace varnel::testing
