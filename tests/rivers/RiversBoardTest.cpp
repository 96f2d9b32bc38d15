#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <set>

#include "RiversLayout.h"

// The Rivers board: its deal, where each tile is drawn, which tiles may be clicked at the start,
// and which tiles a taken tile frees.
namespace varnel {
namespace {

Random SeededRandom(uint32_t first) {
    return Random([n = first]() mutable { return n++; });
}

void Deal(GameState& state, uint32_t seed) {
    Random random = SeededRandom(seed);
    RiversLayout().BuildLayout(state, random);
}

bool OnRing(int i) {
    return i / 14 == 0 || i / 14 == 5 || i % 14 == 0 || i % 14 == 13;
}

TEST(RiversBoardTest, DealsFacesZeroToTwentyFourTimesEachWithTheirPictures) {
    for (uint32_t seed = 0; seed < 20; ++seed) {
        GameState state;
        for (int i = 84; i < kTableSize; ++i) state.Tiles[i].Face = 30;
        Random random = SeededRandom(seed);
        BuildRiversBoard(state, random);
        std::map<int16_t, int> faces;
        for (int i = 0; i < 84; ++i) {
            const TileRec& tile = state.Tiles[i];
            ++faces[tile.Face];
            EXPECT_EQ(tile.Free, kFalse);
            EXPECT_EQ(tile.PicX, (tile.Face % 9) * 44);
            EXPECT_EQ(tile.PicY, (tile.Face / 9) * 55);
        }
        ASSERT_EQ(faces.size(), 21u);
        for (const auto& [face, n] : faces) {
            EXPECT_TRUE(face >= 0 && face <= 20) << face;
            EXPECT_EQ(n, 4) << "face " << face;
        }
        for (int i = 84; i < kTableSize; ++i) EXPECT_EQ(state.Tiles[i].Face, 30) << i;
    }
}

struct Geometry {
    int boardWidth;
    float tileWidth, tileHeight, scale;
};

struct Place {
    int16_t tile, x, y;
};

// Each step along a row is rounded on its own: at 1.25 the step of 48.75 pixels becomes 49
// every time, which puts tile 13 at 14, not at the 17 of one rounding at the end.
TEST(RiversBoardTest, PlacesTheRowsRightToLeftWithOverlappingTiles) {
    const struct {
        Geometry geometry;
        std::initializer_list<Place> places;
    } cases[] = {
        {{609, 44, 55, 1},
         {{0, 521, 55}, {1, 482, 55}, {13, 14, 55}, {15, 482, 105}, {70, 521, 305}, {83, 14, 305}}},
        {{761, 55, 68.75f, 1.25f},
         {{0, 651, 69},
          {1, 602, 69},
          {13, 14, 69},
          {28, 651, 194},
          {43, 602, 256},
          {57, 602, 319},
          {70, 651, 381},
          {83, 14, 381}}},
    };
    for (const auto& c : cases) {
        GameState state;
        state.BoardScaleWidth = c.geometry.boardWidth;
        state.TileWidth = c.geometry.tileWidth;
        state.TileHeight = c.geometry.tileHeight;
        state.BoardScale = c.geometry.scale;
        Deal(state, 1);
        for (const Place& p : c.places) {
            EXPECT_EQ(state.Tiles[p.tile].X, p.x) << "tile " << p.tile;
            EXPECT_EQ(state.Tiles[p.tile].Y, p.y) << "tile " << p.tile;
        }
        // Tile 0 top right, 13 top left, 70 bottom right, 83 bottom left; every row and every
        // column lines up.
        for (int i = 0; i < 84; ++i) {
            const TileRec& tile = state.Tiles[i];
            EXPECT_EQ(tile.X, state.Tiles[i % 14].X) << i;
            EXPECT_EQ(tile.Y, state.Tiles[i - i % 14].Y) << i;
            if (i % 14 != 0) {
                EXPECT_LT(tile.X, state.Tiles[i - 1].X) << i;
            }
            if (i >= 14) {
                EXPECT_GT(tile.Y, state.Tiles[i - 14].Y) << i;
            }
        }
    }
}

// Free at the start: the outer ring, and inside it only tiles with an equal neighbour above,
// below, left or right (not across a row end).
TEST(RiversBoardTest, StartsWithTheRingAndTilesWithAnEqualNeighbourFree) {
    int freeInside = 0, blockedInside = 0;
    for (uint32_t seed = 0; seed < 50; ++seed) {
        GameState state;
        Deal(state, seed);
        auto face = [&](int row, int column) {
            if (row < 0 || row > 5 || column < 0 || column > 13) return int16_t{-2};
            return state.Tiles[row * 14 + column].Face;
        };
        for (int i = 0; i < 84; ++i) {
            const int row = i / 14, column = i % 14;
            const int16_t own = state.Tiles[i].Face;
            const bool equalNeighbour =
                face(row - 1, column) == own || face(row + 1, column) == own ||
                face(row, column - 1) == own || face(row, column + 1) == own;
            const bool expected = OnRing(i) || equalNeighbour;
            EXPECT_EQ(state.Tiles[i].Free, expected ? kTrue : kFalse)
                << "seed " << seed << " tile " << i;
            if (!OnRing(i)) ++(expected ? freeInside : blockedInside);
        }
    }
    // Both kinds of inside tile turned up.
    EXPECT_GT(freeInside, 0);
    EXPECT_GT(blockedInside, 0);
}

TEST(RiversBoardTest, ATakenTileFreesItsNeighboursOnTheGridOnly) {
    const struct {
        int16_t taken;
        std::set<int> freed;
    } cases[] = {
        {15, {1, 14, 16, 29}}, {0, {1, 14}},      {83, {69, 82}},
        {13, {12, 27}},        {14, {0, 15, 28}}, {41, {27, 40, 55}},
    };
    for (const auto& c : cases) {
        GameState state;
        ModifyRivers(state, c.taken);
        std::set<int> freed;
        for (int i = 0; i < kTableSize; ++i)
            if (state.Tiles[i].Free != kFalse) freed.insert(i);
        EXPECT_EQ(freed, c.freed) << "tile " << c.taken;
    }
    // Every tile: at most its four neighbours, nothing past the board; off the board, nothing.
    for (int16_t taken = -15; taken < kTableSize; ++taken) {
        GameState state;
        ModifyRivers(state, taken);
        for (int i = 0; i < kTableSize; ++i) {
            const bool neighbour =
                taken >= 0 && taken < 84 && i < 84 &&
                std::abs(i / 14 - taken / 14) + std::abs(i % 14 - taken % 14) == 1;
            EXPECT_EQ(state.Tiles[i].Free, neighbour ? kTrue : kFalse) << taken << " " << i;
        }
    }
}

// A restored game or a resized window rebuilds the board around the deal on the table.
TEST(RiversBoardTest, AKeptDealKeepsFacesAndFlagsAndOnlyMoves) {
    GameState state;
    Deal(state, 3);
    for (const int16_t taken : {30, 31, 44, 45}) {
        state.Tiles[taken].Face = kNoFace;
        ModifyRivers(state, taken);
    }
    // A taken tile that was never free, as a saved game may hold: two of them side by side are
    // not a pair of equal faces.
    state.Tiles[60].Face = state.Tiles[61].Face = kNoFace;
    state.Tiles[60].Free = state.Tiles[61].Free = kFalse;
    const TileTable before = state.Tiles;

    state.KeepDeal = true;
    state.BoardScaleWidth = 761;
    state.TileWidth = 55;
    state.TileHeight = 68.75f;
    state.BoardScale = 1.25f;
    Deal(state, 99);

    GameState fresh = state;
    fresh.KeepDeal = false;
    BuildRivers(fresh);
    for (int i = 0; i < 84; ++i) {
        const TileRec& tile = state.Tiles[i];
        EXPECT_EQ(tile.Face, before[i].Face) << i;
        EXPECT_EQ(tile.Free, before[i].Free) << i;
        EXPECT_EQ(tile.X, fresh.Tiles[i].X) << i;
        EXPECT_EQ(tile.Y, fresh.Tiles[i].Y) << i;
        if (IsPresent(tile)) {
            EXPECT_EQ(tile.PicX, (tile.Face % 9) * 55) << i;
            EXPECT_EQ(tile.PicY, tile.Face < 9 ? 0 : tile.Face < 18 ? 69 : 138) << i;
        }
    }
    EXPECT_EQ(state.Tiles[13].X, 14);
}

}  // namespace
}  // namespace varnel
