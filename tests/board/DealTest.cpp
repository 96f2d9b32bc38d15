#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <vector>

#include "Deal.h"
#include "Shuffle.h"
#include "TilePicture.h"

namespace varnel {
namespace {

Random SeededRandom(uint32_t first) {
    return Random([n = first]() mutable { return n++; });
}

std::map<int16_t, int> FaceCounts(const GameState& state, int count) {
    std::map<int16_t, int> faces;
    for (int i = 0; i < count; ++i)
        if (IsPresent(state.Tiles[i])) ++faces[state.Tiles[i].Face];
    return faces;
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
    TileRec beyond{kFalse, 0, 0, 22, 11, 36};  // no such face: the offsets stay
    SetPictureOffsets(beyond, 44, 55);
    EXPECT_EQ(beyond.PicX, 11);
    EXPECT_EQ(beyond.PicY, 22);
}

TEST(Shuffle, MovesFacesAmongPresentTilesOnly) {
    for (uint32_t seed = 0; seed < 50; ++seed) {
        GameState state;
        Random random = SeededRandom(seed);
        DealDragon(state, random, DealMode::NewFaces);
        state.TileCount = 144;
        // Remove a few pairs and mark some tiles free, as play would.
        for (int i = 0; i < 144; i += 5) state.Tiles[i].Free = kTrue;
        for (int16_t face = 0; face < 36; face += 3) {
            int removed = 0;
            for (int i = 0; i < 144 && removed < 2; ++i) {
                if (state.Tiles[i].Face == face) {
                    state.Tiles[i].Face = kNoFace;
                    ++removed;
                }
            }
        }
        const GameState before = state;
        ShuffleBoard(state, random);

        EXPECT_EQ(FaceCounts(state, 144), FaceCounts(before, 144));
        bool moved = false;
        for (int i = 0; i < 144; ++i) {
            const TileRec& now = state.Tiles[i];
            const TileRec& was = before.Tiles[i];
            EXPECT_EQ(now.Free, was.Free);
            EXPECT_EQ(now.X, was.X);
            EXPECT_EQ(now.Y, was.Y);
            EXPECT_EQ(IsPresent(now), IsPresent(was)) << "tile " << i;
            // The picture goes with the face: two tiles that look alike must pair.
            if (IsPresent(now)) {
                EXPECT_EQ(now.PicX, now.Face % 9 * 44) << "tile " << i;
                EXPECT_EQ(now.PicY, now.Face / 9 * 55) << "tile " << i;
            }
            moved = moved || now.Face != was.Face;
        }
        EXPECT_TRUE(moved);
    }
}

TEST(Shuffle, EveryArrangementEquallyLikelyWhateverTheGaps) {
    // A late Dragon board: tiles 0..3 and 140..143 left, a long run of removed tiles between.
    // Distinct faces let each tile's face be traced to where it came from.
    const std::array<int16_t, 8> tiles{0, 1, 2, 3, 140, 141, 142, 143};
    GameState state;
    state.TileCount = 144;
    for (int i = 0; i < 144; ++i) state.Tiles[i].Face = kNoFace;
    for (int16_t k = 0; k < 8; ++k) state.Tiles[tiles[k]].Face = k;

    constexpr int kShuffles = 4000;
    std::array<std::array<int, 8>, 8> landed{};  // [tile][face]
    Random random = SeededRandom(1);
    for (int n = 0; n < kShuffles; ++n) {
        GameState shuffled = state;
        ShuffleBoard(shuffled, random);
        for (int k = 0; k < 8; ++k) ++landed[k][shuffled.Tiles[tiles[k]].Face];
    }
    // From one arrangement, each face lands on each tile 500 times in expectation (standard
    // deviation about 21).
    for (int k = 0; k < 8; ++k)
        for (int face = 0; face < 8; ++face)
            EXPECT_NEAR(landed[k][face], kShuffles / 8, 150)
                << "tile " << tiles[k] << " face " << face;
}

}  // namespace
}  // namespace varnel
