#pragma once

#include "layouts/Layout.h"

namespace varnel {

// Pyramid: 120 tiles on square layers of 8 x 8, 6 x 6, 4 x 4 and 2 x 2, 40 of them free at the
// start, with the same free rule as Dragon.
const Layout& pyramidLayout();

}  // namespace varnel
