#include "tests/play/PlayFixture.h"

// The game's clock, the pause, and what goes into the record of games when a game ends.
namespace varnel::testing {
namespace {

using ClockAndRecord = PlayTest;

TEST_F(ClockAndRecord, TheClockRunsFromTheFirstTileChosenAndStandsStillWhileHeld) {
    twoPairs();
    game.clickTile(99);  // a miss does not start it
    EXPECT_EQ(playedAt(6000), 0) << "nothing chosen yet";
    game.clickTile(2);
    EXPECT_EQ(playedAt(9000), 3000);
    // Minimised, then a message box: held until both let go.
    game.holdClock(GameClock::Hold::Minimised, true);
    game.holdClock(GameClock::Hold::Dialog, true);
    now = 20000;
    game.holdClock(GameClock::Hold::Minimised, false);
    EXPECT_EQ(playedAt(25000), 3000);
    game.holdClock(GameClock::Hold::Dialog, false);
    EXPECT_EQ(playedAt(26000), 4000);
    // Paused: the board hidden, the clock still; a click takes the game up again, chooses nothing.
    game.togglePause();
    EXPECT_TRUE(view.paused);
    now = 40000;
    game.clickTile(13);
    EXPECT_FALSE(view.paused);
    ASSERT_TRUE(present(13)) << "the click only ended the pause";
    EXPECT_EQ(game.playedMilliseconds(), 4000);
    // A new deal starts its own clock, held still while the window stays minimised.
    game.holdClock(GameClock::Hold::Minimised, true);
    game.newGame();
    EXPECT_EQ(game.playedMilliseconds(), 0);
    game.clickTile(game.board().tileCount() - 1);
    EXPECT_EQ(playedAt(95000), 0);
    game.holdClock(GameClock::Hold::Minimised, false);
    EXPECT_EQ(playedAt(96000), 1000);
}

TEST_F(ClockAndRecord, NothingIsPlayedWhilePaused) {
    twoPairs();
    clickTiles({2, 13});
    game.togglePause();
    EXPECT_EQ(view.available, (Availability{.board = true, .pause = true}))
        << "a click or Pause takes it up again, nothing else is offered";
    game.undo();
    game.hint();
    game.shuffle();
    game.moveCursor(CursorDirection::Left);
    EXPECT_FALSE(present(2)) << "no undo while paused";
    EXPECT_TRUE(view.framesShown.empty() || !view.frame) << "no hint while paused";
    EXPECT_EQ(view.cursor, std::nullopt);
    game.pressAtCursor();  // Space takes it up again
    EXPECT_FALSE(game.paused());
    EXPECT_TRUE(view.available.undo);
}

// A game goes into the record once, when it ends: won at its question, stuck or abandoned when it
// is left for another deal, a restored game or the end of the program. A deal left without a
// pair taken is not a game played. A stuck or won game cannot be paused.
TEST_F(ClockAndRecord, EachGameIsRecordedOnceWhenItEnds) {
    game.newGameIn(kPyramid);
    game.newGame();
    EXPECT_TRUE(view.records.empty()) << "no pair was taken";

    twoPairs();
    game.clickTile(2);
    now += 61000;
    game.clickTile(13);
    game.shuffle();
    game.chooseLayout(kRivers);
    ASSERT_EQ(view.records.size(), 1u);
    const FinishedGame& left = view.records[0];
    EXPECT_EQ(std::tuple(left.ending, left.layout, left.pairsTaken, left.shuffles),
              std::tuple(FinishedGame::Ending::Abandoned, kDragon, 1, 1));
    EXPECT_EQ(left.playedMilliseconds, 61000);

    twoPairsFromStuck();
    clickTiles({14, 21, 2, 13});
    ASSERT_TRUE(view.matchPanelVisible);
    game.togglePause();
    EXPECT_FALSE(game.paused());
    game.panelNewGame();
    ASSERT_EQ(view.records.size(), 2u);
    EXPECT_EQ(view.records[1].ending, FinishedGame::Ending::Stuck);
    EXPECT_EQ(view.records[1].shuffles, 0) << "each game counts its own shuffles";

    // Won, with two hints, an undo and a remark from the record on the question.
    game.playDeal(77);
    twoPairs();
    for (int hint = 0; hint < 2; ++hint) {
        game.hint();
        view.runTimer(game);
    }
    clickTiles({2, 13});
    game.undo();
    clickTiles({2, 13, 14});
    now += 125000;
    game.clickTile(21);
    game.togglePause();
    EXPECT_FALSE(game.paused()) << "the winning blink runs";
    view.remark = "a new best for Dragon";
    view.answers = {false};
    view.runTimer(game);
    ASSERT_EQ(view.records.size(), 3u);
    const FinishedGame& won = view.records[2];
    // The pair undone was taken twice.
    EXPECT_EQ(std::tie(won.ending, won.pairsTaken, won.hints, won.undos, won.shuffles),
              std::tuple(FinishedGame::Ending::Won, 3, 2, 1, 0));
    EXPECT_EQ(view.questions.back().second,
              "Won in 2:05, a new best for Dragon.\nYou Won! Do you want to play again?");
    game.leave();
    EXPECT_EQ(view.records.size(), 3u) << "the won game is not recorded again on leaving";
}

TEST(PlayedTime, MinutesAndSecondsThenHours) {
    EXPECT_EQ(playedTimeText(0), "0:00");
    EXPECT_EQ(playedTimeText(59999), "0:59");
    EXPECT_EQ(playedTimeText(3727000), "1:02:07");
}

}  // namespace
}  // namespace varnel::testing
