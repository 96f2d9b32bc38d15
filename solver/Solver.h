#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <utility>
#include <vector>

#include "board/Board.h"
#include "layouts/Layout.h"

// The exact solver: whether the tiles on a board can all be taken, for a player who sees every
// face, by the layout's own free rule and pair rule.
namespace varnel {

enum class Verdict { Winnable, NotWinnable, Unknown };

using TilePair = std::pair<int16_t, int16_t>;

// How far the solver may look before it gives up with Unknown. A zero limit is no limit; the
// cancel flag may be set from any thread and is looked at before every position.
struct SolveBudget {
    uint64_t maxNodes = 0;
    std::chrono::steady_clock::duration maxTime{};
    const std::atomic<bool>* cancel = nullptr;
};

struct SolveResult {
    Verdict verdict = Verdict::Unknown;
    // When Winnable: pairs of tile numbers in play order that clear the board; the first is a
    // pair the player may take now and still win.
    std::vector<TilePair> moves;
    uint64_t nodes = 0;  // positions searched
};

// Solves the position as it lies, free flags and all. A board whose size is not the layout's,
// or with more than four tiles of one face, is not looked at (Unknown); one with an odd number
// of tiles of some face can never be cleared.
SolveResult solve(const Board& board, const Layout& layout, const SolveBudget& budget = {});

}  // namespace varnel
