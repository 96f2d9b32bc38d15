// The tile sheets and the program's picture file: the exact bitmap layout the game expects, a
// black surround where the board must show through, and a tile body that reads as depth.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>

#include "AssetFiles.h"

namespace varnel::assets_test {
namespace {

constexpr std::size_t kSheetBytes = 88198;

double Lightness(const Colour& c) {
    return 0.299 * c[0] + 0.587 * c[1] + 0.114 * c[2];
}

class SheetBitmap : public ::testing::TestWithParam<SheetFile> {};

TEST_P(SheetBitmap, HasTheExactBitmapLayout) {
    const std::vector<std::uint8_t> bytes = ReadBytes(AssetPath(GetParam().path));
    ASSERT_EQ(bytes.size(), kSheetBytes);
    Bmp8 bmp;
    std::string why;
    ASSERT_TRUE(ParseBmp8(bytes, bmp, why)) << why;
    EXPECT_EQ(bmp.fileSizeField, kSheetBytes);
    EXPECT_EQ(bmp.pixelOffset, 1078u);
    EXPECT_EQ(bmp.infoSize, 40u);
    EXPECT_EQ(bmp.width, 396);
    EXPECT_EQ(bmp.height, 220);
    EXPECT_EQ(bmp.planes, 1);
    EXPECT_EQ(bmp.bitsPerPixel, 8);
    EXPECT_EQ(bmp.compression, 0u);
    EXPECT_EQ(bmp.imageSize, 87120u);
}

// The game ORs each cell onto the board where the mask has cleared it; anything but black in
// the cut corners would tint the board beneath.
TEST_P(SheetBitmap, IsBlackWhereverTheMaskIsClear) {
    const Bmp8 sheet = LoadBmp(GetParam().path);
    ASSERT_EQ(sheet.width, 396);
    int stray = 0;
    for (int face = 0; face < 36; ++face)
        for (int y = 0; y < kCellHeight; ++y)
            for (int x = 0; x < kCellWidth; ++x) {
                if (!OutsideTile(x, y)) continue;
                const Colour& c =
                    sheet.At((face % 9) * kCellWidth + x, (face / 9) * kCellHeight + y);
                if (c != Colour{0, 0, 0}) {
                    ++stray;
                    ADD_FAILURE_AT(GetParam().path.c_str(), face)
                        << "face " << face << " pixel " << x << "," << y << " is not black";
                }
                if (stray > 5) return;
            }
}

// Every cell is the same tile: the side, the outline and the rim of the face match cell 0's
// pixel for pixel, so pictures never spill over the edge of the face.
TEST_P(SheetBitmap, EveryCellHasTheSameTileBody) {
    const Bmp8 sheet = LoadBmp(GetParam().path);
    ASSERT_EQ(sheet.width, 396);
    auto onBody = [](int x, int y) {
        const bool side = x < kDepth || y >= kCellHeight - kDepth;
        const bool edge =
            y == 0 || x == kCellWidth - 1 || x == kDepth || y == kCellHeight - kDepth - 1;
        return !OutsideTile(x, y) && (side || edge);
    };
    for (int face = 1; face < 36; ++face) {
        int differing = 0;
        for (int y = 0; y < kCellHeight; ++y)
            for (int x = 0; x < kCellWidth; ++x)
                if (onBody(x, y) && sheet.At((face % 9) * kCellWidth + x,
                                             (face / 9) * kCellHeight + y) != sheet.At(x, y))
                    ++differing;
        EXPECT_EQ(differing, 0) << "face " << face;
    }
}

// The face is light ivory and the side clearly darker, the bottom band (in shade) darker than
// the left band (in light): stacked tiles then read as layers.
TEST_P(SheetBitmap, SideIsShadedDarkerThanTheFace) {
    const Bmp8 sheet = LoadBmp(GetParam().path);
    ASSERT_EQ(sheet.width, 396);
    // The ground of each face: a light value most of the face has, whatever picture is on it.
    double ground = 0;
    for (int face = 0; face < 36; ++face) {
        std::vector<double> values;
        for (int y = 1; y < kCellHeight - kDepth - 1; ++y)
            for (int x = kDepth + 1; x < kCellWidth - 1; ++x)
                values.push_back(
                    Lightness(sheet.At((face % 9) * kCellWidth + x, (face / 9) * kCellHeight + y)));
        std::nth_element(values.begin(), values.begin() + values.size() * 4 / 5, values.end());
        ground += values[values.size() * 4 / 5] / 36;
    }
    double left = 0, bottom = 0;
    int leftCount = 0, bottomCount = 0;
    for (int y = 0; y < kCellHeight; ++y)
        for (int x = 0; x < kCellWidth; ++x) {
            if (x >= 1 && x < kDepth && y > 8 && y < 45) {
                left += Lightness(sheet.At(x, y));
                ++leftCount;
            } else if (y >= kCellHeight - kDepth && y < kCellHeight - 1 && x > 8 && x < 35) {
                bottom += Lightness(sheet.At(x, y));
                ++bottomCount;
            }
        }
    left /= leftCount;
    bottom /= bottomCount;
    EXPECT_GT(ground, 215.0);
    EXPECT_GT(ground - left, 30.0);
    EXPECT_GT(left - bottom, 15.0);
}

INSTANTIATE_TEST_SUITE_P(AllSheets, SheetBitmap, ::testing::ValuesIn(SheetFiles()),
                         [](const ::testing::TestParamInfo<SheetFile>& info) {
                             std::string name;
                             for (char c : info.param.path)
                                 if (std::isalnum(static_cast<unsigned char>(c))) name += c;
                             return name;
                         });

// The Creepy Crawlers entry of the Tiles menu loads the program's own picture file, so that
// file carries the same set.
TEST(ProgramPicture, IsTheCreepyCrawlersSheet) {
    EXPECT_EQ(ReadBytes(AssetPath("varnel.bmp")),
              ReadBytes(AssetPath("sheets/creepy-crawlers.bmp")));
}

}  // namespace
}  // namespace varnel::assets_test
