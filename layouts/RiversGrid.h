#pragma once

#include <cstdint>

// The Rivers board is one flat grid of 6 rows by 14 columns. Tile i lies in row i / 14 (row 0 at
// the top) and column i % 14, where column 0 is the right-hand end of the row on screen: within a
// row the index grows leftward.
namespace varnel {

constexpr int kRiversRows = 6;
constexpr int kRiversColumns = 14;
constexpr int16_t kRiversTileCount = kRiversRows * kRiversColumns;

constexpr bool isRiversTile(int index) {
    return index >= 0 && index < kRiversTileCount;
}
constexpr int riversRow(int index) {
    return index / kRiversColumns;
}
constexpr int riversColumn(int index) {
    return index % kRiversColumns;
}
constexpr int16_t riversIndex(int row, int column) {
    return static_cast<int16_t>(row * kRiversColumns + column);
}

}  // namespace varnel
