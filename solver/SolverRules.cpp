#include "solver/SolverRules.h"

#include "layouts/DragonLayout.h"
#include "layouts/PyramidLayout.h"

namespace varnel {

SolverRules::SolverRules(const Layout& layout)
    : layout_(layout),
      pairRuleLooksAtBoard_(&layout != &dragonLayout() && &layout != &pyramidLayout()) {
    // The free rule only ever waits for tiles to be gone, so on a board with no other tile left
    // a removal frees everything it can ever free.
    for (int16_t tile = 0; tile < layout.tileCount(); ++tile) {
        Board empty(layout.tileCount());
        layout.updateFree(empty, tile);
        for (int16_t other = 0; other < layout.tileCount(); ++other) {
            if (empty[other].free) mayFree_[static_cast<std::size_t>(tile)].insert(other);
        }
    }
}

}  // namespace varnel
