#pragma once

#include <array>
#include <cstdint>
#include <span>

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
    void take(Board& board, int16_t a, int16_t b) const { layout_.takePair(board, a, b); }
    void takeOne(Board& board, int16_t tile) const {
        board.remove(tile);
        layout_.updateFree(board, tile);
    }
    // The tiles whose free flag the removal of `tile` can set, on any board.
    const TileSet& mayFree(int16_t tile) const { return mayFree_[static_cast<std::size_t>(tile)]; }
    // The other way round: the tiles whose removal can set the free flag of `tile`. While those
    // that are still there stay, so does a flag that is not set.
    const TileSet& freedBy(int16_t tile) const { return freedBy_[static_cast<std::size_t>(tile)]; }
    // The smallest sets of those tiles that keep `tile` from being free while they are all still
    // there, whatever else has gone (in Dragon: the tile on it, or both its neighbours).
    static constexpr int kMaxKeepers = 4;
    std::span<const TileSet> keepers(int16_t tile) const {
        return {keepers_[static_cast<std::size_t>(tile)].data(), static_cast<std::size_t>(keeperCount_[static_cast<std::size_t>(tile)])};
    }
    // Whether every tile's keepers were found: none has too many tiles around it to try.
    bool keepersKnown() const { return keepersKnown_; }
    // Whether the layout asks more of a pair than two free tiles of a face (Rivers: a path).
    bool pairRuleLooksAtBoard() const { return pairRuleLooksAtBoard_; }

  private:
    void findKeepers();

    const Layout& layout_;
    std::array<TileSet, kMaxTiles> mayFree_{};
    std::array<TileSet, kMaxTiles> freedBy_{};
    std::array<std::array<TileSet, kMaxKeepers>, kMaxTiles> keepers_{};
    std::array<int8_t, kMaxTiles> keeperCount_{};
    bool pairRuleLooksAtBoard_ = true;
    bool keepersKnown_ = true;
};

}  // namespace varnel
