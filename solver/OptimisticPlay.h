#pragma once

#include <array>
#include <cstdint>

#include "board/Board.h"
#include "solver/FaceGroups.h"
#include "solver/SolverRules.h"
#include "solver/TileSet.h"

namespace varnel {

// A looser game that every real win also wins: a tile may go on its own as soon as it is free
// and one of the partners its group still allows is either gone already or free and joined to
// it now. Nothing in it is ever undone by a later removal, so playing it greedily finds all it
// can take. Tiles it cannot take prove the position lost; they are left in `stuck`.
//
// For each tile taken, `pairingsSeen` gets the pairings whose partner was ready at that moment:
// when every tile of a group saw pairing p, the same play proves that settling the group on p
// leaves the looser game winnable too.
struct OptimisticTrace {
    TileSet stuck;
    TileSet stuckFree;  // tiles left free but without a partner: the ones to blame
    std::array<uint8_t, kMaxTiles> pairingsSeen{};
};
bool optimisticallyClears(const Board& board, const TileSet& present, const FaceGroups& groups,
                          const std::array<uint8_t, kMaxGroups>& allowed, const SolverRules& rules,
                          OptimisticTrace& trace);

// The heart of a lost play: stuck tiles that stay stuck with every other tile gone. Grown from
// the free tiles left without a partner: their partners, and for each tile not free the stuck
// tiles whose removal could free it, and so on. The smallest found is returned. It is the
// whole of the stuck tiles where a pair rule looks at the board, whose paths any tile may block.
TileSet deadlockCore(const OptimisticTrace& trace, const FaceGroups& groups,
                     const std::array<uint8_t, kMaxGroups>& allowed, const SolverRules& rules);

}  // namespace varnel
