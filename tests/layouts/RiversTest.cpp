#include <gtest/gtest.h>

#include <cstdlib>
#include <numeric>
#include <random>
#include <vector>

#include "board/Deal.h"
#include "layouts/RiversCells.h"
#include "layouts/RiversLayout.h"
#include "layouts/RiversPath.h"

// The Rivers board: which tiles may be clicked at the start, which tiles a taken tile frees, and
// which equal pairs a line with two turns joins.
namespace varnel {
namespace {

// Free at the start: the outer ring, and inside it only tiles with an equal neighbour above,
// below, left or right (not across a row end).
TEST(Rivers, FreesTheRingAndTilesWithAnEqualNeighbour) {
    for (uint32_t number = 1; number <= 50; ++number) {
        Board board = dealFaces(84, number);
        riversLayout().markStartFree(board);
        auto face = [&](int row, int column) {
            if (row < 0 || row > 5 || column < 0 || column > 13) return int8_t{-2};
            return board[static_cast<int16_t>(row * 14 + column)].face;
        };
        for (int16_t i = 0; i < 84; ++i) {
            const int row = i / 14, column = i % 14, f = board[i].face;
            const bool onRing = row == 0 || row == 5 || column == 0 || column == 13;
            const bool expected = onRing || face(row - 1, column) == f ||
                                  face(row + 1, column) == f || face(row, column - 1) == f ||
                                  face(row, column + 1) == f;
            EXPECT_EQ(board[i].free, expected) << "deal " << number << " tile " << i;
        }
    }
}

// Every number a taken tile may have: at most its four grid neighbours are freed, never across a
// row end or past the board; off the board, nothing.
TEST(Rivers, ATakenTileFreesItsNeighboursOnTheGridOnly) {
    for (int16_t taken = -1; taken < kMaxTiles; ++taken) {
        Board board(84);
        riversLayout().updateFree(board, taken);
        for (int16_t i = 0; i < kMaxTiles; ++i) {
            const bool neighbour =
                taken >= 0 && taken < 84 && i < 84 &&
                std::abs(i / 14 - taken / 14) + std::abs(i % 14 - taken % 14) == 1;
            EXPECT_EQ(board[i].free, neighbour) << taken << " " << i;
        }
    }
}

// A slow, plain judge of the path rule, written apart from the game's own: it tries every choice
// of two turning points on the 6 x 14 grid inside a ring one cell wide that is always open.
bool joinedByTwoTurns(const Board& board, int16_t first, int16_t second) {
    struct Point {
        int row, column;
        bool operator==(const Point&) const = default;
    };
    auto open = [&](Point p) {
        if (p.row == 0 || p.row == 7 || p.column == 0 || p.column == 15) return true;
        return !board[static_cast<int16_t>((p.row - 1) * 14 + p.column - 1)].present();
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

// Judges every ordered pair of tiles left on 100 boards at each share taken from 0% to 95%, with
// the rule as written, with its form on bits that the layout plays by, and with the judge above.
TEST(Rivers, PathRuleAgreesWithEveryChoiceOfTurnsInBothOrders) {
    std::mt19937 rng(20240611);
    std::vector<int16_t> order(84);
    std::iota(order.begin(), order.end(), int16_t{0});
    for (int percent = 0; percent <= 95; percent += 5) {
        for (int n = 0; n < 100; ++n) {
            Board board = dealFaces(84, rng());
            std::shuffle(order.begin(), order.end(), rng);
            for (int k = 0; k < (percent * 84 + 50) / 100; ++k)
                board.remove(order[static_cast<size_t>(k)]);
            const RiversCells cells(board);
            for (int16_t a = 0; a < 84; ++a) {
                for (int16_t b = 0; b < 84; ++b) {
                    if (a == b || !board[a].present() || !board[b].present()) continue;
                    // The first pair judged differently ends the test.
                    const bool expected = joinedByTwoTurns(board, a, b);
                    ASSERT_EQ(riversPathJoins(board, a, b), expected) << a << " and " << b;
                    ASSERT_EQ(cells.joins(a, b), expected) << a << " and " << b << " on bits";
                }
            }
        }
    }
    // Off the board, or a tile with itself, never.
    const Board full = dealFaces(84, 1);
    for (const auto& [a, b] : {std::pair<int16_t, int16_t>{-1, 0}, {0, 84}, {5, 5}, {83, 143}}) {
        EXPECT_FALSE(riversPathJoins(full, a, b)) << a << " " << b;
        EXPECT_FALSE(RiversCells(full).joins(a, b)) << a << " " << b;
    }
}

}  // namespace
}  // namespace varnel
