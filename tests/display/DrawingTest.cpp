#include <gtest/gtest.h>

#include <array>

#include "display/BoardGeometry.h"
#include "display/BoardPicture.h"
#include "display/BoardSurfaces.h"
#include "display/RasterOps.h"

namespace varnel {
namespace {

constexpr QRgb kTeal = qRgb(0, 64, 64);
constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kWhite = qRgb(255, 255, 255);

bool transparent(int x, int y, int w = 44, int h = 55) {
    return x + y < 5 || (w - 1 - x) + (h - 1 - y) < 5;
}

QRgb faceColour(int face) {
    return qRgb(100 + face, 200 - face, 50 + 4 * face);
}

// A sheet whose face f is a flat colour of its own inside the tile outline, black outside.
QImage testSheet() {
    QImage sheet = makeSurface(396, 220);
    for (int y = 0; y < 220; ++y)
        for (int x = 0; x < 396; ++x)
            if (!transparent(x % 44, y % 55))
                sheet.setPixel(x, y, faceColour((y / 55) * 9 + x / 44));
    return sheet;
}

// Each tile shows its face inside its outline, clipped at the board's edges, over the tiles laid
// before it, which show through its cut corners; any piece of the board painted alone is as in
// the whole.
TEST(Drawing, EachTileShowsItsFaceInsideItsOutlineOverTheOnesBefore) {
    // A board of 300 x 200 pixels holding tiles of 44 x 55, composed from the test sheet.
    BoardPicture board = BoardPicture::blank(QSize(300, 200), kTeal, makeSurface(44, 55));
    board.mask = makeSurface(44, 55);
    for (int y = 0; y < 55; ++y)
        for (int x = 0; x < 44; ++x) board.mask.setPixel(x, y, transparent(x, y) ? kWhite : kBlack);
    board.sheet = testSheet();
    board.tile = QSize(44, 55);
    // Each tile's face, left and top: one inside the board, two clipped at its edges, then
    // neighbours overlapping by five pixels, as in a row, the later one to the left, and a tile
    // one layer up.
    const int laid[][3] = {{12, 20, 30}, {4, 280, 180}, {5, -20, -30},
                           {1, 160, 50}, {2, 121, 50},  {3, 170, 60}};
    for (const auto& [face, x, y] : laid)
        board.tiles.push_back({x, y, face % 9 * 44, face / 9 * 55});
    // The board as the window paints it, piece by piece: here in pieces that cut through tiles.
    QImage shown = makeSurface(300, 200), piece = makeSurface(70, 45);
    for (int y = 0; y < 200; y += 45)
        for (int x = 0; x < 300; x += 70) {
            board.compose(piece, QPoint(x, y));
            transferRect(shown, x, y, 70, 45, piece, 0, 0, RasterOp::Copy);
        }
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 300; ++x) {
            QRgb expected = kTeal;
            for (const auto& [face, left, top] : laid)
                if (x >= left && x < left + 44 && y >= top && y < top + 55 &&
                    !transparent(x - left, y - top))
                    expected = faceColour(face);
            ASSERT_EQ(shown.pixel(x, y), expected) << x << "," << y;
        }
}

// Labels and sheets grow with the design, a picture file stretched, a built-in set drawn afresh;
// both stay black in every cell's cut corners (a smooth fringe too): the board shows through.
TEST(Scaling, TheDesignGrowsAndSheetsStayBlackWhereTheMaskIsClear) {
    BoardGeometry geometry;
    BoardSurfaces surfaces(1, SheetCache());
    QImage picture = testSheet();
    picture.fill(qRgb(250, 250, 250));  // white to its edges, so only the blackening makes corners
    surfaces.usePictureSheet(picture, geometry);
    // A screen of 1280 x 768: wider than 4:3, so the design follows its height, centred.
    geometry.place(DesignPlacement{1.6f, 128, 0, false});
    surfaces.fitTo(geometry, 1);
    const LabelPlaces stacked = geometry.labels(LabelSet::Stacked);
    EXPECT_EQ(
        (std::array{stacked.messageTop, stacked.scoreTop, stacked.scoreLeft, stacked.testTop}),
        (std::array{128, 166, 26, 320}));
    EXPECT_EQ(geometry.labels(LabelSet::Flat).scoreLeft, 120);
    const QImage& mask = surfaces.mask();
    ASSERT_EQ(mask.size(), QSize(70, 88));
    for (int slot : {1, 4}) {
        const QImage& sheet = surfaces.sheet(slot);
        ASSERT_EQ(sheet.size(), QSize(634, 352)) << slot;
        for (int face = 0; face < 36; ++face) {
            const SheetCell cell = geometry.sheetCell(face);
            for (int y = 0; y < 88; ++y)
                for (int x = 0; x < 70 && cell.x + x < 634; ++x)
                    if (mask.pixel(x, y) == kWhite) {
                        ASSERT_EQ(sheet.pixel(cell.x + x, cell.y + y), kBlack)
                            << slot << " " << face;
                    }
        }
    }
}

}  // namespace
}  // namespace varnel
