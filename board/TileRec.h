#pragma once

#include <array>
#include <cstdint>

namespace varnel {

// Flags are stored the way the saved game keeps them: -1 for true, 0 for false.
constexpr int16_t kTrue = -1;
constexpr int16_t kFalse = 0;
constexpr int16_t kNoFace = -1;
// Faces 0..35, one to a sheet cell; a deal holds four tiles of every face it uses.
constexpr int16_t kFaceCount = 36;
constexpr int kTilesPerFace = 4;

// One tile of the table. The field order and the 16-bit widths are those of the saved game.
struct TileRec {
    int16_t Free = kFalse;  // -1 when the tile may be picked now
    int16_t X = 0;          // left edge on the board, pixels
    int16_t Y = 0;          // top edge on the board, pixels
    int16_t PicY = 0;       // top edge of the face picture in the tile sheet
    int16_t PicX = 0;       // left edge of the face picture in the tile sheet
    int16_t Face = kNoFace; // 0..35, or -1 when no tile lies here

    friend bool operator==(const TileRec&, const TileRec&) = default;
};
static_assert(sizeof(TileRec) == 12);

// Room for the largest layout (144 tiles) and one spare record.
constexpr int kTableSize = 145;
using TileTable = std::array<TileRec, kTableSize>;

// What a saved game keeps of a tile: the rest is rebuilt from the layout.
struct SavedTile {
    int16_t Free;
    int16_t Face;
    friend bool operator==(const SavedTile&, const SavedTile&) = default;
};

inline bool IsPresent(const TileRec& tile) { return tile.Face != kNoFace; }

}  // namespace varnel
