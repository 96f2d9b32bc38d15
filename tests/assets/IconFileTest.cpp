// The window icons: PNG files of the named sizes with an alpha channel, so that the stack of
// tiles sits on any title bar without a box round it.
#include <gtest/gtest.h>

#include "AssetFiles.h"

namespace varnel::assets_test {
namespace {

std::uint32_t BigEndian32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return std::uint32_t{b[at]} << 24 | std::uint32_t{b[at + 1]} << 16 |
           std::uint32_t{b[at + 2]} << 8 | std::uint32_t{b[at + 3]};
}

TEST(Icons, EverySizeIsASquareRgbaPng) {
    const std::uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    for (std::uint32_t size : {16u, 24u, 32u, 48u, 64u, 128u, 256u}) {
        const std::string name = "icons/varnel-" + std::to_string(size) + ".png";
        const std::vector<std::uint8_t> bytes = ReadBytes(AssetPath(name));
        ASSERT_GE(bytes.size(), 33u) << name;
        EXPECT_TRUE(std::equal(signature, signature + 8, bytes.begin())) << name;
        EXPECT_EQ(std::string(bytes.begin() + 12, bytes.begin() + 16), "IHDR") << name;
        EXPECT_EQ(BigEndian32(bytes, 16), size) << name;
        EXPECT_EQ(BigEndian32(bytes, 20), size) << name;
        EXPECT_EQ(bytes[24], 8) << name << ": bit depth";
        EXPECT_EQ(bytes[25], 6) << name << ": colour type (RGB with alpha)";
    }
}

}  // namespace
}  // namespace varnel::assets_test
