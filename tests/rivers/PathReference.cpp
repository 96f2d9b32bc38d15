#include "PathReference.h"

#include <algorithm>
#include <array>
#include <span>
#include <utility>

namespace varnel::testing {
namespace {

// The 6 x 14 grid inside a ring one cell wide: tile i at row i / 14 + 1, column i % 14 + 1.
constexpr int kRows = 8;
constexpr int kColumns = 16;

struct Point {
    int row, column;
    bool operator==(const Point&) const = default;
};

Point PointOf(int tile) {
    return {tile / 14 + 1, tile % 14 + 1};
}
bool OnRing(Point p) {
    return p.row == 0 || p.row == kRows - 1 || p.column == 0 || p.column == kColumns - 1;
}
int TileAt(Point p) {
    return (p.row - 1) * 14 + (p.column - 1);
}
bool Occupied(const TileTable& tiles, Point p) {
    return !OnRing(p) && IsPresent(tiles[TileAt(p)]);
}

}  // namespace

ReachTable::ReachTable(const TileTable& tiles) {
    constexpr int kDirections[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    for (int from = 0; from < 84; ++from) {
        if (!IsPresent(tiles[from])) continue;
        // runs[p]: the fewest runs that bring the line from the tile to the empty cell p.
        int runs[kRows][kColumns];
        for (auto& row : runs) std::fill(std::begin(row), std::end(row), 99);
        // Each empty cell joins the frontier once, at the run that first reaches it.
        std::array<Point, kRows * kColumns> frontier, next;
        int frontierSize = 1, nextSize = 0;
        frontier[0] = PointOf(from);
        for (int run = 1; run <= 3; ++run) {
            nextSize = 0;
            for (int k = 0; k < frontierSize; ++k) {
                const Point start = frontier[k];
                for (const auto& d : kDirections) {
                    Point p{start.row + d[0], start.column + d[1]};
                    for (; p.row >= 0 && p.row < kRows && p.column >= 0 && p.column < kColumns;
                         p.row += d[0], p.column += d[1]) {
                        if (Occupied(tiles, p)) {
                            reached_[from][TileAt(p)] = true;
                            break;
                        }
                        if (runs[p.row][p.column] > run) {
                            runs[p.row][p.column] = run;
                            next[nextSize++] = p;
                        }
                    }
                }
            }
            std::swap(frontier, next);
            frontierSize = nextSize;
        }
    }
}

bool CornerRule::operator()(const TileTable& tiles, int16_t first, int16_t second) const {
    const Point a = PointOf(first), b = PointOf(second);
    // The cells in line with a, a itself included: every place for the first turn.
    std::array<Point, kRows + kColumns - 1> lineOfA;
    int n = 0;
    for (int r = 0; r < kRows; ++r) lineOfA[n++] = {r, a.column};
    for (int c = 0; c < kColumns; ++c)
        if (c != a.column) lineOfA[n++] = {a.row, c};
    auto aligned = [](Point p, Point q) { return p.row == q.row || p.column == q.column; };
    auto open = [&](Point p) { return OnRing(p) ? ringOpen : !IsPresent(tiles[TileAt(p)]); };

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
    auto detourAllowed = [&](Point c1, Point c2) {
        if (farDetours || c1 == c2) return true;
        if (c1.row == c2.row)
            return c1.row >= std::min(a.row, b.row) - 1 && c1.row <= std::max(a.row, b.row) + 1;
        return c1.column >= std::min(a.column, b.column) - 1 &&
               c1.column <= std::max(a.column, b.column) + 1;
    };

    for (const Point c1 : lineOfA) {
        // The second turning point lies in line with both the first one and b; with one turn
        // at most it is the first one itself.
        const Point choices[] = {{c1.row, b.column}, {b.row, c1.column}, c1};
        for (const Point c2 : maxRuns >= 3 ? std::span(choices, 2) : std::span(choices + 2, 1)) {
            if (!aligned(c2, b)) continue;
            if (detourAllowed(c1, c2) && pathOpen(c1, c2)) return true;
        }
    }
    return false;
}

}  // namespace varnel::testing
