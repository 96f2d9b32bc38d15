#pragma once

#include <gtest/gtest.h>

#include <initializer_list>

#include "Game.h"
#include "RecordingWindow.h"

namespace varnel::testing {

// The stacked layouts never ask the flat layout anything; if they did, the test fails.
class UnusedLayout : public Layout {
public:
    void BuildLayout(GameState&, Random&) const override { ADD_FAILURE() << "flat layout built"; }
    void UpdateFree(GameState&, int16_t) const override { ADD_FAILURE() << "flat rule used"; }
    bool PairConnected(const TileTable&, int16_t, int16_t) const override {
        ADD_FAILURE() << "flat path test used";
        return true;
    }
};

struct PlacedTile {
    int16_t tile, face;
    bool free;
};

class PlayTest : public ::testing::Test {
protected:
    void Start(int16_t layout) {
        state.CurrentLayout = layout;
        game.NewGame();
        window.events.clear();
        window.redraws = 0;
    }

    // Leaves only the given tiles on the board, as if the rest had been played away.
    void KeepOnly(std::initializer_list<PlacedTile> tiles) {
        for (int i = 0; i < state.TileCount; ++i) state.Tiles[i].Face = kNoFace;
        for (const PlacedTile& t : tiles) {
            state.Tiles[t.tile].Face = t.face;
            state.Tiles[t.tile].Free = t.free ? kTrue : kFalse;
        }
        state.TilesLeft = static_cast<int16_t>(tiles.size());
    }

    void Click(int16_t tile, int button = 1) {
        const TileRec& rec = state.Tiles[tile];
        game.picBoard_MouseUp(button, rec.X + state.TileWidth / 2, rec.Y + state.TileHeight / 2);
    }

    GameState state;
    RecordingWindow window;
    Random random{[n = 1u]() mutable { return n++; }};
    UnusedLayout flat;
    Game game{state, window, random, flat};
};

}  // namespace varnel::testing
