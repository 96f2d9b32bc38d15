#include <algorithm>

#include "Game.h"

// The two-click protocol: the first click selects a free tile, the second removes it together
// with an equal free tile, or refuses.
namespace varnel {

int16_t Game::HitTest(float x, float y) const {
    // Highest index first: it lies on top. Blocked and removed tiles let the click through.
    for (int16_t i = static_cast<int16_t>(state_.TileCount - 1); i >= 0; --i) {
        const TileRec& tile = state_.Tiles[i];
        if (!IsPresent(tile) || tile.Free == kFalse) continue;
        if (tile.X < x && x < tile.X + state_.TileWidth && tile.Y < y &&
            y < tile.Y + state_.TileHeight)
            return i;
    }
    return -1;
}

void Game::Deselect() {
    state_.TileSelected = false;
    window_.HideFrame();
}

void Game::RefuseClick() {
    if (state_.SoundOn == kTrue) window_.Beep();
    Deselect();
}

void Game::picBoard_MouseUp(int button, float x, float y) {
    if (button == 0 || !Available().Board) return;
    if (cursorShown_) {
        cursorShown_ = false;
        window_.HideCursor();
    }
    ClickTile(HitTest(x, y));
}

// A click on tile t, or a miss (t = -1).
void Game::ClickTile(int16_t t) {
    if (t < 0) {
        RefuseClick();
        return;
    }
    if (!state_.TileSelected) {
        state_.TileSelected = true;
        state_.SelectedTile = t;
        FrameTile(t, 1, -4);
        return;
    }
    if (t == state_.SelectedTile) {
        Deselect();
        return;
    }
    if (state_.Tiles[state_.SelectedTile].Face != state_.Tiles[t].Face) {
        RefuseClick();
        return;
    }
    state_.RetVal = CurrentLayoutRow().rules.PairConnected(state_.Tiles, state_.SelectedTile, t)
                        ? kTrue
                        : kFalse;
    if (state_.RetVal != kTrue) {
        RefuseClick();
        return;
    }
    RemovePair(state_.SelectedTile, t);
}

void Game::RemovePair(int16_t first, int16_t second) {
    state_.TileSelected = false;
    // The snapshot comes first, so that Undo brings back faces and free flags alike.
    std::copy_n(state_.Tiles.begin(), state_.TileCount, state_.UndoTiles.begin());
    state_.Tiles[first].Face = kNoFace;
    state_.Tiles[second].Face = kNoFace;
    window_.HideFrame();
    window_.DisplayBoard();
    // Free flags follow before the end-of-game test counts the pairs left.
    UpdateFree(first);
    UpdateFree(second);
    RefreshCursor();
    AfterMatch();
}

}  // namespace varnel
