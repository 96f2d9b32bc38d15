#pragma once

#include <cstdint>
#include <span>
#include <utility>

#include "board/Board.h"
#include "layouts/TileRuns.h"

namespace varnel {

// What the game needs of a layout: how many tiles it has and where they lie, which are free from
// the start, which tiles a removal frees, and whether two equal free tiles may go together.
class Layout {
  public:
    virtual ~Layout() = default;

    virtual int16_t tileCount() const = 0;
    // Where each tile lies on a board of the given cell size.
    virtual TilePlaces places(const CellSize& cell) const = 0;
    // Marks the tiles free on a fresh deal. Flags already set stay set.
    virtual void markStartFree(Board& board) const = 0;
    // Marks the tiles that the removal of tile k has freed. Flags are only ever set, never
    // cleared.
    virtual void updateFree(Board& board, int16_t k) const = 0;
    // As the game takes a pair: both tiles go, then the free flags follow each.
    void takePair(Board& board, int16_t first, int16_t second) const {
        board.remove(first);
        board.remove(second);
        updateFree(board, first);
        updateFree(board, second);
    }
    // Whether two present, free tiles with equal faces may be removed as a pair.
    virtual bool pairJoined(const Board& board, int16_t first, int16_t second) const {
        (void)board, (void)first, (void)second;
        return true;
    }
    // pairJoined for many pairs on one board, into `joined`: a layout whose rule looks at the
    // board may answer them together more cheaply than one by one.
    virtual void pairsJoined(const Board& board, std::span<const std::pair<int16_t, int16_t>> pairs,
                             std::span<bool> joined) const {
        for (std::size_t i = 0; i < pairs.size(); ++i) joined[i] = pairJoined(board, pairs[i].first, pairs[i].second);
    }
    // Whether pairJoined looks at the board at all. A layout that says no promises that any two
    // free tiles of a face go together, which lets a solver skip the question; the cautious
    // answer is yes.
    virtual bool hasPairRule() const { return true; }
};

}  // namespace varnel
