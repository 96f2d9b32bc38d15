#include "Shuffle.h"

namespace varnel {

void ShuffleBoard(GameState& state, Random& random) {
    const int16_t count = state.TileCount;
    TileTable pool = state.Tiles;  // faces not yet handed out; -1 once taken

    random.Randomize();
    for (int16_t i = 0; i < count; ++i) {
        if (state.Tiles[i].Face < 0) continue;
        int16_t r = random.RandomInt(count);
        // The draw is over every record, present or not; from an empty one, look further up
        // (wrapping round) for a face still in the pool. The pool holds as many faces as there
        // are present tiles from i on, so one is always found.
        if (pool[r].Face == kNoFace) {
            for (int16_t step = 1; step < count; ++step) {
                const int16_t j = static_cast<int16_t>((r + step) % count);
                if (pool[j].Face >= 0) {
                    r = j;
                    break;
                }
            }
        }
        state.Tiles[i].Face = pool[r].Face;
        state.Tiles[i].PicY = pool[r].PicY;
        state.Tiles[i].PicX = pool[r].PicX;
        pool[r].Face = kNoFace;
    }
}

}  // namespace varnel
