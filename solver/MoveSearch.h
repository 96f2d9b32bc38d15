#pragma once

#include <array>
#include <cstdint>
#include <unordered_set>
#include <vector>

#include "board/Board.h"
#include "solver/SearchLimits.h"
#include "solver/Solver.h"
#include "solver/SolverRules.h"
#include "solver/TileSet.h"

namespace varnel {

// The plain search: the pairs open now, taken one after another, remembering the positions
// found lost. Where a pair rule looks at the board (the paths of Rivers), few pairs are open at
// a time and the same positions come back by many orders of play, so this settles in a few
// thousand positions deals that the search over pairings, whose looser game knows nothing of
// paths, takes long over.
class MoveSearch {
  public:
    MoveSearch(const Board& board, const SolverRules& rules, SearchLimits& limits);
    // Winnable with the pairs in `moves`, NotWinnable, or Unknown once `maxNodes` more
    // positions have been looked at or the budget is spent. May be called again with a larger
    // allowance: the positions found lost are kept.
    Verdict run(uint64_t maxNodes, std::vector<TilePair>& moves);

  private:
    using Key = std::array<uint64_t, TileSet::kWords>;
    struct KeyHash {
        std::size_t operator()(const Key& key) const;
    };
    enum class Outcome { Won, Lost, Stopped };
    Outcome search(const Board& board, const TileSet& present);
    // The pairs that may be taken now, the surest first; a pair that is safe to take comes
    // alone. False when a face's tiles can no longer all go.
    void openPairs(const Board& board, const TileSet& present, std::vector<TilePair>& pairs) const;

    const SolverRules& rules_;
    SearchLimits& limits_;
    Board root_;
    TileSet rootPresent_;
    uint64_t stopAt_ = 0;
    std::vector<TilePair> moves_;
    std::unordered_set<Key, KeyHash> lost_;
    static constexpr std::size_t kMaxLost = 1 << 20;
};

}  // namespace varnel
