#pragma once

#include <cstdint>

#include "Deal.h"
#include "GameState.h"
#include "Random.h"

namespace varnel {

// What the play logic needs of a layout: how to deal and place it, which tiles a removal frees,
// and whether two equal free tiles may be taken together.
class Layout {
public:
    virtual ~Layout() = default;

    // Deals the faces (or keeps those on the table), places every tile on the board and marks
    // the tiles that are free from the start.
    virtual void BuildLayout(GameState& state, Random& random, DealMode mode) const = 0;

    // Marks the tiles that the removal of tile k has freed. Flags are only ever set, never
    // cleared.
    virtual void UpdateFree(GameState& state, int16_t k) const = 0;

    // Whether two present, free tiles with equal faces may be removed as a pair.
    virtual bool PairConnected(const TileTable& tiles, int16_t first, int16_t second) const {
        (void)tiles, (void)first, (void)second;
        return true;
    }
};

}  // namespace varnel
