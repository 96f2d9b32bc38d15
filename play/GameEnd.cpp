#include "play/Game.h"
#include "play/PairSearch.h"

// After every pair taken: the tiles-left count, and whether the game is won or stuck.
namespace varnel {

void Game::afterMatch() {
    view_.showTilesLeft(board_.tilesLeft());
    checkGameEnd();
}

void Game::checkGameEnd() {
    if (board_.tilesLeft() <= 0) {
        blinkTheWin();
        return;
    }
    if (countPairs() != 0) {
        undoAvailable_ = true;
        reportAvailability();
        return;
    }
    undoAvailable_ = false;
    stuck_ = true;
    reportAvailability();
    if (layoutRow().stuckEnding == StuckEnding::AskPlayAgain) {
        askPlayAgain("0 Matching Tiles Remaining. Do you want to play again?");
    } else {
        panelShown_ = true;
        view_.setMatchPanelVisible(true);
    }
}

// "Tiles Left:" blinks twice before the question; a new game or an undo chosen meanwhile ends the
// blink, and that board is not won.
void Game::blinkTheWin() {
    auto caption = [this](bool visible) {
        return [this, visible] { view_.setTilesLeftCaptionVisible(visible); };
    };
    sequence_.start(TimedSequence::Kind::WinBlink,
                    {{0.5f, caption(false)},
                     {0.5f, caption(true)},
                     {0.5f, caption(false)},
                     {0.5f,
                      [this] {
                          view_.setTilesLeftCaptionVisible(true);
                          askPlayAgain("You Won! Do you want to play again?");
                      }}},
                    [this] { view_.setTilesLeftCaptionVisible(true); });
}

void Game::askPlayAgain(const std::string& prompt) {
    if (view_.askYesNo("Continue", prompt))
        newGame();
    else
        view_.exitProgram();
}

void Game::hideMatchPanel() {
    panelShown_ = false;
    view_.setMatchPanelVisible(false);
}

// The panel's buttons do something only while the panel is shown.
void Game::panelNewGame() {
    if (!panelShown_) return;
    hideMatchPanel();
    newGame();
}

void Game::panelShuffle() {
    if (!panelShown_) return;
    hideMatchPanel();
    // A shuffled continuation: the board opens again unless the new faces are stuck too, and
    // there is no undo across the shuffle either way.
    stuck_ = false;
    shuffleTiles();
    checkGameEnd();
    undoAvailable_ = false;
    reportAvailability();
}

void Game::panelQuit() {
    if (!panelShown_) return;
    hideMatchPanel();
    view_.exitProgram();
}

}  // namespace varnel
