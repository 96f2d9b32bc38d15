#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "LayoutTable.h"
#include "TilePicture.h"

namespace varnel {
namespace {

struct Place {
    int16_t tile, x, y;
};

// Board widths and tile sizes: the design board, 800 x 600 (scale 1.25) and 1024 x 768 (scale
// 1.6). The board is always the design board at its scale.
struct Size {
    int boardWidth;
    float tileWidth, tileHeight, scale;
};
constexpr Size kDesign{609, 44, 55, 1}, k800{761, 55, 68.75f, 1.25f},
    k1024{974, 44 * 1.6f, 55 * 1.6f, 1.6f};

// Worked places: neighbours overlap by five pixels; at 1.25 a step of 48.75 from a rounded
// value always lands on .25 and rounds down (49 pixels a step, so that Rivers tile 13 lies at 14,
// not at the 17 of one rounding at the end); halves round to even; in single precision 5S at 1.6
// is exactly 8, which puts the end pieces at CInt(298.5) = 298. Placing a board around a deal in
// play (a restored game, a scaled window) moves the tiles and draws the faces at the tile size,
// nothing else: faces and free flags stay, and so do the records past the layout.
TEST(LayoutGeometry, WorkedPlaces) {
    const struct {
        int16_t layout;
        Size size;
        std::vector<Place> places;
    } cases[] = {
        {kDragon, kDesign,
         {{0, 555, 180}, {1, 516, 180}, {2, 477, 5}, {13, 48, 5}, {32, 477, 155}, {44, 477, 205},
          {86, 9, 180}, {143, 284, 160}}},
        {kDragon, k800,
         {{2, 596, 6}, {3, 547, 6}, {6, 400, 6}, {13, 57, 6}, {0, 694, 229}, {1, 645, 229},
          {14, 498, 69}, {86, 11, 229}, {87, 456, 62}, {143, 355, 200}}},
        {kDragon, k1024, {{0, 888, 298}, {1, 826, 298}, {86, 14, 298}}},
        {kPyramid, kDesign, {{0, 399, 5}, {7, 126, 5}, {56, 399, 355}, {119, 258, 190}}},
        {kPyramid, k800, {{0, 498, 6}, {1, 449, 6}, {64, 456, 62}, {116, 371, 175}}},
        {kRivers, k800, {{0, 651, 69}, {1, 602, 69}, {13, 14, 69}, {40, 63, 194}, {83, 14, 381}}},
    };
    for (const auto& c : cases) {
        GameState state;
        for (int16_t i = 0; i < kTableSize; ++i)
            state.Tiles[i] = TileRec{int16_t(-(i % 2)), 1, 2, 3, 4, int16_t(i % kFaceCount)};
        const TileTable before = state.Tiles;
        state.BoardScaleWidth = c.size.boardWidth;
        state.TileWidth = c.size.tileWidth;
        state.TileHeight = c.size.tileHeight;
        state.BoardScale = c.size.scale;
        Random random([] { return 1u; });
        const LayoutRow& row = *FindLayout(c.layout);
        row.rules.BuildLayout(state, random, DealMode::KeepFaces);
        for (const Place& p : c.places) {
            EXPECT_EQ(state.Tiles[p.tile].X, p.x) << row.name << " X of tile " << p.tile;
            EXPECT_EQ(state.Tiles[p.tile].Y, p.y) << row.name << " Y of tile " << p.tile;
        }
        for (int i = 0; i < kTableSize; ++i) {
            const TileRec& now = state.Tiles[i];
            TileRec drawn = before[i];
            if (i < row.tileCount) SetPictureOffsets(drawn, c.size.tileWidth, c.size.tileHeight);
            EXPECT_EQ(std::tie(now.PicY, now.PicX, now.Face),
                      std::tie(drawn.PicY, drawn.PicX, drawn.Face))
                << row.name << " tile " << i;
            // The ends of the runs open as in a new deal; no tile freed in play closes again.
            EXPECT_TRUE(now.Free == kTrue || before[i].Free == kFalse) << row.name << " tile " << i;
        }
        EXPECT_EQ(state.Tiles.back(), before.back()) << "the record past the layouts";
    }
}

}  // namespace
}  // namespace varnel
