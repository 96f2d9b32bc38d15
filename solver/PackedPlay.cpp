#include "solver/PackedPlay.h"

#include <bit>

namespace varnel {
namespace {

// The partner of slot s under pairing p is slot s ^ (p + 1): within every four bits, swapping
// neighbours is pairing 0, swapping halves pairing 1, and both pairing 2.
constexpr uint64_t kOdd = 0x5555555555555555u;
constexpr uint64_t kLowPairs = 0x3333333333333333u;
constexpr uint64_t swapNeighbours(uint64_t x) { return ((x & kOdd) << 1) | ((x >> 1) & kOdd); }
constexpr uint64_t swapHalves(uint64_t x) { return ((x & kLowPairs) << 2) | ((x >> 2) & kLowPairs); }

}  // namespace

bool PackedPlay::blocked(const Keepers& keepers, const Bits& left) {
    for (int k = 0; k < keepers.count; ++k) {
        const Bits& keeper = keepers.sets[static_cast<std::size_t>(k)];
        uint64_t missing = 0;
        for (int w = 0; w < kWords; ++w) missing |= keeper[static_cast<std::size_t>(w)] & ~left[static_cast<std::size_t>(w)];
        if (missing == 0) return true;
    }
    return false;
}

PackedPlay::PackedPlay(const FaceGroups& groups, const SolverRules& rules, const TileSet& present)
    : groups_(groups), rules_(rules) {
    indexOf_.fill(-1);
    tileAt_.fill(-1);
    for (int g = 0; g < groups.count(); ++g) {
        for (int s = 0; s < groups[g].size; ++s) {
            const int16_t tile = groups[g].tiles[static_cast<std::size_t>(s)];
            indexOf_[static_cast<std::size_t>(tile)] = static_cast<int16_t>(4 * g + s);
            tileAt_[static_cast<std::size_t>(4 * g + s)] = tile;
        }
    }
    auto bitsOf = [&](const TileSet& tiles, Bits& bits) {
        bool all = true;
        tiles.forEach([&](int16_t other) {
            const int16_t index = indexOf_[static_cast<std::size_t>(other)];
            if (index >= 0 && present.contains(other))
                bits[static_cast<std::size_t>(index >> 6)] |= uint64_t{1} << (index & 63);
            else
                all = false;
        });
        return all;
    };
    present.forEach([&](int16_t tile) {
        const auto index = static_cast<std::size_t>(indexOf_[static_cast<std::size_t>(tile)]);
        bitsOf(rules.mayFree(tile), frees_[index]);
        // A set with a tile gone already can never keep this one blocked again.
        Keepers& keepers = keepers_[index];
        for (const TileSet& keeper : rules.keepers(tile)) {
            Bits bits{};
            if (bitsOf(keeper, bits)) keepers.sets[static_cast<std::size_t>(keepers.count++)] = bits;
        }
    });
}

PackedPlay::Start PackedPlay::start(const Board& board, const TileSet& present) const {
    Start start;
    start.board = &board;
    start.present = &present;
    present.forEach([&](int16_t tile) {
        const int index = indexOf_[static_cast<std::size_t>(tile)];
        start.left[static_cast<std::size_t>(index >> 6)] |= uint64_t{1} << (index & 63);
        if (board[tile].free) start.free[static_cast<std::size_t>(index >> 6)] |= uint64_t{1} << (index & 63);
    });
    // Every position of a game played from a fresh deal does; one set up otherwise may not.
    present.forEach([&](int16_t tile) {
        if (!start.followsKeepers) return;
        const auto index = static_cast<std::size_t>(indexOf_[static_cast<std::size_t>(tile)]);
        if (board[tile].free == !blocked(keepers_[index], start.left)) return;
        start.followsKeepers = false;
    });
    return start;
}

bool PackedPlay::clears(const Start& start, const std::array<uint8_t, kMaxGroups>& allowed, OptimisticTrace& trace) const {
    Bits left = start.left, free = start.free;
    // Each pairing's groups, all four bits of each, and the settled groups.
    std::array<Bits, 3> pairing{};
    Bits settled{};
    for (int g = 0; g < groups_.count(); ++g) {
        const uint8_t mask = allowed[static_cast<std::size_t>(g)];
        const uint64_t nibble = uint64_t{15} << ((4 * g) & 63);
        const std::size_t word = static_cast<std::size_t>((4 * g) >> 6);
        for (int p = 0; p < 3; ++p)
            if (mask >> p & 1) pairing[static_cast<std::size_t>(p)][word] |= nibble;
        if (pairingCount(mask) == 1) settled[word] |= nibble;
    }
    for (;;) {
        // A tile is ready when it is free and, under an allowed pairing, its partner is free or
        // gone. Tiles of settled groups go first; those of open groups wait until nothing else
        // can go, and so see more of their partners ready.
        Bits ready{}, byPairing[3];
        bool any = false, anySettled = false;
        for (int w = 0; w < kWords; ++w) {
            const uint64_t partnerReady = free[w] | ~left[w];
            byPairing[0][w] = pairing[0][w] & swapNeighbours(partnerReady);
            byPairing[1][w] = pairing[1][w] & swapHalves(partnerReady);
            byPairing[2][w] = pairing[2][w] & swapNeighbours(swapHalves(partnerReady));
            ready[w] = free[w] & left[w] & (byPairing[0][w] | byPairing[1][w] | byPairing[2][w]);
            any |= ready[w] != 0;
            anySettled |= (ready[w] & settled[w]) != 0;
        }
        if (!any) break;
        if (anySettled) {
            for (int w = 0; w < kWords; ++w) ready[w] &= settled[w];
        }
        for (int w = 0; w < kWords; ++w) {
            left[w] &= ~ready[w];
            for (uint64_t bits = ready[w]; bits; bits &= bits - 1) {
                const int bit = std::countr_zero(bits);
                const int16_t tile = tileAt_[static_cast<std::size_t>(w * 64 + bit)];
                trace.pairingsSeen[static_cast<std::size_t>(tile)] =
                    static_cast<uint8_t>((byPairing[0][w] >> bit & 1) | (byPairing[1][w] >> bit & 1) << 1 |
                                         (byPairing[2][w] >> bit & 1) << 2);
            }
        }
        // What the removals freed, by the layout's own rule: each tile they may have freed is
        // looked at once.
        Bits maybe{};
        for (int w = 0; w < kWords; ++w) {
            for (uint64_t bits = ready[w]; bits; bits &= bits - 1) {
                const Bits& frees = frees_[static_cast<std::size_t>(w * 64 + std::countr_zero(bits))];
                for (int v = 0; v < kWords; ++v) maybe[v] |= frees[v];
            }
        }
        for (int v = 0; v < kWords; ++v) {
            for (uint64_t bits = maybe[v] & left[v] & ~free[v]; bits; bits &= bits - 1) {
                const int bit = std::countr_zero(bits);
                if (!blocked(keepers_[static_cast<std::size_t>(v * 64 + bit)], left)) free[v] |= uint64_t{1} << bit;
            }
        }
    }
    trace.stuck = TileSet();
    trace.stuckFree = TileSet();
    for (int w = 0; w < kWords; ++w) {
        for (uint64_t bits = left[w]; bits; bits &= bits - 1) {
            const int bit = std::countr_zero(bits);
            const int16_t tile = tileAt_[static_cast<std::size_t>(w * 64 + bit)];
            trace.stuck.insert(tile);
            if (free[w] >> bit & 1) trace.stuckFree.insert(tile);
        }
    }
    if (trace.stuck.empty() || start.followsKeepers) return trace.stuck.empty();
    // Lost here, from a position whose flags do not follow the keepers: the layout's own free
    // rule has the last word.
    return optimisticallyClears(*start.board, *start.present, groups_, allowed, rules_, trace);
}

}  // namespace varnel
