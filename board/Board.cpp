#include "board/Board.h"

#include <algorithm>

namespace varnel {

Board::Board(int16_t tileCount)
    : tileCount_(std::clamp<int16_t>(tileCount, 0, kMaxTiles)) {}

void Board::setFace(int16_t tile, int8_t face) {
    Tile& t = tiles_[static_cast<std::size_t>(tile)];
    if (t.present() != (face != kNoFace)) tilesLeft_ += face != kNoFace ? 1 : -1;
    t.face = face;
}

void Board::setFree(int16_t tile, bool free) { tiles_[static_cast<std::size_t>(tile)].free = free; }

void Board::remove(int16_t tile) { setFace(tile, kNoFace); }

}  // namespace varnel
