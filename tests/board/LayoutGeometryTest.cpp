#include <gtest/gtest.h>

#include <set>

#include "DragonLayout.h"
#include "PyramidLayout.h"

namespace varnel {
namespace {

struct Place {
    int16_t tile, x, y;
};

GameState Geometry(int boardWidth, float width, float height, float scale) {
    GameState state;
    state.BoardScaleWidth = boardWidth;
    state.TileWidth = width;
    state.TileHeight = height;
    state.BoardScale = scale;
    return state;
}

void ExpectPlaces(const GameState& state, std::initializer_list<Place> places) {
    for (const Place& p : places) {
        EXPECT_EQ(state.Tiles[p.tile].X, p.x) << "X of tile " << p.tile;
        EXPECT_EQ(state.Tiles[p.tile].Y, p.y) << "Y of tile " << p.tile;
    }
}

std::set<int> FreeTiles(const GameState& state, int count) {
    std::set<int> free;
    for (int i = 0; i < count; ++i)
        if (state.Tiles[i].Free == kTrue) free.insert(i);
    return free;
}

TEST(DragonGeometry, WorkedPositionsOnAWideBoard) {
    GameState state = Geometry(800, 44, 55, 1);
    BuildDragon(state);
    ExpectPlaces(state, {{0, 746, 180}, {2, 668, 5}, {13, 239, 5}, {86, 200, 180},
                         {87, 556, 50}, {143, 475, 160}});
}

TEST(DragonGeometry, DesignBoardNeighboursOverlapByFivePixels) {
    GameState state = Geometry(609, 44, 55, 1);
    BuildDragon(state);
    ExpectPlaces(state, {{0, 555, 180}, {1, 516, 180}, {2, 477, 5}, {13, 48, 5}, {32, 477, 155},
                         {44, 477, 205}, {86, 9, 180}, {143, 284, 160}});
    // End pieces half-way between rows 3 and 4 at the design scale.
    EXPECT_EQ(state.Tiles[0].Y - state.Tiles[32].Y, state.Tiles[44].Y - state.Tiles[0].Y);
}

TEST(DragonGeometry, ScaledBoardRoundsAtEveryStep) {
    // 800 x 600: tiles 55 x 68.75, scale 1.25, board 761 pixels wide. A step of 48.75 from a
    // rounded value always lands on .25 and rounds down: 49 pixels a step, not 48.75.
    GameState state = Geometry(761, 55, 68.75f, 1.25f);
    BuildDragon(state);
    ExpectPlaces(state, {{2, 596, 6}, {3, 547, 6}, {6, 400, 6}, {13, 57, 6},
                         {0, 694, 229},  // 693.5 rounds to even
                         {1, 645, 229},  {14, 498, 69},  // 498.5 rounds to even
                         {86, 11, 229},  {87, 456, 62},  // 62.5 rounds to even
                         {143, 355, 200}});
    // The end pieces sit a few pixels below half-way between rows 3 and 4.
    const int halfway = (state.Tiles[32].Y + state.Tiles[44].Y) / 2;
    EXPECT_GT(state.Tiles[0].Y, halfway);
    EXPECT_LT(state.Tiles[0].Y, halfway + 6);
}

TEST(DragonGeometry, PlacesWorkedInSinglePrecision) {
    // 1024 x 768: S = 1.6 as a Single. 5S is 8 in single precision (8.0000001 in double), so
    // the end pieces lie at CInt(298.5) = 298, not 299.
    const float scale = 1.6f;
    GameState state = Geometry(974, 44 * scale, 55 * scale, scale);
    BuildDragon(state);
    for (const int16_t tile : {0, 1, 86}) EXPECT_EQ(state.Tiles[tile].Y, 298) << tile;
}

TEST(DragonGeometry, ThirtyFiveTilesFreeAtTheStart) {
    GameState state;
    BuildDragon(state);
    const std::set<int> expected = {0,   2,   13,  14,  21,  22,  31,  56,  65,  66,  73,  74,
                                    85,  86,  87,  92,  93,  98,  99,  104, 105, 110, 111, 116,
                                    117, 122, 123, 126, 127, 130, 131, 134, 135, 138, 143};
    EXPECT_EQ(FreeTiles(state, 144), expected);
}

TEST(PyramidGeometry, WorkedPositions) {
    GameState state = Geometry(800, 44, 55, 1);
    BuildPyramid(state);
    ExpectPlaces(state, {{0, 590, 5}, {7, 317, 5}, {64, 556, 50}, {100, 522, 95}, {116, 488, 140}});

    GameState design = Geometry(609, 44, 55, 1);
    BuildPyramid(design);
    ExpectPlaces(design, {{0, 399, 5}, {7, 126, 5}, {56, 399, 355}, {119, 258, 190}});

    GameState scaled = Geometry(761, 55, 68.75f, 1.25f);
    BuildPyramid(scaled);
    ExpectPlaces(scaled, {{0, 498, 6}, {1, 449, 6}, {64, 456, 62}, {116, 371, 175}});
}

TEST(PyramidGeometry, FortyTilesFreeAtTheStart) {
    GameState state;
    BuildPyramid(state);
    std::set<int> expected;
    for (int row = 0; row < 8; ++row) expected.insert({8 * row, 8 * row + 7});
    for (int row = 0; row < 6; ++row) expected.insert({64 + 6 * row, 69 + 6 * row});
    for (int row = 0; row < 4; ++row) expected.insert({100 + 4 * row, 103 + 4 * row});
    expected.insert({116, 117, 118, 119});
    EXPECT_EQ(expected.size(), 40u);
    EXPECT_EQ(FreeTiles(state, 120), expected);
}

TEST(LayoutBuild, PlacingLeavesFacesAndOtherFlagsAlone) {
    GameState state;
    for (int i = 0; i < 145; ++i) state.Tiles[i] = TileRec{kFalse, 0, 0, 3, 4, 5};
    state.Tiles[40].Free = kTrue;  // freed in play: a rebuild must not close it again
    BuildDragon(state);
    EXPECT_EQ(state.Tiles[40].Free, kTrue);
    EXPECT_EQ(state.Tiles[41].Free, kFalse);
    EXPECT_EQ(state.Tiles[144], (TileRec{kFalse, 0, 0, 3, 4, 5}));
    for (int i = 0; i < 144; ++i) {
        EXPECT_EQ(state.Tiles[i].Face, 5);
        EXPECT_EQ(state.Tiles[i].PicX, 4);
    }

    GameState pyramid;
    pyramid.Tiles[120] = TileRec{kFalse, 7, 8, 3, 4, 5};
    BuildPyramid(pyramid);
    EXPECT_EQ(pyramid.Tiles[120], (TileRec{kFalse, 7, 8, 3, 4, 5}));
}

}  // namespace
}  // namespace varnel
