#include "BmpReader.h"

#include <fstream>
#include <iterator>

namespace varnel::assets_test {
namespace {

std::uint32_t LittleEndian(const std::vector<std::uint8_t>& b, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) value = value << 8 | b[at + std::size_t(i)];
    return value;
}

}  // namespace

bool ParseBmp8(const std::vector<std::uint8_t>& bytes, Bmp8& out, std::string& why) {
    if (bytes.size() < 14 + 40 + 256 * 4) {
        why = "shorter than the headers and colour table";
        return false;
    }
    out.byteCount = bytes.size();
    out.signature = std::string(bytes.begin(), bytes.begin() + 2);
    out.fileSizeField = LittleEndian(bytes, 2, 4);
    out.pixelOffset = LittleEndian(bytes, 10, 4);
    out.infoSize = LittleEndian(bytes, 14, 4);
    out.width = static_cast<std::int32_t>(LittleEndian(bytes, 18, 4));
    out.height = static_cast<std::int32_t>(LittleEndian(bytes, 22, 4));
    out.planes = static_cast<std::uint16_t>(LittleEndian(bytes, 26, 2));
    out.bitsPerPixel = static_cast<std::uint16_t>(LittleEndian(bytes, 28, 2));
    out.compression = LittleEndian(bytes, 30, 4);
    out.imageSize = LittleEndian(bytes, 34, 4);
    const std::size_t tableAt = 14 + std::size_t{out.infoSize};
    const std::size_t rowBytes = (static_cast<std::size_t>(out.width) + 3) / 4 * 4;
    if (out.bitsPerPixel != 8 || out.compression != 0 || out.width <= 0 || out.height <= 0 ||
        out.width > 4096 || out.height > 4096 || out.pixelOffset < tableAt + 256 * 4 ||
        out.pixelOffset + rowBytes * static_cast<std::size_t>(out.height) > bytes.size()) {
        why = "not an uncompressed 8-bit picture whose colour table and pixels fit in the file";
        return false;
    }
    out.palette.clear();
    for (std::size_t at = tableAt; at < tableAt + 256 * 4; at += 4)
        out.palette.push_back({bytes[at + 2], bytes[at + 1], bytes[at]});
    out.indexes.clear();
    for (int y = out.height - 1; y >= 0; --y) {
        const auto row = bytes.begin() + out.pixelOffset + rowBytes * std::size_t(y);
        out.indexes.insert(out.indexes.end(), row, row + out.width);
    }
    return true;
}

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace varnel::assets_test
