#include "PlayFixture.h"

namespace varnel::testing {
namespace {

using Hint = PlayTest;
using Remaining = PlayTest;
using Undo = PlayTest;

TEST_F(Hint, FlashesTheHighestPairWithItsLowestPartner) {
    Start(kDragon);
    KeepOnly({{3, 1, true}, {7, 1, true}, {10, 2, true}, {20, 2, true}, {30, 2, false},
              {12, 3, true}, {40, 3, false}});
    Click(3);
    window.framesShown.clear();
    game.mnuHint_Click();

    const TileRec& ten = state.Tiles[10];
    const TileRec& twenty = state.Tiles[20];
    EXPECT_EQ(window.framesShown,
              (std::vector<RecordingWindow::Frame>{{ten.X, static_cast<int16_t>(ten.Y - 5)},
                                                   {twenty.X, static_cast<int16_t>(twenty.Y - 5)}}))
        << "the hint frame sits one pixel left of and above the selection frame";
    EXPECT_EQ(window.pauses, (std::vector<float>{1.2f, 1.2f}));
    EXPECT_FALSE(window.frameVisible);
    EXPECT_FALSE(state.TileSelected) << "a shown hint drops the pending selection";
    EXPECT_TRUE(window.boardEnabled);
}

TEST_F(Hint, WithoutAPairNothingShows) {
    Start(kDragon);
    KeepOnly({{3, 1, true}, {7, 2, true}, {10, 1, false}});
    Click(3);
    window.framesShown.clear();
    game.mnuHint_Click();
    EXPECT_TRUE(window.framesShown.empty());
    EXPECT_TRUE(window.pauses.empty());
    EXPECT_EQ(window.beeps, 0);
    EXPECT_TRUE(window.boardEnabled);
    EXPECT_TRUE(state.TileSelected) << "nothing shown, nothing dropped";
}

TEST_F(Hint, StopsWhenTheBoardChangesWhileItWaits) {
    Start(kDragon);
    window.duringPause = [&] { game.mnuNewGame_Click(); };
    game.mnuHint_Click();
    EXPECT_EQ(window.framesShown.size(), 1u);
    EXPECT_FALSE(window.frameVisible);
    EXPECT_TRUE(window.boardEnabled);
}

TEST_F(Remaining, CountsEveryPairWithMultiplicity) {
    Start(kPyramid);
    KeepOnly({{0, 5, true}, {7, 5, true}, {8, 5, true}, {15, 5, true}, {9, 6, false},
              {10, 6, true}});
    game.mnuRemain_Click();
    KeepOnly({{0, 5, true}, {7, 5, true}, {8, 5, true}, {15, 5, false}});
    game.mnuRemain_Click();
    KeepOnly({{0, 5, true}, {7, 6, true}});
    game.mnuRemain_Click();
    EXPECT_EQ(window.messages, (std::vector<std::string>{"6 Matches Remain", "3 Matches Remain",
                                                         "0 Matches Remain"}));
}

TEST_F(Undo, PutsTheLastPairBackWithItsNeighboursFlags) {
    Start(kDragon);
    KeepOnly({{2, 4, true}, {14, 4, true}, {13, 6, true}, {21, 6, true}, {3, 7, false}});
    const TileTable before = state.Tiles;
    Click(2);
    Click(14);
    ASSERT_EQ(state.Tiles[3].Free, kTrue);
    Click(13);  // a pending selection goes with the undo
    game.mnuUndo_Click();

    EXPECT_EQ(state.Tiles, before);
    EXPECT_EQ(state.TilesLeft, 5);
    EXPECT_EQ(window.scoreCaption, " 5");
    EXPECT_FALSE(window.commandEnabled[Command::Undo]);
    EXPECT_FALSE(state.TileSelected);
    EXPECT_FALSE(window.frameVisible);
}

}  // namespace
}  // namespace varnel::testing
