#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "board/Board.h"
#include "board/Random.h"
#include "play/GameClock.h"
#include "play/GameView.h"
#include "play/KeyboardCursor.h"
#include "play/LayoutTable.h"
#include "play/SolverAssist.h"
#include "play/SolverOptions.h"
#include "play/TimedSequence.h"

namespace varnel {

// The game the player plays: the board of the current deal, the selection, the one undo step,
// the hint and the end of a game. It owns that state and shows it to others only as const; its
// calls are named for what the player does and take tile numbers. It decides which commands are
// available and refuses the others. It never waits: it asks the window through GameView, and
// timed steps go on when the window's timer calls timerTick.
class Game {
  public:
    // Where new deal numbers and shuffles draw their randomness from: the clock in play, a
    // sequence of the test's choosing in tests.
    using SeedSource = std::function<uint32_t()>;
    // Milliseconds of a steady clock: the game's clock reads the window's.
    using TimeSource = std::function<int64_t()>;
    // Deal numbers run from 1 to this; the same number and layout always deal the same board.
    static constexpr uint32_t kLastDealNumber = 999'999'999;

    explicit Game(GameView& view, SeedSource seeds = Random::clockSeed,
                  TimeSource now = steadyMilliseconds);
    static int64_t steadyMilliseconds();

    // What the window shows and the saved game keeps.
    const Board& board() const { return board_; }
    int16_t layout() const { return layout_; }
    const LayoutRow& layoutRow() const;
    // The number of the deal on the table; none for a game restored from a file that did not
    // keep it.
    std::optional<uint32_t> dealNumber() const { return dealNumber_; }
    std::optional<int16_t> selectedTile() const { return selected_; }
    // The tile under the keyboard cursor while it is shown, else -1.
    int16_t cursorTile() const { return cursor_.shown() ? cursor_.tile() : int16_t{-1}; }
    Availability available() const;
    bool sequenceRunning() const { return sequence_.running(); }
    bool isRemovablePair(int16_t i, int16_t j) const;
    int countPairs() const;
    bool paused() const { return paused_; }
    // The time this game has been played, from the first tile chosen.
    int64_t playedMilliseconds() const { return clock_.elapsed(now_()); }
    bool clockRunning() const { return clock_.running(); }

    // New games. newGame deals a new number in the current layout; newGameIn deals in another
    // layout without remembering it (the first game of a run); chooseLayout remembers it.
    void newGame();
    void newGameIn(int16_t layout);
    void chooseLayout(int16_t layout);
    // Deals the deal of this number in the current layout.
    void playDeal(uint32_t number);
    void shuffle();

    // A click on a tile, or a miss (-1): the two-click protocol.
    void clickTile(int16_t tile);
    // The keyboard: the arrow keys move the cursor, Space or Enter clicks the tile under it,
    // Escape drops the selection.
    void moveCursor(CursorDirection direction);
    void pressAtCursor();
    void dropSelection();

    void hint();
    void showRemaining();
    void undo();
    // Hides the board and stops the clock, or takes the game up again. A click on the board
    // takes a paused game up again too.
    void togglePause();
    // The window is minimised, or a message box of its own is open: the clock stands still.
    void holdClock(GameClock::Hold hold, bool on) { clock_.hold(hold, on, now_()); }
    // The player leaves (the program ends): the game in play goes into the record.
    void leave();

    // The three buttons of the end-of-game panel.
    void panelNewGame();
    void panelShuffle();
    void panelQuit();

    // The window's timer: the next step of the hint's flashes or of the winning blink.
    void timerTick() { sequence_.tick(); }

    // Replaces the game in progress with a saved one of that layout, its free flags and faces
    // (the tiles free from the start of that layout are free in any case). False, changing
    // nothing, when the board is not the layout's size.
    bool restoreGame(int16_t layout, const Board& board, std::optional<uint32_t> dealNumber = {});
    // Puts a position on the table exactly as given, free flags and all: a game replayed from
    // the solver's moves, or a position a test sets up. False, changing nothing, when the board
    // is not the layout's size.
    bool takeUpPosition(int16_t layout, const Board& board);
    // The undo step no longer applies (a new tile sheet is being chosen).
    void discardUndo();

