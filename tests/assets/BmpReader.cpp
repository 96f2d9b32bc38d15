#include "BmpReader.h"

#include <fstream>
#include <iterator>

namespace varnel::assets_test {
namespace {

std::uint32_t U16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return std::uint32_t{b[at]} | std::uint32_t{b[at + 1]} << 8;
}

std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return U16(b, at) | U16(b, at + 2) << 16;
}

}  // namespace

bool ParseBmp8(const std::vector<std::uint8_t>& bytes, Bmp8& out, std::string& why) {
    constexpr std::size_t kHeaders = 14 + 40;
    if (bytes.size() < kHeaders + 256 * 4) {
        why = "shorter than the headers and colour table";
        return false;
    }
    if (bytes[0] != 'B' || bytes[1] != 'M') {
        why = "no BM signature";
        return false;
    }
    out.fileSizeField = U32(bytes, 2);
    out.pixelOffset = U32(bytes, 10);
    out.infoSize = U32(bytes, 14);
    out.width = static_cast<std::int32_t>(U32(bytes, 18));
    out.height = static_cast<std::int32_t>(U32(bytes, 22));
    out.planes = static_cast<std::uint16_t>(U16(bytes, 26));
    out.bitsPerPixel = static_cast<std::uint16_t>(U16(bytes, 28));
    out.compression = U32(bytes, 30);
    out.imageSize = U32(bytes, 34);
    if (out.bitsPerPixel != 8 || out.compression != 0 || out.width <= 0 || out.height <= 0 ||
        out.width > 4096 || out.height > 4096) {
        why = "not an uncompressed, bottom-up 8-bit picture of a sane size";
        return false;
    }
    const std::size_t tableAt = 14 + out.infoSize;
    const std::size_t rowBytes = (static_cast<std::size_t>(out.width) + 3) / 4 * 4;
    if (tableAt + 256 * 4 > bytes.size() || out.pixelOffset < tableAt + 256 * 4 ||
        out.pixelOffset + rowBytes * static_cast<std::size_t>(out.height) > bytes.size()) {
        why = "colour table or pixels run past the end of the file";
        return false;
    }
    out.palette.clear();
    for (std::size_t i = 0; i < 256; ++i) {
        const std::size_t at = tableAt + 4 * i;
        out.palette.push_back({bytes[at + 2], bytes[at + 1], bytes[at]});
    }
    out.indexes.assign(static_cast<std::size_t>(out.width * out.height), 0);
    for (int y = 0; y < out.height; ++y) {
        const std::size_t row =
            out.pixelOffset + rowBytes * static_cast<std::size_t>(out.height - 1 - y);
        for (int x = 0; x < out.width; ++x)
            out.indexes[static_cast<std::size_t>(y * out.width + x)] =
                bytes[row + static_cast<std::size_t>(x)];
    }
    return true;
}

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace varnel::assets_test
