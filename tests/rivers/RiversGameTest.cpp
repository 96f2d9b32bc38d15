#include "PlayFixture.h"
#include "RiversLayout.h"

// The Rivers rules as the player meets them, through the play logic and a recording window.
namespace varnel::testing {
namespace {

class RiversPlay : public PlayTest {
  protected:
    void SetUp() override { Start(kRivers); }

    // A full board on which face f lies on tiles f, f + 21, f + 42 and f + 63: no two equal
    // tiles touch, so only the ring is free, and the equal pairs that can be taken are the six
    // that share column 0 or column 13: (0, 42), (14, 56), (28, 70), (13, 55), (27, 69) and
    // (41, 83). Pairs such as (55, 76) and (56, 77) are equal and free but three turns apart.
    void ArrangeStripes() {
        for (int16_t i = 0; i < 84; ++i) {
            state.Tiles[i].Face = static_cast<int16_t>(i % 21);
            state.Tiles[i].Free = kFalse;
        }
        BuildRivers(state);
        state.TilesLeft = 84;
    }
};

// Counting and the hint follow the path rule and leave a pending selection alone; the hint
// skips the equal but unconnected (56, 77) and (55, 76) and shows the highest first tile of a
// takeable pair with its lowest partner, then drops the selection. A click on (56, 77) is
// refused with a beep and changes nothing; (41, 83) shares column 0: taken, and its neighbour
// 40 opens.
TEST_F(RiversPlay, OnlyAConnectedEqualPairIsCountedHintedAndTaken) {
    ArrangeStripes();
    Click(5);
    game.mnuRemain_Click();
    EXPECT_EQ(window.messages.back(), "6 Matches Remain");
    EXPECT_EQ(state.SelectedTile, 5);
    ASSERT_TRUE(state.TileSelected);
    window.framesShown.clear();
    game.mnuHint_Click();
    window.RunTimer(game);
    EXPECT_EQ(window.framesShown, (std::vector{HintFrame(41), HintFrame(83)}));
    EXPECT_FALSE(state.TileSelected);

    const TileTable before = state.Tiles;
    Click(56);
    ASSERT_TRUE(state.TileSelected);
    Click(77);
    EXPECT_EQ(window.beeps, 1);
    EXPECT_FALSE(state.TileSelected);
    EXPECT_EQ(state.Tiles, before);

    Click(41);
    Click(83);
    EXPECT_EQ(state.Tiles[41].Face, kNoFace);
    EXPECT_EQ(state.Tiles[83].Face, kNoFace);
    EXPECT_EQ(state.Tiles[40].Free, kTrue) << "the tile right of 41 is open now";
    // Five of the six pairs are left, and the cells just emptied join 40 to its equal 82:
    // right, down the outside, left along row 5.
    EXPECT_EQ(game.CountPairs(), 6);
}

// Tiles 0 and 83 are equal but boxed into their corners, three turns apart: the hint has
// nothing to show and keeps the selection. Taking the last connected pair leaves the game stuck:
// it asks instead of showing the shuffle panel, and Yes deals a new Rivers board.
TEST_F(RiversPlay, AStuckGameHintsNothingAndAsksToPlayAgain) {
    KeepOnly({{0, 5, true}, {83, 5, true}, {1, 1, true}, {14, 2, true}, {82, 3, true},
              {69, 4, true}, {40, 9, true}, {41, 9, true}});
    state.Tiles[40].Face = state.Tiles[41].Face = kNoFace;
    Click(1);
    game.mnuHint_Click();
    EXPECT_TRUE(window.timers.empty());
    EXPECT_TRUE(state.TileSelected);
    EXPECT_EQ(game.CountPairs(), 0);

    state.Tiles[40].Face = state.Tiles[41].Face = 9;
    Click(1);  // drops the selection
    window.answers = {true};
    Click(40);
    Click(41);
    EXPECT_EQ(window.questions, (std::vector{kStuckQuestion}));
    EXPECT_FALSE(window.matchPanelVisible);
    EXPECT_EQ(window.exits, 0);
    EXPECT_EQ(state.TilesLeft, 84);
    EXPECT_FALSE(window.available.Shuffle);
}

}  // namespace
}  // namespace varnel::testing
