// The tile mask: black on the tile, white on the two cut corners, nothing else.
#include <gtest/gtest.h>

#include "AssetFiles.h"

namespace varnel::assets_test {
namespace {

TEST(Mask, HasTheBitmapLayoutOfOneCell) {
    ExpectEightBitLayout(LoadBmp("mask.bmp"), kCellWidth, kCellHeight);
}

TEST(Mask, IsWhiteExactlyOnTheTwoCutCorners) {
    const Bmp8 mask = LoadBmp("mask.bmp");
    ASSERT_EQ(mask.width, kCellWidth);
    ASSERT_EQ(mask.height, kCellHeight);
    EXPECT_EQ(mask.palette[0], (Colour{0, 0, 0}));
    EXPECT_EQ(mask.palette[14], (Colour{255, 255, 255}));
    int white = 0;
    for (int y = 0; y < kCellHeight; ++y)
        for (int x = 0; x < kCellWidth; ++x) {
            EXPECT_EQ(mask.Index(x, y), OutsideTile(x, y) ? 14 : 0) << "at " << x << "," << y;
            white += mask.Index(x, y) == 14;
        }
    // Two triangles of 1 + 2 + 3 + 4 + 5 pixels.
    EXPECT_EQ(white, 30);
}

}  // namespace
}  // namespace varnel::assets_test
