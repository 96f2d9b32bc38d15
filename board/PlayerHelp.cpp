#include <algorithm>

#include "Conversions.h"
#include "Game.h"

// Hint, the count of removable pairs, and the one-level undo.
namespace varnel {

bool Game::IsRemovablePair(int16_t i, int16_t j) const {
    const TileRec& a = state_.Tiles[i];
    const TileRec& b = state_.Tiles[j];
    if (!IsPresent(a) || a.Free != kTrue) return false;
    if (!IsPresent(b) || b.Free == kFalse) return false;
    if (a.Face != b.Face) return false;
    // The candidate itself is the first tile of the path test: the player's selection is not
    // touched by counting or hinting.
    return CurrentLayoutRow().rules.PairConnected(state_.Tiles, i, j);
}

int16_t Game::CountPairs() {
    int16_t count = 0;
    for (int16_t i = 0; i < state_.TileCount - 1; ++i) {
        if (!IsPresent(state_.Tiles[i]) || state_.Tiles[i].Free != kTrue) continue;
        for (int16_t j = static_cast<int16_t>(i + 1); j < state_.TileCount; ++j)
            if (IsRemovablePair(i, j)) ++count;
    }
    return count;
}

void Game::mnuHint_Click() {
    if (!Available().Hint) return;
    // The pair shown is the one with the highest first tile, and for it the lowest partner.
    int16_t first = -1, second = -1;
    for (int16_t i = static_cast<int16_t>(state_.TileCount - 2); i >= 0 && first < 0; --i) {
        for (int16_t j = static_cast<int16_t>(i + 1); j < state_.TileCount; ++j) {
            if (IsRemovablePair(i, j)) {
                first = i;
                second = j;
                break;
            }
        }
    }
    if (first < 0) return;  // nothing to show: no message, no beep
    EndHint();
    Deselect();
    FrameTile(first, 0, -5);
    StartSequence(Sequence::Hint,
                  {{1.2f,
                    [this, second] {
                        window_.HideFrame();
                        FrameTile(second, 0, -5);
                    }},
                   {1.2f, [this] { window_.HideFrame(); }}},
                  [this] { window_.HideFrame(); });
}

void Game::mnuRemain_Click() {
    state_.RetVal = CountPairs();
    window_.ShowMessage(CStr(state_.RetVal) + " Matches Remain");
}

void Game::mnuUndo_Click() {
    if (!Available().Undo) return;
    // A blink of a board that is no longer won, or a hint of a pair, ends here.
    EndSequence();
    // The frame goes and so does the selection it marked.
    Deselect();
    std::copy_n(state_.UndoTiles.begin(), state_.TileCount, state_.Tiles.begin());
    state_.TilesLeft = static_cast<int16_t>(state_.TilesLeft + 2);
    ShowScore();
    window_.DisplayBoard();
    undoAvailable_ = false;
    RefreshCursor();
    ReportAvailability();
}

}  // namespace varnel
