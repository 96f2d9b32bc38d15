#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace varnel::assets_test {

using Colour = std::array<std::uint8_t, 3>;  // red, green, blue

// An 8-bit Windows bitmap as its bytes say, read field by field without any imaging library,
// so that a fault in the writer cannot hide behind a forgiving reader.
struct Bmp8 {
    std::size_t byteCount = 0;
    std::string signature;
    std::uint32_t fileSizeField = 0;
    std::uint32_t pixelOffset = 0;
    std::uint32_t infoSize = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;  // positive: rows stored bottom-up
    std::uint16_t planes = 0;
    std::uint16_t bitsPerPixel = 0;
    std::uint32_t compression = 0;
    std::uint32_t imageSize = 0;
    std::vector<Colour> palette;        // 256 entries
    std::vector<std::uint8_t> indexes;  // rows from the top

    std::uint8_t Index(int x, int y) const { return indexes[std::size_t(y * width + x)]; }
    const Colour& At(int x, int y) const { return palette[Index(x, y)]; }
};

// Reads an uncompressed 8-bit bitmap with a 256-entry colour table. On anything else, or on a
// file too short for what its header promises, returns false and says why.
bool ParseBmp8(const std::vector<std::uint8_t>& bytes, Bmp8& out, std::string& why);

std::vector<std::uint8_t> ReadBytes(const std::string& path);

}  // namespace varnel::assets_test
