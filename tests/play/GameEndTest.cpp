#include "tests/play/PlayFixture.h"

// The end of a game: the winning blink and its question, and a game with tiles left but no pair.
namespace varnel::testing {
namespace {

using GameEnd = PlayTest;

// "Tiles Left:" blinks twice before the question, while the board waits. A new game or an undo
// chosen during the blink ends it, and that board is not won.
TEST_F(GameEnd, LastPairBlinksTheCaptionTwiceThenAsks) {
    for (const auto command : {&Game::newGame, &Game::undo}) {
        twoPairs();
        clickTiles({2, 13, 14, 21});
        view.timerRunning = false;
        game.timerTick();
        ASSERT_FALSE(view.captionVisible);
        (game.*command)();
        view.runTimer(game);
        EXPECT_TRUE(view.questions.empty());
        EXPECT_TRUE(view.captionVisible);
        EXPECT_TRUE(view.available.board);
    }
    ASSERT_EQ(game.board().tilesLeft(), 2) << "the undo put the last pair back";

    view.answers = {true};
    game.clickTile(14);
    forgetEvents();
    game.clickTile(21);
    EXPECT_FALSE(view.available.board);
    view.runTimer(game);
    const std::vector<std::string> blink = {
        "redraw",         "timer 0.5", "caption hidden", "timer 0.5", "caption shown", "timer 0.5",
        "caption hidden", "timer 0.5", "caption shown",  "ask: " + kWonQuestion.second};
    view.events.resize(blink.size());  // the new deal's own events follow
    EXPECT_EQ(view.events, blink);
    EXPECT_EQ(view.questions, (std::vector{kWonQuestion}));
    // Yes: a new deal in the same layout (only Dragon has 144 tiles).
    EXPECT_EQ(view.tilesLeft, 144);
    EXPECT_EQ(view.count("exit"), 0);
}

// Dragon shows the panel, which closes the board and every command but its own buttons (Undo
// too, on after the pair before); a shuffle of its own that opens a pair plays on, without undo
// across it. The dead end lasts until a shuffle deals the two free tiles equal faces.
TEST_F(GameEnd, StuckDragonShowsThePanelUntilAShuffleOpensAPair) {
    twoPairsFromStuck();
    clickTiles({14, 21});
    ASSERT_TRUE(view.available.undo);
    clickTiles({2, 13});
    EXPECT_TRUE(view.matchPanelVisible);
    EXPECT_TRUE(view.questions.empty());
    EXPECT_EQ(view.available, Availability{});
    const int64_t played = game.playedMilliseconds();
    EXPECT_EQ(playedAt(now + 5000), played) << "the clock stands still under the panel";
    for (int tries = 0; tries < 50 && view.matchPanelVisible; ++tries) game.panelShuffle();
    EXPECT_FALSE(view.matchPanelVisible);
    EXPECT_EQ(view.available, (Availability{.hint = true, .shuffle = true, .board = true, .pause = true}));
    EXPECT_EQ(playedAt(now + 1000), played + 1000) << "and runs again once a pair is open";
}

// Pyramid and Rivers ask instead; No ends the program, Yes deals the layout anew.
TEST_F(GameEnd, StuckPyramidAndRiversAskToPlayAgain) {
    keepOnly(kPyramid, {{64, 5, true}, {9, 5, false}, {0, 7, true}, {7, 7, true}});
    clickTiles({0, 7});
    EXPECT_FALSE(view.matchPanelVisible);
    EXPECT_EQ(view.questions, (std::vector{kStuckQuestion}));
    EXPECT_EQ(view.tilesLeft, 2);
    EXPECT_EQ(view.count("exit"), 1);

    // Rivers tiles 0 and 83 are equal but boxed into their corners, three turns apart.
    keepOnly(kRivers, {{0, 5, true}, {83, 5, true}, {1, 1, true}, {14, 2, true}, {82, 3, true},
                       {69, 4, true}, {40, 9, true}, {41, 9, true}});
    view.answers = {true};
    clickTiles({40, 41});
    EXPECT_EQ(view.questions, (std::vector{kStuckQuestion, kStuckQuestion}));
    EXPECT_EQ(view.count("exit"), 0) << "no exit since the position was laid out";
    EXPECT_EQ(view.tilesLeft, 84) << "a new Rivers deal";
}

}  // namespace
}  // namespace varnel::testing
