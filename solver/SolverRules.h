#pragma once

#include <array>
#include <cstdint>

#include "board/Board.h"
#include "layouts/Layout.h"
#include "solver/TileSet.h"

namespace varnel {

// The layout's own rules as the solver asks them: whether a pair may go now, taking a pair or
// one tile, and what it has learnt of the free rule by asking it: which tiles the removal of a
// tile can ever free, and whether the pair rule looks at the board at all.
class SolverRules {
  public:
    explicit SolverRules(const Layout& layout);

    const Layout& layout() const { return layout_; }
    int16_t tileCount() const { return layout_.tileCount(); }

    // Both tiles present and of one face is the caller's knowledge; free and joined is asked here.
    bool removable(const Board& board, int16_t a, int16_t b) const {
        return board[a].free && board[b].free && (!pairRuleLooksAtBoard_ || layout_.pairJoined(board, a, b));
    }
    bool joined(const Board& board, int16_t a, int16_t b) const {
        return !pairRuleLooksAtBoard_ || layout_.pairJoined(board, a, b);
    }
    // As the game takes a pair: both tiles go, then the free flags follow each.
    void take(Board& board, int16_t a, int16_t b) const {
        board.remove(a);
        board.remove(b);
        layout_.updateFree(board, a);
        layout_.updateFree(board, b);
    }
    void takeOne(Board& board, int16_t tile) const {
        board.remove(tile);
        layout_.updateFree(board, tile);
    }
    // The tiles whose free flag the removal of `tile` can set, on any board.
    const TileSet& mayFree(int16_t tile) const { return mayFree_[static_cast<std::size_t>(tile)]; }
    // Dragon and Pyramid take any two free tiles of a face; other layouts may ask for a path.
    bool pairRuleLooksAtBoard() const { return pairRuleLooksAtBoard_; }

  private:
    const Layout& layout_;
    std::array<TileSet, kMaxTiles> mayFree_{};
    bool pairRuleLooksAtBoard_ = true;
};

}  // namespace varnel
