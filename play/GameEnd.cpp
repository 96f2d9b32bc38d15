#include "play/Game.h"
#include "play/PairSearch.h"

// After every pair taken: the tiles-left count, and whether the game is won or stuck.
namespace varnel {

void Game::afterMatch() {
    view_.showTilesLeft(board_.tilesLeft());
    checkGameEnd();
}

void Game::checkGameEnd() {
    // The clock stands still once the last pair is taken or none is left to take.
    if (board_.tilesLeft() <= 0) {
        clock_.hold(GameClock::Hold::GameOver, true, now_());
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
    clock_.hold(GameClock::Hold::GameOver, true, now_());
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
                          askPlayAgain(winLine() + "\nYou Won! Do you want to play again?");
                      }}},
                    [this] {
                        view_.setTilesLeftCaptionVisible(true);
                        clock_.hold(GameClock::Hold::GameOver, false, now_());
                    });
}

// Above the question: the deal, the time, and a new best time when it is one. The game goes
// into the record now, so that the best it is measured against is the one before it.
std::string Game::winLine() {
    putAway();
    const std::string remark = lastRemark_;
    std::string line = dealNumber_ ? "Deal " + std::to_string(*dealNumber_) + " won in " : "Won in ";
    line += playedTimeText(clock_.elapsed(now_()));
    return line + (remark.empty() ? "." : ", " + remark + ".");
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
    ++shuffles_;
    clock_.hold(GameClock::Hold::GameOver, false, now_());
    if (solverOptions_.winnableDeals) {
        shuffleWinnable(true);
        return;
    }
    shuffleTiles();
    positionChanged(Change::Fresh);
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
