#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "board/Board.h"
#include "layouts/Layout.h"
#include "play/GameView.h"
#include "solver/BackgroundSolver.h"
#include "solver/Solver.h"

namespace varnel {

// The solver's help to the game, each piece worked out on a thread of its own so that the
// window never waits: the next deal that can be won, an arrangement of the tiles left that can
// be won, and the check of a position after a pair. A new request replaces the one in hand.
// Answers come back on the window's thread through GameView::post, tagged with the serial the
// request was made under, so that the game can drop an answer about a position it has left;
// none comes once this is gone.
class SolverAssist {
  public:
    struct Check {
        SolveResult now;                    // the position after the pair
        std::optional<Verdict> before;      // the position before it, when asked and needed
    };
    using DealFound = std::function<void(uint64_t serial, uint32_t number)>;
    using Arranged = std::function<void(uint64_t serial, std::optional<Board> board)>;
    using Checked = std::function<void(uint64_t serial, const Check& check)>;
    using LookedAhead = std::function<void(uint64_t serial, TilePair pair, const SolveResult& after)>;

    explicit SolverAssist(GameView& view);
    ~SolverAssist();
    SolverAssist(const SolverAssist&) = delete;
    SolverAssist& operator=(const SolverAssist&) = delete;

    // The first deal from `first` on (after the last number, 1 comes next) that the solver proves
    // winnable in this layout; after kMaxDealTries without one, the last tried.
    void findWinnableDeal(uint64_t serial, const Layout& layout, uint32_t first, uint32_t lastNumber,
                          DealFound found);
    // The faces of the tiles left dealt out again until an arrangement is proved winnable, or
    // nothing after kMaxShuffleTries.
    void arrangeWinnable(uint64_t serial, const Board& board, const Layout& layout, uint32_t seed,
                         Arranged arranged);
    // Whether the position can still be won. When it cannot and `before` is given, whether that
    // one could: so that the pair between them can be told apart from a game lost all along.
    void check(uint64_t serial, const Board& now, std::optional<Board> before, const Layout& layout,
               Checked checked);
    // While the player thinks: each of `pairs` taken from `board` in turn, and whether the game
    // can still be won after it, answered pair by pair until the next request replaces this.
    void lookAhead(uint64_t serial, const Board& board, std::vector<TilePair> pairs, const Layout& layout,
                   LookedAhead lookedAhead);
    // Drops whatever is in hand, unanswered.
    void cancel();
    // Nothing in hand: every answer asked for has been handed to the window's thread.
    bool idle() { return !worker_ || worker_->idle(); }

    static constexpr int kMaxDealTries = 50;
    static constexpr int kMaxShuffleTries = 20;

  private:
    // Hands `task` to the window's thread, unless this is gone by the time it runs there.
    void post(std::function<void()> task);
    BackgroundSolver& worker();

    GameView& view_;
    std::shared_ptr<bool> alive_;
    std::unique_ptr<BackgroundSolver> worker_;  // started at the first request
};

}  // namespace varnel
