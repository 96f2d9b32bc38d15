#pragma once

#include <array>
#include <cstdint>

namespace varnel {

// Faces 0..35, one to a cell of a tile sheet; a deal holds four tiles of every face it uses.
constexpr int kFaceCount = 36;
constexpr int kTilesPerFace = 4;
// The largest layout, Dragon, has 144 tiles.
constexpr int kMaxTiles = 144;

constexpr int8_t kNoFace = -1;

// One tile of a deal. Its number (its index on the board) is its identity for the whole game:
// each layout gives every number a fixed place, and the rules are written in tile numbers.
struct Tile {
    int8_t face = kNoFace;  // 0..35, or kNoFace once the tile has been taken
    bool free = false;      // may be picked now, under the layout's neighbour rule

    bool present() const { return face != kNoFace; }
    friend bool operator==(const Tile&, const Tile&) = default;
};

using TileArray = std::array<Tile, kMaxTiles>;

}  // namespace varnel
