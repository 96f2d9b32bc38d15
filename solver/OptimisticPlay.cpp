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


// The looser game played on `play` until nothing more goes: `left` holds the tiles still to
// go, and shrinks to those that cannot. Only tiles in `left` are looked at.
class LooserGame {
  public:
    LooserGame(Board& play, TileSet& left, const FaceGroups& groups, const std::array<uint8_t, kMaxGroups>& allowed,
               const SolverRules& rules, std::array<uint8_t, kMaxTiles>& seen)
        : play_(play), left_(left), groups_(groups), allowed_(allowed), rules_(rules), seen_(seen) {}

    // Plays from the start: every tile left may be ready.
    void playAll() {
        if (rules_.pairRuleLooksAtBoard()) {
            rescan();
            return;
        }
        left_.forEach([&](int16_t tile) { enqueue(tile); });
        drain();
    }

  private:
    bool tryTake(int16_t tile) {
        const uint8_t ready = readyPairings(play_, tile, groups_, allowed_, rules_);
        if (!ready) return false;
        seen_[static_cast<std::size_t>(tile)] = ready;
        rules_.takeOne(play_, tile);
        left_.erase(tile);
        return true;
    }
    // A path may open anywhere, so every tile is looked at again after any removal: in rounds,
    // each asking the layout about every pair of free partners on one board, then taking every
    // tile found ready. Taking them together is the same as one by one, since nothing taken
    // stops another from going.
    void rescan() {
        struct Ask {
            int16_t tile;
            int8_t pairing;
        };
        std::array<std::pair<int16_t, int16_t>, 3 * kMaxTiles> pairs;
        std::array<Ask, 3 * kMaxTiles> asks;
        std::array<bool, 3 * kMaxTiles> joined;
        std::array<int16_t, kMaxTiles> taken;
        std::array<uint8_t, kMaxTiles> ready{};
        for (;;) {
            std::size_t asked = 0;
            left_.forEach([&](int16_t tile) {
                if (!play_[tile].free) return;
                const int group = groups_.groupOf(tile);
                const FaceGroup& g = groups_[group];
                const int slot = groups_.slotOf(tile);
                uint8_t now = 0;
                for (int p = 0; p < 3; ++p) {
                    if (!(allowed_[static_cast<std::size_t>(group)] >> p & 1)) continue;
                    const int16_t partner = g.tiles[static_cast<std::size_t>(partnerSlot(slot, p))];
                    if (!play_[partner].present()) {
                        now |= static_cast<uint8_t>(1u << p);
                    } else if (play_[partner].free) {
                        pairs[asked] = {tile, partner};
                        asks[asked++] = {tile, static_cast<int8_t>(p)};
                    }
                }
                ready[static_cast<std::size_t>(tile)] = now;
            });
            rules_.layout().pairsJoined(play_, std::span(pairs.data(), asked), std::span(joined.data(), asked));
            for (std::size_t i = 0; i < asked; ++i) {
                if (joined[i]) ready[static_cast<std::size_t>(asks[i].tile)] |= static_cast<uint8_t>(1u << asks[i].pairing);
            }
            // Tiles of open groups wait while others can go, as below.
            int count = 0;
            for (const bool settledOnly : {true, false}) {
                left_.forEach([&](int16_t tile) {
                    if (!play_[tile].free || !ready[static_cast<std::size_t>(tile)]) return;
                    if (settledOnly && pairingCount(allowed_[static_cast<std::size_t>(groups_.groupOf(tile))]) > 1) return;
                    seen_[static_cast<std::size_t>(tile)] = ready[static_cast<std::size_t>(tile)];
                    taken[static_cast<std::size_t>(count++)] = tile;
                });
                if (count > 0) break;
            }
            if (count == 0) return;
            for (int i = 0; i < count; ++i) {
                rules_.takeOne(play_, taken[static_cast<std::size_t>(i)]);
                left_.erase(taken[static_cast<std::size_t>(i)]);
            }
        }
    }
    // Only a tile just freed, or one whose partner just went, can have become ready. A tile
    // waits at most once at a time, so the lists never outgrow the board. Tiles of groups still
    // open wait until nothing else can go: taken late, they see more of their partners ready,
    // and the play proves more pairings of their group.
    void enqueue(int16_t tile) {
        if (!left_.contains(tile) || !play_[tile].free || queued_.contains(tile)) return;
        queued_.insert(tile);
        if (pairingCount(allowed_[static_cast<std::size_t>(groups_.groupOf(tile))]) > 1)
            later_[static_cast<std::size_t>(laterTop_++)] = tile;
        else
            work_[static_cast<std::size_t>(top_++)] = tile;
    }
    void touched(int16_t tile) {
        rules_.mayFree(tile).forEach([&](int16_t other) { enqueue(other); });
        const FaceGroup& g = groups_[groups_.groupOf(tile)];
        for (int s = 0; s < g.size; ++s) enqueue(g.tiles[static_cast<std::size_t>(s)]);
    }
    void drain() {
        while (top_ > 0 || laterTop_ > 0) {
            const int16_t tile = top_ > 0 ? work_[static_cast<std::size_t>(--top_)]
                                          : later_[static_cast<std::size_t>(--laterTop_)];
            queued_.erase(tile);
            if (tryTake(tile)) touched(tile);
        }
    }

