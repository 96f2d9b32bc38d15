#pragma once

#include <cstdint>

#include "board/Board.h"
#include "board/Random.h"

namespace varnel {

// Deals tileCount / 4 faces, four tiles of each, every tile blocked: the deal numbered
// dealNumber. The same count and number give the same board everywhere and always.
Board dealFaces(int16_t tileCount, uint32_t dealNumber);

// Deals the faces of the tiles still on the board out again among those same tiles. Free flags
// and removed tiles stay as they were; the number of tiles of each face is kept.
void shuffleFaces(Board& board, Random& random);

}  // namespace varnel
