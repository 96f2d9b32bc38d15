#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

#include "Game.h"
#include "RecordingWindow.h"

namespace varnel::testing {

// The questions at the end of a game, caption and text.
const std::pair<std::string, std::string> kWonQuestion{"Continue",
                                                       "You Won! Do you want to play again?"};
const std::pair<std::string, std::string> kStuckQuestion{
    "Continue", "0 Matching Tiles Remaining. Do you want to play again?"};

struct PlacedTile {
    int16_t tile, face;
    bool free;
};

class PlayTest : public ::testing::Test {
public:
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

    // The hint frame sits one pixel left of and above where the selection frame would.
    RecordingWindow::Frame HintFrame(int16_t tile) const {
        return {state.Tiles[tile].X, static_cast<int16_t>(state.Tiles[tile].Y - 5)};
    }

    GameState state;
    RecordingWindow window;
    Random random{[n = 1u]() mutable { return n++; }};
    Game game{state, window, random};
};

}  // namespace varnel::testing
