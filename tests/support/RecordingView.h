#pragma once

#include <algorithm>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "play/Game.h"
#include "play/GameView.h"
#include "tests/support/PostQueue.h"

namespace varnel::testing {

// A window that remembers what the game asked of it, and answers questions from a queue.
class RecordingView : public GameView {
  public:
    // The frame over one tile, as the selection or as a hint.
    struct Frame {
        bool hint;
        int16_t tile;
        friend bool operator==(const Frame&, const Frame&) = default;
    };
    static Frame selection(int16_t tile) { return {false, tile}; }
    static Frame hintAt(int16_t tile) { return {true, tile}; }

    // What the window shows now.
    Availability available;
    int16_t layout = -1;
    bool busy = false;
    int16_t tilesLeft = -1;
    bool captionVisible = true;
    std::optional<Frame> frame;
    std::optional<int16_t> cursor;
    bool timerRunning = false;
    bool matchPanelVisible = false;
    std::optional<int16_t> rememberedLayout;
    bool paused = false;
    std::string solverNote;  // the line under the tiles-left count

    // What happened, in order.
    std::vector<std::string> events;
    std::vector<Frame> framesShown;
    std::vector<float> timers;  // every delay asked for
    std::vector<std::string> messages;
    std::vector<std::pair<std::string, std::string>> questions;
    std::vector<FinishedGame> records;
    std::string remark;  // what the record says of the next game kept
    int refusals = 0;

    // The solver's answers, handed over for the test to run on the game's thread.
    PostQueue posted;

    // Answers to askYesNo, taken from the front; No once they run out.
    std::deque<bool> answers;

    void showAvailability(const Availability& now) override { available = now; }
    void showLayout(int16_t shown) override { layout = shown; }
    void setBusy(bool isBusy) override { busy = isBusy; }
    void showTilesLeft(int16_t count) override { tilesLeft = count; }
    void setTilesLeftCaptionVisible(bool visible) override {
        captionVisible = visible;
        events.push_back(visible ? "caption shown" : "caption hidden");
    }
    void showSelectionFrame(int16_t tile) override { showFrame(selection(tile)); }
    void showHintFrame(int16_t tile) override { showFrame(hintAt(tile)); }
    void hideFrame() override { frame.reset(); }
    void showCursor(int16_t tile) override { cursor = tile; }
    void hideCursor() override { cursor.reset(); }
    void refuseClick() override {
        ++refusals;
        events.push_back("refused");
    }
    void startTimer(float seconds) override {
        timerRunning = true;
        timers.push_back(seconds);
        events.push_back("timer " + std::to_string(seconds).substr(0, 3));
    }
    void stopTimer() override { timerRunning = false; }
    void redrawBoard() override { events.push_back("redraw"); }
    void showMessage(const std::string& text) override { messages.push_back(text); }
    bool askYesNo(const std::string& caption, const std::string& text) override {
        questions.emplace_back(caption, text);
        events.push_back("ask: " + text);
        if (answers.empty()) return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void setMatchPanelVisible(bool visible) override { matchPanelVisible = visible; }
    void showPaused(bool isPaused) override { paused = isPaused; }
    std::string keepRecord(const FinishedGame& game) override {
        records.push_back(game);
        return remark;
    }
    void post(std::function<void()> task) override { posted.post(std::move(task)); }
    void showSolverNote(const std::string& text) override {
        solverNote = text;
        if (!text.empty()) events.push_back("note: " + text);
    }
    void rememberLayout(int16_t remembered) override { rememberedLayout = remembered; }
    void exitProgram() override { events.push_back("exit"); }

    // How many times the event happened ("redraw", "exit"...).
    int count(std::string_view event) const {
        return static_cast<int>(std::ranges::count(events, event));
    }

    // Lets the time pass: the timer fires until the game asks for it no more.
    void runTimer(Game& game) {
        while (timerRunning) {
            timerRunning = false;
            game.timerTick();
        }
    }

  private:
    void showFrame(Frame shown) {
        frame = shown;
        framesShown.push_back(shown);
    }
};

}  // namespace varnel::testing
