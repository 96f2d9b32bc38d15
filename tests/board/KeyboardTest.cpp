#include "PlayFixture.h"

// The keyboard cursor as the engine keeps it: where the arrow keys lead, and what Space and
// Escape do.
namespace varnel::testing {
namespace {

using Keyboard = PlayTest;
using enum CursorDirection;

TEST_F(Keyboard, ArrowsLeadToTheNearestTileThatWayTheTopOneOfAStack) {
    struct Case {
        int16_t layout, from;
        CursorDirection direction;
        int16_t to;  // -1: nothing lies that way
    };
    const Case cases[] = {
        {kRivers, 0, Left, 1},  // the index grows leftward along a row
        {kRivers, 0, Down, 14},
        {kRivers, 0, Right, -1},  // the right end of the top row
        {kRivers, 83, Down, -1},
        {kPyramid, 1, Down, 64},  // tile 9 below, and 64 lies on it
        {kPyramid, 64, Up, 1},    // a step off the stack, not onto the tile beneath
        {kPyramid, 64, Left, 65},
        {kDragon, 143, Down, 141},  // off the top tile, onto the layer beneath it
        {kDragon, 32, Right, 1},    // the end pieces are reached from the rows beside them
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "layout " << c.layout << " from " << c.from);
        Start(c.layout);
        EXPECT_EQ(game.CursorNeighbour(c.from, c.direction), c.to);
    }
}

// Space and Escape act as clicks on the tile under the cursor. Over a tile just taken the cursor
// shows nothing, and the next arrow moves on from that place.
TEST_F(Keyboard, FirstPressFindsTheMiddleThenSpaceAndEscapeActAsClicks) {
    Start(kDragon);
    state.Tiles[2].Face = state.Tiles[143].Face;
    EXPECT_EQ(game.CursorTile(), -1);
    game.MoveCursor(Left);
    EXPECT_EQ(game.CursorTile(), 143) << "the free tile nearest the middle of the board";
    EXPECT_TRUE(window.cursorVisible);
    EXPECT_EQ(window.cursor, (RecordingWindow::Frame{state.Tiles[143].X, state.Tiles[143].Y}));

    game.PressAtCursor();
    EXPECT_TRUE(state.TileSelected);
    EXPECT_EQ(state.SelectedTile, 143);
    game.DropSelection();
    EXPECT_FALSE(state.TileSelected);
    EXPECT_FALSE(window.frameVisible);

    // A blocked tile under the cursor is refused as a click on it would be.
    game.MoveCursor(Down);
    ASSERT_EQ(state.Tiles[game.CursorTile()].Free, kFalse);
    game.PressAtCursor();
    EXPECT_EQ(window.beeps, 1);
    EXPECT_FALSE(state.TileSelected);

    // The next mouse click hides the cursor; the keys bring it back at the middle.
    Click(2);
    EXPECT_FALSE(window.cursorVisible);
    EXPECT_EQ(game.CursorTile(), -1);
    game.MoveCursor(Up);
    EXPECT_EQ(game.CursorTile(), 143);

    game.PressAtCursor();
    EXPECT_EQ(state.Tiles[143].Face, kNoFace);
    EXPECT_FALSE(window.cursorVisible) << "nothing to frame where the tile was";
    game.MoveCursor(Left);
    EXPECT_EQ(game.CursorTile(), 140) << "not 141, the free tile nearest the middle now";
    EXPECT_TRUE(window.cursorVisible);
}

}  // namespace
}  // namespace varnel::testing
