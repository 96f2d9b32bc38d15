#pragma once

#include "TileRec.h"

namespace varnel {

// Points the tile at the cell of its face in a sheet of 9 x 4 cells of the given size.
// A tile without a face in 0..35 keeps the offsets it had.
void SetPictureOffsets(TileRec& tile, float tileWidth, float tileHeight);

}  // namespace varnel
