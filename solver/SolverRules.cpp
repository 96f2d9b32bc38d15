#include "solver/SolverRules.h"

#include <bit>

namespace varnel {

SolverRules::SolverRules(const Layout& layout)
    : layout_(layout),
      pairRuleLooksAtBoard_(layout.hasPairRule()) {
    // The free rule only ever waits for tiles to be gone, so on a board with no other tile left
    // a removal frees everything it can ever free.
    for (int16_t tile = 0; tile < layout.tileCount(); ++tile) {
        Board empty(layout.tileCount());
        layout.updateFree(empty, tile);
        for (int16_t other = 0; other < layout.tileCount(); ++other) {
            if (!empty[other].free) continue;
            mayFree_[static_cast<std::size_t>(tile)].insert(other);
            freedBy_[static_cast<std::size_t>(other)].insert(tile);
        }
    }
    findKeepers();
}

void SolverRules::findKeepers() {
    const int16_t count = layout_.tileCount();
    for (int16_t tile = 0; tile < count; ++tile) {
        std::array<int16_t, kMaxTiles> candidates;
        int n = 0;
        freedBy(tile).forEach([&](int16_t other) { candidates[static_cast<std::size_t>(n++)] = other; });
        if (n > 10) {  // too many to try every choice
            keepersKnown_ = false;
            continue;
        }
        std::array<uint32_t, kMaxKeepers> found{};
        int foundCount = 0;
        // Smallest sets first, so that a set found is never a superset of a later one.
        for (int size = 1; size <= n && foundCount < kMaxKeepers; ++size) {
            for (uint32_t choice = 1; choice < (1u << n) && foundCount < kMaxKeepers; ++choice) {
                if (std::popcount(choice) != size) continue;
                bool covers = false;
                for (int f = 0; f < foundCount; ++f) covers |= (found[static_cast<std::size_t>(f)] & choice) == found[static_cast<std::size_t>(f)];
                if (covers) continue;
                // Every other tile taken, from the top layers down, with these and the tile left.
                Board board(count);
                for (int16_t t = 0; t < count; ++t) board.setFace(t, 0);
                layout_.markStartFree(board);
                TileSet kept;
                kept.insert(tile);
                for (int i = 0; i < n; ++i)
                    if (choice >> i & 1) kept.insert(candidates[static_cast<std::size_t>(i)]);
                for (int16_t t = static_cast<int16_t>(count - 1); t >= 0; --t)
                    if (!kept.contains(t)) takeOne(board, t);
                if (board[tile].free) continue;
                kept.erase(tile);
                keepers_[static_cast<std::size_t>(tile)][static_cast<std::size_t>(foundCount)] = kept;
                found[static_cast<std::size_t>(foundCount++)] = choice;
            }
        }
        keeperCount_[static_cast<std::size_t>(tile)] = static_cast<int8_t>(foundCount);
        if (foundCount == kMaxKeepers) keepersKnown_ = false;  // there may be more
    }
}

}  // namespace varnel
