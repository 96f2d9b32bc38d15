#pragma once

#include <cstdint>

#include "GameState.h"
#include "Layout.h"
#include "Random.h"

namespace varnel {

// Deals faces 0..20 four times each over tiles 0..83 (or keeps the faces on the table) and
// points each tile at its face's picture.
void BuildRiversBoard(GameState& state, Random& random, DealMode mode);

// Places the 84 tiles on their 6 x 14 grid and marks the tiles free from the start: the outer
// ring of the grid and any tile with an equal neighbour. Other flags are left as they are.
void BuildRivers(GameState& state);

// Frees the grid neighbours above, below, left and right of tile indx, just taken.
void ModifyRivers(GameState& state, int16_t indx);

// The Rivers rules as the play logic sees them: deal and place, free the neighbours of a taken
// tile, and take an equal pair only when RiversPick joins it.
const Layout& RiversLayout();

}  // namespace varnel
