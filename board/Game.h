#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "GameState.h"
#include "GameWindow.h"
#include "LayoutTable.h"
#include "Random.h"

namespace varnel {

enum class CursorDirection { Left, Right, Up, Down };

// The rules of play around the board: new games, the two-click protocol, hint, pair count,
// undo, the end of a game and the keyboard cursor. It decides which commands are available
// and refuses the others; it owns no pixels and never waits: it asks the window through
// GameWindow, and timed steps go on when the window's timer calls TimerTick.
class Game {
  public:
    Game(GameState& state, GameWindow& window, Random& random);

    GameState& State() { return state_; }
    Availability Available() const;

    // New game and dealing. NewGame deals in the current layout.
    void NewGame();
    void mnuNewGame_Click();
    void mnuShuffle_Click();
    void mnuLayout_Click(int16_t index);

    // Rebuilds positions and pictures around the deal on the table, for a new tile size: faces,
    // free flags, tiles left and the end of a game stay; the selection and the undo go.
    void RebuildAroundDeal();
    // Replaces the game in progress with a saved one: its layout, tiles left and the Free and
    // Face of each tile. False, changing nothing, when they do not make a game of that layout.
    bool RestoreGame(int16_t layout, int16_t tilesLeft, std::span<const SavedTile> tiles);
    // The undo copy no longer applies (a new tile sheet is being chosen).
    void DiscardUndo();

    // A mouse button released over the board at board position (x, y); button 0 means none.
    void picBoard_MouseUp(int button, float x, float y);

    // The keyboard: the arrow keys move the cursor, Space or Enter clicks the tile under it,
    // Escape drops the selection.
    void MoveCursor(CursorDirection direction);
    void PressAtCursor();
    void DropSelection();
    int16_t CursorTile() const { return cursorShown_ ? cursorTile_ : int16_t{-1}; }
    // Where the cursor goes from tile `from` in that direction; -1 when nothing lies that way.
    int16_t CursorNeighbour(int16_t from, CursorDirection direction) const;

    // Hint, remaining and undo.
    int16_t CountPairs();
    void mnuHint_Click();
    void mnuRemain_Click();
    void mnuUndo_Click();

    // The three buttons of the end-of-game panel.
    void cmdMatchNew_Click();
    void cmdMatchShuffle_Click();
    void cmdMatchQuit_Click();

    // The window's timer: the next step of the hint's flashes or of the winning blink.
    void TimerTick();
    bool SequenceRunning() const { return sequence_ != Sequence::None; }

    // The topmost present, free tile whose rectangle strictly contains the point, or -1.
    int16_t HitTest(float x, float y) const;
    // Whether tiles i < j could be removed now as a pair.
    bool IsRemovablePair(int16_t i, int16_t j) const;
    const LayoutRow& CurrentLayoutRow() const;

  private:
    enum class Sequence { None, Hint, WinBlink };
    struct TimedStep {
        float delay;  // seconds after the step before
        std::function<void()> action;
    };

    // Deals or keeps the faces, places the tiles and the labels, and draws the board.
    void LayOut(DealMode mode);
    void UpdateFree(int16_t k);
    void ClickTile(int16_t t);
    void RemovePair(int16_t first, int16_t second);
    void Deselect();
    void RefuseClick();
    void ShuffleTiles();
    void AfterMatch();
    void CheckGameEnd();
    void AskPlayAgain(const std::string& prompt);
    void ShowScore();
    // Places the frame over a tile with the given offsets, which differ at the 1.25 scale.
    void FrameTile(int16_t tile, int16_t dx, int16_t dy);
    void HideMatchPanel();
    // Tells the window what may be done now, when that has changed.
    void ReportAvailability();

    void StartSequence(Sequence kind, std::vector<TimedStep> steps, std::function<void()> cleanUp);
    // Stops a running sequence and puts back what it had changed on screen.
    void EndSequence();
    void EndHint();

    void ShowCursorAt(int16_t tile);
    void RefreshCursor();
    void ResetCursor();
    int16_t TileNearestTheMiddle() const;

    GameState& state_;
    GameWindow& window_;
    Random& random_;

    bool undoAvailable_ = false;
    bool stuck_ = false;  // tiles left and no pair: Hint, Shuffle, Undo and the board are off
    bool panelShown_ = false;
    Availability reported_;
    bool everReported_ = false;

    Sequence sequence_ = Sequence::None;
    std::vector<TimedStep> steps_;
    std::size_t nextStep_ = 0;
    std::function<void()> cleanUp_;
    unsigned sequenceSerial_ = 0;  // tells a sequence apart from one started in its place

    bool cursorShown_ = false;  // only once the player uses the keys; a mouse click hides it
    int16_t cursorTile_ = -1;
};

}  // namespace varnel
