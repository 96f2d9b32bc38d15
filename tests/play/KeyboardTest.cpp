#include <optional>
#include <vector>

#include "play/KeyboardCursor.h"
#include "tests/play/PlayFixture.h"

// Play by keyboard: where the arrow keys lead, and what Space and Escape do.
namespace varnel::testing {
namespace {

using Keyboard = PlayTest;
using enum CursorDirection;

TEST(KeyboardCursor, ArrowsLeadToTheNearestTileThatWayTheTopOneOfAStack) {
    const struct {
        int16_t layout, from;
        CursorDirection direction;
        int16_t to;  // -1: nothing lies that way
        std::vector<int16_t> gone = {};
    } cases[] = {
        {kRivers, 0, Left, 1},    // the number grows leftward along a row
        {kRivers, 0, Right, -1},  // the right end of the top row
        {kRivers, 83, Down, -1},
        {kPyramid, 1, Down, 64},  // tile 9 below, and 64 lies on it
        {kPyramid, 64, Up, 1},    // a step off the stack, not onto the tile beneath
        {kPyramid, 64, Left, 65},
        {kDragon, 143, Down, 141},  // off the top tile, onto the layer beneath it
        {kDragon, 32, Right, 1},    // the end pieces are reached from the rows beside them
        // Three steps straight on are nearer than one step on and one row aside.
        {kRivers, 0, Left, 3, {1, 2}},
    };
    for (const auto& c : cases) {
        const Layout& layout = findLayout(c.layout)->rules;
        KeyboardCursor cursor;
        cursor.useLayout(layout);
        BoardBuilder board = BoardBuilder(layout).dealt(1);
        for (const int16_t tile : c.gone) board.take(tile);
        EXPECT_EQ(cursor.neighbour(board, c.from, c.direction), c.to)
            << "layout " << c.layout << " from " << c.from;
    }
}

// The first key finds the free tile nearest the middle; Space and Escape act as clicks on the
// tile under the cursor. Over a tile just taken the cursor shows nothing, and the next arrow
// moves on from that place.
TEST_F(Keyboard, FirstKeyFindsTheMiddleThenSpaceAndEscapeActAsClicks) {
    BoardBuilder deal = BoardBuilder(rulesOf(kDragon)).dealt(1);
    setUp(kDragon, deal.put({2, deal.board()[143].face, true}));
    game.moveCursor(Left);
    EXPECT_EQ(view.cursor, 143);

    game.pressAtCursor();
    EXPECT_EQ(game.selectedTile(), 143);
    game.dropSelection();
    EXPECT_TRUE(nothingSelected());

    // A blocked tile under the cursor is refused as a click on it would be.
    game.moveCursor(Down);
    ASSERT_FALSE(game.board()[game.cursorTile()].free);
    game.pressAtCursor();
    EXPECT_EQ(view.refusals, 1);
    EXPECT_EQ(game.selectedTile(), std::nullopt);

    // A mouse click hides the cursor; the keys bring it back at the middle.
    game.clickTile(2);
    EXPECT_EQ(view.cursor, std::nullopt);
    EXPECT_EQ(game.cursorTile(), -1);
    game.moveCursor(Up);
    EXPECT_EQ(view.cursor, 143);

    game.pressAtCursor();
    EXPECT_FALSE(present(143));
    EXPECT_EQ(view.cursor, std::nullopt) << "nothing to frame where the tile was";
    game.moveCursor(Left);
    EXPECT_EQ(view.cursor, 140);
}

}  // namespace
}  // namespace varnel::testing
