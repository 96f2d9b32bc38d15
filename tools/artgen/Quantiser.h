#pragma once

#include "tools/artgen/BmpWriter.h"
#include "art/RgbImage.h"

namespace varnel::artgen {

using namespace varnel::art;

// Reduces a picture to an 8-bit one with at most 256 colours. Index 0 is always pure black,
// and only pure black pixels are sure to get it, so the black surroundings of a tile stay
// exactly black. A picture with few colours keeps them exactly; otherwise the colours are
// chosen by median cut and refined by a few rounds of k-means. No dithering: flat colours
// stay flat.
IndexedImage Quantise(const RgbImage& image);

}  // namespace varnel::artgen
