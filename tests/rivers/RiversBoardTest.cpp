#include <gtest/gtest.h>

#include <cstdlib>

#include "RiversLayout.h"

// The Rivers board: its deal, where each tile is drawn, which tiles may be clicked at the start,
// and which tiles a taken tile frees.
namespace varnel {
namespace {

void Deal(GameState& state, uint32_t seed, DealMode mode = DealMode::NewFaces) {
    Random random([n = seed]() mutable { return n++; });
    RiversLayout().BuildLayout(state, random, mode);
}

// Free at the start: the outer ring, and inside it only tiles with an equal neighbour above,
// below, left or right (not across a row end). The records past the board are left alone.
TEST(RiversBoardTest, FreesTheRingAndTilesWithAnEqualNeighbour) {
    int freeInside = 0, blockedInside = 0;
    for (uint32_t seed = 0; seed < 50; ++seed) {
        GameState state;
        for (int i = 84; i < kTableSize; ++i) state.Tiles[i].Face = 30;
        Deal(state, seed);
        auto face = [&](int row, int column) {
            if (row < 0 || row > 5 || column < 0 || column > 13) return int16_t{-2};
            return state.Tiles[row * 14 + column].Face;
        };
        for (int i = 0; i < 84; ++i) {
            const TileRec& tile = state.Tiles[i];
            const int row = i / 14, column = i % 14;
            const bool onRing = row == 0 || row == 5 || column == 0 || column == 13;
            const bool expected = onRing || face(row - 1, column) == tile.Face ||
                                  face(row + 1, column) == tile.Face ||
                                  face(row, column - 1) == tile.Face ||
                                  face(row, column + 1) == tile.Face;
            EXPECT_EQ(tile.Free, expected ? kTrue : kFalse) << "seed " << seed << " tile " << i;
            if (!onRing) ++(expected ? freeInside : blockedInside);
        }
        for (int i = 84; i < kTableSize; ++i) EXPECT_EQ(state.Tiles[i].Face, 30) << i;
    }
    // Both kinds of inside tile turned up.
    EXPECT_GT(freeInside, 0);
    EXPECT_GT(blockedInside, 0);
}

// Every index a taken tile may have: at most its four grid neighbours are freed, never across a
// row end or past the board; off the board, nothing.
TEST(RiversBoardTest, ATakenTileFreesItsNeighboursOnTheGridOnly) {
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

// A restored game or a resized window rebuilds the board around the deal on the table: faces
// and flags stay, the pictures follow the new tile size, and the tiles move to their places.
// Each step along a row is rounded on its own: at 1.25 the step of 48.75 pixels becomes 49
// every time, which puts tile 13 at 14, not at the 17 of one rounding at the end.
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

    state.BoardScaleWidth = 761;
    state.TileWidth = 55;
    state.TileHeight = 68.75f;
    state.BoardScale = 1.25f;
    Deal(state, 99, DealMode::KeepFaces);
    for (int i = 0; i < 84; ++i) {
        const TileRec& tile = state.Tiles[i];
        EXPECT_EQ(tile.Face, before[i].Face) << i;
        EXPECT_EQ(tile.Free, before[i].Free) << i;
        if (IsPresent(tile)) {
            EXPECT_EQ(tile.PicX, (tile.Face % 9) * 55) << i;
            EXPECT_EQ(tile.PicY, (tile.Face / 9) * 69) << i;
        }
        // Tile 0 top right, 13 top left, 70 bottom right, 83 bottom left; every row and every
        // column lines up.
        EXPECT_EQ(tile.X, state.Tiles[i % 14].X) << i;
        EXPECT_EQ(tile.Y, state.Tiles[i - i % 14].Y) << i;
        EXPECT_TRUE(i % 14 == 0 || tile.X < state.Tiles[i - 1].X) << i;
        EXPECT_TRUE(i < 14 || tile.Y > state.Tiles[i - 14].Y) << i;
    }
    const int16_t places[][3] = {{0, 651, 69}, {1, 602, 69}, {13, 14, 69}, {83, 14, 381}};
    for (const auto& [tile, x, y] : places) {
        EXPECT_EQ(state.Tiles[tile].X, x) << "tile " << tile;
        EXPECT_EQ(state.Tiles[tile].Y, y) << "tile " << tile;
    }
}

}  // namespace
}  // namespace varnel
