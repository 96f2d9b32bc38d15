#include "Game.h"

// After every removed pair: the tiles-left count, and whether the game is won or stuck.
namespace varnel {

void Game::AfterMatch() {
    state_.TilesLeft = static_cast<int16_t>(state_.TilesLeft - 2);
    ShowScore();
    CheckGameEnd();
}

void Game::CheckGameEnd() {
    if (state_.TilesLeft <= 0) {
        // "Tiles Left:" blinks twice before the question; a new game or an undo chosen
        // meanwhile ends the blink, and that board is not won.
        auto message = [this](bool visible) {
            return [this, visible] { window_.SetMessageVisible(visible); };
        };
        StartSequence(Sequence::WinBlink,
                      {{0.5f, message(false)},
                       {0.5f, message(true)},
                       {0.5f, message(false)},
                       {0.5f,
                        [this] {
                            window_.SetMessageVisible(true);
                            AskPlayAgain("You Won! Do you want to play again?");
                        }}},
                      [this] { window_.SetMessageVisible(true); });
        return;
    }
    state_.RetVal = CountPairs();
    if (state_.RetVal != 0) {
        undoAvailable_ = true;
        ReportAvailability();
        return;
    }
    undoAvailable_ = false;
    stuck_ = true;
    ReportAvailability();
    if (CurrentLayoutRow().stuckEnding == StuckEnding::AskPlayAgain) {
        AskPlayAgain("0 Matching Tiles Remaining. Do you want to play again?");
    } else {
        panelShown_ = true;
        window_.SetMatchPanelVisible(true);
    }
}

void Game::AskPlayAgain(const std::string& prompt) {
    if (window_.AskYesNo("Continue", prompt))
        NewGame();
    else
        window_.ExitProgram();
}

// The panel's buttons do something only while the panel is shown.
void Game::cmdMatchNew_Click() {
    if (!panelShown_) return;
    HideMatchPanel();
    NewGame();
}

void Game::cmdMatchShuffle_Click() {
    if (!panelShown_) return;
    HideMatchPanel();
    // A shuffled continuation: the board opens again unless the new faces are stuck too, and
    // there is no undo across the shuffle either way.
    stuck_ = false;
    ShuffleTiles();
    CheckGameEnd();
    undoAvailable_ = false;
    ReportAvailability();
}

void Game::cmdMatchQuit_Click() {
    if (!panelShown_) return;
    HideMatchPanel();
    window_.ExitProgram();
}

}  // namespace varnel
