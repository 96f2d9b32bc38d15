#include "TilePicture.h"

#include "Conversions.h"

namespace varnel {

void SetPictureOffsets(TileRec& tile, float tileWidth, float tileHeight) {
    if (tile.Face < 0 || tile.Face > 35) return;
    const int row = tile.Face / 9;
    const int column = tile.Face % 9;
    // Each row is its own product of the tile height, rounded once: 54.5 gives rows at 0, 54,
    // 109 and 164 (halves go to even), not multiples of one rounded height.
    tile.PicY = row == 0 ? 0 : CInt(static_cast<float>(row) * tileHeight);
    tile.PicX = CInt(static_cast<float>(column) * tileWidth);
}

}  // namespace varnel
