#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "PathReference.h"
#include "RiversPick.h"

namespace varnel {
namespace {

using testing::CornerRule;
using testing::ReachTable;
using PathRule = std::function<bool(const TileTable&, int16_t, int16_t)>;

TileTable FullBoard() {
    TileTable tiles{};
    for (int16_t i = 0; i < 84; ++i) tiles[i].Face = static_cast<int16_t>(i % 21);
    return tiles;
}

TileTable FullBoardWithout(std::initializer_list<int16_t> taken) {
    TileTable tiles = FullBoard();
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
    const int taken = static_cast<int>(takenShare * 84 + 0.5);
    std::shuffle(order.begin(), order.end(), rng);
    for (int k = 0; k < taken; ++k) tiles[order[k]].Face = kNoFace;
    std::uniform_int_distribution<int> rubbish(-1, 35);
    for (int i = 84; i < kTableSize; ++i) tiles[i].Face = static_cast<int16_t>(rubbish(rng));
    return tiles;
}

struct Comparison {
    long pairs = 0;
    long disagreements = 0;
    std::string first;  // the first pair judged differently, for the failure message
};

// Judges every ordered pair of tiles on the board with the rule and with the reference.
void Compare(const PathRule& rule, const TileTable& tiles, Comparison& result) {
    const ReachTable reference(tiles);
    for (int16_t a = 0; a < 84; ++a) {
        if (!IsPresent(tiles[a])) continue;
        for (int16_t b = 0; b < 84; ++b) {
            if (a == b || !IsPresent(tiles[b])) continue;
            ++result.pairs;
            if (rule(tiles, a, b) == reference.Connected(a, b)) continue;
            if (result.disagreements++ == 0)
                result.first = std::to_string(a) + "-" + std::to_string(b) + " should be " +
                               (reference.Connected(a, b) ? "connected" : "apart");
        }
    }
}

// Boards from full to 95% taken, the same boards for every rule judged.
Comparison CompareOnRandomBoards(const PathRule& rule, int boardsPerShare, bool stopAtFirst) {
    Comparison result;
    std::mt19937 rng(20240611);
    for (int percent = 0; percent <= 95; percent += 5) {
        for (int board = 0; board < boardsPerShare; ++board) {
            Compare(rule, RandomBoard(rng, percent / 100.0), result);
            if (stopAtFirst && result.disagreements > 0) return result;
        }
    }
    return result;
}

TEST(RiversPickTest, AgreesWithTheReferenceOnRandomBoardsInBothOrders) {
    const Comparison result = CompareOnRandomBoards(RiversPick, 100, false);
    EXPECT_GT(result.pairs, 1'000'000);
    EXPECT_EQ(result.disagreements, 0) << "first: " << result.first;
}

TEST(RiversPickTest, TheTwoReferencesAgree) {
    const Comparison result = CompareOnRandomBoards(CornerRule{}, 10, false);
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
    for (const auto& wrong : wrongRules) {
        const Comparison result = CompareOnRandomBoards(wrong.rule, 100, true);
        EXPECT_GT(result.disagreements, 0) << wrong.name << " was not caught";
    }
}

struct WorkedCase {
    const char* what;
    std::initializer_list<int16_t> taken;
    int16_t a, b;
    bool connected;
};

TEST(RiversPickTest, WorkedCases) {
    const WorkedCase cases[] = {
        {"opposite corners need three turns", {}, 0, 83, false},
        {"top right to bottom left end of row 4", {}, 0, 69, false},
        {"row 0 to the right end of row 2", {}, 5, 28, false},
        {"one tile between in a row", {}, 20, 22, false},
        {"neighbours in a row", {}, 20, 21, true},
        {"neighbours in a column", {}, 20, 34, true},
        {"one turn through the gap", {1}, 0, 15, true},
        {"left, down, left", {17, 31}, 16, 32, true},
        {"left, then blocked below", {17}, 16, 32, false},
        {"straight through a cleared stretch", {15, 16, 17, 18}, 14, 19, true},
        {"a detour needs the cells above both tiles", {15, 16, 17, 18}, 28, 33, false},
        {"row 1 is not the top edge", {2}, 14, 16, false},
    };
    for (const WorkedCase& c : cases) {
        const TileTable tiles = FullBoardWithout(c.taken);
        EXPECT_EQ(RiversPick(tiles, c.a, c.b), c.connected) << c.what;
        EXPECT_EQ(RiversPick(tiles, c.b, c.a), c.connected) << c.what << " (swapped)";
    }
}

// With no cell empty, a line can only run between neighbours, or out onto the ring and along it.
TEST(RiversPickTest, OnAFullBoardOnlyNeighboursAndTilesOfOneEdgeAreConnected) {
    const TileTable tiles = FullBoard();
    auto edgeOf = [](int16_t i) {
        return std::vector<bool>{i / 14 == 0, i / 14 == 5, i % 14 == 0, i % 14 == 13};
    };
    for (int16_t a = 0; a < 84; ++a) {
        for (int16_t b = 0; b < 84; ++b) {
            if (a == b) continue;
            const bool neighbours =
                (a / 14 == b / 14 && std::abs(a - b) == 1) || std::abs(a - b) == 14;
            const auto ea = edgeOf(a), eb = edgeOf(b);
            bool sameEdge = false;
            for (int e = 0; e < 4; ++e) sameEdge = sameEdge || (ea[e] && eb[e]);
            EXPECT_EQ(RiversPick(tiles, a, b), neighbours || sameEdge) << a << "-" << b;
        }
    }
}

// Tile 14 is boxed in by 0, 15 and 28 and can only step out right onto the ring; from there no
// line with two turns comes back into row 1, whatever else lies on the board.
TEST(RiversPickTest, ATileBoxedInOnRowOneHasNoWayToItsNeighbourButOne) {
    std::mt19937 rng(7);
    for (int board = 0; board < 200; ++board) {
        TileTable tiles = RandomBoard(rng, (board % 20) / 20.0);
        for (const int16_t i : {0, 14, 15, 16, 28}) tiles[i].Face = 3;
        tiles[2].Face = kNoFace;
        EXPECT_FALSE(RiversPick(tiles, 14, 16));
        EXPECT_FALSE(RiversPick(tiles, 16, 14));
    }
}

TEST(RiversPickTest, NoTileOffTheBoardAndNoTileWithItself) {
    TileTable tiles{};
    tiles[0].Face = tiles[84].Face = tiles[85].Face = 1;
    EXPECT_FALSE(RiversPick(tiles, 0, 0));
    EXPECT_FALSE(RiversPick(tiles, 0, 84));
    EXPECT_FALSE(RiversPick(tiles, 85, 0));
    EXPECT_FALSE(RiversPick(tiles, -1, 0));
    EXPECT_FALSE(RiversPick(tiles, 0, -14));
}

}  // namespace
}  // namespace varnel
