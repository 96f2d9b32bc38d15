#include "Deal.h"

#include <vector>

#include "TilePicture.h"

namespace varnel {

void DealFaces(GameState& state, Random& random, int16_t tileCount, DealMode mode) {
    constexpr int16_t kEmptySlot = -1;
    std::vector<int16_t> faceDeck(tileCount);
    std::vector<int16_t> dealSlot(tileCount, kEmptySlot);
    for (int16_t card = 0; card < tileCount; ++card) faceDeck[card] = static_cast<int16_t>(card / 4);

    random.Randomize();
    // Card k goes to the r-th slot still empty, r drawn from the slots left: every arrangement
    // of the deck is equally likely.
    for (int16_t card = 0; card < tileCount; ++card) {
        int emptiesToPass = random.RandomInt(static_cast<int16_t>(tileCount - card)) + 1;
        for (int16_t slot = 0; slot < tileCount; ++slot) {
            if (dealSlot[slot] == kEmptySlot && --emptiesToPass == 0) {
                dealSlot[slot] = card;
                break;
            }
        }
    }

    for (int16_t i = 0; i < tileCount; ++i) {
        TileRec& tile = state.Tiles[i];
        if (mode == DealMode::NewFaces) {
            tile.Face = faceDeck[dealSlot[i]];
            tile.Free = kFalse;
        }
        if (tile.Face >= 0) SetPictureOffsets(tile, state.TileWidth, state.TileHeight);
    }
}

}  // namespace varnel
