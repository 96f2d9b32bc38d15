// The built-in sets as the game draws them for a scaled board, rather than from the committed
// files: inside the tile outline, and with the same pictures as the committed sheets, grown.
#include <gtest/gtest.h>

#include <cmath>

#include "board/Rounding.h"
#include "display/BuiltinArt.h"
#include "display/DrawnArt.h"

namespace varnel {
namespace {

constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kWhite = qRgb(255, 255, 255);

// On the tile, within the outline's width of a pixel outside it.
bool onOutline(const QImage& mask, int x, int y, int width) {
    auto clear = [&](int px, int py) {
        return !mask.rect().contains(px, py) || mask.pixel(px, py) == kWhite;
    };
    for (int k = 1; k <= width && !clear(x, y); ++k)
        if (clear(x - k, y) || clear(x + k, y) || clear(x, y - k) || clear(x, y + k)) return true;
    return false;
}

// Where the board's tile size is not whole, a cell may overlap its neighbour by a pixel.
bool inAnotherCell(const art::SheetGrid& grid, int face, int x, int y) {
    for (int other = 0; other < 36; ++other) {
        const QRect cell(grid.columnLeft[other % 9], grid.rowTop[other / 9], grid.shape.width,
                         grid.shape.height);
        if (other != face && cell.contains(x, y)) return true;
    }
    return false;
}

// A face inside its rim brought down to a few pixels: where the picture lies and how big it is.
// Its bytes are red, green, blue and a fourth, unused, the same in every glance.
QImage faceAtGlance(const QImage& sheet, QRect face) {
    const int rim = std::max(2, face.width() / 13);
    return sheet.copy(face.adjusted(rim, rim, -rim, -rim))
        .scaled(13, 16, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGBX8888);
}

// The mean difference of two glances' colours.
double meanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (qsizetype i = 0; i < a.sizeInBytes(); ++i)
        sum += std::abs(a.constBits()[i] - b.constBits()[i]);
    return sum / (3.0 * a.width() * a.height());
}

// Maximized at 1024 x 768 (1.6 times), 1680 x 1050 (2.1875) or 1920 x 1080 (2.25), each face is
// drawn where the board looks for it, black where the mask is clear, and outlined; corners and
// outline grow to the nearest pixel (at 2.1875 times, a side of 5 grows to 11). Inside, it shows
// the committed picture grown to fill it: drawn right, every face stays within 12 (on the 0..255
// scale) of the committed one smoothly enlarged; one left at the design size, or drawn at 2 times
// where 2.25 is wanted, differs by 40 and more.
TEST(DrawnArt, BuiltInSetsAreTheCommittedPicturesGrownToTheBoardsScaleInsideTheirMask) {
    EXPECT_EQ(makeTileMask(art::TileShape{}), loadTileMask()) << "the committed mask at scale 1";
    const QRgb outline = qRgb(52, 40, 30);
    for (const QSize screen : {QSize(1024, 768), QSize(1680, 1050), QSize(1920, 1080)}) {
        // The board's geometry after the first maximize, and the grid the sets are drawn in for it.
        BoardGeometry geometry;
        geometry.place(placementOnScreen(screen.width(), screen.height()));
        const float scale = geometry.scale();
        const art::SheetGrid grid = boardSheetGrid(geometry, QSizeF(396 * scale, 220 * scale), 1);
        const art::TileShape& shape = grid.shape;
        const QImage mask = makeTileMask(shape);
        ASSERT_EQ(mask.size(),
                  QSize(roundToInt32(geometry.tileWidth()), roundToInt32(geometry.tileHeight())));
        const int depth = roundToInt16(5 * scale), line = roundToInt16(scale);
        EXPECT_EQ(mask.pixel(depth - 1, 0), kWhite) << scale;
        EXPECT_EQ(mask.pixel(depth, 0), kBlack) << scale;
        for (int slot = 0; slot < 5; ++slot) {
            const QImage sheet = makeBuiltinSheet(slot, grid), committed = loadBuiltinSheet(slot);
            ASSERT_EQ(sheet.size(), QSize(roundToInt32(396 * scale), roundToInt32(220 * scale)));
            for (int face = 0; face < 36; ++face) {
                const SheetCell cell = geometry.sheetCell(face);
                for (int y = 0; y < mask.height(); ++y)
                    for (int x = 0; x < mask.width(); ++x) {
                        const QRgb pixel = sheet.pixel(cell.x + x, cell.y + y);
                        if (mask.pixel(x, y) == kWhite) {
                            ASSERT_EQ(pixel, kBlack) << scale << " " << slot << " " << face;
                        } else if (onOutline(mask, x, y, line) &&
                                   !inAnotherCell(grid, face, cell.x + x, cell.y + y)) {
                            ASSERT_EQ(pixel, outline) << scale << " " << slot << " " << face;
                        }
                    }
                const QRect designFace(face % 9 * 44 + 5, face / 9 * 55, 39, 50);
                const QImage reference =
                    committed.copy(designFace)
                        .scaled(shape.faceWidth(), shape.faceHeight(), Qt::IgnoreAspectRatio,
                                Qt::SmoothTransformation);
                const QRect scaledFace(grid.columnLeft[face % 9] + shape.depth,
                                       grid.rowTop[face / 9], shape.faceWidth(),
                                       shape.faceHeight());
                EXPECT_LT(meanDifference(faceAtGlance(sheet, scaledFace),
                                         faceAtGlance(reference, reference.rect())),
                          12.0)
                    << scale << " set " << slot << " face " << face;
            }
        }
    }
}

}  // namespace
}  // namespace varnel
