#pragma once

#include "art/RgbImage.h"
#include "art/TileGeometry.h"

namespace varnel::art {

// Paints a blank tile into the cell whose top-left corner is (left, top): the ivory face with a
// soft bevel, the two-tone side below and to the left of it, and a dark outline that keeps
// overlapping neighbours apart. Pixels outside the tile are left untouched.
void paintTileBody(RgbImage& target, int left, int top, const TileShape& shape = {});

}  // namespace varnel::art
