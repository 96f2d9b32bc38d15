#pragma once

#include <optional>

#include "board/Board.h"
#include "board/Random.h"
#include "layouts/Layout.h"
#include "solver/Solver.h"

namespace varnel {

struct ShuffleOutcome {
    std::optional<Board> board;  // the first arrangement proved winnable, if any
    int tries = 0;               // arrangements dealt
};

// Deals the faces of the tiles still on the board out again among those tiles, as the game's
// shuffle does, until an arrangement is proved winnable or `maxTries` have been dealt. Each
// try gets the budget given; an arrangement the solver cannot decide in it counts as a failure.
ShuffleOutcome shuffleUntilWinnable(const Board& board, const Layout& layout, Random& random, int maxTries,
                                    const SolveBudget& budgetPerTry);

}  // namespace varnel
