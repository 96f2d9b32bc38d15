#include "tests/play/PlayFixture.h"

// The Rivers rules as the player meets them.
namespace varnel::testing {
namespace {

using RiversPlay = PlayTest;

// A full board on which face f lies on tiles f, f + 21, f + 42 and f + 63: no two equal tiles
// touch, so only the ring is free, and the equal pairs that can be taken are the six that share
// column 0 or column 13: (0, 42), (14, 56), (28, 70), (13, 55), (27, 69) and (41, 83). Pairs such
// as (55, 76) and (56, 77) are equal and free but three turns apart.
//
// Counting and the hint follow the path rule, and the hint shows the highest first tile of a pair
// that can be taken. A click on (56, 77) is refused and changes nothing; (41, 83) goes, and its
// neighbour 40 opens.
TEST_F(RiversPlay, OnlyAJoinedEqualPairIsCountedHintedAndTaken) {
    BoardBuilder stripes(rulesOf(kRivers));
    for (int16_t i = 0; i < 84; ++i) stripes.put({i, static_cast<int8_t>(i % 21), false});
    setUp(kRivers, stripes.startFree());
    game.showRemaining();
    EXPECT_EQ(view.messages.back(), "6 Matches Remain");
    game.hint();
    view.runTimer(game);
    EXPECT_EQ(view.framesShown,
              (std::vector{RecordingView::hintAt(41), RecordingView::hintAt(83)}));

    const Board before = game.board();
    game.clickTile(56);
    ASSERT_EQ(game.selectedTile(), 56);
    game.clickTile(77);
    EXPECT_EQ(view.refusals, 1);
    EXPECT_EQ(game.board(), before);

    clickTiles({41, 83});
    EXPECT_FALSE(present(41) || present(83));
    EXPECT_TRUE(game.board()[40].free) << "the tile left of 41 is open now";
    // Five of the six pairs are left, and the cells just emptied join 40 to its equal 82:
    // right, down the outside, left along row 5.
    EXPECT_EQ(game.countPairs(), 6);
}

// With no joined pair left the hint shows nothing and keeps the selection.
TEST_F(RiversPlay, NothingToHintKeepsTheSelection) {
    keepOnly(
        kRivers,
        {{0, 5, true}, {83, 5, true}, {1, 1, true}, {14, 2, true}, {82, 3, true}, {69, 4, true}});
    game.clickTile(1);
    game.hint();
    EXPECT_TRUE(view.timers.empty());
    EXPECT_EQ(game.selectedTile(), 1);
}

}  // namespace
}  // namespace varnel::testing
