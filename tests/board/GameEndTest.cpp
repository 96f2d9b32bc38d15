#include "PlayFixture.h"

namespace varnel::testing {
namespace {

using GameEnd = PlayTest;

// A new game or an undo chosen while "Tiles Left:" blinks ends the blink, and that board is not
// won; played out, the blink ends in the question.
TEST_F(GameEnd, LastPairBlinksTheCaptionTwiceThenAsks) {
    Start(kDragon);
    for (auto command : {&Game::mnuNewGame_Click, &Game::mnuUndo_Click}) {
        KeepOnly({{2, 9, true}, {13, 9, true}, {14, 8, true}, {21, 8, true}});
        Click(2);
        Click(13);
        Click(14);
        Click(21);
        window.timerRunning = false;
        game.TimerTick();  // "Tiles Left:" is hidden now
        ASSERT_FALSE(window.messageVisible);
        (game.*command)();
        window.RunTimer(game);
        EXPECT_TRUE(window.questions.empty());
        EXPECT_TRUE(window.messageVisible);
        EXPECT_TRUE(window.available.Board);
    }
    ASSERT_EQ(state.TilesLeft, 2) << "the undo put the last pair back";

    window.answers = {true};
    Click(14);
    window.events.clear();
    Click(21);
    EXPECT_FALSE(window.available.Board) << "the board waits while the caption blinks";
    window.RunTimer(game);
    const std::vector<std::string> blink = {"redraw",         "timer 0.5",    "message hidden",
                                            "timer 0.5",      "message shown", "timer 0.5",
                                            "message hidden", "timer 0.5",    "message shown",
                                            "ask: " + kWonQuestion.second};
    ASSERT_GE(window.events.size(), blink.size());
    EXPECT_EQ(std::vector<std::string>(window.events.begin(), window.events.begin() + blink.size()),
              blink);
    EXPECT_EQ(window.questions, (std::vector{kWonQuestion}));
    // Yes: a new deal in the same layout.
    EXPECT_EQ(state.TilesLeft, 144);
    EXPECT_EQ(window.scoreCaption, " 144");
    EXPECT_EQ(window.exits, 0);
}

// The panel closes the board and every command but its own buttons (the refused-command test
// tries them); a shuffle of its own that opens a pair plays on, without undo across it.
TEST_F(GameEnd, StuckDragonShowsThePanelUntilAShuffleOpensAPair) {
    Start(kDragon);
    // Tile 87 lies on its twin 15, 88 on 16: a dead end once the other pair is gone, until a
    // shuffle deals the two free tiles equal faces.
    KeepOnly({{87, 5, true}, {15, 6, false}, {88, 6, true}, {16, 5, false}, {2, 7, true},
              {13, 7, true}});
    Click(2);
    Click(13);
    EXPECT_TRUE(window.matchPanelVisible);
    EXPECT_TRUE(window.questions.empty());
    EXPECT_EQ(window.available, Availability{}) << "no board, undo, hint or shuffle";
    for (int tries = 0; tries < 50 && window.matchPanelVisible; ++tries)
        game.cmdMatchShuffle_Click();
    EXPECT_FALSE(window.matchPanelVisible);
    EXPECT_EQ(window.available, (Availability{.Hint = true, .Shuffle = true, .Board = true}))
        << "no undo across a shuffle";
}

// No to playing again ends the program.
TEST_F(GameEnd, StuckPyramidAsksInsteadOfShowingThePanel) {
    Start(kPyramid);
    KeepOnly({{64, 5, true}, {9, 5, false}, {0, 7, true}, {7, 7, true}});
    window.answers = {false};
    Click(0);
    Click(7);
    EXPECT_FALSE(window.matchPanelVisible);
    EXPECT_EQ(window.questions, (std::vector{kStuckQuestion}));
    EXPECT_EQ(window.scoreCaption, " 2");
    EXPECT_EQ(window.exits, 1);
}

// Choosing a layout deals it afresh: no selection, frame or panel left over, its tile count
// shown, the labels in its places, Shuffle offered only where it may be used, the choice kept.
TEST_F(GameEnd, ChoosingALayoutStartsItClean) {
    const struct {
        int16_t layout;
        const char *tiles, *setting;
        std::array<int16_t, 4> labels;  // message top, score top, score left, test top
        bool shuffle;
    } layouts[] = {{kPyramid, " 120", " 2", {80, 104, 16, 200}, true},
                   {kRivers, " 84", " 1", {15, 15, 75, 370}, false},
                   {kDragon, " 144", " 0", {80, 104, 16, 200}, true}};
    Start(kDragon);
    for (const auto& c : layouts) {
        SCOPED_TRACE(c.setting);
        game.MoveCursor(CursorDirection::Left);
        game.PressAtCursor();
        ASSERT_TRUE(state.TileSelected);
        window.matchPanelVisible = true;
        game.mnuLayout_Click(c.layout);
        EXPECT_FALSE(state.TileSelected);
        EXPECT_FALSE(window.frameVisible);
        EXPECT_FALSE(window.matchPanelVisible);
        EXPECT_EQ(window.scoreCaption, c.tiles);
        EXPECT_EQ(
            (std::array{window.messageTop, window.scoreTop, window.scoreLeft, window.testTop}),
            c.labels);
        EXPECT_EQ(window.available,
                  (Availability{.Hint = true, .Shuffle = c.shuffle, .Board = true}));
        EXPECT_EQ(window.settings["Layout"], c.setting);
        EXPECT_FALSE(window.busy);
    }
}

}  // namespace
}  // namespace varnel::testing
