#include <gtest/gtest.h>

#include <array>

#include "BoardScaling.h"
#include "BoardSurfaces.h"
#include "BuiltinArt.h"
#include "Conversions.h"
#include "DrawnArt.h"
#include "RasterOps.h"
#include "TilePicture.h"

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
        surfaces.board = BoardPicture::Blank(QSize(300, 200), kBlack, MakeSurface(44, 55));
        surfaces.picMask = MakeSurface(44, 55);
        for (int y = 0; y < 55; ++y)
            for (int x = 0; x < 44; ++x) surfaces.picMask.setPixel(x, y, Transparent(x, y) ? kWhite : kBlack);
        surfaces.picTile.fill(MakeSurface(396, 220));
        surfaces.picTile[3] = TestSheet();  // the set in use
        surfaces.background = kTeal;
        state.TileCount = 3;
        for (TileRec& tile : state.Tiles) tile.Face = kNoFace;
    }
    void Put(int index, int face, int x, int y, int16_t free = kFalse) {
        TileRec& tile = state.Tiles[index];
        tile = TileRec{free, int16_t(x), int16_t(y), int16_t(face / 9 * 55), int16_t(face % 9 * 44),
                       int16_t(face)};
    }
    // The board as the window paints it, piece by piece: here in pieces that cut through tiles.
    QImage Painted() const {
        QImage painted = MakeSurface(300, 200), piece = MakeSurface(70, 45);
        for (int y = 0; y < 200; y += 45)
            for (int x = 0; x < 300; x += 70) {
                surfaces.board.Compose(piece, QPoint(x, y));
                BitBlt(painted, x, y, 70, 45, piece, 0, 0, RasterOp::Copy);
            }
        return painted;
    }

    BoardSurfaces surfaces;
    GameState state;
};

// Each tile shows its face inside its outline, clipped at the board's edges; a tile of a higher
// index lies on those it overlaps, and its cut corners show what lies beneath, the board or
// another tile. Any part of the board, painted on its own, is as it is in the whole.
TEST_F(Drawing, EachTileShowsItsFaceInsideItsOutlineOverTheOnesBefore) {
    Put(0, 3, 150, 100);
    state.Tiles[0].Face = kNoFace;  // removed
    Put(1, 12, 20, 30);
    Put(2, 4, 280, 180);
    Put(3, 5, -20, -30);
    // Neighbours overlapping by five pixels, as in a row, the later one to the left; then a
    // tile one layer up, free or not drawn alike.
    Put(4, 1, 160, 50);
    Put(5, 2, 121, 50);
    Put(6, 3, 170, 60, kTrue);
    state.TileCount = 7;
    surfaces.DisplayBoard(state, 3);
    ASSERT_EQ(surfaces.board.size, QSize(300, 200));
    const QImage board = Painted();
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 300; ++x) {
            QRgb expected = kTeal;
            for (int i = 1; i < state.TileCount; ++i) {
                const int u = x - state.Tiles[i].X, v = y - state.Tiles[i].Y;
                if (u >= 0 && u < 44 && v >= 0 && v < 55 && !Transparent(u, v))
                    expected = FaceColour(state.Tiles[i].Face);
            }
            ASSERT_EQ(board.pixel(x, y), expected) << x << "," << y;
        }
}

// A copy of a 4 x 4 picture placed anywhere, partly off either surface, against a plain model:
// a pixel of the destination takes the source pixel under it when both lie inside their
// surfaces and inside the copied rectangle, and keeps its own otherwise.
TEST(RasterOps, CopiesClipOnEverySideOfBothSurfaces) {
    QImage source = MakeSurface(4, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) source.setPixel(x, y, qRgb(10 + x, 20 + y, 30));
    const int places[][4] = {{1, 1, 0, 0},  {-2, 0, 0, 0}, {0, -3, 0, 0}, {0, 0, -2, 0},
                             {3, 1, 0, -3}, {4, 5, 1, 1},  {1, 2, 2, 3},  {6, 6, 0, 0}};
    for (const auto& [x, y, sx, sy] : places) {
        QImage destination = MakeSurface(6, 6, kTeal);
        BitBlt(destination, x, y, 4, 4, source, sx, sy, RasterOp::Copy);
        for (int dy = 0; dy < 6; ++dy) {
            for (int dx = 0; dx < 6; ++dx) {
                const int u = dx - x, v = dy - y;  // within the copied rectangle
                const bool copied = u >= 0 && u < 4 && v >= 0 && v < 4 && sx + u >= 0 &&
                                    sx + u < 4 && sy + v >= 0 && sy + v < 4;
                EXPECT_EQ(destination.pixel(dx, dy), copied ? source.pixel(sx + u, sy + v) : kTeal)
                    << "copy to " << x << "," << y << " from " << sx << "," << sy << " at " << dx
                    << "," << dy;
            }
        }
    }
}

