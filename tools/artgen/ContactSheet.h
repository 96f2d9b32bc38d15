#pragma once

#include <array>

#include "tools/artgen/BmpWriter.h"
#include "art/RgbImage.h"

namespace varnel::artgen {

using namespace varnel::art;

// One picture to judge the art by: the five sheets at twice their size, drawn through the mask
// onto the board's teal as the game draws them, with their names; the mask; and a small mound
// of stacked tiles of every set, to show how the sides read as depth.
RgbImage makeContactSheet(const std::array<IndexedImage, 5>& sheets, const IndexedImage& mask);

}  // namespace varnel::artgen
