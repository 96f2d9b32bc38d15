#include "layouts/RiversLayout.h"

#include "layouts/RiversCells.h"
#include "layouts/RiversGrid.h"
#include "layouts/TileRuns.h"

namespace varnel {
namespace {

// Each row starts two tile widths in from the right edge of the board and steps leftward; the
// rows lie one tile height apart less the 5-unit overlap. The top and bottom rows lie wholly
// on the edge of the grid, the other rows touch it with their two ends.
constexpr TileRun kRiversRowRuns[] = {
    {0, 13, -2, 0, 0, 1, 0, 0, StartFree::All},      {14, 27, -2, 0, -5, 2, 0, 0, StartFree::Ends},
    {28, 41, -2, 0, -10, 3, 0, 0, StartFree::Ends},  {42, 55, -2, 0, -15, 4, 0, 0, StartFree::Ends},
    {56, 69, -2, 0, -20, 5, 0, 0, StartFree::Ends},  {70, 83, -2, 0, -25, 6, 0, 0, StartFree::All},
};

void freeIfEqual(Board& board, int16_t a, int16_t b) {
    // Two taken tiles side by side are not a pair of equal faces.
    if (!board[a].present() || board[a].face != board[b].face) return;
    board.setFree(a);
    board.setFree(b);
}

class Rivers final : public Layout {
  public:
    int16_t tileCount() const override { return kRiversTileCount; }

    TilePlaces places(const CellSize& cell) const override {
        TilePlaces places;
        placeRuns(kRiversRowRuns, cell, places);
        return places;
    }

    void markStartFree(Board& board) const override {
        markRunsStartFree(kRiversRowRuns, board);
        for (int row = 0; row < kRiversRows; ++row) {
            for (int column = 0; column < kRiversColumns; ++column) {
                const int16_t tile = riversIndex(row, column);
                if (column + 1 < kRiversColumns) freeIfEqual(board, tile, riversIndex(row, column + 1));
                if (row + 1 < kRiversRows) freeIfEqual(board, tile, riversIndex(row + 1, column));
            }
        }
    }

    void updateFree(Board& board, int16_t k) const override {
        if (!isRiversTile(k)) return;
        const int row = riversRow(k);
        const int column = riversColumn(k);
        auto free = [&board](int r, int c) {
            if (r >= 0 && r < kRiversRows && c >= 0 && c < kRiversColumns)
                board.setFree(riversIndex(r, c));
        };
        free(row - 1, column);
        free(row + 1, column);
        free(row, column - 1);
        free(row, column + 1);
    }

    // The path rule of riversPathJoins, worked out on bits.
    bool pairJoined(const Board& board, int16_t first, int16_t second) const override {
        return RiversCells(board).joins(first, second);
    }
    void pairsJoined(const Board& board, std::span<const std::pair<int16_t, int16_t>> pairs,
                     std::span<bool> joined) const override {
        const RiversCells cells(board);
        for (std::size_t i = 0; i < pairs.size(); ++i) joined[i] = cells.joins(pairs[i].first, pairs[i].second);
    }
};

}  // namespace

const Layout& riversLayout() {
    static const Rivers rivers;
    return rivers;
}

}  // namespace varnel
