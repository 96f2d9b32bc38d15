#include "art/TileBody.h"


namespace varnel::art {
namespace {

constexpr Rgb kOutline{52, 40, 30};
constexpr Rgb kFaceRim{150, 132, 104};
constexpr Rgb kIvoryTop{252, 248, 236};
constexpr Rgb kIvoryBottom{234, 225, 202};
constexpr Rgb kBevelLight{255, 254, 248};
constexpr Rgb kBevelShade{222, 211, 186};
// The side is lit from the left: the left band is brighter than the bottom band. Near the face
// it is bone like the face; further down it shows the tile's amber back.
constexpr Rgb kBoneLeft{222, 209, 178};
constexpr Rgb kBoneBottom{190, 172, 138};
constexpr Rgb kBackLeft{210, 128, 46};
constexpr Rgb kBackBottom{164, 92, 28};

Rgb mix(const Rgb& a, const Rgb& b, int step, int steps) {
    auto channel = [&](int p, int q) {
        return static_cast<std::uint8_t>((p * (steps - step) + q * step + steps / 2) / steps);
    };
    return {channel(a.red, b.red), channel(a.green, b.green), channel(a.blue, b.blue)};
}

// On the tile, with the outside of the tile (or of the cell) within a line's width across or
// down.
bool onOutline(const TileShape& shape, int x, int y) {
    auto outside = [&](int px, int py) { return !shape.inCell(px, py) || !shape.inside(px, py); };
    for (int k = 1; k <= shape.line; ++k)
        if (outside(x - k, y) || outside(x + k, y) || outside(x, y - k) || outside(x, y + k))
            return true;
    return false;
}

Rgb faceColour(const TileShape& shape, int x, int y) {
    const int fx = x - shape.depth;
    const int fy = y;
    const int line = shape.line;
    const int faceWidth = shape.faceWidth(), faceHeight = shape.faceHeight();
    if (fx < line || fy >= faceHeight - line) return kFaceRim;
    if (fy < 2 * line || fx < 2 * line) return kBevelLight;
    if (fx >= faceWidth - 2 * line || fy >= faceHeight - 2 * line) return kBevelShade;
    return mix(kIvoryTop, kIvoryBottom, fy, faceHeight - 1);
}

Rgb sideColour(const TileShape& shape, int x, int y) {
    const int depth = shape.depth;
    const int bottomEdge = shape.faceHeight() - 1;
    // The face's lower-left corner sweeps a diagonal ridge between the two bands.
    const int ridge = depth + bottomEdge;
    const bool leftBand = x < depth && (y <= bottomEdge || x + y < ridge);
    const bool onRidge = x < depth && y > bottomEdge && x + y == ridge;
    const int inward = leftBand || onRidge ? depth - x : y - bottomEdge;
    const Rgb bone = onRidge    ? mix(kBoneLeft, kBoneBottom, 1, 2)
                     : leftBand ? kBoneLeft
                                : kBoneBottom;
    const Rgb back = onRidge    ? mix(kBackLeft, kBackBottom, 1, 2)
                     : leftBand ? kBackLeft
                                : kBackBottom;
    return inward <= shape.bone ? bone : back;
}

}  // namespace

void paintTileBody(RgbImage& target, int left, int top, const TileShape& shape) {
    for (int y = 0; y < shape.height; ++y) {
        for (int x = 0; x < shape.width; ++x) {
            if (!shape.inside(x, y)) continue;
            Rgb colour;
            if (onOutline(shape, x, y))
                colour = kOutline;
            else if (shape.onFace(x, y))
                colour = faceColour(shape, x, y);
            else
                colour = sideColour(shape, x, y);
            target.at(left + x, top + y) = colour;
        }
    }
}

}  // namespace varnel::art
