#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <random>
#include <utility>
#include <vector>

#include "board/Deal.h"
#include "layouts/DragonLayout.h"
#include "layouts/PyramidLayout.h"

// The incremental free rules of the stacked layouts, compared after every removal with a rule
// worked out from scratch: a tile is free when it is present, no present tile lies on it, and
// on its left or on its right no present tile touches it.
namespace varnel {
namespace {

// The model knows the layouts only as cells on layers, written out here from the pictures of the
// boards, not from the layouts' tables.
class GeometricModel {
  public:
    static GeometricModel dragon() {
        GeometricModel model(144);
        // layer, row, first column, first tile, last tile (columns grow with the number)
        model.addRuns(
            {{0, 0, 0, 2, 13},    {0, 1, 2, 14, 21},   {0, 2, 1, 22, 31},   {0, 3, 0, 32, 43},
             {0, 4, 0, 44, 55},   {0, 5, 1, 56, 65},   {0, 6, 2, 66, 73},   {0, 7, 0, 74, 85},
             {1, 1, 3, 87, 92},   {1, 2, 3, 93, 98},   {1, 3, 3, 99, 104},  {1, 4, 3, 105, 110},
             {1, 5, 3, 111, 116}, {1, 6, 3, 117, 122}, {2, 2, 4, 123, 126}, {2, 3, 4, 127, 130},
             {2, 4, 4, 131, 134}, {2, 5, 4, 135, 138}, {3, 3, 5, 139, 140}, {3, 4, 5, 141, 142}});
        // The pieces outside the grid: 0 and 1 at the right between rows 3 and 4, 86 at the
        // left, 143 on top of the four tiles of layer 3.
        for (const auto& [right, left] : {std::pair{0, 1}, {1, 32}, {1, 44}, {43, 86}, {55, 86}}) {
            model.leftOf_[right].push_back(left);
            model.rightOf_[left].push_back(right);
        }
        for (int tile = 139; tile <= 142; ++tile) model.coveredBy_[tile] = {143};
        model.onlyFromTheRight_ = 1;  // tile 1 opens only when tile 0 has gone
        return model;
    }

    static GeometricModel pyramid() {
        GeometricModel model(120);
        std::vector<Run> runs;
        int tile = 0;
        for (int layer = 0; layer < 4; ++layer) {
            const int size = 8 - 2 * layer;
            for (int row = layer; row < layer + size; ++row, tile += size)
                runs.push_back({layer, row, 2 + layer, tile, tile + size - 1});
        }
        model.addRuns(runs);
        return model;
    }

    bool isFree(const Board& board, int tile) const {
        auto present = [&](int other) { return board[static_cast<int16_t>(other)].present(); };
        if (!present(tile) || std::ranges::any_of(coveredBy_[tile], present)) return false;
        auto open = [&](const auto& side) { return std::ranges::none_of(side, present); };
        if (tile == onlyFromTheRight_) return open(rightOf_[tile]);
        return open(leftOf_[tile]) || open(rightOf_[tile]);
    }

  private:
    struct Run {
        int layer, row, firstColumn, first, last;
    };
    struct Cell {
        int layer, row, column;
        auto operator<=>(const Cell&) const = default;
    };

    explicit GeometricModel(int count) : leftOf_(count), rightOf_(count), coveredBy_(count) {}

    void addRuns(const std::vector<Run>& runs) {
        std::map<Cell, int> cells;
        for (const Run& run : runs)
            for (int tile = run.first; tile <= run.last; ++tile)
                cells[{run.layer, run.row, run.firstColumn + tile - run.first}] = tile;
        auto link = [&](std::vector<std::vector<int>>& relation, int tile, Cell other) {
            if (auto it = cells.find(other); it != cells.end())
                relation[tile].push_back(it->second);
        };
        for (const auto& [cell, tile] : cells) {
            link(leftOf_, tile, {cell.layer, cell.row, cell.column + 1});
            link(rightOf_, tile, {cell.layer, cell.row, cell.column - 1});
            link(coveredBy_, tile, {cell.layer + 1, cell.row, cell.column});
        }
    }

    std::vector<std::vector<int>> leftOf_, rightOf_, coveredBy_;
    int onlyFromTheRight_ = -1;
};

// Plays random games taking any free tile alone, which reaches many more shapes of the board
// than taking pairs does, and compares every tile's flag with the model's after each removal,
// failing at the first difference. Even games take any free tile; odd games give every tile a
// random priority and always take the most urgent, so that some tiles are kept to the very end
// (the end pieces, say) and the board is cleared round them. That a pair, both tiles removed
// before either frees its neighbours, leaves the flags that single tiles would is the solver's
// rules test.
void playAgainst(const GeometricModel& model, const Layout& layout) {
    const int16_t count = layout.tileCount();
    for (int game = 0; game < 1500; ++game) {
        Board board = dealFaces(count, static_cast<uint32_t>(game * 131 + 7));
        layout.markStartFree(board);
        std::mt19937 pick(static_cast<uint32_t>(game));
        std::vector<uint32_t> priority(static_cast<size_t>(count));
        for (auto& p : priority) p = pick();
        for (int16_t removed = -1;;) {
            std::vector<int16_t> free;
            for (int16_t tile = 0; tile < count; ++tile) {
                if (board[tile].present() && board[tile].free != model.isFree(board, tile))
                    FAIL() << count << " tiles: tile " << tile << " after removing " << removed;
                if (board[tile].present() && board[tile].free) free.push_back(tile);
            }
            if (free.empty()) break;
            const auto urgency = [&](int16_t tile) { return priority[static_cast<size_t>(tile)]; };
            removed = game % 2 == 0 ? free[pick() % free.size()]
                                    : *std::ranges::max_element(free, {}, urgency);
            board.remove(removed);
            layout.updateFree(board, removed);
        }
        // The first and last tiles have no neighbour beyond their runs: nothing past the layout
        // is ever written.
        for (int16_t tile = count; tile < kMaxTiles; ++tile)
            ASSERT_TRUE(board[tile] == Tile{}) << count << " tiles: tile " << tile;
    }
}

TEST(FreeRules, StackedLayoutsFollowTheNeighbourRuleAfterEveryRemoval) {
    playAgainst(GeometricModel::dragon(), dragonLayout());
    playAgainst(GeometricModel::pyramid(), pyramidLayout());
}

}  // namespace
}  // namespace varnel
