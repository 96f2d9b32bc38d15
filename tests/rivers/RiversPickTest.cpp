#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "RiversPick.h"

namespace varnel {
namespace {

// A slow, plain judge of the path rule, written apart from the game's own code: it tries every
// choice of two turning points on the 6 x 14 grid inside a ring one cell wide. The default is the
// game's rule; the other settings give plausible wrong rules to show that the comparison catches
// them.
struct CornerRule {
    int maxRuns = 3;         // 2: one turn at most
    bool ringOpen = true;    // false: the line may not leave the grid
    bool farDetours = true;  // false: a detour may only use the row or column next to the tiles

    struct Point {
        int row, column;
        bool operator==(const Point&) const = default;
    };

    bool operator()(const TileTable& tiles, int16_t first, int16_t second) const {
        auto open = [&](Point p) {
            if (p.row == 0 || p.row == 7 || p.column == 0 || p.column == 15) return ringOpen;
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
        // A narrow rule keeps the middle run within one row or column of the two tiles.
        auto near = [](int v, int p, int q) {
            return v >= std::min(p, q) - 1 && v <= std::max(p, q) + 1;
        };
        // The first turning point c1 lies in line with a (or is a), the second in line with both
        // c1 and b; with one turn at most the two are the same.
        for (int row = 0; row < 8; ++row) {
            for (int column = 0; column < 16; ++column) {
                if (row != a.row && column != a.column) continue;
                const Point c1{row, column};
                for (const Point c2 : {Point{row, b.column}, Point{b.row, column}}) {
                    if (maxRuns < 3 && !(c2 == c1)) continue;
                    if (!farDetours && !(c1 == c2) &&
                        !(row == c2.row ? near(row, a.row, b.row)
                                        : near(column, a.column, b.column)))
                        continue;
                    if (pathOpen(c1, c2)) return true;
                }
            }
        }
        return false;
    }
};

TileTable FullBoardWithout(std::initializer_list<int16_t> taken) {
    TileTable tiles{};
    for (int16_t i = 0; i < 84; ++i) tiles[i].Face = static_cast<int16_t>(i % 21);
    for (const int16_t i : taken) tiles[i].Face = kNoFace;
    return tiles;
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

struct Comparison {
    long pairs = 0, disagreements = 0;
    std::string first;  // the first pair judged differently, for the failure message
};

// Judges every ordered pair of occupied cells on 100 seeded boards at each share taken from 0%
// to 95%, with the rule and with the reference; the same boards for every rule.
template <typename Rule>
Comparison CompareOnRandomBoards(const Rule& rule, bool stopAtFirst) {
    const CornerRule reference;
    Comparison result;
    std::mt19937 rng(20240611);
    for (int percent = 0; percent <= 95; percent += 5) {
        for (int board = 0; board < 100; ++board) {
            const TileTable tiles = RandomBoard(rng, percent / 100.0);
            for (int16_t a = 0; a < 84; ++a) {
                for (int16_t b = 0; b < 84; ++b) {
                    if (a == b || !IsPresent(tiles[a]) || !IsPresent(tiles[b])) continue;
                    ++result.pairs;
                    const bool expected = reference(tiles, a, b);
                    if (rule(tiles, a, b) == expected) continue;
                    if (result.disagreements++ == 0)
                        result.first = std::to_string(a) + "-" + std::to_string(b) +
                                       (expected ? " should be connected" : " should be apart");
                }
            }
            if (stopAtFirst && result.disagreements > 0) return result;
        }
    }
    return result;
}

TEST(RiversPickTest, AgreesWithTheReferenceOnRandomBoardsInBothOrders) {
    const Comparison result = CompareOnRandomBoards(RiversPick, false);
    EXPECT_GT(result.pairs, 1'000'000);
    EXPECT_EQ(result.disagreements, 0) << "first: " << result.first;
}

TEST(RiversPickTest, TheComparisonCatchesWrongRules) {
    const struct {
        const char* name;
        CornerRule rule;
    } wrongRules[] = {
        {"one turn at most", {.maxRuns = 2}},
        {"no way round the outside", {.ringOpen = false}},
        {"detours only through the next row", {.farDetours = false}},
    };
    for (const auto& wrong : wrongRules)
        EXPECT_GT(CompareOnRandomBoards(wrong.rule, true).disagreements, 0)
            << wrong.name << " was not caught";
}

// Readable cases for the failure a player would see first.
TEST(RiversPickTest, WorkedCases) {
    const struct {
        const char* what;
        std::initializer_list<int16_t> taken;
        int16_t a, b;
        bool connected;
    } cases[] = {
        {"opposite corners need three turns", {}, 0, 83, false},
        {"neighbours in a row", {}, 20, 21, true},
        {"two tiles of one edge, round the outside", {}, 1, 12, true},
        {"one turn through the gap", {1}, 0, 15, true},
        {"left, down, left", {17, 31}, 16, 32, true},
        {"a detour needs the cells above both tiles", {15, 16, 17, 18}, 28, 33, false},
        {"row 1 is not the top edge", {2}, 14, 16, false},
    };
    for (const auto& c : cases) {
        const TileTable tiles = FullBoardWithout(c.taken);
        EXPECT_EQ(RiversPick(tiles, c.a, c.b), c.connected) << c.what;
        EXPECT_EQ(RiversPick(tiles, c.b, c.a), c.connected) << c.what << " (swapped)";
    }
}

// A saved game or a stray click can hand the rule any index.
TEST(RiversPickTest, NoTileOffTheBoardAndNoTileWithItself) {
    TileTable tiles{};
    tiles[0].Face = tiles[84].Face = tiles[85].Face = 1;
    const int16_t pairs[][2] = {{0, 0}, {0, 84}, {85, 0}, {-1, 0}, {0, -14}};
    for (const auto& p : pairs) EXPECT_FALSE(RiversPick(tiles, p[0], p[1])) << p[0] << "-" << p[1];
}

}  // namespace
}  // namespace varnel
