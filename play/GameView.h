#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace varnel {

// The commands whose availability follows the state of play, and play on the board itself.
// The game decides them; the window only shows them.
struct Availability {
    bool hint = false;
    bool undo = false;
    bool shuffle = false;
    bool board = false;  // clicks and key presses on the tiles
    bool pause = false;  // a game in play may be paused, or one paused taken up again
    friend bool operator==(const Availability&, const Availability&) = default;
};

// A game that has ended, for the record of games played: only a game in which a pair was taken.
struct FinishedGame {
    enum class Ending { Won, Stuck, Abandoned };
    int16_t layout;
    std::optional<uint32_t> dealNumber;  // none for a game restored from an older saved file
    int64_t playedMilliseconds;
    int pairsTaken;
    int hints, undos, shuffles;
    Ending ending;
};

// What the game asks of the window, in tile numbers: where a tile lies on screen, how it looks
// and whether a refusal makes a sound is the window's business. The Qt window implements it;
// the engine's tests record it.
class GameView {
  public:
    virtual ~GameView() = default;

    // The whole set at once, whenever it changes.
    virtual void showAvailability(const Availability& available) = 0;
    // A board of this layout is being laid out: its menu entry is checked and the labels go to
    // its places.
    virtual void showLayout(int16_t layout) = 0;
    // The busy pointer while the board is rebuilt.
    virtual void setBusy(bool busy) = 0;
    virtual void showTilesLeft(int16_t tilesLeft) = 0;
    // The "Tiles Left:" caption, blinked when a game is won.
    virtual void setTilesLeftCaptionVisible(bool visible) = 0;

    // The frame marks one tile at a time: the selected tile, or a tile a hint shows.
    virtual void showSelectionFrame(int16_t tile) = 0;
    virtual void showHintFrame(int16_t tile) = 0;
    virtual void hideFrame() = 0;
    // The keyboard cursor, a frame of its own.
    virtual void showCursor(int16_t tile) = 0;
    virtual void hideCursor() = 0;

    // A click that takes nothing (a miss, a blocked tile, a pair that does not go).
    virtual void refuseClick() = 0;
    // Calls Game::timerTick once, after this many seconds; a new request replaces a pending one.
    virtual void startTimer(float seconds) = 0;
    virtual void stopTimer() = 0;
    // Draws the whole board anew from the game's board and shows it.
    virtual void redrawBoard() = 0;

    // A message with an OK button, captioned with the program's title.
    virtual void showMessage(const std::string& text) = 0;
    // A question with Yes and No and the question icon; true for Yes.
    virtual bool askYesNo(const std::string& caption, const std::string& text) = 0;
    virtual void setMatchPanelVisible(bool visible) = 0;

    // The board is hidden while the game is paused, and shown again.
    virtual void showPaused(bool paused) = 0;
    // A game has ended: the window keeps it in the record. For a win it returns a remark for the
    // player ("a new best for Dragon"), else "".
    virtual std::string keepRecord(const FinishedGame& game) = 0;

    // Runs `task` on the window's thread soon, once what it is doing now is done; never at once.
    // The solver answers on a thread of its own and hands its answers over through here; the
    // Qt window queues a call, the engine's tests keep a queue they run by hand.
    virtual void post(std::function<void()> task) = 0;
    // A line of the solver's under the tiles-left count, shown until it is replaced: a pair
    // that lost the game, or a shuffle that could not be made winnable. "" takes it away.
    virtual void showSolverNote(const std::string& text) = 0;

    // The player chose this layout: it is the one to start with next time.
    virtual void rememberLayout(int16_t layout) = 0;
    // Stops the music and ends the program.
    virtual void exitProgram() = 0;
};

}  // namespace varnel
