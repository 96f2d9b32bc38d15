// The tile mask: black on the tile, white on the two cut corners, nothing else.
#include <gtest/gtest.h>

#include "AssetFiles.h"

namespace varnel::assets_test {
namespace {

TEST(Mask, HasTheBitmapLayoutOfAnEightBitPicture) {
    const std::vector<std::uint8_t> bytes = ReadBytes(AssetPath("mask.bmp"));
    ASSERT_EQ(bytes.size(), 1078u + 44u * 55u);
    Bmp8 mask;
    std::string why;
    ASSERT_TRUE(ParseBmp8(bytes, mask, why)) << why;
    EXPECT_EQ(mask.fileSizeField, bytes.size());
    EXPECT_EQ(mask.pixelOffset, 1078u);
    EXPECT_EQ(mask.infoSize, 40u);
    EXPECT_EQ(mask.width, 44);
    EXPECT_EQ(mask.height, 55);
    EXPECT_EQ(mask.planes, 1);
    EXPECT_EQ(mask.bitsPerPixel, 8);
    EXPECT_EQ(mask.compression, 0u);
    EXPECT_EQ(mask.palette[0], (Colour{0, 0, 0}));
    EXPECT_EQ(mask.palette[14], (Colour{255, 255, 255}));
}

TEST(Mask, IsWhiteExactlyOnTheTwoCutCorners) {
    const Bmp8 mask = LoadBmp("mask.bmp");
    ASSERT_EQ(mask.width, 44);
    ASSERT_EQ(mask.height, 55);
    int white = 0;
    for (int y = 0; y < 55; ++y)
        for (int x = 0; x < 44; ++x) {
            const std::uint8_t expected = OutsideTile(x, y) ? 14 : 0;
            EXPECT_EQ(mask.Index(x, y), expected) << "at " << x << "," << y;
            white += mask.Index(x, y) == 14;
        }
    // Two triangles of 1 + 2 + 3 + 4 + 5 pixels.
    EXPECT_EQ(white, 30);
    EXPECT_EQ(mask.Index(0, 4), 14);
    EXPECT_EQ(mask.Index(0, 5), 0);
    EXPECT_EQ(mask.Index(4, 0), 14);
    EXPECT_EQ(mask.Index(5, 0), 0);
    EXPECT_EQ(mask.Index(43, 50), 14);
    EXPECT_EQ(mask.Index(43, 49), 0);
    EXPECT_EQ(mask.Index(39, 54), 14);
    EXPECT_EQ(mask.Index(38, 54), 0);
}

}  // namespace
}  // namespace varnel::assets_test
