#pragma once

#include "layouts/Layout.h"

namespace varnel {

// Rivers: 84 tiles on one flat grid of 6 rows by 14 columns. At the start the outer ring of the
// grid is free, and so is any tile beside an equal one; a taken tile frees the tiles above,
// below, left and right of it. Two equal free tiles go together only when a line with at most
// two turns through empty cells joins them.
const Layout& riversLayout();

}  // namespace varnel
