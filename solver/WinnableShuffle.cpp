#include "solver/WinnableShuffle.h"

#include "board/Deal.h"

namespace varnel {

ShuffleOutcome shuffleUntilWinnable(const Board& board, const Layout& layout, Random& random, int maxTries,
                                    const SolveBudget& budgetPerTry) {
    ShuffleOutcome outcome;
    while (outcome.tries < maxTries) {
        if (budgetPerTry.cancel && budgetPerTry.cancel->load()) break;
        Board trial = board;
        shuffleFaces(trial, random);
        ++outcome.tries;
        if (solve(trial, layout, budgetPerTry).verdict == Verdict::Winnable) {
            outcome.board = trial;
            break;
        }
    }
    return outcome;
}

}  // namespace varnel
