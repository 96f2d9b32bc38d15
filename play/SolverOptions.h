#pragma once

namespace varnel {

// The solver's help to the player, each off until the window turns it on.
struct SolverOptions {
    // New games and changes of layout deal until the deal can be won, and Shuffle deals the
    // tiles left into an arrangement that can be won, when one is found.
    bool winnableDeals = false;
    // A pair that turns a game that could be won into one that cannot is told at once, and
    // Hint shows a pair that keeps the game winnable.
    bool warnLosingMove = false;
};

}  // namespace varnel