    // The solver's help, off until the window turns it on (GameAssist.cpp). Its answers come
    // back through GameView::post.
    void setSolverOptions(const SolverOptions& options);
    const SolverOptions& solverOptions() const { return solverOptions_; }
    // A deal, or an arrangement of a shuffle, is being looked for: the board waits meanwhile.
    bool waitingForSolver() const { return waiting_ != Waiting::Nothing; }
    // The pair the last hint showed, its first tile framed first.
    std::optional<std::pair<int16_t, int16_t>> lastHint() const { return lastHint_; }
    // The solver has nothing in hand for this game: all it was asked has been posted back.
    bool solverIdle() { return assist_.idle(); }

  private:
    void deal(uint32_t number);
    // A new deal in this layout: at once, or once the solver has found one that can be won.
    void dealIn(int16_t layout);
    // The game in play is put away for another: into the record, if a pair was taken.
    void putAway();
    void setPaused(bool paused);
    void layOut();
    void startAfresh();
    // A click on a tile that may be picked, or a miss (-1).
    void actOn(int16_t tile);
    void removePair(int16_t first, int16_t second);
    void select(int16_t tile);
    void deselect();
    void refuse();
    void shuffleTiles();
    void afterMatch();
    void checkGameEnd();
    void blinkTheWin();
    void askPlayAgain(const std::string& prompt);
    std::string winLine();
    void hideMatchPanel();
    // Tells the window what may be done now, when that has changed.
    void reportAvailability();
    void showCursorAt(int16_t tile);
    void refreshCursor();
    void resetCursor();
    uint32_t newDealNumber();

    // The solver's help (GameAssist.cpp).
    enum class Change { Fresh, Pair, Undo };
    void dealWinnable(int16_t layout);
    void shuffleWinnable(bool fromPanel);
    void stopWaiting();
    // The position on the table has changed: answers about the one before no longer count,
    // the note goes, and the new position is checked.
    void positionChanged(Change change, int16_t first = -1, int16_t second = -1);
    void checkPosition(bool afterPair);
    void tellVerdict();
    void lookAhead();
    std::optional<std::pair<int16_t, int16_t>> winningHint() const;

    GameView& view_;
    SeedSource seeds_;

    Board board_;
    Board undoBoard_;  // the board as it was just before the last pair was taken
    int16_t layout_ = kDragon;
    std::optional<uint32_t> dealNumber_;
    std::optional<int16_t> selected_;
    std::optional<std::pair<int16_t, int16_t>> lastHint_;
    bool undoAvailable_ = false;
    bool stuck_ = false;  // tiles left and no pair: Hint, Shuffle, Undo and the board are off
    bool panelShown_ = false;
    bool paused_ = false;

    // What the record keeps of the game in play.
    TimeSource now_;
    GameClock clock_;
    int pairsTaken_ = 0;
    int hints_ = 0, undos_ = 0, shuffles_ = 0;
    bool recorded_ = false;
    std::string lastRemark_;  // what the record said of the game last put away

    Availability reported_;
    bool everReported_ = false;
    TimedSequence sequence_;
    KeyboardCursor cursor_;

    // What the solver knows of a position: its verdict, and a winning line when it can be won.
    struct Known {
        std::optional<Verdict> verdict;
        std::vector<TilePair> line;
    };
    enum class Waiting { Nothing, Deal, Arrangement };
    SolverOptions solverOptions_;
    SolverAssist assist_{view_};
    Waiting waiting_ = Waiting::Nothing;
    uint64_t serial_ = 0;  // the position on the table; grows with every change
    Known knownNow_, knownBefore_;  // the position on the table, and the one Undo brings back
    bool winnableSeen_ = false;     // a position of this deal or arrangement could be won
    bool lostTold_ = false;         // the player has been told the game is lost
    // What the solver found, while the player thought, of the position after each pair that may
    // be taken now: the pair taken is then judged at once.
    std::vector<std::pair<TilePair, Known>> lookedAhead_;
};

}  // namespace varnel
