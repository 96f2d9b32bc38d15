#pragma once

#include "Layout.h"

namespace varnel {

// Dragon: 144 tiles on five layers. Places the tiles and marks the 35 free at the start.
void BuildDragon(GameState& state);
// The Dragon neighbour rule after tile k has been removed.
void DragonUpdateFree(GameState& state, int16_t k);

const Layout& DragonLayout();

}  // namespace varnel
