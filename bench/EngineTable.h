#pragma once

#include <random>
#include <utility>
#include <vector>

#include "Game.h"
#include "GameWindow.h"

// A game table for the benchmarks: the engine with a window that shows nothing, waits for
// nothing and answers every question with No.
namespace varnel::bench {

class SilentWindow final : public GameWindow {
public:
    void SetAvailability(const Availability&) override {}
    void SetLayoutChecked(int16_t) override {}
    void SetBusy(bool) override {}
    void PlaceLabels(int16_t, int16_t, int16_t, int16_t) override {}
    void SetScoreCaption(const std::string&) override {}
    void SetMessageVisible(bool) override {}
    void ShowFrame(int16_t, int16_t) override {}
    void HideFrame() override {}
    void ShowCursor(int16_t, int16_t) override {}
    void HideCursor() override {}
    void Beep() override {}
    void StartTimer(float) override {}
    void StopTimer() override {}
    void DisplayBoard() override {}
    void ShowMessage(const std::string&) override {}
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
    void SetMatchPanelVisible(bool) override {}
    void WriteSetting(const std::string&, const std::string&) override {}
    void ExitProgram() override {}
};

struct Table {
    Table(int16_t layout, uint32_t seed) : random([n = seed]() mutable { return n++; }) {
        state.CurrentLayout = layout;
        game.NewGame();
    }

    void Click(int16_t tile) {
        const TileRec& rec = state.Tiles[tile];
        game.picBoard_MouseUp(1, rec.X + state.TileWidth / 2, rec.Y + state.TileHeight / 2);
    }

    // Takes one of the pairs open now, chosen at random, the way the player would: two clicks.
    // False when the board is stuck or empty.
    bool TakeRandomPair(std::mt19937& rng) {
        std::vector<std::pair<int16_t, int16_t>> open;
        for (int16_t i = 0; i < state.TileCount; ++i)
            for (int16_t j = static_cast<int16_t>(i + 1); j < state.TileCount; ++j)
                if (game.IsRemovablePair(i, j)) open.emplace_back(i, j);
        if (open.empty()) return false;
        const auto [first, second] = open[rng() % open.size()];
        Click(first);
        Click(second);
        return true;
    }

    GameState state;
    SilentWindow window;
    Random random;
    Game game{state, window, random};
};

}  // namespace varnel::bench
