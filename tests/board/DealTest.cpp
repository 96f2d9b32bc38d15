#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "board/Deal.h"
#include "board/Random.h"

namespace varnel {
namespace {

// Every deal holds each face of its deck four times, on blocked tiles. And every face is as
// likely on every tile: over many deal numbers the count of each face on each tile stays near its
// expectation. A chi-square sum over all tiles and faces has a mean of its degrees of freedom and
// a spread of the square root of twice that; a biased deal (a card never drawn until the end, a
// slot favoured) lands far outside.
TEST(Deal, EachFaceFourTimesAndEquallyLikelyOnEachTile) {
    for (const int16_t count : {144, 120, 84}) {
        const int faces = count / 4, deals = 40 * faces;
        std::vector<int> seen(static_cast<size_t>(count * faces));
        for (uint32_t number = 1; number <= static_cast<uint32_t>(deals); ++number) {
            const Board board = dealFaces(count, number);
            ASSERT_EQ(board.tileCount(), count);
            ASSERT_EQ(board.tilesLeft(), count);
            std::vector<int> dealt(static_cast<size_t>(faces));
            for (int16_t i = 0; i < count; ++i) {
                const Tile& tile = board[i];
                ASSERT_TRUE(tile.face >= 0 && tile.face < faces) << int{tile.face};
                ASSERT_FALSE(tile.free);
                ++dealt[static_cast<size_t>(tile.face)];
                ++seen[static_cast<size_t>(i * faces + tile.face)];
            }
            ASSERT_EQ(dealt, std::vector<int>(static_cast<size_t>(faces), 4)) << number;
        }
        const double expected = static_cast<double>(deals) / faces;
        double chiSquare = 0;
        for (const int n : seen) chiSquare += (n - expected) * (n - expected) / expected;
        const double freedom = count * (faces - 1);
        EXPECT_LT(std::abs(chiSquare - freedom), 6 * std::sqrt(2 * freedom)) << count;
    }
}

// A deal number names the same board forever, on every machine: a player may give a number to
// another, and a saved game or a record of played games names its deal by it. Faces are written
// one character each, 0-9 then A-Z for 10-35. A change of generator, of the way cards go to
// slots or of the seeding fails here.
TEST(Deal, NumberedDealsArePinned) {
    const struct {
        int16_t count;
        uint32_t number;
        const char *first, *last;  // the faces of the first and the last twenty tiles
    } pinned[] = {
        {144, 1, "1PJW7DJREDWBM2MFNP19", "C6XCQN7N40P9UGASYK10"},
        {144, 999'999'999, "A39JS6ORZTMAT58Z6K36", "NJ4XKYHQVIO74WGAIHVB"},
        {84, 999'999'999, "93A6JIJ5863A6KG08KJ7", "F1EJ0DIFGH4FIHH47AGB"},
        {120, 1, "1JP7DJEDBRM2FM91HN2E", "4CEC6CQN7N409PGASK10"},
    };
    const std::string digits = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    for (const auto& p : pinned) {
        const Board board = dealFaces(p.count, p.number);
        std::string faces;
        for (const Tile& tile : board.tiles()) faces += digits[static_cast<size_t>(tile.face)];
        EXPECT_EQ(faces.substr(0, 20), p.first) << p.count << " tiles, deal " << p.number;
        EXPECT_EQ(faces.substr(faces.size() - 20), p.last) << p.count << " tiles, deal " << p.number;
    }
    // New deal numbers are drawn as 32-bit words over 2^32: the first for seed 1 is the standard
    // Mersenne twister's.
    EXPECT_EQ(Random(1).uniform() * 4294967296.0, 1791095845.0);
}

}  // namespace
}  // namespace varnel
