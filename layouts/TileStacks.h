#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "board/Board.h"

// Which tile lies directly on which, in the stacked layouts, and the two steps of their free
// rule that follow from it.
namespace varnel {

// A tile lies on at most one tile in these layouts; in the other direction, only the top of
// Dragon covers more than one.
class TileStacks {
  public:
    struct Stack {
        int16_t upperFirst, upperLast, lowerFirst;  // upperFirst + i lies on lowerFirst + i
    };
    explicit TileStacks(std::span<const Stack> stacks);
    void lay(int16_t upper, int16_t lower);
    int16_t above(int16_t tile) const { return above_[static_cast<std::size_t>(tile)]; }  // -1: none
    int16_t below(int16_t tile) const { return below_[static_cast<std::size_t>(tile)]; }  // -1: table

  private:
    std::array<int16_t, kMaxTiles> above_;
    std::array<int16_t, kMaxTiles> below_;
};

// Side step: tile n, whose row neighbour has gone, is free unless a present tile lies on it.
void freeUnlessCovered(Board& board, const TileStacks& stacks, int16_t n);
// Beneath step: the tile that k lay on is free once one of its row neighbours has gone.
void freeBeneath(Board& board, const TileStacks& stacks, int16_t k);

}  // namespace varnel
