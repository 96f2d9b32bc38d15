#pragma once

#include <cstdint>
#include <span>

#include "board/Tile.h"

namespace varnel {

// The tiles of one deal as they lie now: which are still there, which are free, and their faces.
// A removed tile keeps its number and its free flag; only its face goes.
class Board {
  public:
    Board() = default;
    // A board of tileCount tiles, none of them dealt yet.
    explicit Board(int16_t tileCount);

    int16_t tileCount() const { return tileCount_; }
    int16_t tilesLeft() const { return tilesLeft_; }
    const Tile& operator[](int16_t tile) const { return tiles_[static_cast<std::size_t>(tile)]; }
    std::span<const Tile> tiles() const { return {tiles_.data(), static_cast<std::size_t>(tileCount_)}; }
    bool contains(int tile) const { return tile >= 0 && tile < tileCount_; }

    // Dealing and shuffling put faces down; a face of kNoFace leaves no tile there.
    void setFace(int16_t tile, int8_t face);
    // Free flags are only ever set during play; a deal starts with every tile blocked.
    void setFree(int16_t tile, bool free = true);
    // Takes a tile off the board.
    void remove(int16_t tile);

    friend bool operator==(const Board&, const Board&) = default;

  private:
    TileArray tiles_{};
    int16_t tileCount_ = 0;
    int16_t tilesLeft_ = 0;
};

}  // namespace varnel
