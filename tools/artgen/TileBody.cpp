#include "TileBody.h"

#include "TileGeometry.h"

namespace varnel::artgen {
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

Rgb Mix(const Rgb& a, const Rgb& b, int step, int steps) {
    auto channel = [&](int p, int q) {
        return static_cast<std::uint8_t>((p * (steps - step) + q * step + steps / 2) / steps);
    };
    return {channel(a.red, b.red), channel(a.green, b.green), channel(a.blue, b.blue)};
}

bool OnOutline(int x, int y) {
    auto outside = [](int px, int py) {
        return px < 0 || py < 0 || px >= kTileWidth || py >= kTileHeight || !InsideTile(px, py);
    };
    return outside(x - 1, y) || outside(x + 1, y) || outside(x, y - 1) || outside(x, y + 1);
}

Rgb FaceColour(int x, int y) {
    const int fx = x - kFaceLeft;
    const int fy = y - kFaceTop;
    if (fx == 0 || fy == kFaceHeight - 1) return kFaceRim;
    if (fy == 1 || fx == 1) return kBevelLight;
    if (fx == kFaceWidth - 2 || fy == kFaceHeight - 2) return kBevelShade;
    return Mix(kIvoryTop, kIvoryBottom, fy, kFaceHeight - 1);
}

Rgb SideColour(int x, int y) {
    const int bottomEdge = kFaceTop + kFaceHeight - 1;
    // The face's lower-left corner sweeps a diagonal ridge between the two bands.
    const int ridge = kFaceLeft + bottomEdge;
    const bool leftBand = x < kFaceLeft && (y <= bottomEdge || x + y < ridge);
    const bool onRidge = x < kFaceLeft && y > bottomEdge && x + y == ridge;
    const int depth = leftBand || onRidge ? kFaceLeft - x : y - bottomEdge;
    const Rgb bone = onRidge    ? Mix(kBoneLeft, kBoneBottom, 1, 2)
                     : leftBand ? kBoneLeft
                                : kBoneBottom;
    const Rgb back = onRidge    ? Mix(kBackLeft, kBackBottom, 1, 2)
                     : leftBand ? kBackLeft
                                : kBackBottom;
    return depth <= 2 ? bone : back;
}

}  // namespace

void PaintTileBody(RgbImage& target, int left, int top) {
    for (int y = 0; y < kTileHeight; ++y) {
        for (int x = 0; x < kTileWidth; ++x) {
            if (!InsideTile(x, y)) continue;
            Rgb colour;
            if (OnOutline(x, y))
                colour = kOutline;
            else if (OnFace(x, y))
                colour = FaceColour(x, y);
            else
                colour = SideColour(x, y);
            target.At(left + x, top + y) = colour;
        }
    }
}

}  // namespace varnel::artgen
