#include "layouts/RiversPath.h"

#include <algorithm>
#include <array>

#include "layouts/RiversGrid.h"

namespace varnel {
namespace {

// The board seen with a ring of always-empty cells one cell wide around it, so that a line
// running along the outside of an edge is a line like any other. The tile in grid row r and
// column c sits in padded row r + 1 and padded column c + 1.
constexpr int kPaddedRows = kRiversRows + 2;
constexpr int kPaddedColumns = kRiversColumns + 2;

struct Cell {
    int row;
    int column;
};

Cell paddedCell(int16_t index) {
    return {riversRow(index) + 1, riversColumn(index) + 1};
}

class OpenCells {
  public:
    explicit OpenCells(const Board& board) {
        open_.fill(true);
        for (int16_t i = 0; i < kRiversTileCount; ++i) {
            const Cell cell = paddedCell(i);
            open_[cell.row * kPaddedColumns + cell.column] = !board[i].present();
        }
    }
    bool operator()(int row, int column) const { return open_[row * kPaddedColumns + column]; }

  private:
    std::array<bool, kPaddedRows * kPaddedColumns> open_;
};

// The rows (or columns) a tile can reach in one straight run through open cells, its own
// included: the places where a line leaving the tile may make its first turn.
struct Span {
    int low;
    int high;
};

Span rowsInReach(const OpenCells& open, Cell tile) {
    Span span{tile.row, tile.row};
    while (span.low > 0 && open(span.low - 1, tile.column)) --span.low;
    while (span.high < kPaddedRows - 1 && open(span.high + 1, tile.column)) ++span.high;
    return span;
}

Span columnsInReach(const OpenCells& open, Cell tile) {
    Span span{tile.column, tile.column};
    while (span.low > 0 && open(tile.row, span.low - 1)) --span.low;
    while (span.high < kPaddedColumns - 1 && open(tile.row, span.high + 1)) ++span.high;
    return span;
}

bool rowOpenBetween(const OpenCells& open, int row, int columnA, int columnB) {
    for (int column = std::min(columnA, columnB) + 1; column < std::max(columnA, columnB); ++column)
        if (!open(row, column)) return false;
    return true;
}

bool columnOpenBetween(const OpenCells& open, int column, int rowA, int rowB) {
    for (int row = std::min(rowA, rowB) + 1; row < std::max(rowA, rowB); ++row)
        if (!open(row, column)) return false;
    return true;
}

}  // namespace

bool riversPathJoins(const Board& board, int16_t first, int16_t second) {
    if (!isRiversTile(first) || !isRiversTile(second) || first == second) return false;
    const OpenCells open(board);
    const Cell a = paddedCell(first);
    const Cell b = paddedCell(second);

    // Every line of at most three runs is vertical-horizontal-vertical or
    // horizontal-vertical-horizontal, the outer runs possibly of length zero. For the first kind
    // the middle run lies in a row that both tiles reach straight up or down their own column;
    // all that is left to look at is that row between the two columns. The second kind likewise.
    const Span rowsA = rowsInReach(open, a);
    const Span rowsB = rowsInReach(open, b);
    for (int row = std::max(rowsA.low, rowsB.low); row <= std::min(rowsA.high, rowsB.high); ++row)
        if (rowOpenBetween(open, row, a.column, b.column)) return true;

    const Span columnsA = columnsInReach(open, a);
    const Span columnsB = columnsInReach(open, b);
    for (int column = std::max(columnsA.low, columnsB.low);
         column <= std::min(columnsA.high, columnsB.high); ++column)
        if (columnOpenBetween(open, column, a.row, b.row)) return true;

    return false;
}

}  // namespace varnel
