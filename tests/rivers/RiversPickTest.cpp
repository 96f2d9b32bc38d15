#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "RiversPick.h"

namespace varnel {
namespace {

// A slow, plain judge of the path rule, written apart from the game's own code: it tries every
// choice of two turning points on the 6 x 14 grid inside a ring one cell wide that is always
// open.
bool ConnectedByCorners(const TileTable& tiles, int16_t first, int16_t second) {
    struct Point {
        int row, column;
        bool operator==(const Point&) const = default;
    };
    auto open = [&](Point p) {
        if (p.row == 0 || p.row == 7 || p.column == 0 || p.column == 15) return true;
        return !IsPresent(tiles[(p.row - 1) * 14 + p.column - 1]);
    };
    const Point a{first / 14 + 1, first % 14 + 1}, b{second / 14 + 1, second % 14 + 1};
    // Walks a -> c1 -> c2 -> b cell by cell; every cell stepped on before b must be open.
    auto pathOpen = [&](Point c1, Point c2) {
        Point p = a;
        for (const Point corner : {c1, c2, b}) {
            while (!(p == corner)) {
                p.row += (corner.row > p.row) - (corner.row < p.row);
                p.column += (corner.column > p.column) - (corner.column < p.column);
                if (!(p == b) && !open(p)) return false;
            }
        }
        return true;
    };
    // The first turning point c1 lies in line with a (or is a), the second in line with both c1
    // and b.
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 16; ++column) {
            if (row != a.row && column != a.column) continue;
            const Point c1{row, column};
            for (const Point c2 : {Point{row, b.column}, Point{b.row, column}})
                if (pathOpen(c1, c2)) return true;
        }
    }
    return false;
}

// A deal with a share of its tiles taken at random. The records past the board hold rubbish:
// a rule that strays beyond tile 83 would see tiles there.
TileTable RandomBoard(std::mt19937& rng, double takenShare) {
    TileTable tiles{};
    std::vector<int16_t> order(84);
    std::iota(order.begin(), order.end(), int16_t{0});
    std::shuffle(order.begin(), order.end(), rng);
    for (int16_t i = 0; i < 84; ++i) tiles[order[i]].Face = static_cast<int16_t>(i / 4);
    std::shuffle(order.begin(), order.end(), rng);
    for (int k = 0; k < static_cast<int>(takenShare * 84 + 0.5); ++k)
        tiles[order[k]].Face = kNoFace;
    std::uniform_int_distribution<int> rubbish(-1, 35);
    for (int i = 84; i < kTableSize; ++i) tiles[i].Face = static_cast<int16_t>(rubbish(rng));
    return tiles;
}

// Judges every ordered pair of occupied cells on 100 seeded boards at each share taken from 0%
// to 95%, with the game's rule and with the reference.
TEST(RiversPickTest, AgreesWithTheReferenceOnRandomBoardsInBothOrders) {
    long pairs = 0, disagreements = 0;
    std::string first;  // the first pair judged differently, for the failure message
    std::mt19937 rng(20240611);
    for (int percent = 0; percent <= 95; percent += 5) {
        for (int board = 0; board < 100; ++board) {
            const TileTable tiles = RandomBoard(rng, percent / 100.0);
            for (int16_t a = 0; a < 84; ++a) {
                for (int16_t b = 0; b < 84; ++b) {
                    if (a == b || !IsPresent(tiles[a]) || !IsPresent(tiles[b])) continue;
                    ++pairs;
                    const bool expected = ConnectedByCorners(tiles, a, b);
                    if (RiversPick(tiles, a, b) == expected || disagreements++ > 0) continue;
                    first = std::to_string(a) + "-" + std::to_string(b) +
                            (expected ? " should be connected" : " should be apart");
                }
            }
        }
    }
    EXPECT_GT(pairs, 1'000'000);
    EXPECT_EQ(disagreements, 0) << "first: " << first;
}

}  // namespace
}  // namespace varnel
