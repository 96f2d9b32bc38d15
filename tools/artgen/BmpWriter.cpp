#include "tools/artgen/BmpWriter.h"

#include <fstream>

namespace varnel::artgen {
namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kColourTableSize = 256 * 4;

void put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

}  // namespace

std::vector<std::uint8_t> encodeBmp8(const IndexedImage& image) {
    const auto width = static_cast<std::uint32_t>(image.width);
    const auto height = static_cast<std::uint32_t>(image.height);
    const std::uint32_t rowBytes = (width + 3) / 4 * 4;
    const std::uint32_t imageSize = rowBytes * height;
    const std::uint32_t pixelOffset = kFileHeaderSize + kInfoHeaderSize + kColourTableSize;

    std::vector<std::uint8_t> out;
    out.reserve(pixelOffset + imageSize);
    out.push_back('B');
    out.push_back('M');
    put32(out, pixelOffset + imageSize);
    put32(out, 0);  // two reserved words
    put32(out, pixelOffset);

    put32(out, kInfoHeaderSize);
    put32(out, width);
    put32(out, height);  // positive: rows run bottom-up
    put16(out, 1);       // planes
    put16(out, 8);       // bits per pixel
    put32(out, 0);       // no compression
    put32(out, imageSize);
    put32(out, 0);  // no preferred resolution
    put32(out, 0);
    put32(out, 256);  // colours in the table
    put32(out, 0);    // all of them matter

    for (const PaletteEntry& entry : image.palette) {
        out.push_back(entry.blue);
        out.push_back(entry.green);
        out.push_back(entry.red);
        out.push_back(0);
    }

    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) out.push_back(image.at(x, y));
        for (std::uint32_t pad = width; pad < rowBytes; ++pad) out.push_back(0);
    }
    return out;
}

bool writeFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) return false;
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

}  // namespace varnel::artgen
