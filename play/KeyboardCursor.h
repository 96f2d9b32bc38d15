#pragma once

#include <cstdint>

#include "board/Board.h"
#include "layouts/Layout.h"

namespace varnel {

enum class CursorDirection { Left, Right, Up, Down };

// Play by keyboard: a cursor that the arrow keys move from tile to tile. It goes by where the
// tiles lie in the layout's own units, so that it moves the same way at every size of window.
class KeyboardCursor {
  public:
    // Where the tiles of a new layout lie.
    void useLayout(const Layout& layout);

    // Only once the player uses the keys; a mouse click hides it again.
    bool shown() const { return shown_; }
    int16_t tile() const { return tile_; }  // -1: nowhere yet
    void showAt(int16_t tile) {
        shown_ = true;
        tile_ = tile;
    }
    void hide() { shown_ = false; }
    void forget() { tile_ = -1; }

    // Where the cursor goes from tile `from` in that direction; -1 when nothing lies that way.
    int16_t neighbour(const Board& board, int16_t from, CursorDirection direction) const;
    // A free tile nearest the middle of the board, or any tile on a stuck board; -1 on an
    // empty one.
    int16_t nearestTheMiddle(const Board& board) const;

  private:
    TilePlaces places_{};
    bool shown_ = false;
    int16_t tile_ = -1;
};

}  // namespace varnel
