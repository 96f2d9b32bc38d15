#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <tuple>
#include <vector>

#include "Deal.h"
#include "Shuffle.h"
#include "TilePicture.h"

namespace varnel {
namespace {

Random SeededRandom(uint32_t first) {
    return Random([n = first]() mutable { return n++; });
}

// Every deal holds each face of its deck four times, on blocked tiles, whatever the last game
// left (flags set in play, faces beyond the layout). And every face is as likely on every tile:
// over many deals the count of each face on each tile stays near its expectation. A chi-square
// sum over all tiles and faces has a mean of its degrees of freedom and a spread of the square
// root of twice that; a biased deal (a card never drawn until the end, a slot favoured) lands
// far outside.
TEST(Deal, EachFaceFourTimesAndEquallyLikelyOnEachTile) {
    for (const int16_t count : {144, 120, 84}) {
        const int faces = count / 4, deals = 40 * faces;
        std::vector<int> seen(static_cast<size_t>(count * faces));
        for (int deal = 0; deal < deals; ++deal) {
            GameState state;
            for (TileRec& tile : state.Tiles) tile.Free = kTrue;
            state.Tiles[count].Face = 7;
            Random random = SeededRandom(static_cast<uint32_t>(deal * 7919));
            DealFaces(state, random, count, DealMode::NewFaces);
            std::vector<int> dealt(static_cast<size_t>(faces));
            for (int i = 0; i < count; ++i) {
                const TileRec& tile = state.Tiles[i];
                ASSERT_TRUE(tile.Face >= 0 && tile.Face < faces) << tile.Face;
                ++dealt[static_cast<size_t>(tile.Face)];
                ++seen[static_cast<size_t>(i * faces + tile.Face)];
                EXPECT_EQ(tile.Free, kFalse);
            }
            EXPECT_EQ(dealt, std::vector<int>(static_cast<size_t>(faces), 4));
            EXPECT_EQ(state.Tiles[count].Face, 7) << "beyond the layout";
        }
        const double expected = static_cast<double>(deals) / faces;
        double chiSquare = 0;
        for (const int n : seen) chiSquare += (n - expected) * (n - expected) / expected;
        const double freedom = count * (faces - 1);
        EXPECT_LT(std::abs(chiSquare - freedom), 6 * std::sqrt(2 * freedom)) << count;
    }
}

TEST(TilePicture, CellOfEachFaceWithRoundingPerRow) {
    struct Case {
        int16_t face;
        float width, height;
        int16_t picX, picY;
    };
    // Each row is rounded on its own, halves to even: 54.5 gives 54, 109 and 164 (not 55s).
    for (const Case& c : {Case{9, 44, 55, 0, 55}, Case{35, 44, 55, 352, 165},
                          Case{20, 44, 54.5f, 88, 109}, Case{12, 44, 54.5f, 132, 54},
                          Case{30, 55, 68.75f, 165, 206}}) {
        TileRec tile;
        tile.Face = c.face;
        SetPictureOffsets(tile, c.width, c.height);
        EXPECT_EQ(tile.PicX, c.picX) << c.face;
        EXPECT_EQ(tile.PicY, c.picY) << c.face;
    }
}

// A late Dragon board: tiles 0..3 and 140..143 left, a long run of removed tiles between. Each
// face is traced to where it lands: its picture goes with it, nothing else of any tile moves,
// and every arrangement is equally likely whatever the gaps.
TEST(Shuffle, MovesFacesWithTheirPicturesAmongPresentTilesAllEquallyLikely) {
    const std::array<int16_t, 8> tiles{0, 1, 2, 3, 140, 141, 142, 143};
    GameState state;
    state.TileCount = 144;
    // The removed tiles, and a record past the layout that holds a face.
    for (int16_t i = 0; i < kTableSize; ++i)
        state.Tiles[i] = TileRec{kFalse, i, int16_t(2 * i), 7, 9, i < 144 ? kNoFace : int16_t(3)};
    // Tile k of those left: face k, X k, some free and some not, a picture of its own.
    for (int16_t k = 0; k < 8; ++k)
        state.Tiles[tiles[k]] =
            TileRec{int16_t(-(k % 2)), k, 8, int16_t(10 * k), int16_t(20 * k), k};

    constexpr int kShuffles = 4000;
    std::array<std::array<int, 8>, 8> landed{};  // [tile][face]
    Random random = SeededRandom(1);
    for (int n = 0; n < kShuffles; ++n) {
        GameState shuffled = state;
        ShuffleBoard(shuffled, random);
        for (int i = 0; i < kTableSize; ++i) {
            const TileRec& now = shuffled.Tiles[i];
            const TileRec& was = state.Tiles[i];
            if (i >= 144 || !IsPresent(was)) {
                ASSERT_EQ(now, was) << "tile " << i;
                continue;
            }
            ASSERT_TRUE(IsPresent(now)) << "tile " << i;
            const TileRec& from = state.Tiles[tiles[now.Face]];
            ASSERT_EQ(std::tie(now.Free, now.X, now.Y, now.PicY, now.PicX),
                      std::tie(was.Free, was.X, was.Y, from.PicY, from.PicX))
                << "tile " << i;
            ++landed[was.X][now.Face];  // X tells the tile
        }
    }
    // From one arrangement, each face lands on each tile 500 times in expectation (standard
    // deviation about 21).
    for (int k = 0; k < 8; ++k)
        for (int face = 0; face < 8; ++face)
            EXPECT_NEAR(landed[k][face], kShuffles / 8, 150) << "tile " << tiles[k] << " face " << face;
}

}  // namespace
}  // namespace varnel
