#include "PlayFixture.h"

namespace varnel::testing {
namespace {

using GameEnd = PlayTest;

const std::pair<std::string, std::string> kWonQuestion{"Continue",
                                                       "You Won! Do you want to play again?"};
const std::pair<std::string, std::string> kStuckQuestion{
    "Continue", "0 Matching Tiles Remaining. Do you want to play again?"};

TEST_F(GameEnd, LastPairBlinksTheCaptionTwiceThenAsks) {
    Start(kDragon);
    KeepOnly({{2, 9, true}, {13, 9, true}});
    window.answers = {true};
    Click(2);
    window.events.clear();
    Click(13);
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

TEST_F(GameEnd, NewGameOrUndoDuringTheBlinkIsNotAWin) {
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
    EXPECT_EQ(state.TilesLeft, 2) << "the undo put the last pair back";
}

TEST_F(GameEnd, StuckDragonShowsThePanelAndClosesTheBoard) {
    Start(kDragon);
    // Tile 87 lies on its own twin: a classic dead end once the other pair is gone.
    KeepOnly({{87, 5, true}, {15, 5, false}, {2, 7, true}, {13, 7, true}});
    Click(2);
    Click(13);
    EXPECT_TRUE(window.matchPanelVisible);
    EXPECT_TRUE(window.questions.empty());
    EXPECT_FALSE(window.available.Board);
    EXPECT_FALSE(window.available.Undo);
    EXPECT_FALSE(window.available.Hint);
    EXPECT_FALSE(window.available.Shuffle);
}

TEST_F(GameEnd, PanelShuffleThatOpensAPairPlaysOn) {
    Start(kDragon);
    // Four tiles, two free: the shuffle is forced to deal them equal faces sooner or later.
    KeepOnly({{87, 5, true}, {15, 6, false}, {88, 6, true}, {16, 5, false}, {2, 7, true},
              {13, 7, true}});
    Click(2);
    Click(13);
    ASSERT_TRUE(window.matchPanelVisible);
    game.mnuShuffle_Click();
    EXPECT_TRUE(window.matchPanelVisible) << "only the panel's own Shuffle goes on";
    for (int tries = 0; tries < 50 && window.matchPanelVisible; ++tries)
        game.cmdMatchShuffle_Click();
    EXPECT_FALSE(window.matchPanelVisible);
    EXPECT_TRUE(window.available.Hint);
    EXPECT_TRUE(window.available.Shuffle);
    EXPECT_FALSE(window.available.Undo) << "no undo across a shuffle";
    EXPECT_TRUE(window.available.Board);
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

TEST_F(GameEnd, NewGameStartsCleanInEveryLayoutSetting) {
    Start(kDragon);
    Click(2);
    window.matchPanelVisible = true;
    state.CurrentLayout = kPyramid;
    game.NewGame();
    EXPECT_FALSE(state.TileSelected);
    EXPECT_FALSE(window.frameVisible);
    EXPECT_FALSE(window.matchPanelVisible);
    EXPECT_EQ(state.TileCount, 120);
    EXPECT_EQ(window.scoreCaption, " 120");
    EXPECT_EQ((std::array{window.messageTop, window.scoreTop, window.scoreLeft, window.testTop}),
              (std::array<int16_t, 4>{80, 104, 16, 200}));
    EXPECT_TRUE(window.available.Hint);
    EXPECT_TRUE(window.available.Shuffle);
    EXPECT_FALSE(window.available.Undo);
    EXPECT_TRUE(window.available.Board);
    EXPECT_FALSE(window.busy);
}

}  // namespace
}  // namespace varnel::testing
