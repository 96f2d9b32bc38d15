#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>

#include "board/Board.h"
#include "board/Deal.h"
#include "layouts/Layout.h"

namespace varnel::testing {

struct PlacedTile {
    int16_t tile;
    int8_t face;
    bool free;
};

// Positions for the tests, written as the tiles that matter:
//   Board b = BoardBuilder(dragonLayout()).keepOnly({{2, 9, true}, {13, 9, true}});
//   Board d = BoardBuilder(riversLayout()).dealt(7).put({5, 3, true});
class BoardBuilder {
  public:
    explicit BoardBuilder(const Layout& layout) : layout_(layout), board_(layout.tileCount()) {}

    // The deal of that number as it starts, free flags and all.
    BoardBuilder& dealt(uint32_t dealNumber) {
        board_ = dealFaces(layout_.tileCount(), dealNumber);
        return startFree();
    }
    // The layout's tiles free from the start are free too.
    BoardBuilder& startFree() {
        layout_.markStartFree(board_);
        return *this;
    }
    // Only these tiles on the board, as if the rest had been played away.
    BoardBuilder& keepOnly(std::span<const PlacedTile> tiles) {
        for (int16_t i = 0; i < board_.tileCount(); ++i) board_.remove(i);
        for (const PlacedTile& t : tiles) put(t);
        return *this;
    }
    BoardBuilder& keepOnly(std::initializer_list<PlacedTile> tiles) {
        return keepOnly(std::span(tiles.begin(), tiles.size()));
    }
    BoardBuilder& put(const PlacedTile& t) {
        board_.setFace(t.tile, t.face);
        board_.setFree(t.tile, t.free);
        return *this;
    }
    BoardBuilder& take(int16_t tile) {
        board_.remove(tile);
        return *this;
    }

    const Board& board() const { return board_; }
    operator const Board&() const { return board_; }

  private:
    const Layout& layout_;
    Board board_;
};

}  // namespace varnel::testing
