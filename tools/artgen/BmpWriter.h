#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "art/RgbImage.h"

namespace varnel::artgen {

// A palette entry is the art library's colour: the BMP stores it as blue, green, red, 0.
using PaletteEntry = art::Rgb;

using Palette = std::array<PaletteEntry, 256>;

// An 8-bit picture: one palette index per pixel, rows from the top.
struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;
    Palette palette{};

    std::uint8_t at(int x, int y) const { return pixels[y * width + x]; }
};

// The bytes of an uncompressed 8-bit Windows bitmap with a full 256-entry colour table, rows
// stored bottom-up. Every field is fixed by the picture, so equal pictures give equal files.
std::vector<std::uint8_t> encodeBmp8(const IndexedImage& image);

// Writes the bytes to the path; false when the file cannot be written.
bool writeFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace varnel::artgen
