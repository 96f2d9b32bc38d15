#pragma once

#include <cstdint>

#include "GameState.h"
#include "Random.h"

namespace varnel {

// Deals tileCount / 4 faces, four of each, over records 0..tileCount - 1 with every Free flag
// cleared, then points each tile at its face's picture. With KeepDeal set the deck is still
// shuffled (so the random source moves on the same way) but faces and flags stay as they are;
// only the picture offsets follow the current tile size.
void DealFaces(GameState& state, Random& random, int16_t tileCount);

inline void DealDragon(GameState& state, Random& random) { DealFaces(state, random, 144); }
inline void DealPyramid(GameState& state, Random& random) { DealFaces(state, random, 120); }

}  // namespace varnel
