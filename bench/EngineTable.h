#pragma once

#include <random>
#include <utility>
#include <vector>

#include "play/Game.h"
#include "play/GameView.h"
#include "tests/support/PostQueue.h"

// A game table for the benchmarks: the engine with a window that shows nothing, waits for
// nothing and answers every question with No.
namespace varnel::bench {

class SilentView final : public GameView {
  public:
    void showAvailability(const Availability&) override {}
    void showLayout(int16_t) override {}
    void setBusy(bool) override {}
    void showTilesLeft(int16_t) override {}
    void setTilesLeftCaptionVisible(bool) override {}
    void showSelectionFrame(int16_t) override {}
    void showHintFrame(int16_t) override {}
    void hideFrame() override {}
    void showCursor(int16_t) override {}
    void hideCursor() override {}
    void refuseClick() override {}
    void startTimer(float) override {}
    void stopTimer() override {}
    void redrawBoard() override {}
    void showMessage(const std::string&) override {}
    bool askYesNo(const std::string&, const std::string&) override { return false; }
    void setMatchPanelVisible(bool) override {}
    void showPaused(bool) override {}
    std::string keepRecord(const FinishedGame&) override { return {}; }
    void post(std::function<void()> task) override { posted.post(std::move(task)); }
    void showSolverNote(const std::string&) override {}
    void rememberLayout(int16_t) override {}
    void exitProgram() override {}
    // The solver's answers wait here until the benchmark runs them.
    testing::PostQueue posted;
};

struct Table {
    // A new game of the layout whose deal number is drawn from seeds counting up from seed.
    Table(int16_t layout, uint32_t seed) : game(view, [n = seed]() mutable { return n++; }) {
        game.newGameIn(layout);
    }

    // Takes one of the pairs open now, chosen at random, the way the player would: two clicks.
    // False when the board is stuck or empty.
    bool takeRandomPair(std::mt19937& rng) {
        std::vector<std::pair<int16_t, int16_t>> open;
        const int16_t count = game.board().tileCount();
        for (int16_t i = 0; i < count; ++i)
            for (int16_t j = static_cast<int16_t>(i + 1); j < count; ++j)
                if (game.isRemovablePair(i, j)) open.emplace_back(i, j);
        if (open.empty()) return false;
        const auto [first, second] = open[rng() % open.size()];
        game.clickTile(first);
        game.clickTile(second);
        return true;
    }

    SilentView view;
    Game game;
};

}  // namespace varnel::bench
