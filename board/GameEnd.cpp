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
        for (int blink = 0; blink < 2; ++blink) {
            const bool unchanged = PauseUnchanged(0.5f);
            window_.SetMessageVisible(false);
            const bool stillUnchanged = unchanged && PauseUnchanged(0.5f);
            window_.SetMessageVisible(true);
            // A new game or an undo chosen during the blink: that board is not won.
            if (!stillUnchanged) return;
        }
        AskPlayAgain("You Won! Do you want to play again?");
        return;
    }
    state_.RetVal = CountPairs();
    if (state_.RetVal != 0) {
        window_.SetCommandEnabled(Command::Undo, true);
        return;
    }
    window_.SetCommandEnabled(Command::Undo, false);
    window_.SetCommandEnabled(Command::Hint, false);
    window_.SetCommandEnabled(Command::Shuffle, false);
    window_.SetBoardEnabled(false);
    if (state_.CurrentLayout != kDragon)
        AskPlayAgain("0 Matching Tiles Remaining. Do you want to play again?");
    else
        window_.SetMatchPanelVisible(true);
}

void Game::AskPlayAgain(const std::string& prompt) {
    if (window_.AskYesNo("Continue", prompt))
        NewGame();
    else
        window_.ExitProgram();
}

void Game::cmdMatchNew_Click() {
    window_.SetMatchPanelVisible(false);
    mnuNewGame_Click();
}

void Game::cmdMatchShuffle_Click() {
    window_.SetMatchPanelVisible(false);
    mnuShuffle_Click();
    window_.SetCommandEnabled(Command::Hint, true);
    CheckGameEnd();
    window_.SetCommandEnabled(Command::Undo, false);
}

void Game::cmdMatchQuit_Click() {
    window_.SetMatchPanelVisible(false);
    window_.ExitProgram();
}

}  // namespace varnel
