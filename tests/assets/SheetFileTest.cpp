// The built-in tile sheets: a black surround where the board must show through, and tiles
// that read as tiles.
#include <algorithm>
#include <cstdlib>

#include "AssetFiles.h"

namespace varnel::assets_test {
namespace {

double Lightness(QRgb c) {
    return 0.299 * qRed(c) + 0.587 * qGreen(c) + 0.114 * qBlue(c);
}

class EachSheet : public ::testing::TestWithParam<std::string> {
  protected:
    // A sheet of another size fails here and skips the test, so the loops stay in the picture.
    void SetUp() override {
        sheet_ = LoadIndexed(GetParam());
        ASSERT_EQ(sheet_.size(), QSize(9 * kCellWidth, 4 * kCellHeight));
    }

    // The mean lightness of cell 0 over columns x0..x1 and rows y0..y1, the last ones excluded.
    double MeanLightness(int x0, int x1, int y0, int y1) const {
        double sum = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) sum += Lightness(sheet_.pixel(x, y));
        return sum / ((x1 - x0) * (y1 - y0));
    }

    QImage sheet_;
};

// The game ORs each cell onto the board where the mask has cleared it: anything but black in
// the cut corners would tint the board beneath. And the side, the outline and the rim of the
// face match cell 0's pixel for pixel, so pictures never spill over the edge of the face.
TEST_P(EachSheet, EveryCellIsTheSameTileInABlackSurround) {
    auto onBody = [](int x, int y) {
        const bool side = x < kDepth || y >= kCellHeight - kDepth;
        const bool edge =
            y == 0 || x == kCellWidth - 1 || x == kDepth || y == kCellHeight - kDepth - 1;
        return side || edge;
    };
    for (int face = 0; face < kFaces; ++face) {
        int stray = 0, differing = 0;
        for (int y = 0; y < kCellHeight; ++y)
            for (int x = 0; x < kCellWidth; ++x) {
                const QRgb pixel = CellPixel(sheet_, face, x, y);
                if (OutsideTile(x, y))
                    stray += pixel != qRgb(0, 0, 0);
                else if (onBody(x, y))
                    differing += pixel != sheet_.pixel(x, y);
            }
        EXPECT_EQ(stray, 0) << "face " << face;
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
    const double left = MeanLightness(1, kDepth, 9, 45);
    const double bottom = MeanLightness(9, 35, kCellHeight - kDepth, kCellHeight - 1);
    EXPECT_GT(ground, 215.0);
    EXPECT_GT(ground - left, 30.0);
    EXPECT_GT(left - bottom, 15.0);
}

// Every face carries a picture of its own: a good part of the inside of the face, clear of the
// rim and bevel that every tile has, stands off the ivory ground.
TEST_P(EachSheet, EveryFaceCarriesAPicture) {
    const int left = kDepth + 2, right = kCellWidth - 2, top = 2, bottom = kCellHeight - kDepth - 2;
    for (int face = 0; face < kFaces; ++face) {
        const QRgb ground = CellPixel(sheet_, face, left, top);
        int inked = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x) {
                const QRgb p = CellPixel(sheet_, face, x, y);
                inked += std::abs(qRed(p) - qRed(ground)) + std::abs(qGreen(p) - qGreen(ground)) +
                             std::abs(qBlue(p) - qBlue(ground)) >
                         90;
            }
        EXPECT_GT(inked, (right - left) * (bottom - top) / 12) << "face " << face;
    }
}

INSTANTIATE_TEST_SUITE_P(BuiltInSets, EachSheet, ::testing::ValuesIn(kSheetFiles), FileTestName);

}  // namespace
}  // namespace varnel::assets_test
