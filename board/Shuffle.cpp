#include "Shuffle.h"

#include <utility>
#include <vector>

namespace varnel {

void ShuffleBoard(GameState& state, Random& random) {
    // The tiles still on the board, and their faces with the picture offsets that go with them.
    struct Picture {
        int16_t Face, PicY, PicX;
    };
    std::vector<int16_t> present;
    std::vector<Picture> pictures;
    for (int16_t i = 0; i < state.TileCount; ++i) {
        const TileRec& tile = state.Tiles[i];
        if (tile.Face < 0) continue;
        present.push_back(i);
        pictures.push_back({tile.Face, tile.PicY, tile.PicX});
    }

    // Fisher-Yates over the present tiles only: every arrangement of the faces is equally
    // likely, however the removed tiles lie between them.
    random.Randomize();
    for (size_t left = pictures.size(); left > 1; --left) {
        const size_t pick = static_cast<size_t>(random.RandomInt(static_cast<int16_t>(left)));
        std::swap(pictures[pick], pictures[left - 1]);
    }

    for (size_t k = 0; k < present.size(); ++k) {
        TileRec& tile = state.Tiles[present[k]];
        tile.Face = pictures[k].Face;
        tile.PicY = pictures[k].PicY;
        tile.PicX = pictures[k].PicX;
    }
}

}  // namespace varnel
