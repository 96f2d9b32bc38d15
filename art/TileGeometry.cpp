#include "art/TileGeometry.h"

#include <algorithm>
#include <cmath>

namespace varnel::art {

TileShape TileShape::atScale(int width, int height, float scale) {
    // Halves round to even, as the board's own sizes do.
    auto scaled = [scale](float design) {
        return std::max(1, static_cast<int>(std::nearbyint(design * scale)));
    };
    return TileShape{width, height, scaled(kDepth), scaled(1), scaled(2)};
}

}  // namespace varnel::art
