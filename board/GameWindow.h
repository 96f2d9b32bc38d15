#pragma once

#include <cstdint>
#include <string>

namespace varnel {

// The commands whose availability follows the state of play, and clicks on the board. The
// engine decides them; the window only shows them.
struct Availability {
    bool Hint = false;
    bool Undo = false;
    bool Shuffle = false;
    bool Board = false;  // clicks and key presses on the tiles
    friend bool operator==(const Availability&, const Availability&) = default;
};

// What the play logic asks of the window. The Qt window implements it; tests record it.
class GameWindow {
  public:
    virtual ~GameWindow() = default;

    // The whole set at once, whenever it changes.
    virtual void SetAvailability(const Availability& available) = 0;
    // Checks the entry of this layout in the Layouts menu and clears the others.
    virtual void SetLayoutChecked(int16_t layout) = 0;
    // The hourglass pointer while the board is rebuilt.
    virtual void SetBusy(bool busy) = 0;

    virtual void PlaceLabels(int16_t messageTop, int16_t scoreTop, int16_t scoreLeft,
                             int16_t testTop) = 0;
    virtual void SetScoreCaption(const std::string& caption) = 0;
    virtual void SetMessageVisible(bool visible) = 0;

    // The selection frame, placed at its top-left corner on the board.
    virtual void ShowFrame(int16_t left, int16_t top) = 0;
    virtual void HideFrame() = 0;
    // The keyboard cursor: a frame of its own over the tile at (left, top), tile-sized.
    virtual void ShowCursor(int16_t left, int16_t top) = 0;
    virtual void HideCursor() = 0;

    virtual void Beep() = 0;
    // Calls Game::TimerTick once, after this many seconds; a new request replaces a pending one.
    virtual void StartTimer(float seconds) = 0;
    virtual void StopTimer() = 0;
    // Draws the whole board anew from the tile table and shows it.
    virtual void DisplayBoard() = 0;

    // A message with an OK button, captioned with the program's title.
    virtual void ShowMessage(const std::string& text) = 0;
    // A question with Yes and No and the question icon; true for Yes.
    virtual bool AskYesNo(const std::string& caption, const std::string& text) = 0;
    virtual void SetMatchPanelVisible(bool visible) = 0;

    // Stores a remembered choice in the "Startup" section of the settings.
    virtual void WriteSetting(const std::string& key, const std::string& value) = 0;
    // Stops the music and ends the program.
    virtual void ExitProgram() = 0;
};

}  // namespace varnel
