#pragma once

#include <array>

#include "board/Board.h"
#include "solver/SolverRules.h"
#include "solver/TileSet.h"

namespace varnel {

// For each present tile x, the present tiles that can never be free while x is still on the
// board, however the others go: x must be taken before any of them. Two such tiles can never
// be taken together. Free flags depend only on which tiles have gone, so the answer holds for
// every position reached from this board.
using HeldTiles = std::array<TileSet, kMaxTiles>;

void findHeldTiles(const Board& board, const TileSet& present, const SolverRules& rules, HeldTiles& held);

}  // namespace varnel
