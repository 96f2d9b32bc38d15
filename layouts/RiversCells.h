#pragma once

#include <array>
#include <cstdint>

#include "board/Board.h"

namespace varnel {

// The Rivers board as bits: which cells of the grid hold a tile, row by row and column by
// column, with the ring of always-empty cells around it that lines along the outside use. The
// path rule of riversPathJoins then costs a few mask operations instead of walks over cells,
// which matters to a solver that asks it thousands of times a position.
class RiversCells {
  public:
    explicit RiversCells(const Board& board);

    // The same answer as riversPathJoins on the board this was made from.
    bool joins(int16_t first, int16_t second) const;

  private:
    static constexpr int kRows = 8;      // 6 rows of tiles and the ring above and below
    static constexpr int kColumns = 16;  // 14 columns of tiles and the ring either side
    std::array<uint16_t, kRows> rows_{};        // bit c: padded column c of the row holds a tile
    std::array<uint16_t, kColumns> columns_{};  // bit r: padded row r of the column holds a tile
};

}  // namespace varnel
