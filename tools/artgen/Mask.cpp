#include "tools/artgen/Mask.h"

#include "art/TileGeometry.h"

namespace varnel::artgen {

using namespace varnel::art;
namespace {
constexpr std::uint8_t kTileIndex = 0;
constexpr std::uint8_t kClearIndex = 14;
}  // namespace

IndexedImage makeMask() {
    IndexedImage mask;
    mask.width = kTileWidth;
    mask.height = kTileHeight;
    mask.palette[kClearIndex] = {255, 255, 255};
    for (int y = 0; y < kTileHeight; ++y)
        for (int x = 0; x < kTileWidth; ++x)
            mask.pixels.push_back(insideTile(x, y) ? kTileIndex : kClearIndex);
    return mask;
}

}  // namespace varnel::artgen
