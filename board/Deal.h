#pragma once

#include <cstdint>

#include "GameState.h"
#include "Random.h"

namespace varnel {

// A new game deals new faces; a board rebuilt around a deal (a restored game, a scaled window)
// keeps the faces and free flags on the table.
enum class DealMode { NewFaces, KeepFaces };

// Deals tileCount / 4 faces, four of each, over records 0..tileCount - 1 with every Free flag
// cleared, then points each tile at its face's picture. Keeping the faces, the deck is still
// shuffled (so the random source moves on the same way) but faces and flags stay as they are;
// only the picture offsets follow the current tile size.
void DealFaces(GameState& state, Random& random, int16_t tileCount, DealMode mode);

inline void DealDragon(GameState& state, Random& random, DealMode mode) {
    DealFaces(state, random, 144, mode);
}
inline void DealPyramid(GameState& state, Random& random, DealMode mode) {
    DealFaces(state, random, 120, mode);
}

}  // namespace varnel
