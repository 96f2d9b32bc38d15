#pragma once

#include "layouts/Layout.h"

namespace varnel {

// Dragon: 144 tiles on five layers, 35 of them free at the start. A tile is free when nothing
// lies on it and it has no neighbour on its left or on its right.
const Layout& dragonLayout();

}  // namespace varnel
