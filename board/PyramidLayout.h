#pragma once

#include "Layout.h"

namespace varnel {

// Pyramid: 120 tiles on square layers of 8 x 8, 6 x 6, 4 x 4 and 2 x 2. Places the tiles and
// marks the 40 free at the start.
void BuildPyramid(GameState& state);
// The Pyramid neighbour rule after tile k has been removed.
void PyramidUpdateFree(GameState& state, int16_t k);

const Layout& PyramidLayout();

}  // namespace varnel
