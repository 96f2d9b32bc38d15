#include <gtest/gtest.h>

#include <array>

#include "board/Deal.h"

namespace varnel {
namespace {

// A late Dragon board: tiles 0..3 and 140..143 left, a long run of removed tiles between, some of
// them flagged free as play leaves them. Faces move among the present tiles only, each arrangement
// as likely as any other whatever the gaps; free flags and the removed tiles stay as they were.
TEST(Shuffle, MovesFacesAmongPresentTilesAllArrangementsEquallyLikely) {
    const std::array<int16_t, 8> tiles{0, 1, 2, 3, 140, 141, 142, 143};
    Board start(144);
    for (int16_t i = 0; i < 144; i += 3) start.setFree(i);
    for (int16_t k = 0; k < 8; ++k) start.setFace(tiles[k], static_cast<int8_t>(k));

    constexpr int kShuffles = 4000;
    std::array<std::array<int, 8>, 8> landed{};  // [k][face]: face on tiles[k]
    Random random(1);
    for (int n = 0; n < kShuffles; ++n) {
        Board shuffled = start;
        shuffleFaces(shuffled, random);
        ASSERT_EQ(shuffled.tilesLeft(), 8);
        std::array<int, 8> faces{};
        for (int16_t k = 0; k < 8; ++k) {
            const int8_t face = shuffled[tiles[k]].face;
            ASSERT_TRUE(face >= 0 && face < 8) << "tile " << tiles[k];
            ++faces[static_cast<size_t>(face)];
            ++landed[k][static_cast<size_t>(face)];
            // Only the face moves: put it back and the board is as it was.
            shuffled.setFace(tiles[k], static_cast<int8_t>(k));
        }
        ASSERT_EQ(faces, (std::array<int, 8>{1, 1, 1, 1, 1, 1, 1, 1}));
        ASSERT_EQ(shuffled, start);
    }
    // Each face lands on each tile 500 times in expectation (standard deviation about 21).
    for (int k = 0; k < 8; ++k)
        for (int face = 0; face < 8; ++face)
            EXPECT_NEAR(landed[k][face], kShuffles / 8, 150)
                << "tile " << tiles[k] << " face " << face;
}

}  // namespace
}  // namespace varnel
