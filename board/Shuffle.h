#pragma once

#include "GameState.h"
#include "Random.h"

namespace varnel {

// Deals the faces of the tiles still on the board out again among those same tiles. Free flags,
// positions and removed tiles stay as they were; the number of tiles of each face is kept.
// The caller redraws.
void ShuffleBoard(GameState& state, Random& random);

}  // namespace varnel
