// The tile sheets and the program's picture file: the exact bitmap layout the game expects, a
// black surround where the board must show through, and tiles that read as tiles.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "AssetFiles.h"

namespace varnel::assets_test {
namespace {

double Lightness(const Colour& c) {
    return 0.299 * c[0] + 0.587 * c[1] + 0.114 * c[2];
}

// The mean lightness of cell 0 over columns x0..x1 and rows y0..y1, the last ones excluded.
double MeanLightness(const Bmp8& sheet, int x0, int x1, int y0, int y1) {
    double sum = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) sum += Lightness(sheet.At(x, y));
    return sum / ((x1 - x0) * (y1 - y0));
}

class EachSheet : public ::testing::TestWithParam<std::string> {
  protected:
    // A sheet of another size fails here and skips the test, so the loops stay in the picture.
    void SetUp() override {
        sheet_ = LoadBmp(GetParam());
        ASSERT_EQ(sheet_.width, 9 * kCellWidth);
        ASSERT_EQ(sheet_.height, 4 * kCellHeight);
    }
    Bmp8 sheet_;
};

// 88198 bytes, of which 87120 are the pixels.
TEST_P(EachSheet, HasTheExactBitmapLayout) {
    ExpectEightBitLayout(sheet_, 396, 220);
}

// The game ORs each cell onto the board where the mask has cleared it; anything but black in
// the cut corners would tint the board beneath.
TEST_P(EachSheet, IsBlackWhereverTheMaskIsClear) {
    for (int face = 0; face < kFaces; ++face) {
        int stray = 0;
        for (int y = 0; y < kCellHeight; ++y)
            for (int x = 0; x < kCellWidth; ++x)
                stray += OutsideTile(x, y) && CellPixel(sheet_, face, x, y) != Colour{0, 0, 0};
        EXPECT_EQ(stray, 0) << "face " << face;
    }
}

// Every cell is the same tile: the side, the outline and the rim of the face match cell 0's
// pixel for pixel, so pictures never spill over the edge of the face.
TEST_P(EachSheet, EveryCellHasTheSameTileBody) {
    auto onBody = [](int x, int y) {
        const bool side = x < kDepth || y >= kCellHeight - kDepth;
        const bool edge =
            y == 0 || x == kCellWidth - 1 || x == kDepth || y == kCellHeight - kDepth - 1;
        return !OutsideTile(x, y) && (side || edge);
    };
    for (int face = 1; face < kFaces; ++face) {
        int differing = 0;
        for (int y = 0; y < kCellHeight; ++y)
            for (int x = 0; x < kCellWidth; ++x)
                differing += onBody(x, y) && CellPixel(sheet_, face, x, y) != sheet_.At(x, y);
        EXPECT_EQ(differing, 0) << "face " << face;
    }
}

// The face is light ivory and the side clearly darker, the bottom band (in shade) darker than
// the left band (in light): stacked tiles then read as layers.
TEST_P(EachSheet, SideIsShadedDarkerThanTheFace) {
    // The ground: a light value most of each face has, whatever picture is on it.
    std::vector<double> face;
    for (int f = 0; f < kFaces; ++f)
        for (int y = 1; y < kCellHeight - kDepth - 1; ++y)
            for (int x = kDepth + 1; x < kCellWidth - 1; ++x)
                face.push_back(Lightness(CellPixel(sheet_, f, x, y)));
    std::nth_element(face.begin(), face.begin() + face.size() * 4 / 5, face.end());
    const double ground = face[face.size() * 4 / 5];
    const double left = MeanLightness(sheet_, 1, kDepth, 9, 45);
    const double bottom = MeanLightness(sheet_, 9, 35, kCellHeight - kDepth, kCellHeight - 1);
    EXPECT_GT(ground, 215.0);
    EXPECT_GT(ground - left, 30.0);
    EXPECT_GT(left - bottom, 15.0);
}

// Every face carries a picture of its own: a good part of the inside of the face, clear of the
// rim and bevel that every tile has, stands off the ivory ground.
TEST_P(EachSheet, EveryFaceCarriesAPicture) {
    const int left = kDepth + 2, right = kCellWidth - 2, top = 2, bottom = kCellHeight - kDepth - 2;
    for (int face = 0; face < kFaces; ++face) {
        const Colour& ground = CellPixel(sheet_, face, left, top);
        int inked = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x) {
                const Colour& p = CellPixel(sheet_, face, x, y);
                inked += std::abs(p[0] - ground[0]) + std::abs(p[1] - ground[1]) +
                             std::abs(p[2] - ground[2]) >
                         90;
            }
        EXPECT_GT(inked, (right - left) * (bottom - top) / 12) << "face " << face;
    }
}

INSTANTIATE_TEST_SUITE_P(AllSheets, EachSheet, ::testing::ValuesIn(SheetFiles()), FileTestName);

// The Creepy Crawlers entry of the Tiles menu loads the program's own picture file, so that
// file carries the same set.
TEST(ProgramPicture, IsTheCreepyCrawlersSheet) {
    EXPECT_TRUE(ReadBytes(AssetPath("varnel.bmp")) ==
                ReadBytes(AssetPath("sheets/creepy-crawlers.bmp")));
}

}  // namespace
}  // namespace varnel::assets_test
