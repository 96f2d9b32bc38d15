#pragma once

#include "RgbImage.h"

namespace varnel::artgen {

// Paints a blank tile into the 44 x 55 cell whose top-left corner is (left, top): the ivory
// face with a soft bevel, the two-tone side below and to the left of it, and a dark outline
// that keeps overlapping neighbours apart. Pixels outside the tile are left untouched.
void PaintTileBody(RgbImage& target, int left, int top);

}  // namespace varnel::artgen
