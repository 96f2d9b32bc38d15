#pragma once

#include <cstdint>
#include <string>

#include "GameState.h"
#include "GameWindow.h"
#include "Layout.h"
#include "Random.h"

namespace varnel {

// The rules of play around the board: new games, the two-click protocol, hint, pair count,
// undo and the end of a game. It owns no pixels: it asks the window through GameWindow.
class Game {
public:
    // The flat layout lives in its own library and is handed in.
    Game(GameState& state, GameWindow& window, Random& random, const Layout& riversLayout);

    GameState& State() { return state_; }

    // New game and dealing.
    void NewGame();
    void mnuNewGame_Click();
    void mnuShuffle_Click();
    void mnuLayout_Click(int16_t index);

    // A mouse button released over the board at board position (x, y); button 0 means none.
    void picBoard_MouseUp(int button, float x, float y);

    // Hint, remaining and undo.
    int16_t CountPairs();
    void mnuHint_Click();
    void mnuRemain_Click();
    void mnuUndo_Click();

    // The three buttons of the end-of-game panel.
    void cmdMatchNew_Click();
    void cmdMatchShuffle_Click();
    void cmdMatchQuit_Click();

    // The topmost present, free tile whose rectangle strictly contains the point, or -1.
    int16_t HitTest(float x, float y) const;
    // Whether tiles i < j could be removed now as a pair.
    bool IsRemovablePair(int16_t i, int16_t j) const;
    const Layout& CurrentLayoutRules() const;

private:
    void BuildLayout();
    void UpdateFree(int16_t k);
    void RemovePair(int16_t first, int16_t second);
    void Deselect();
    void RefuseClick();
    void AfterMatch();
    void CheckGameEnd();
    void AskPlayAgain(const std::string& prompt);
    void ShowScore();
    // Places the frame over a tile with the given offsets, which differ at the 1.25 scale.
    void FrameTile(int16_t tile, int16_t dx, int16_t dy);
    // Waits; false when the board was changed meanwhile (the player may use the menus while
    // a hint or the winning blink waits), so that the rest of a stale animation is dropped.
    bool PauseUnchanged(float seconds);

    GameState& state_;
    GameWindow& window_;
    Random& random_;
    const Layout& riversLayout_;
    unsigned boardVersion_ = 0;  // counts every change of the board
};

}  // namespace varnel
