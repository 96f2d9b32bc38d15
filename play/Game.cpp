#include "play/Game.h"

#include <chrono>

#include "board/Deal.h"
#include "play/PairSearch.h"

namespace varnel {

Game::Game(GameView& view, SeedSource seeds, TimeSource now)
    : view_(view),
      seeds_(std::move(seeds)),
      now_(std::move(now)),
      sequence_(view, [this] { reportAvailability(); }) {}

int64_t Game::steadyMilliseconds() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

const LayoutRow& Game::layoutRow() const {
    // Layout numbers come in through the same table, so an unknown one never gets this far.
    const LayoutRow* row = findLayout(layout_);
    return row ? *row : layoutTable().front();
}

Availability Game::available() const {
    Availability available;
    // While the solver looks for the next deal or arrangement, the board on the table waits.
    if (waiting_ != Waiting::Nothing) return available;
    // A paused game takes nothing but a click on the board or Pause, which take it up again.
    available.hint = !stuck_ && !paused_;
    available.undo = undoAvailable_ && !paused_;
    available.shuffle = !stuck_ && !paused_ && layoutRow().shuffleOffered;
    // While the hint flashes or the win blinks, the board waits; the menus do not.
    available.board = !stuck_ && !sequence_.running();
    available.pause = !stuck_ && board_.tilesLeft() > 0 && sequence_.kind() != TimedSequence::Kind::WinBlink;
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

void Game::newGame() { dealIn(layout_); }

void Game::newGameIn(int16_t layout) {
    if (!findLayout(layout)) return;
    dealIn(layout);
}

void Game::chooseLayout(int16_t layout) {
    if (!findLayout(layout)) return;
    view_.rememberLayout(layout);
    dealIn(layout);
}

void Game::dealIn(int16_t layout) {
    if (solverOptions_.winnableDeals) {
        dealWinnable(layout);
        return;
    }
    putAway();  // under the layout it was played in
    layout_ = layout;
    deal(newDealNumber());
}

void Game::playDeal(uint32_t number) {
    if (number < 1 || number > kLastDealNumber) return;
    deal(number);
}

void Game::deal(uint32_t number) {
    putAway();
    const LayoutRow& row = layoutRow();
    board_ = dealFaces(row.tileCount(), number);
    row.rules.markStartFree(board_);
    dealNumber_ = number;
    startAfresh();
}

// A new board starts clean: nothing running, no frame over a tile of the old one, no panel
// about it, nothing to undo.
void Game::startAfresh() {
    stopWaiting();
    sequence_.end();
    hideMatchPanel();
    setPaused(false);
    stuck_ = false;
    undoAvailable_ = false;
    clock_.reset();
    pairsTaken_ = hints_ = undos_ = shuffles_ = 0;
    recorded_ = false;
    layOut();
    resetCursor();
    positionChanged(Change::Fresh);
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

bool Game::restoreGame(int16_t layout, const Board& board, std::optional<uint32_t> dealNumber) {
    const LayoutRow* row = findLayout(layout);
    if (!row || board.tileCount() != row->tileCount()) return false;
    Board restored = board;
    row->rules.markStartFree(restored);
    putAway();
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
    putAway();
    layout_ = layout;
    board_ = board;
    dealNumber_.reset();
    startAfresh();
    return true;
}

void Game::putAway() {
    if (recorded_ || pairsTaken_ == 0) return;
    recorded_ = true;
    const auto ending = board_.tilesLeft() == 0 ? FinishedGame::Ending::Won
                        : stuck_                ? FinishedGame::Ending::Stuck
                                                : FinishedGame::Ending::Abandoned;
    lastRemark_ = view_.keepRecord({layout_, dealNumber_, clock_.elapsed(now_()), pairsTaken_,
                                    hints_, undos_, shuffles_, ending});
}

void Game::leave() { putAway(); }

void Game::togglePause() {
    if (!available().pause) return;
    setPaused(!paused_);
}

void Game::setPaused(bool paused) {
    if (paused == paused_) return;
    paused_ = paused;
    // The hint's frames would show through the covered board.
    if (paused) sequence_.endIf(TimedSequence::Kind::Hint);
    clock_.hold(GameClock::Hold::Paused, paused, now_());
    view_.showPaused(paused);
    reportAvailability();
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
    ++shuffles_;
    if (solverOptions_.winnableDeals) {
        shuffleWinnable(false);
        return;
    }
    shuffleTiles();
    positionChanged(Change::Fresh);
    reportAvailability();
}

}  // namespace varnel
