#include <optional>

#include "tests/play/PlayFixture.h"

// The two-click protocol: the first click selects a free tile, the second takes an equal one with
// it or is refused.
namespace varnel::testing {
namespace {

using Selection = PlayTest;

// The same tile twice selects and deselects it, silently. A miss, a blocked tile, a tile already
// taken (its free flag stays set when it goes) or a tile past the board is refused whether or not
// a tile is selected: the selection goes and the clicked tile is never selected instead; so is a
// free tile of another face after a selection.
TEST_F(Selection, AClickSelectsDeselectsOrIsRefused) {
    const Board position =
        BoardBuilder(rulesOf(kDragon))
            .keepOnly({{2, 4, true}, {3, 4, false}, {13, 6, true}, {20, 4, true}})
            .take(20);
    setUp(kDragon, position);
    game.clickTile(2);
    EXPECT_EQ(view.frame, RecordingView::selection(2));
    game.clickTile(2);
    EXPECT_TRUE(nothingSelected());
    EXPECT_EQ(view.refusals, 0);

    const struct {
        const char* what;
        int16_t tile;
        bool withSelection;
    } refused[] = {{"a miss", -1, false},          {"a miss", -1, true},      {"blocked", 3, false},
                   {"blocked", 3, true},           {"taken", 20, false},      {"taken", 20, true},
                   {"past the board", 144, false}, {"another face", 13, true}};
    for (const auto& r : refused) {
        SCOPED_TRACE(::testing::Message()
                     << r.what << (r.withSelection ? " after a selection" : ""));
        if (r.withSelection) game.clickTile(2);
        const int refusals = view.refusals;
        game.clickTile(r.tile);
        EXPECT_EQ(view.refusals, refusals + 1);
        EXPECT_TRUE(nothingSelected());
        EXPECT_EQ(game.board(), position);
    }
}

// A pair of equal free tiles goes, and each frees its neighbour in its own row; Undo puts it back
// with the flags it had, and drops a pending selection.
TEST_F(Selection, EqualPairIsRemovedAndUndoPutsItBack) {
    keepOnly(
        kDragon,
        {{2, 4, true}, {14, 4, true}, {13, 6, true}, {21, 6, true}, {3, 7, false}, {15, 7, false}});
    const Board before = game.board();
    clickTiles({2, 14});
    EXPECT_FALSE(present(2) || present(14));
    EXPECT_TRUE(game.board()[3].free && game.board()[15].free);
    EXPECT_TRUE(nothingSelected());
    EXPECT_EQ(view.tilesLeft, 4);
    EXPECT_EQ(view.count("redraw"), 1);
    EXPECT_EQ(view.refusals, 0);
    EXPECT_TRUE(view.available.undo) << "13 and 21 still make a pair";

    game.clickTile(13);
    game.undo();
    EXPECT_EQ(game.board(), before);
    EXPECT_EQ(view.tilesLeft, 6);
    EXPECT_FALSE(view.available.undo);
    EXPECT_TRUE(nothingSelected());
}

}  // namespace
}  // namespace varnel::testing
