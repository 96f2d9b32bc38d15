#pragma once

#include "RgbImage.h"
#include "TileSets.h"

namespace varnel::artgen {

// Paints one whole tile (body and face picture) into the cell at (left, top).
void PaintTile(RgbImage& target, int left, int top, FacePainter paintFace, int face);

// The 396 x 220 sheet of a set: face f in row f / 9, column f % 9, black round every tile.
RgbImage RenderSheet(FacePainter paintFace);

}  // namespace varnel::artgen
