#include "layouts/RiversCells.h"

#include <bit>

#include "layouts/RiversGrid.h"

namespace varnel {
namespace {

// Bits low to high inclusive.
constexpr uint32_t span(int low, int high) { return ((uint32_t{2} << high) - 1) & ~((uint32_t{1} << low) - 1); }

// Bits strictly between a and b.
constexpr uint32_t between(int a, int b) {
    const int low = a < b ? a : b, high = a < b ? b : a;
    return high - low < 2 ? 0 : span(low + 1, high - 1);
}

// The places along a line (a column's rows, or a row's columns) that a tile at `at` reaches in
// one straight run through empty cells, its own included, as bits. `full` marks the line's
// cells that hold a tile; `last` is the line's last place.
uint32_t reach(uint32_t full, int at, int last) {
    const uint32_t above = full >> (at + 1);
    const int high = above ? at + std::countr_zero(above) : last;
    const uint32_t below = full & ((uint32_t{1} << at) - 1);
    const int low = below ? 32 - std::countl_zero(below) : 0;
    return span(low, high);
}

}  // namespace

RiversCells::RiversCells(const Board& board) {
    for (int16_t tile = 0; tile < kRiversTileCount; ++tile) {
        if (!board[tile].present()) continue;
        const int row = riversRow(tile) + 1, column = riversColumn(tile) + 1;
        rows_[static_cast<std::size_t>(row)] |= static_cast<uint16_t>(1u << column);
        columns_[static_cast<std::size_t>(column)] |= static_cast<uint16_t>(1u << row);
    }
}

bool RiversCells::joins(int16_t first, int16_t second) const {
    if (!isRiversTile(first) || !isRiversTile(second) || first == second) return false;
    const int rowA = riversRow(first) + 1, columnA = riversColumn(first) + 1;
    const int rowB = riversRow(second) + 1, columnB = riversColumn(second) + 1;
    // A line of at most three runs turns in a row both tiles reach down their own columns and
    // runs along it between them, or the same with rows and columns swapped.
    uint32_t rows = reach(columns_[static_cast<std::size_t>(columnA)], rowA, kRows - 1) &
                    reach(columns_[static_cast<std::size_t>(columnB)], rowB, kRows - 1);
    const uint32_t acrossRows = between(columnA, columnB);
    for (; rows; rows &= rows - 1) {
        if (!(rows_[static_cast<std::size_t>(std::countr_zero(rows))] & acrossRows)) return true;
    }
    uint32_t columns = reach(rows_[static_cast<std::size_t>(rowA)], columnA, kColumns - 1) &
                       reach(rows_[static_cast<std::size_t>(rowB)], columnB, kColumns - 1);
    const uint32_t acrossColumns = between(rowA, rowB);
    for (; columns; columns &= columns - 1) {
        if (!(columns_[static_cast<std::size_t>(std::countr_zero(columns))] & acrossColumns)) return true;
    }
    return false;
}

}  // namespace varnel
