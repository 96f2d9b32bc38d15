#pragma once

#include "tools/artgen/BmpWriter.h"

namespace varnel::artgen {

// The outline through which the board draws every tile: black on the tile, white (index 14)
// where the board shows through. The game ANDs it onto the board before ORing the picture in.
IndexedImage makeMask();

}  // namespace varnel::artgen
