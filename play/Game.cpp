#include "play/Game.h"

#include "board/Deal.h"
#include "play/PairSearch.h"

namespace varnel {

Game::Game(GameView& view, SeedSource seeds)
    : view_(view),
      seeds_(std::move(seeds)),
      sequence_(view, [this] { reportAvailability(); }) {}

const LayoutRow& Game::layoutRow() const {
    // Layout numbers come in through the same table, so an unknown one never gets this far.
    const LayoutRow* row = findLayout(layout_);
    return row ? *row : layoutTable().front();
}

Availability Game::available() const {
    Availability available;
    available.hint = !stuck_;
    available.undo = undoAvailable_;
    available.shuffle = !stuck_ && layoutRow().shuffleOffered;
    // While the hint flashes or the win blinks, the board waits; the menus do not.
    available.board = !stuck_ && !sequence_.running();
    return available;
}

void Game::reportAvailability() {
    const Availability now = available();
    if (everReported_ && now == reported_) return;
    everReported_ = true;
    reported_ = now;
    view_.showAvailability(now);
}

bool Game::isRemovablePair(int16_t i, int16_t j) const {
    if (!board_.contains(i) || !board_.contains(j) || i == j) return false;
    return varnel::isRemovablePair(board_, layoutRow().rules, i, j);
}

int Game::countPairs() const { return varnel::countPairs(board_, layoutRow().rules); }

// ---- New games ----

uint32_t Game::newDealNumber() {
    Random random(seeds_());
    return static_cast<uint32_t>(random.uniform() * kLastDealNumber) + 1;
}

void Game::newGame() { deal(newDealNumber()); }

void Game::newGameIn(int16_t layout) {
    if (!findLayout(layout)) return;
    layout_ = layout;
    newGame();
}

void Game::chooseLayout(int16_t layout) {
    if (!findLayout(layout)) return;
    layout_ = layout;
    view_.rememberLayout(layout);
    newGame();
}

void Game::playDeal(uint32_t number) {
    if (number < 1 || number > kLastDealNumber) return;
    deal(number);
}

void Game::deal(uint32_t number) {
    const LayoutRow& row = layoutRow();
    board_ = dealFaces(row.tileCount(), number);
    row.rules.markStartFree(board_);
    dealNumber_ = number;
    startAfresh();
}

// A new board starts clean: nothing running, no frame over a tile of the old one, no panel
// about it, nothing to undo.
void Game::startAfresh() {
    sequence_.end();
    hideMatchPanel();
    stuck_ = false;
    undoAvailable_ = false;
    layOut();
    resetCursor();
    reportAvailability();
}

void Game::layOut() {
    view_.setBusy(true);
    deselect();
    view_.showLayout(layout_);
    view_.showTilesLeft(board_.tilesLeft());
    cursor_.useLayout(layoutRow().rules);
    view_.redrawBoard();
    view_.setBusy(false);
}

void Game::rebuildAroundDeal() {
    // The frames of a hint would point at the old places; a winning blink goes on.
    sequence_.endIf(TimedSequence::Kind::Hint);
    undoAvailable_ = false;
    layOut();
    refreshCursor();
    reportAvailability();
}

bool Game::restoreGame(int16_t layout, const Board& board, std::optional<uint32_t> dealNumber) {
    const LayoutRow* row = findLayout(layout);
    if (!row || board.tileCount() != row->tileCount()) return false;
    Board restored = board;
    row->rules.markStartFree(restored);
    layout_ = layout;
    board_ = restored;
    dealNumber_ = dealNumber;
    startAfresh();  // the undo step belonged to the game put away
    view_.rememberLayout(layout);
    return true;
}

bool Game::takeUpPosition(int16_t layout, const Board& board) {
    const LayoutRow* row = findLayout(layout);
    if (!row || board.tileCount() != row->tileCount()) return false;
    layout_ = layout;
    board_ = board;
    dealNumber_.reset();
    startAfresh();
    return true;
}

void Game::discardUndo() {
    undoAvailable_ = false;
    reportAvailability();
}

// ---- Shuffle ----

void Game::shuffleTiles() {
    sequence_.endIf(TimedSequence::Kind::Hint);
    undoAvailable_ = false;  // no undo across a shuffle
    Random random(seeds_());
    shuffleFaces(board_, random);
    view_.redrawBoard();
}

void Game::shuffle() {
    if (!available().shuffle) return;
    shuffleTiles();
    reportAvailability();
}

}  // namespace varnel
