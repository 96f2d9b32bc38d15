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
    struct Case {
        const char* name;
        int16_t layout;
        std::function<void(PlayTest&)> arrange;
        std::function<void(PlayTest&)> command;
    };
    auto click = [](int16_t tile) { return [tile](PlayTest& t) { t.Click(tile); }; };
    auto call = [](void (Game::*command)()) {
        return [command](PlayTest& t) { (t.game.*command)(); };
    };
    const auto undo = call(&Game::mnuUndo_Click), shuffle = call(&Game::mnuShuffle_Click);
    auto stuck = [](PlayTest& t) {
        t.KeepOnly({{87, 5, true}, {15, 5, false}, {2, 7, true}, {13, 7, true}});
        t.Click(2);
        t.Click(13);
    };
    const auto hinting = call(&Game::mnuHint_Click);
    const Case cases[] = {
        {"undo right after a new game", kDragon, nullptr, undo},
        {"undo after a shuffle", kDragon,
         [](PlayTest& t) {
             t.TakeOnePairOfTwo();
             t.game.mnuShuffle_Click();
         },
         undo},
        {"undo of the game put away by a restore", kDragon,
         [](PlayTest& t) {
             t.TakeOnePairOfTwo();
             std::vector<SavedTile> saved(144, SavedTile{kFalse, kNoFace});
             saved[13] = saved[21] = SavedTile{kTrue, 6};
             ASSERT_TRUE(t.game.RestoreGame(kDragon, 2, saved));
         },
         undo},
        {"shuffle in Rivers", kRivers, nullptr, shuffle},
        {"hint on a stuck board", kDragon, stuck, hinting},
        {"shuffle on a stuck board", kDragon, stuck, shuffle},
        {"a click on a stuck board", kDragon, stuck, click(87)},
        {"a click while the hint shows", kDragon, hinting, click(2)},
        {"Space while the hint shows", kDragon,
         [](PlayTest& t) {
             t.game.MoveCursor(CursorDirection::Left);
             t.game.mnuHint_Click();
         },
         call(&Game::PressAtCursor)},
        {"a saved game that is not one of its layout", kDragon, nullptr,
         [](PlayTest& t) {
             const std::vector<SavedTile> rivers(84, SavedTile{kTrue, 3});
             EXPECT_FALSE(t.game.RestoreGame(kDragon, 84, rivers));
             EXPECT_FALSE(t.game.RestoreGame(3, 84, rivers));
         }},
        {"a panel button with no panel", kDragon, nullptr,
         [](PlayTest& t) {
             t.game.cmdMatchShuffle_Click();
             t.game.cmdMatchNew_Click();
             t.game.cmdMatchQuit_Click();
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Start(c.layout);
        if (c.arrange) c.arrange(*this);
        const GameState before = state;
        const RecordingWindow shown = window;
        c.command(*this);
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
