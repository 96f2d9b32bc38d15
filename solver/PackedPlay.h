#pragma once

#include <array>
#include <cstdint>

#include "board/Board.h"
#include "solver/FaceGroups.h"
#include "solver/OptimisticPlay.h"
#include "solver/SolverRules.h"
#include "solver/TileSet.h"

namespace varnel {

// The looser game of OptimisticPlay for layouts whose pair rule never looks at the board, worked
// out on bits. The tiles are numbered anew by group and slot, four to a group, so that the
// partner of every tile under a pairing is a swap of bits within each group's four: the tiles
// ready to go are found all at once with a handful of word operations, round after round,
// instead of one tile at a time. A tile becomes free when none of the sets of tiles that keep it
// blocked (SolverRules::keepers) is still all there.
//
// That reading of the free rule is the layout's own for every position of a game played from a
// fresh deal, and the flags of the position played from must follow it. Where they do not (a
// position set up by hand), a play lost here is played again by optimisticallyClears, whose
// answer stands; a play won here never prunes anything, so it needs no such check.
class PackedPlay {
  public:
    PackedPlay(const FaceGroups& groups, const SolverRules& rules, const TileSet& present);

    // Whether this form of the play may stand in for optimisticallyClears on these rules.
    static bool suits(const SolverRules& rules) { return !rules.pairRuleLooksAtBoard() && rules.keepersKnown(); }

  private:
    static constexpr int kWords = (4 * kMaxGroups + 63) / 64;
    using Bits = std::array<uint64_t, kWords>;

  public:
    // A position in this numbering, for the many plays made from it. `present` must lie within
    // the tiles present when this was made.
    struct Start {
        const Board* board = nullptr;
        const TileSet* present = nullptr;
        Bits left{}, free{};
        bool followsKeepers = true;  // its free flags are what the keepers make them
    };
    Start start(const Board& board, const TileSet& present) const;
    // The same answer and stuck tiles as optimisticallyClears from that position.
    bool clears(const Start& start, const std::array<uint8_t, kMaxGroups>& allowed, OptimisticTrace& trace) const;

  private:
    struct Keepers {
        std::array<Bits, SolverRules::kMaxKeepers> sets{};
        int count = 0;
    };
    static bool blocked(const Keepers& keepers, const Bits& left);

    const FaceGroups& groups_;
    const SolverRules& rules_;
    std::array<int16_t, kMaxTiles> indexOf_{};  // tile to 4 * group + slot
    std::array<int16_t, 4 * kMaxGroups> tileAt_{};
    std::array<Bits, 4 * kMaxGroups> frees_{};  // by index: the indexes its removal may free
    std::array<Keepers, 4 * kMaxGroups> keepers_{};
};

}  // namespace varnel
