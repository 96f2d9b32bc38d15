#include <functional>

#include "PlayFixture.h"

namespace varnel::testing {
namespace {

using Hint = PlayTest;

// Remaining counts every pair, four free tiles of a face making six; the hint shows one pair.
TEST_F(Hint, FlashesTheHighestPairWithItsLowestPartner) {
    Start(kDragon);
    KeepOnly({{1, 1, true}, {3, 1, true}, {5, 1, true}, {7, 1, true}, {10, 2, true},
              {20, 2, true}, {30, 2, false}, {12, 3, true}, {40, 3, false}});
    Click(3);
    game.mnuRemain_Click();
    EXPECT_EQ(window.messages, (std::vector<std::string>{"7 Matches Remain"}));
    window.framesShown.clear();
    game.mnuHint_Click();
    EXPECT_TRUE(window.frameVisible);
    EXPECT_FALSE(window.available.Board) << "the board waits while the hint shows";
    EXPECT_TRUE(window.available.Hint && window.available.Shuffle) << "the menus do not";
    window.RunTimer(game);

    EXPECT_EQ(window.framesShown, (std::vector{HintFrame(10), HintFrame(20)}));
    EXPECT_EQ(window.timers, (std::vector<float>{1.2f, 1.2f}));
    EXPECT_FALSE(window.frameVisible);
    EXPECT_FALSE(state.TileSelected) << "a shown hint drops the pending selection";
    EXPECT_TRUE(window.available.Board);

    // A shuffle ends a hint at once: its frames would point at faces that have moved.
    game.mnuHint_Click();
    game.mnuShuffle_Click();
    EXPECT_FALSE(game.SequenceRunning());
    EXPECT_FALSE(window.frameVisible);
    EXPECT_TRUE(window.available.Board);
}

// A command called when it is not available changes nothing at all, whatever calls it: a
// shortcut, a stale menu, another front end.
TEST_F(PlayTest, CommandsInTheWrongStateAreRefused) {
    using Step = std::function<void()>;
    const Step undo = [this] { game.mnuUndo_Click(); };
    const Step shuffle = [this] { game.mnuShuffle_Click(); };
    const Step hint = [this] { game.mnuHint_Click(); };
    // Two free pairs, the first taken: Undo was on.
    const Step onePairTaken = [this] {
        KeepOnly({{2, 4, true}, {14, 4, true}, {13, 6, true}, {21, 6, true}});
        Click(2);
        Click(14);
    };
    const Step restore = [this] {
        std::vector<SavedTile> saved(144, SavedTile{kFalse, kNoFace});
        saved[13] = saved[21] = SavedTile{kTrue, 6};
        ASSERT_TRUE(game.RestoreGame(kDragon, 2, saved));
    };
    const Step stuck = [this] {
        KeepOnly({{87, 5, true}, {15, 5, false}, {2, 7, true}, {13, 7, true}});
        Click(2);
        Click(13);
    };
    const struct {
        const char* name;
        int16_t layout;
        std::vector<Step> arrange;
        Step command;
    } cases[] = {
        {"undo right after a new game", kDragon, {}, undo},
        {"undo after a shuffle", kDragon, {onePairTaken, shuffle}, undo},
        {"undo of the game put away by a restore", kDragon, {onePairTaken, restore}, undo},
        {"shuffle in Rivers", kRivers, {}, shuffle},
        {"shuffle on a stuck board", kDragon, {stuck}, shuffle},
        {"a click while the hint shows", kDragon, {hint}, [this] { Click(2); }},
        {"Space while the hint shows", kDragon,
         {[this] { game.MoveCursor(CursorDirection::Left); }, hint},
         [this] { game.PressAtCursor(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Start(c.layout);
        for (const Step& step : c.arrange) step();
        const GameState before = state;
        const RecordingWindow shown = window;
        c.command();
        EXPECT_EQ(state.Tiles, before.Tiles);
        EXPECT_EQ(state.TilesLeft, before.TilesLeft);
        EXPECT_EQ(state.TileSelected, before.TileSelected);
        EXPECT_EQ(window.events, shown.events);
        EXPECT_EQ(window.available, shown.available);
        EXPECT_EQ(window.frameVisible, shown.frameVisible);
        EXPECT_EQ(window.scoreCaption, shown.scoreCaption);
        EXPECT_EQ(window.exits, 0);
        // Once a hint is over, no tile is selected behind its back.
        window.RunTimer(game);
        EXPECT_EQ(state.TileSelected, window.frameVisible);
    }
}

}  // namespace
}  // namespace varnel::testing
