#include <string>

#include "play/Game.h"
#include "play/PairSearch.h"

// Hint, the count of pairs that could be taken, and the one-level undo.
namespace varnel {

void Game::hint() {
    if (!available().hint) return;
    // With the solver watching, a pair that keeps the game winnable when it knows one.
    auto pair = winningHint();
    if (!pair) pair = hintPair(board_, layoutRow().rules);
    if (!pair) return;  // nothing to show: no message, no beep
    const auto [first, second] = *pair;
    lastHint_ = pair;
    ++hints_;
    sequence_.endIf(TimedSequence::Kind::Hint);
    deselect();
    view_.showHintFrame(first);
    sequence_.start(TimedSequence::Kind::Hint,
                    {{1.2f,
                      [this, second] {
                          view_.hideFrame();
                          view_.showHintFrame(second);
                      }},
                     {1.2f, [this] { view_.hideFrame(); }}},
                    [this] { view_.hideFrame(); });
}

void Game::showRemaining() { view_.showMessage(std::to_string(countPairs()) + " Matches Remain"); }

void Game::undo() {
    if (!available().undo) return;
    // A blink of a board that is no longer won, or a hint of a pair, ends here.
    sequence_.end();
    // The frame goes and so does the selection it marked.
    deselect();
    board_ = undoBoard_;
    ++undos_;
    view_.showTilesLeft(board_.tilesLeft());
    view_.redrawBoard();
    undoAvailable_ = false;
    positionChanged(Change::Undo);
    refreshCursor();
    reportAvailability();
}

}  // namespace varnel
