#pragma once

#include <array>
#include <vector>

#include "BmpReader.h"

namespace varnel::assets_test {

// The face of a tile picture: x 5..43 and y 0..49 of its cell.
constexpr int kFaceLeft = 5;
constexpr int kFaceWidth = 39;
constexpr int kFaceHeight = 50;

using FacePixels = std::vector<std::array<double, 3>>;  // red, green, blue, row by row

FacePixels ExtractFace(const Bmp8& sheet, int face);

enum class Vision { Normal, Protanopia, Deuteranopia };

// The face as a player with that kind of red-green colour blindness sees it (the projection
// of Viénot, Brettel and Mollon, 1999, applied in linear light).
FacePixels AsSeenWith(const FacePixels& face, Vision vision);

// Mean absolute difference of the colour values over the whole face, on the 0..255 scale.
double Distance(const FacePixels& a, const FacePixels& b);

const char* VisionName(Vision vision);

}  // namespace varnel::assets_test
