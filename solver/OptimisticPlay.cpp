#include "solver/OptimisticPlay.h"

#include <bit>

namespace varnel {
namespace {

// The allowed pairings whose partner of `tile` is gone already, or free and joined to it now.
uint8_t readyPairings(const Board& board, int16_t tile, const FaceGroups& groups,
                      const std::array<uint8_t, kMaxGroups>& allowed, const SolverRules& rules) {
    const int group = groups.groupOf(tile);
    const FaceGroup& g = groups[group];
    const int slot = groups.slotOf(tile);
    const uint8_t pairings = allowed[static_cast<std::size_t>(group)];
    uint8_t ready = 0;
    for (int p = 0; p < 3; ++p) {
        if (!(pairings >> p & 1)) continue;
        const int16_t partner = g.tiles[static_cast<std::size_t>(partnerSlot(slot, p))];
        if (!board[partner].present() || (board[partner].free && rules.joined(board, tile, partner)))
            ready |= static_cast<uint8_t>(1u << p);
    }
    return ready;
}

}  // namespace

bool optimisticallyClears(const Board& board, const TileSet& present, const FaceGroups& groups,
                          const std::array<uint8_t, kMaxGroups>& allowed, const SolverRules& rules,
                          OptimisticTrace& trace) {
    Board play = board;
    TileSet left = present;
    auto tryTake = [&](int16_t tile) {
        const uint8_t ready = readyPairings(play, tile, groups, allowed, rules);
        if (!ready) return false;
        trace.pairingsSeen[static_cast<std::size_t>(tile)] = ready;
        rules.takeOne(play, tile);
        left.erase(tile);
        return true;
    };
    if (rules.pairRuleLooksAtBoard()) {
        // A path may open anywhere, so every tile is looked at again after any removal.
        for (bool progress = true; progress;) {
            progress = false;
            left.forEach([&](int16_t tile) {
                if (play[tile].free && tryTake(tile)) progress = true;
            });
        }
    } else {
        // Only a tile just freed, or one whose partner just went, can have become ready. A tile
        // waits at most once at a time, so the lists never outgrow the board. Tiles of groups
        // still open wait until nothing else can go: taken late, they see more of their
        // partners ready, and the play proves more pairings of their group.
        std::array<int16_t, kMaxTiles> work, later;
        TileSet queued;
        int top = 0, laterTop = 0;
        auto enqueue = [&](int16_t tile) {
            if (!play[tile].present() || !play[tile].free || queued.contains(tile)) return;
            queued.insert(tile);
            if (std::popcount(allowed[static_cast<std::size_t>(groups.groupOf(tile))]) > 1)
                later[static_cast<std::size_t>(laterTop++)] = tile;
            else
                work[static_cast<std::size_t>(top++)] = tile;
        };
        left.forEach(enqueue);
        while (top > 0 || laterTop > 0) {
            const int16_t tile = top > 0 ? work[static_cast<std::size_t>(--top)]
                                         : later[static_cast<std::size_t>(--laterTop)];
            queued.erase(tile);
            if (!tryTake(tile)) continue;
            rules.mayFree(tile).forEach(enqueue);
            const FaceGroup& g = groups[groups.groupOf(tile)];
            for (int s = 0; s < g.size; ++s) enqueue(g.tiles[static_cast<std::size_t>(s)]);
        }
    }
    trace.stuck = left;
    trace.stuckFree = TileSet();
    left.forEach([&](int16_t tile) {
        if (play[tile].free) trace.stuckFree.insert(tile);
    });
    return left.empty();
}

}  // namespace varnel
