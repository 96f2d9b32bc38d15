#include <functional>

#include "PlayFixture.h"

namespace varnel::testing {
namespace {

using Selection = PlayTest;

// Any button selects and deselects; a release without a button does nothing. A miss, a blocked
// tile or an unequal second tile is refused: the selection goes (the second tile is not selected
// instead), with a beep while the sound is on, which only -1 means.
TEST_F(Selection, AClickSelectsDeselectsOrIsRefused) {
    Start(kDragon);
    for (int button : {1, 2, 4}) {
        Click(2, button);
        EXPECT_TRUE(state.TileSelected);
        EXPECT_EQ(state.SelectedTile, 2);
        EXPECT_TRUE(window.frameVisible);
        EXPECT_EQ(window.frame, (RecordingWindow::Frame{478, 1}));  // X + 1, Y - 4
        game.picBoard_MouseUp(0, 5, 5);
        EXPECT_TRUE(state.TileSelected);
        Click(2, button);  // the same tile again: deselected, silently
        EXPECT_FALSE(state.TileSelected);
        EXPECT_FALSE(window.frameVisible);
    }
    EXPECT_EQ(window.beeps, 0);

    state.Tiles[13].Face = static_cast<int16_t>((state.Tiles[2].Face + 1) % kFaceCount);
    const std::function<void()> refused[] = {
        [&] { game.picBoard_MouseUp(1, 1, 1); },  // the empty corner of the board
        [&] { Click(5); },                        // blocked
        [&] { Click(13); },                       // free, another face
    };
    for (const int16_t sound : {kTrue, int16_t{1}, kFalse}) {
        state.SoundOn = sound;
        for (const auto& click : refused) {
            Click(2);
            click();
            EXPECT_FALSE(state.TileSelected) << "sound " << sound;
            EXPECT_FALSE(window.frameVisible);
        }
    }
    EXPECT_EQ(window.beeps, 3);
    EXPECT_NE(state.Tiles[13].Face, kNoFace);
}

// A click takes the topmost present, free tile whose rectangle holds the point strictly inside.
TEST_F(Selection, AClickTakesTheTopmostFreeTileStrictlyUnderIt) {
    Start(kDragon);
    const TileRec& top = state.Tiles[143];  // nothing lies near its top-left corner
    game.picBoard_MouseUp(1, top.X, top.Y + 20);
    game.picBoard_MouseUp(1, top.X + 10, top.Y);
    EXPECT_FALSE(state.TileSelected) << "the edges lie outside the tile";
    EXPECT_EQ(window.beeps, 2);
    game.picBoard_MouseUp(1, top.X + 0.5f, top.Y + 0.5f);
    EXPECT_EQ(state.SelectedTile, 143);
    game.DropSelection();
    // Tiles 2 and 3 overlap by 5 pixels; 3 is drawn on top but is blocked.
    const TileRec& two = state.Tiles[2];
    game.picBoard_MouseUp(1, two.X + 2, two.Y + 20);
    EXPECT_EQ(state.SelectedTile, 2);
    Click(2);
    // Where two free tiles overlap, the one drawn on top wins.
    state.Tiles[3].Free = kTrue;
    game.picBoard_MouseUp(1, two.X + 2, two.Y + 20);
    EXPECT_EQ(state.SelectedTile, 3);
    // A removed tile is transparent even while its flag says free.
    Click(3);
    state.Tiles[3].Face = kNoFace;
    game.picBoard_MouseUp(1, two.X + 2, two.Y + 20);
    EXPECT_EQ(state.SelectedTile, 2);
}

TEST_F(Selection, EqualPairIsRemovedAndUndoPutsItBack) {
    Start(kDragon);
    KeepOnly({{2, 4, true}, {14, 4, true}, {13, 6, true}, {21, 6, true}, {3, 7, false}});
    state.TilesLeft = 144;  // as the count label says, whatever the test board holds
    Click(2);
    const TileTable before = state.Tiles;
    Click(14);

    EXPECT_EQ(state.UndoTiles, before);
    EXPECT_EQ(state.Tiles[2].Face, kNoFace);
    EXPECT_EQ(state.Tiles[14].Face, kNoFace);
    EXPECT_EQ(state.Tiles[3].Free, kTrue) << "removing tile 2 opens tile 3";
    EXPECT_FALSE(state.TileSelected);
    EXPECT_FALSE(window.frameVisible);
    EXPECT_EQ(state.TilesLeft, 142);
    EXPECT_EQ(window.scoreCaption, " 142");
    EXPECT_EQ(window.redraws, 1);
    EXPECT_TRUE(window.available.Undo) << "13 and 21 still make a pair";
    EXPECT_EQ(window.beeps, 0);

    // Undo puts the pair back with its neighbours' flags; a pending selection goes with it.
    Click(13);
    game.mnuUndo_Click();
    EXPECT_EQ(state.Tiles, before);
    EXPECT_EQ(state.TilesLeft, 144);
    EXPECT_EQ(window.scoreCaption, " 144");
    EXPECT_FALSE(window.available.Undo);
    EXPECT_FALSE(state.TileSelected);
    EXPECT_FALSE(window.frameVisible);
}

}  // namespace
}  // namespace varnel::testing