// The labels on the board grow with the design (the window's test sees the rest of it), and so
// do the sheets: a picture file is stretched, a built-in set drawn afresh; in the cut corners of
// every cell the sheets are black (the fringe of a smooth stretch too), so the board shows through.
TEST(Scaling, TheDesignGrowsAndSheetsStayBlackWhereTheMaskIsClear) {
    BoardSurfaces surfaces;
    surfaces.picTile.fill(TestSheet());
    surfaces.builtIn.fill(false);
    surfaces.builtIn[1] = true;
    GameState state;
    WindowGeometry geometry;
    // A screen of 1280 x 768: wider than 4:3, so the design follows its height, centred.
    FormResize(ScreenScale{2.0f, 1.6f, 128}, state, geometry, surfaces, 0);
    const LabelPlaces& labels = state.Labels.Stacked;
    EXPECT_EQ((std::array{labels.MessageTop, labels.ScoreTop, labels.ScoreLeft, labels.TestTop}),
              (std::array<int16_t, 4>{128, 166, 26, 320}));
    EXPECT_EQ(state.Labels.Rivers.ScoreLeft, 120);
    surfaces.Sheet(1);
    const QImage& mask = surfaces.picMask;
    ASSERT_EQ(mask.size(), QSize(70, 88));
    for (const QImage& sheet : surfaces.picTile) {
        ASSERT_EQ(sheet.size(), QSize(634, 352));
        for (int16_t face = 0; face < 36; ++face) {
            TileRec tile;
            tile.Face = face;
            SetPictureOffsets(tile, state.TileWidth, state.TileHeight);
            for (int y = 0; y < 88; ++y)
                for (int x = 0; x < 70 && tile.PicX + x < 634; ++x)
                    if (mask.pixel(x, y) == kWhite) {
                        ASSERT_EQ(sheet.pixel(tile.PicX + x, tile.PicY + y), kBlack) << face;
                    }
        }
    }
}

// On the tile, within the outline's width of a pixel outside it.
bool OnOutline(const QImage& mask, int x, int y, int width) {
    auto clear = [&](int px, int py) {
        return !mask.rect().contains(px, py) || mask.pixel(px, py) == kWhite;
    };
    for (int k = 1; k <= width && !clear(x, y); ++k)
        if (clear(x - k, y) || clear(x + k, y) || clear(x, y - k) || clear(x, y + k)) return true;
    return false;
}

// Where the board's tile size is not whole, a cell may overlap its neighbour by a pixel.
bool InAnotherCell(const art::SheetGrid& grid, int face, int x, int y) {
    for (int other = 0; other < 36; ++other) {
        const QRect cell(grid.columnLeft[other % 9], grid.rowTop[other / 9], grid.shape.width,
                         grid.shape.height);
        if (other != face && cell.contains(x, y)) return true;
    }
    return false;
}

// Each face is drawn where the board's picture offsets look for it, black wherever the mask is
// clear, and outlined. The cut corners and the outline grow with the tile.
TEST(DrawnArt, BuiltInSetsAreDrawnAtTheBoardsScaleInsideTheirMask) {
    EXPECT_EQ(MakeTileMask(art::TileShape{}), LoadTileMask()) << "the committed mask at scale 1";
    const QRgb outline = qRgb(52, 40, 30);
    for (float scale : {2.0f, 2.25f}) {
        GameState state;
        state.TileWidth *= scale;
        state.TileHeight *= scale;
        state.BoardScale = scale;
        const art::SheetGrid grid = BoardSheetGrid(state, QSizeF(396 * scale, 220 * scale), 1);
        const QImage mask = MakeTileMask(grid.shape);
        ASSERT_EQ(mask.size(), QSize(CLng(state.TileWidth), CLng(state.TileHeight)));
        const int depth = CInt(5 * scale), line = CInt(scale);
        EXPECT_EQ(mask.pixel(depth - 1, 0), kWhite) << scale;
        EXPECT_EQ(mask.pixel(depth, 0), kBlack) << scale;
        for (int slot = 0; slot < 5; ++slot) {
            const QImage sheet = MakeBuiltinSheet(slot, grid);
            ASSERT_EQ(sheet.size(), QSize(CLng(396 * scale), CLng(220 * scale)));
            for (int16_t face = 0; face < 36; ++face) {
                TileRec tile;
                tile.Face = face;
                SetPictureOffsets(tile, state.TileWidth, state.TileHeight);
                for (int y = 0; y < mask.height(); ++y)
                    for (int x = 0; x < mask.width(); ++x) {
                        const QRgb pixel = sheet.pixel(tile.PicX + x, tile.PicY + y);
                        if (mask.pixel(x, y) == kWhite) {
                            ASSERT_EQ(pixel, kBlack) << scale << " " << slot << " " << face;
                        } else if (OnOutline(mask, x, y, line) &&
                                   !InAnotherCell(grid, face, tile.PicX + x, tile.PicY + y)) {
                            ASSERT_EQ(pixel, outline) << scale << " " << slot << " " << face;
                        }
                    }
            }
        }
    }
}

}  // namespace
}  // namespace varnel
