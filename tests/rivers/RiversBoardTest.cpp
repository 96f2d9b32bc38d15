#include <gtest/gtest.h>

#include <cstdlib>

#include "RiversLayout.h"

// The Rivers board: which tiles may be clicked at the start, and which tiles a taken tile frees.
namespace varnel {
namespace {

void Deal(GameState& state, uint32_t seed) {
    Random random([n = seed]() mutable { return n++; });
    RiversLayout().BuildLayout(state, random, DealMode::NewFaces);
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

}  // namespace
}  // namespace varnel
