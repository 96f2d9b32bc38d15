#include "play/Game.h"

// The two-click protocol: the first click selects a free tile, the second takes it together
// with an equal free tile, or is refused. The keyboard cursor clicks as the mouse does.
namespace varnel {
namespace {

bool canBePicked(const Board& board, int16_t tile) {
    return board.contains(tile) && board[tile].present() && board[tile].free;
}

}  // namespace

void Game::clickTile(int16_t tile) {
    if (!available().board) return;
    if (paused_) {
        setPaused(false);
        return;
    }
    if (cursor_.shown()) {
        cursor_.hide();
        view_.hideCursor();
    }
    actOn(canBePicked(board_, tile) ? tile : int16_t{-1});
}

void Game::actOn(int16_t tile) {
    if (tile < 0) {
        refuse();
        return;
    }
    if (!selected_) {
        // The clock starts with the first tile chosen.
        clock_.start(now_());
        select(tile);
        return;
    }
    const int16_t first = *selected_;
    if (tile == first) {
        deselect();
        return;
    }
    if (board_[first].face != board_[tile].face || !layoutRow().rules.pairJoined(board_, first, tile)) {
        refuse();
        return;
    }
    removePair(first, tile);
}

void Game::select(int16_t tile) {
    selected_ = tile;
    view_.showSelectionFrame(tile);
}

void Game::deselect() {
    selected_.reset();
    view_.hideFrame();
}

void Game::refuse() {
    view_.refuseClick();
    deselect();
}

void Game::removePair(int16_t first, int16_t second) {
    selected_.reset();
    ++pairsTaken_;
    // The snapshot comes first, so that Undo brings back faces and free flags alike.
    undoBoard_ = board_;
    board_.remove(first);
    board_.remove(second);
    view_.hideFrame();
    view_.redrawBoard();
    // Free flags follow before the end-of-game test counts the pairs left.
    const Layout& rules = layoutRow().rules;
    rules.updateFree(board_, first);
    rules.updateFree(board_, second);
    refreshCursor();
    positionChanged(Change::Pair, first, second);
    afterMatch();
}

// ---- The keyboard ----

void Game::showCursorAt(int16_t tile) {
    cursor_.showAt(tile);
    refreshCursor();
}

void Game::refreshCursor() {
    if (!cursor_.shown()) return;
    // Over a tile just taken there is nothing to frame; the next arrow key moves on from there.
    const int16_t tile = cursor_.tile();
    if (board_.contains(tile) && board_[tile].present())
        view_.showCursor(tile);
    else
        view_.hideCursor();
}

void Game::resetCursor() {
    if (cursor_.shown())
        showCursorAt(cursor_.nearestTheMiddle(board_));
    else
        cursor_.forget();
}

void Game::moveCursor(CursorDirection direction) {
    if (paused_) return;
    if (!cursor_.shown() || cursor_.tile() < 0) {
        showCursorAt(cursor_.nearestTheMiddle(board_));
        return;
    }
    const int16_t next = cursor_.neighbour(board_, cursor_.tile(), direction);
    if (next >= 0) showCursorAt(next);
}

void Game::pressAtCursor() {
    if (!available().board) return;
    if (paused_) {
        setPaused(false);
        return;
    }
    if (!cursor_.shown() || cursor_.tile() < 0) {
        showCursorAt(cursor_.nearestTheMiddle(board_));
        return;
    }
    // What a click in the middle of that tile does: a blocked or taken tile is a miss.
    const int16_t tile = cursor_.tile();
    actOn(canBePicked(board_, tile) ? tile : int16_t{-1});
}

void Game::dropSelection() {
    if (!available().board || paused_ || !selected_) return;
    deselect();
}

}  // namespace varnel
