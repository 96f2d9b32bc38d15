#include <gtest/gtest.h>

#include "BoardScaling.h"
#include "BoardSurfaces.h"
#include "RasterOps.h"

namespace varnel {
namespace {

constexpr QRgb kTeal = qRgb(0, 64, 64);
constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kWhite = qRgb(255, 255, 255);

bool Transparent(int x, int y, int w = 44, int h = 55) {
    return x + y < 5 || (w - 1 - x) + (h - 1 - y) < 5;
}

// A sheet whose face f is a flat colour of its own inside the tile outline, black outside.
QImage TestSheet() {
    QImage sheet = MakeSurface(396, 220);
    for (int y = 0; y < 220; ++y)
        for (int x = 0; x < 396; ++x) {
            const int face = (y / 55) * 9 + x / 44;
            if (!Transparent(x % 44, y % 55))
                sheet.setPixel(x, y, qRgb(100 + face, 200 - face, 50 + 4 * face));
        }
    return sheet;
}

QRgb FaceColour(int face) { return qRgb(100 + face, 200 - face, 50 + 4 * face); }

struct Drawing : ::testing::Test {
    void SetUp() override {
        surfaces.picBoard = MakeSurface(300, 200);
        surfaces.picHold = MakeSurface(44, 55);
        surfaces.picMask = MakeSurface(44, 55);
        for (int y = 0; y < 55; ++y)
            for (int x = 0; x < 44; ++x) surfaces.picMask.setPixel(x, y, Transparent(x, y) ? kWhite : kBlack);
        surfaces.picTile.fill(TestSheet());
        surfaces.background = kTeal;
        state.TileCount = 3;
        for (TileRec& tile : state.Tiles) tile.Face = kNoFace;
    }
    void Put(int index, int face, int x, int y, int16_t free = kFalse) {
        TileRec& tile = state.Tiles[index];
        tile = TileRec{free, static_cast<int16_t>(x), static_cast<int16_t>(y),
                       static_cast<int16_t>(face / 9 * 55), static_cast<int16_t>(face % 9 * 44),
                       static_cast<int16_t>(face)};
    }
    QRgb At(int x, int y) const { return surfaces.picBoardOld.pixel(x, y); }

    BoardSurfaces surfaces;
    GameState state;
};

TEST_F(Drawing, EmptyBoardIsPlainBackground) {
    surfaces.picBoard.fill(kWhite);  // whatever was there before
    Put(0, 3, 10, 10);
    state.Tiles[0].Face = kNoFace;
    surfaces.DisplayBoard(state, 0);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 300; ++x) ASSERT_EQ(At(x, y), kTeal) << x << "," << y;
}

TEST_F(Drawing, CornersShowTheBackgroundAndTheFaceFillsTheOutline) {
    Put(0, 12, 20, 30);
    surfaces.DisplayBoard(state, 0);
    for (int y = 0; y < 55; ++y)
        for (int x = 0; x < 44; ++x)
            ASSERT_EQ(At(20 + x, 30 + y), Transparent(x, y) ? kTeal : FaceColour(12)) << x << "," << y;
    EXPECT_EQ(At(19, 30), kTeal);
    EXPECT_EQ(At(64, 84), kTeal);
}

TEST_F(Drawing, HigherIndexCoversTheLowerAndItsCornersShowIt) {
    // Neighbours overlapping by five pixels, as in a row; then a tile one layer up.
    Put(0, 1, 100, 50);
    Put(1, 2, 61, 50);  // to the left, drawn after: covers the first tile's left 5 pixels
    Put(2, 3, 110, 60, kTrue);  // free or not, a tile is drawn alike
    surfaces.DisplayBoard(state, 0);

    EXPECT_EQ(At(101, 80), FaceColour(2)) << "the later tile lies on top in the overlap";
    EXPECT_EQ(At(99, 80), FaceColour(2));
    EXPECT_EQ(At(105, 80), FaceColour(1));
    // The top tile's cut top-left corner shows the tile beneath, not the background.
    EXPECT_EQ(At(110, 60), FaceColour(1));
    EXPECT_EQ(At(112, 61), FaceColour(1));
    EXPECT_EQ(At(115, 65), FaceColour(3));
    // Its bottom-right corner lies over the background.
    EXPECT_EQ(At(153, 114), kTeal);
    EXPECT_EQ(At(150, 111), FaceColour(3));
}

TEST_F(Drawing, TilesHalfOffTheBoardAreClipped) {
    Put(0, 4, 280, 180);
    Put(1, 5, -20, -30);
    surfaces.DisplayBoard(state, 0);
    EXPECT_EQ(At(299, 199), FaceColour(4));
    EXPECT_EQ(At(0, 0), FaceColour(5));
    EXPECT_EQ(surfaces.picBoardOld.size(), QSize(300, 200));
}

TEST(Scaling, StretchedMaskAndSheetsStayCleanForTheRasterOps) {
    BoardSurfaces surfaces;
    surfaces.picMask = MakeSurface(44, 55);
    for (int y = 0; y < 55; ++y)
        for (int x = 0; x < 44; ++x) surfaces.picMask.setPixel(x, y, Transparent(x, y) ? kWhite : kBlack);
    surfaces.picTile.fill(TestSheet());
    GameState state;
    WindowGeometry geometry;
    FormResize(ScreenScale{1.6f, 1.6f}, state, geometry, surfaces, 0);

    const QImage& mask = surfaces.picMask;
    ASSERT_EQ(mask.size(), QSize(70, 88));
    for (int y = 0; y < 88; ++y)
        for (int x = 0; x < 70; ++x) ASSERT_TRUE(mask.pixel(x, y) == kBlack || mask.pixel(x, y) == kWhite);
    EXPECT_EQ(mask.pixel(0, 0), kWhite);
    EXPECT_EQ(mask.pixel(35, 44), kBlack);
    EXPECT_EQ(mask.pixel(69, 87), kWhite);

    // Wherever the mask is white, every cell of every sheet is black.
    for (const QImage& sheet : surfaces.picTile) {
        ASSERT_EQ(sheet.size(), QSize(634, 352));
        for (int face = 0; face < 36; ++face) {
            const int left = static_cast<int>(std::nearbyint(face % 9 * 70.4f));
            const int top = face / 9 * 88;
            for (int y = 0; y < 88; ++y)
                for (int x = 0; x < 70; ++x) {
                    if (mask.pixel(x, y) == kWhite && left + x < 634) {
                        ASSERT_EQ(sheet.pixel(left + x, top + y), kBlack) << face;
                    }
                }
        }
    }
}

}  // namespace
}  // namespace varnel