    Board& play_;
    TileSet& left_;
    const FaceGroups& groups_;
    const std::array<uint8_t, kMaxGroups>& allowed_;
    const SolverRules& rules_;
    std::array<uint8_t, kMaxTiles>& seen_;
    std::array<int16_t, kMaxTiles> work_, later_;
    TileSet queued_;
    int top_ = 0, laterTop_ = 0;
};

}  // namespace

bool optimisticallyClears(const Board& board, const TileSet& present, const FaceGroups& groups,
                          const std::array<uint8_t, kMaxGroups>& allowed, const SolverRules& rules,
                          OptimisticTrace& trace) {
    Board play = board;
    TileSet left = present;
    LooserGame(play, left, groups, allowed, rules, trace.pairingsSeen).playAll();
    trace.stuck = left;
    trace.stuckFree = TileSet();
    left.forEach([&](int16_t tile) {
        if (play[tile].free) trace.stuckFree.insert(tile);
    });
    return left.empty();
}

TileSet deadlockCore(const OptimisticTrace& trace, const FaceGroups& groups,
                     const std::array<uint8_t, kMaxGroups>& allowed, const SolverRules& rules) {
    if (rules.pairRuleLooksAtBoard() || trace.stuckFree.empty()) return trace.stuck;
    TileSet best = trace.stuck;
    int bestSize = best.size();
    int seeds = 0;
    trace.stuckFree.forEach([&](int16_t seed) {
        if (++seeds > 6) return;
        TileSet core;
        std::array<int16_t, kMaxTiles> work;
        int top = 0;
        auto add = [&](int16_t tile) {
            if (!trace.stuck.contains(tile) || core.contains(tile)) return;
            core.insert(tile);
            work[static_cast<std::size_t>(top++)] = tile;
        };
        add(seed);
        while (top > 0) {
            const int16_t tile = work[static_cast<std::size_t>(--top)];
            if (trace.stuckFree.contains(tile)) {
                const int group = groups.groupOf(tile);
                const FaceGroup& g = groups[group];
                const int slot = groups.slotOf(tile);
                for (int p = 0; p < 3; ++p) {
                    if (allowed[static_cast<std::size_t>(group)] >> p & 1)
                        add(g.tiles[static_cast<std::size_t>(partnerSlot(slot, p))]);
                }
            } else {
                // The stuck tiles that keep it from being free: one set of them is enough.
                bool kept = false;
                for (const TileSet& keeper : rules.keepers(tile)) {
                    TileSet inStuck = keeper;
                    inStuck &= trace.stuck;
                    if (!(inStuck == keeper)) continue;
                    keeper.forEach(add);
                    kept = true;
                    break;
                }
                if (!kept) rules.freedBy(tile).forEach(add);
            }
        }
        const int size = core.size();
        if (size < bestSize) {
            best = core;
            bestSize = size;
        }
    });
    return best;
}

}  // namespace varnel
