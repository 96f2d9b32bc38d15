#pragma once

#include <cstdint>

#include "board/Board.h"

namespace varnel {

// Whether tiles first and second of the Rivers board can be joined by a line of at most three
// straight horizontal or vertical runs (two turns), every cell on the way being empty. The line
// may leave the grid and run along the outside of any edge. Only the path is judged: whether the
// two tiles are present, free and equal is for the caller. Indexes outside the board, or a tile
// paired with itself, are never connected.
bool riversPathJoins(const Board& board, int16_t first, int16_t second);

}  // namespace varnel
