#include "layouts/TileStacks.h"

namespace varnel {

TileStacks::TileStacks(std::span<const Stack> stacks) {
    above_.fill(-1);
    below_.fill(-1);
    for (const Stack& stack : stacks) {
        for (int16_t upper = stack.upperFirst; upper <= stack.upperLast; ++upper)
            lay(upper, static_cast<int16_t>(stack.lowerFirst + (upper - stack.upperFirst)));
    }
}

void TileStacks::lay(int16_t upper, int16_t lower) {
    above_[static_cast<std::size_t>(lower)] = upper;
    below_[static_cast<std::size_t>(upper)] = lower;
}

void freeUnlessCovered(Board& board, const TileStacks& stacks, int16_t n) {
    const int16_t cover = stacks.above(n);
    if (cover >= 0 && board[cover].present()) return;
    board.setFree(n);
}

void freeBeneath(Board& board, const TileStacks& stacks, int16_t k) {
    const int16_t u = stacks.below(k);
    if (u < 0) return;
    // A covered tile is never at the end of its run, so u - 1 and u + 1 are its row neighbours.
    if (!board[static_cast<int16_t>(u - 1)].present() || !board[static_cast<int16_t>(u + 1)].present())
        board.setFree(u);
}

}  // namespace varnel
